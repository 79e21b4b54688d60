// Checked binary file I/O: every failing operation raises a RunError with the
// runtime's text ("File not found", "File access denied", "Disk full",
// "Read beyond end of file", ...). Values are stored little-endian.
// Only ordinary files are opened: a folder, pipe or device is refused with
// "File access denied". Create replaces the target only at Close, when the
// whole file is written (see ReplaceFile), so a failed write leaves the old
// file as it was; a file destroyed before Close leaves no trace. Create
// writes a file the user asked for; CreateOwn one the program writes unasked,
// which never follows a link into another file.
#pragma once
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include "ShortString.h"

class ReplaceFile;

class BinFile {
public:
    enum class Mode { Read, Create, CreateOwn };

    BinFile();
    BinFile(const std::string& name, Mode mode);
    ~BinFile();
    BinFile(const BinFile&) = delete;
    BinFile& operator=(const BinFile&) = delete;

    void Open(const std::string& name, Mode mode);
    void Close();                       // checked; a closed file is left alone
    int64_t Size();

    void Write(const void* data, size_t n);
    void Read(void* data, size_t n);            // short read raises "Read beyond end of file"
    size_t ReadSome(void* data, size_t n);      // block read that accepts a short transfer

    template <int N> void WriteStr(const ShortString<N>& s) {
        uint8_t b[N + 1];
        s.ToBytes(b);
        Write(b, sizeof b);
    }

private:
    void Discard();                     // drops an unfinished Create

    std::FILE* f_ = nullptr;
    std::unique_ptr<ReplaceFile> replace_;  // set while a Create is unfinished
};

std::string CurrentDir();
// The name ends in "." + ext, in any case.
bool HasExtension(const std::string& name, const std::string& ext);
// The name a save gives the file named typed: the dots it ends in dropped,
// then "." + ext added unless it ends so already, in any case. Raises a
// RunError for a name the file lists would hide, one that starts with a dot.
std::string SaveFileName(const std::string& typed, const std::string& ext);

// What a file is on disk; another write or a replacement changes it.
struct DiskStamp {
    bool exists = false;
    uint64_t device = 0, inode = 0;
    int64_t size = 0, modified = 0;  // modified: nanoseconds
    bool operator==(const DiskStamp&) const = default;
};
DiskStamp DiskStampOf(const std::string& name);

// Little-endian field access inside a record buffer.
void PutInt32(uint8_t* p, int32_t v);
void PutSingle(uint8_t* p, float v);
void PutDouble(uint8_t* p, double v);
int32_t GetInt32(const uint8_t* p);
float GetSingle(const uint8_t* p);
double GetDouble(const uint8_t* p);
