// All seventeen built-in tables written in one call, as the main window does.
#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include "RunError.h"
#include "SectionRecord.h"
#include "SectionTables.h"
#include "TempDir.h"

namespace {

struct Member { const char* file; int records; };
const Member Members[] = {{"UB.sct", 95},     {"UC.sct", 37},      {"RSJ.sct", 9},    {"IPE.sct", 92},
                          {"HE.sct", 124},    {"WsBeam.sct", 208}, {"WsCol.sct", 66}, {"RSC.sct", 17},
                          {"PFC.sct", 16},    {"UPN.sct", 24},     {"EqRSA.sct", 66}, {"UnEqRSA.sct", 43},
                          {"EqL.sct", 17},    {"UnEqL.sct", 34},   {"RHS.sct", 193},  {"CHS.sct", 89},
                          {"C.sct", 37}};

// Names that lead to other files are replaced themselves: the files they
// lead to keep their content, and no file is made where a link points.
TEST(SectionTables, AllSeventeenFilesTheirRecordsAndBlanks) {
    TempDir dir;
    std::ofstream("theirs") << "theirs";
    std::filesystem::create_symlink("theirs", "UB.sct");
    std::filesystem::create_hard_link("theirs", "UC.sct");
    std::filesystem::create_symlink("nowhere", "RSJ.sct");
    WriteSectionTables();
    EXPECT_EQ(std::filesystem::file_size("theirs"), 6u);
    EXPECT_FALSE(std::filesystem::exists("nowhere"));
    EXPECT_FALSE(std::filesystem::is_symlink("UB.sct"));
    int records = 0, blanks = 0;
    for (const Member& m : Members) {
        SCOPED_TRACE(m.file);
        ASSERT_EQ(std::filesystem::file_size(m.file), std::uintmax_t(200 * m.records));
        const std::vector<SectionRecord> table = ReadSectionTable(m.file);
        for (int p = 1; p <= m.records; ++p) {
            const SectionRecord& r = table[p - 1];
            EXPECT_EQ(r.RecNo, p);
            if (r.Width == 0) {
                ++blanks;
                EXPECT_EQ(r.E, 0.0f);
            } else {
                EXPECT_EQ(r.E, 205000.0f);
            }
        }
        records += m.records;
    }
    EXPECT_EQ(records, 1167);
    EXPECT_EQ(blanks, 194);
}

TEST(SectionTables, AFailingTableStopsTheWritersAfterIt) {
    TempDir dir;
    std::ofstream("C.sct") << "older";
    std::filesystem::create_directory("RSJ.sct");   // cannot be opened for writing
    EXPECT_THROW(WriteSectionTables(), RunError);
    EXPECT_EQ(std::filesystem::file_size("UB.sct"), 19000u);
    EXPECT_EQ(std::filesystem::file_size("UC.sct"), 7400u);
    const std::set<std::string> present = {"UB.sct", "UC.sct", "RSJ.sct", "C.sct"};
    for (const Member& m : Members) {
        EXPECT_EQ(std::filesystem::exists(m.file), present.count(m.file) == 1) << m.file;
    }
    EXPECT_EQ(std::filesystem::file_size("C.sct"), 5u) << "the last table keeps its earlier contents";
}

}  // namespace
