// The file layer's error texts in words a user reads after a file's name.
#pragma once
#include <string>

// "Read beyond end of file", "File not found" and "File access denied" said
// of a file being read; any other text as it is.
std::string FileFault(const std::string& what);
// "Disk full", "File not found" and "File access denied" said of a file
// being written; any other text as it is.
std::string WriteFault(const std::string& what);
