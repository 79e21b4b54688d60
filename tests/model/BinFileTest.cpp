// Only ordinary files are opened, and a Create that fails leaves the old file.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include "BinFile.h"
#include "ErrorOf.h"
#include "FileSizeLimit.h"
#include "RunError.h"
#include "TempDir.h"

namespace {

TEST(BinFile, FoldersAndPipesAreRefusedWithoutBlocking) {
    TempDir dir;
    std::filesystem::create_directory("folder");
    ASSERT_EQ(::mkfifo("pipe", 0600), 0);
    std::filesystem::create_symlink("loop", "loop");
    const std::string tooLong(300, 'n');
    const struct {
        std::string name, read, create;
    } cases[] = {
        {"folder", "File access denied", "it is a folder"},
        {"pipe", "File access denied", "it is not an ordinary file"},
        {"loop", "the file is a link that leads back to itself", "the file is a link that leads back to itself"},
        {tooLong, "the name is too long", "the name is too long"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ErrorOf([&] { BinFile f(c.name, BinFile::Mode::Read); }), c.read) << c.name;
        EXPECT_EQ(ErrorOf([&] { BinFile f(c.name, BinFile::Mode::Create); }), c.create) << c.name;
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 3);
}

TEST(BinFile, CreateReplacesTheFileOnlyWhenClosed) {
    TempDir dir;
    // The longest name a folder holds: the temporary must not be longer.
    const std::string name = std::string(251, 'a') + ".bin";
    const auto save = [&name](const char* bytes) {
        BinFile f(name, BinFile::Mode::Create);
        f.Write(bytes, 4);
        f.Close();
    };
    // A temporary a killed save left named goes at the next save in its
    // folder; that of a save still running is locked and stays.
    std::ofstream(".korvela~dead01") << "stale";
    const int live = ::open(".korvela~live01", O_CREAT | O_RDWR | O_CLOEXEC, 0600);
    ASSERT_EQ(::flock(live, LOCK_EX), 0);
    save("7777");
    EXPECT_FALSE(std::filesystem::exists(".korvela~dead01"));
    EXPECT_TRUE(std::filesystem::exists(".korvela~live01"));
    ::close(live);
    std::filesystem::remove(".korvela~live01");
    // Saved over, it keeps its owner (another user's, where root saves) and
    // its mode, which neither the temporary's nor a new file's would be.
    const bool root = ::geteuid() == 0;
    const uid_t owner = root ? 65534 : ::geteuid();
    const gid_t group = root ? 65533 : ::getegid();
    ASSERT_EQ(::chown(name.c_str(), owner, group), 0);
    ASSERT_EQ(::chmod(name.c_str(), 0640), 0);
    save("7777");
    struct stat st;
    ASSERT_EQ(::stat(name.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(st.st_uid, owner);
    EXPECT_EQ(st.st_gid, group);
    {
        BinFile f(name, BinFile::Mode::Create);
        f.Write("8888", 4);
        EXPECT_EQ(std::filesystem::file_size(name), 4u);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 1) << "the temporary has a name";
    }  // abandoned: the old file stays
    {
        const FileSizeLimit full(2);
        EXPECT_EQ(ErrorOf([&] { save("9999"); }), "Disk full");
    }
    EXPECT_EQ((std::ostringstream() << std::ifstream(name).rdbuf()).str(), "7777");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 1) << "a temporary was left";
}

}  // namespace
