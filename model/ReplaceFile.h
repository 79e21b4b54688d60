// How a written file takes the place of the old one. The new content goes to
// a temporary in the target's folder that has no name until it is whole, so
// a save that dies leaves nothing behind; only then is it renamed over the
// target. A link is written through to the file it names. A file that may not
// be written, or one with other names (hard links) that a rename would leave
// holding the old content, is refused before anything is written.
#pragma once
#include <string>

class ReplaceFile {
public:
    // Checks the target and opens the temporary; raises why the named file
    // cannot be replaced.
    explicit ReplaceFile(const std::string& name);
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
