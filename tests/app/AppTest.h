// Every window of the program, created once per test program in a fresh
// folder that becomes the program folder.
#pragma once
#include <filesystem>
#include "Startup.h"
#include "TempDir.h"

inline const std::filesystem::path& ProgramFolder() {
    static TempDir* dir = nullptr;
    if (!dir) {
        dir = new TempDir;  // lives until exit, like the windows
        CreateForms();
    }
    return dir->path();
}
