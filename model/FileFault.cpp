#include "FileFault.h"

std::string FileFault(const std::string& what) {
    if (what == "Read beyond end of file") return "the file ends before its data is complete";
    if (what == "File not found") return "the file does not exist";
    if (what == "File access denied") return "it is not an ordinary file, or it may not be read";
    return what;
}
