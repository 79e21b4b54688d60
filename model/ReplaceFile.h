// How a written file takes the place of the old one. The new content goes to
// a temporary in the target's folder that has no name until it is whole, so
// a save that dies leaves nothing behind; only then is it renamed over the
// target. A file that may not be written is refused before anything is
// written.
#pragma once
#include <string>

// A file the user names is written through a link to the file it names, and
// is refused when it has other names (hard links) that a rename would leave
// holding the old content. A file of the program's own, written unasked,
// never reaches another file: a link in its place is replaced by the file
// itself, and other names of the old file keep the old content.
enum class FileOwner { User, Program };

class ReplaceFile {
public:
    // Checks the target and opens the temporary; raises why the named file
    // cannot be replaced.
    ReplaceFile(const std::string& name, FileOwner owner);
    ~ReplaceFile();  // an unfinished replacement is dropped; the old file stays
    ReplaceFile(const ReplaceFile&) = delete;
    ReplaceFile& operator=(const ReplaceFile&) = delete;

    int Fd() const { return fd_; }  // the temporary; the caller closes it after Commit
    // Syncs the whole temporary and renames it over the target; raises.
    void Commit();

private:
    int fd_ = -1;
    std::string target_, folder_;
    std::string named_;  // the temporary's name once it has one
    bool done_ = false;
};
