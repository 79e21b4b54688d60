// Every window of the program, created once per test program in a fresh
// folder that becomes the program folder.
#pragma once
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>
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

inline std::vector<uint8_t> FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Writes the bytes as the file; returns its path.
inline std::string WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return path.string();
}

// How many cases a random test runs: fewer under the sanitizers.
constexpr int RandomCases(int plain, int sanitized) {
#if defined(__SANITIZE_ADDRESS__)
    (void)plain;
    return sanitized;
#else
    (void)sanitized;
    return plain;
#endif
}
