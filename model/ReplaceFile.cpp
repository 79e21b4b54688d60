#include "ReplaceFile.h"
#include <cerrno>
#include <climits>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include "RunError.h"

namespace {

constexpr const char* TempPrefix = ".korvela~";
constexpr int MaxLinks = 40;  // as the system counts a loop

// The failures of making the temporary, said of the target's folder.
[[noreturn]] void RaiseFolderError(int err, const std::filesystem::path& folder) {
    std::error_code ec;
    switch (err) {
    case ENOENT: case ENOTDIR:
        // A folder that is there yet takes no new file (/proc) may not be written.
        if (!std::filesystem::is_directory(folder, ec)) throw RunError("the folder does not exist");
        [[fallthrough]];
    case EACCES: case EPERM: case EROFS: throw RunError("the folder may not be written");
    default: RaiseIoError(err);
    }
}

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// The file replaced: for the user, the file a link leads to, link after
// link; for the program, the name itself, a link standing there counting as
// no file. The file need not exist.
std::filesystem::path Target(const std::string& name, FileOwner owner, struct stat& st, bool& exists) {
    std::filesystem::path p = name;
    for (int links = 0;; ++links) {
        exists = ::lstat(p.c_str(), &st) == 0;
        if (!exists) {
            if (errno == ENOENT) return p;
            if (errno == ENOTDIR) RaiseFolderError(errno, p.parent_path());
            RaiseIoError(errno);
        }
        if (!S_ISLNK(st.st_mode)) return p;
        if (owner == FileOwner::Program) {
            exists = false;
            return p;
        }
        if (links == MaxLinks) RaiseIoError(ELOOP);
        char to[PATH_MAX];
        const ssize_t n = ::readlink(p.c_str(), to, sizeof to);
        if (n < 0 || n == sizeof to) RaiseIoError(n < 0 ? errno : ENAMETOOLONG);
        const std::filesystem::path next(std::string(to, size_t(n)));
        p = next.is_absolute() ? next : p.parent_path() / next;
    }
}

// What keeps an existing target from being replaced: it may not be written
// (root counts a file without write bits as read-only too), or it is the
// user's and has other names that would keep the old content.
void CheckReplaceable(const std::filesystem::path& target, FileOwner owner, const struct stat& st) {
    if (S_ISDIR(st.st_mode)) throw RunError("it is a folder");
    if (!S_ISREG(st.st_mode)) throw RunError("it is not an ordinary file");
    if ((st.st_mode & 0222) == 0 || ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
        throw RunError("the file is read-only");
    if (owner == FileOwner::User && st.st_nlink > 1)
        throw RunError("the file has other names (hard links), which would keep the old content");
}

// Removes the temporaries of saves that died while named: a live save holds
// a lock on its own.
void SweepTemporaries(const std::string& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    const std::string prefix = TempPrefix;
    while (const dirent* e = ::readdir(dir)) {
        if (std::string(e->d_name).rfind(prefix, 0) != 0) continue;
        const int fd = ::openat(::dirfd(dir), e->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat held, named;
        if (::fstat(fd, &held) == 0 && S_ISREG(held.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
            ::fstatat(::dirfd(dir), e->d_name, &named, AT_SYMLINK_NOFOLLOW) == 0 && SameFile(held, named))
            ::unlinkat(::dirfd(dir), e->d_name, 0);
        ::close(fd);
    }
    ::closedir(dir);
}

std::string ProcName(int fd) { return "/proc/self/fd/" + std::to_string(fd); }

// An unnamed file in the folder, locked; -1 where the file system has none.
int UnnamedTemp(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd < 0) {
        if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL) return -1;
        RaiseFolderError(errno, folder);
    }
    if (::flock(fd, LOCK_EX) == 0 && ::access(ProcName(fd).c_str(), F_OK) == 0) return fd;
    ::close(fd);  // it could not be given a name
    return -1;
}

// A named file in the folder, locked so that a sweep leaves it alone; a name
// swept before the lock was taken is made again.
int NamedTemp(const std::string& folder, std::string& name) {
    for (int tries = 0;; ++tries) {
        name = (std::filesystem::path(folder) / (std::string(TempPrefix) + "XXXXXX")).string();
        const int fd = ::mkostemp(name.data(), O_CLOEXEC);
        if (fd < 0) RaiseFolderError(errno, folder);
        struct stat held, named;
        const bool locked = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
        if (!locked && errno != EWOULDBLOCK) return fd;  // no locks here: nothing sweeps it either
        if (locked && ::fstat(fd, &held) == 0 && ::stat(name.c_str(), &named) == 0 && SameFile(held, named)) return fd;
        ::close(fd);
        if (tries == 100) RaiseIoError(EEXIST);
    }
}

// A fresh name for the temporary beside the target.
std::string TempName(const std::string& folder) {
    static std::mt19937 random{std::random_device{}()};
    char tail[16];
    std::snprintf(tail, sizeof tail, "%08x", unsigned(random()));
    return (std::filesystem::path(folder) / (TempPrefix + std::string(tail))).string();
}

}  // namespace

ReplaceFile::ReplaceFile(const std::string& name, FileOwner owner) {
    struct stat st;
    bool exists = false;
    const std::filesystem::path target = Target(name, owner, st, exists);
    if (exists) CheckReplaceable(target, owner, st);
    folder_ = target.has_parent_path() ? target.parent_path().string() : ".";
    SweepTemporaries(folder_);
    fd_ = UnnamedTemp(folder_);
    if (fd_ < 0) fd_ = NamedTemp(folder_, named_);
    target_ = target.string();
    // The new file keeps the old one's owner and mode where it may; a new
    // one gets the usual mode.
    if (exists) {
        if (::fchown(fd_, st.st_uid, st.st_gid) != 0) (void)::fchown(fd_, uid_t(-1), st.st_gid);
        ::fchmod(fd_, st.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd_, 0666 & ~mask);
    }
}

ReplaceFile::~ReplaceFile() {
    if (!done_ && !named_.empty()) ::unlink(named_.c_str());
}

void ReplaceFile::Commit() {
    if (::fsync(fd_) != 0) RaiseIoError(errno);
    for (int tries = 0; named_.empty(); ++tries) {
        const std::string name = TempName(folder_);
        if (::linkat(AT_FDCWD, ProcName(fd_).c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
            named_ = name;
        else if (errno != EEXIST || tries == 100)
            RaiseFolderError(errno, folder_);
    }
    if (::rename(named_.c_str(), target_.c_str()) != 0) RaiseIoError(errno);
    done_ = true;
    // The rename itself lasts once the folder is synced.
    const int dir = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}
