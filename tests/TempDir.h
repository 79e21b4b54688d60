// A fresh directory that a test works in; the previous directory and the
// directory's contents are restored and removed afterwards.
#pragma once
#include <filesystem>
#include <string>
#include <unistd.h>

class TempDir {
public:
    TempDir() {
        old_ = std::filesystem::current_path();
        std::string tmpl = (std::filesystem::temp_directory_path() / "korvela-XXXXXX").string();
        path_ = ::mkdtemp(tmpl.data());
        std::filesystem::current_path(path_);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::current_path(old_, ec);
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path old_, path_;
};
