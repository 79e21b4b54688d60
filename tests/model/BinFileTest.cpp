// Only ordinary files are opened, and a Create that fails leaves the old file.
#include <gtest/gtest.h>
#include <filesystem>
#include <sys/stat.h>
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
    for (const char* name : {"folder", "pipe"})
        for (BinFile::Mode mode : {BinFile::Mode::Read, BinFile::Mode::ReadWrite, BinFile::Mode::Create}) {
            EXPECT_EQ(ErrorOf([&] { BinFile f(name, mode); }), "File access denied") << name;
        }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 2);
    // Names no file can have give the runtime's text, not an error number.
    std::filesystem::create_symlink("loop", "loop");
    for (const std::string& name : {std::string("loop"), std::string(300, 'n')})
        for (BinFile::Mode mode : {BinFile::Mode::Read, BinFile::Mode::ReadWrite})
            EXPECT_EQ(ErrorOf([&] { BinFile f(name, mode); }), "File not found") << name;
}

TEST(BinFile, CreateReplacesTheFileOnlyWhenClosed) {
    TempDir dir;
    // The longest name a folder holds: the temporary must not be longer.
    const std::string name = std::string(251, 'a') + ".bin";
    {
        BinFile f(name, BinFile::Mode::Create);
        f.WriteInt32(7);
        f.Close();
    }
    {
        BinFile f(name, BinFile::Mode::Create);
        f.WriteInt32(8);
        EXPECT_EQ(std::filesystem::file_size(name), 4u);
    }  // abandoned: the old file stays
    {
        const FileSizeLimit full(2);
        EXPECT_EQ(ErrorOf([&] {
                      BinFile f(name, BinFile::Mode::Create);
                      f.WriteInt32(9);
                      f.Close();
                  }),
                  "Disk full");
    }
    BinFile f(name, BinFile::Mode::Read);
    EXPECT_EQ(f.ReadInt32(), 7);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 1) << "a temporary was left";
}

}  // namespace
