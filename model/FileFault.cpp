#include "FileFault.h"

std::string FileFault(const std::string& what) {
    if (what == "Read beyond end of file") return "the file ends before its data is complete";
    if (what == "File not found") return "the file does not exist";
    if (what == "File access denied") return "it is not an ordinary file, or it may not be read";
    return what;
}

std::string WriteFault(const std::string& what) {
    if (what == "Disk full") return "the disk is full";
    if (what == "File not found") return "the folder does not exist";
    if (what == "File access denied") return "it is not an ordinary file, or the folder or the file may not be written";
    return what;
}
