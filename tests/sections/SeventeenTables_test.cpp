// All seventeen built-in tables: written in one call, as the main window does,
// each as its own writer makes it, and how writing fails.
#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include "ErrorOf.h"
#include "RunError.h"
#include "SectionFiles.h"
#include "SectionTables.h"
#include "TempDir.h"

namespace {
using sect::BuiltIn;
using sect::BuiltIns;
using sect::ReadAllBytes;
using sect::Written;

// Names that lead to other files are replaced themselves: the files they
// lead to keep their content, and no file is made where a link points.
TEST(SectionTables, AllSeventeenFilesAsTheirWritersMakeThem) {
    TempDir dir;
    std::ofstream("theirs") << "theirs";
    std::filesystem::create_symlink("theirs", "UB.sct");
    std::filesystem::create_hard_link("theirs", "UC.sct");
    std::filesystem::create_symlink("nowhere", "RSJ.sct");
    WriteSectionTables();
    EXPECT_EQ(std::filesystem::file_size("theirs"), 6u);
    EXPECT_FALSE(std::filesystem::exists("nowhere"));
    EXPECT_FALSE(std::filesystem::is_symlink("UB.sct"));
    for (const BuiltIn& t : BuiltIns()) {
        SCOPED_TRACE(t.file);
        EXPECT_EQ(Written(t.file).bytes.size(), size_t(t.records) * 200);
        EXPECT_EQ(ReadAllBytes(t.file), Written(t.file).bytes);
    }
}

TEST(SectionTables, AFailingTableStopsTheWritersAfterIt) {
    TempDir dir;
    std::ofstream("C.sct") << "older";
    std::filesystem::create_directory("RSJ.sct");   // cannot be opened for writing
    EXPECT_THROW(WriteSectionTables(), RunError);
    EXPECT_EQ(std::filesystem::file_size("UB.sct"), 19000u);
    EXPECT_EQ(std::filesystem::file_size("UC.sct"), 7400u);
    const std::set<std::string> present = {"UB.sct", "UC.sct", "RSJ.sct", "C.sct"};
    for (const BuiltIn& t : BuiltIns()) {
        EXPECT_EQ(std::filesystem::exists(t.file), present.count(t.file) == 1) << t.file;
    }
    EXPECT_EQ(std::filesystem::file_size("C.sct"), 5u) << "the last table keeps its earlier contents";
}

TEST(SectionTables, RewritingGivesTheSameFilesAndTruncatesLongerOnes) {
    TempDir dir;
    for (const BuiltIn& t : BuiltIns()) {
        SCOPED_TRACE(t.file);
        {
            BinFile longer(t.file, BinFile::Mode::Create);
            std::vector<uint8_t> junk(size_t(t.records) * 200 + 5000, 0xAB);
            longer.Write(junk.data(), junk.size());
        }
        t.write();
        EXPECT_EQ(ReadAllBytes(t.file), Written(t.file).bytes);
        t.write();
        EXPECT_EQ(ReadAllBytes(t.file), Written(t.file).bytes);
    }
}

TEST(SectionTables, FileThatCannotBeCreatedRaisesTheFileError) {
    for (const BuiltIn& t : BuiltIns()) {
        TempDir dir;
        std::filesystem::create_directory(t.file);
        EXPECT_EQ(ErrorOf(t.write), "Cannot write the section table \"" + std::string(t.file) + "\" in the folder \"" +
                                        dir.path().string() + "\": it is a folder.")
            << t.file;
        EXPECT_TRUE(std::filesystem::is_directory(t.file));
    }
}

}  // namespace
