#include "BinFile.h"
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include "ReplaceFile.h"
#include "RunError.h"

BinFile::BinFile() = default;
BinFile::BinFile(const std::string& name, Mode mode) { Open(name, mode); }

BinFile::~BinFile() {
    Discard();
    if (f_) std::fclose(f_);
}

namespace {

// Opens fd's stream once the path proved to be an ordinary file; the file is
// opened without blocking so that a pipe cannot hang the open itself.
std::FILE* StreamOf(int fd, const char* mode) {
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        RaiseIoError(EACCES);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    std::FILE* f = ::fdopen(fd, mode);
    if (!f) {
        const int err = errno;
        ::close(fd);
        RaiseIoError(err);
    }
    return f;
}

int OpenFd(const std::string& name, int flags) {
    errno = 0;
    const int fd = ::open(name.c_str(), flags | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) RaiseIoError(errno == ENXIO ? EACCES : errno ? errno : EIO);
    return fd;
}

}  // namespace

void BinFile::Open(const std::string& name, Mode mode) {
    if (f_) Close();
    if (mode != Mode::Read) {
        replace_ = std::make_unique<ReplaceFile>(name, mode == Mode::Create ? FileOwner::User : FileOwner::Program);
        try {
            f_ = StreamOf(replace_->Fd(), "wb");
        } catch (...) {
            replace_.reset();
            throw;
        }
        return;
    }
    f_ = StreamOf(OpenFd(name, O_RDONLY), "rb");
}

void BinFile::Discard() {
    if (!replace_) return;
    if (f_) std::fclose(f_);
    f_ = nullptr;
    replace_.reset();
}

void BinFile::Close() {
    if (!f_) return;
    if (replace_) {
        errno = 0;
        if (std::fflush(f_) != 0) {
            const int err = errno ? errno : EIO;
            Discard();
            RaiseIoError(err);
        }
        try {
            replace_->Commit();  // while the temporary is open and locked
        } catch (...) {
            Discard();
            throw;
        }
        replace_.reset();
    }
    std::FILE* f = f_;
    f_ = nullptr;
    errno = 0;
    if (std::fclose(f) != 0) RaiseIoError(errno ? errno : EIO);
}

static void RequireOpen(std::FILE* f) {
    if (!f) throw RunError("File not open");
}

int64_t BinFile::Size() {
    RequireOpen(f_);
    long here = std::ftell(f_);
    std::fseek(f_, 0, SEEK_END);
    long end = std::ftell(f_);
    std::fseek(f_, here, SEEK_SET);
    if (here < 0 || end < 0) RaiseIoError(errno ? errno : EIO);
    return end;
}

void BinFile::Write(const void* data, size_t n) {
    RequireOpen(f_);
    errno = 0;
    if (std::fwrite(data, 1, n, f_) != n) RaiseIoError(errno ? errno : ENOSPC);
}

void BinFile::Read(void* data, size_t n) {
    if (ReadSome(data, n) != n) throw RunError("Read beyond end of file");
}

size_t BinFile::ReadSome(void* data, size_t n) {
    RequireOpen(f_);
    errno = 0;
    size_t got = std::fread(data, 1, n, f_);
    if (got != n && std::ferror(f_)) RaiseIoError(errno ? errno : EIO);
    return got;
}

void PutInt32(uint8_t* p, int32_t v) {
    uint32_t u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(u >> (8 * i));
}
int32_t GetInt32(const uint8_t* p) {
    uint32_t u = 0;
    for (int i = 0; i < 4; ++i) u |= uint32_t(p[i]) << (8 * i);
    return static_cast<int32_t>(u);
}
void PutSingle(uint8_t* p, float v) {
    uint32_t u;
    std::memcpy(&u, &v, 4);
    PutInt32(p, static_cast<int32_t>(u));
}
float GetSingle(const uint8_t* p) {
    uint32_t u = static_cast<uint32_t>(GetInt32(p));
    float v;
    std::memcpy(&v, &u, 4);
    return v;
}
void PutDouble(uint8_t* p, double v) {
    uint64_t u;
    std::memcpy(&u, &v, 8);
    for (int i = 0; i < 8; ++i) p[i] = static_cast<uint8_t>(u >> (8 * i));
}
double GetDouble(const uint8_t* p) {
    uint64_t u = 0;
    for (int i = 0; i < 8; ++i) u |= uint64_t(p[i]) << (8 * i);
    double v;
    std::memcpy(&v, &u, 8);
    return v;
}

std::string CurrentDir() {
    std::error_code ec;
    auto p = std::filesystem::current_path(ec);
    if (ec) RaiseIoError(ec.value());
    return p.string();
}

bool HasExtension(const std::string& name, const std::string& ext) {
    const std::string end = "." + ext;
    return name.size() >= end.size() &&
           std::equal(end.begin(), end.end(), name.end() - end.size(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
           });
}

std::string SaveFileName(const std::string& typed, const std::string& ext) {
    const size_t base = typed.find_last_of('/') + 1;
    std::string name = typed;
    while (name.size() > base && name.back() == '.') name.pop_back();
    if (!ext.empty() && !HasExtension(name, ext)) name += "." + ext;
    if (name.size() == base || name[base] == '.')
        throw RunError("The name \"" + typed.substr(base) +
                       "\" starts with a dot, and the file lists hide such files: give the file a name that does "
                       "not start with a dot.");
    return name;
}

DiskStamp DiskStampOf(const std::string& name) {
    struct stat st;
    if (::stat(name.c_str(), &st) != 0) return {};
    return {true, uint64_t(st.st_dev), uint64_t(st.st_ino), int64_t(st.st_size),
            int64_t(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec};
}
