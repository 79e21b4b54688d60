#include <gtest/gtest.h>
#include <sys/stat.h>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include "BeamTest.h"
#include "Misc.h"
#include "SectionRecord.h"
#include "SectionTables.h"

using namespace beamtest;
namespace fs = std::filesystem;

namespace {

// The built-in tables, written into the program folder as the main window does.
void WriteTables() {
    std::filesystem::current_path(StartDir);
    WriteSectionTables();
}

void Choose(int index) {
    Window().List_Sect.SetItemIndex(index);
    gui::Dispatch(Window().List_Sect.OnClick);  // as a click does
}

std::vector<std::string> Props() { return Items(Window().List_Props); }

// Each test on a fresh window, the tables written.
struct SectionChooser : FreshWindow {
    void SetUp() override {
        FreshWindow::SetUp();
        WriteTables();
    }
};

bool HasLine(const std::string& start) {
    for (const std::string& l : Props())
        if (l.rfind(start, 0) == 0) return true;
    return false;
}

TEST_F(SectionChooser, UniversalBeamListedAndChosen) {
    w.UniversalBeams1.Click();
    EXPECT_EQ(FamilyCode, "UB");
    EXPECT_EQ(MaterialCode, "HRS");
    EXPECT_EQ(w.lbl_Group.Caption(), "Beam");
    EXPECT_TRUE(w.Frame_Steel.Visible());
    EXPECT_FALSE(w.Frame_Data.Visible());
    ASSERT_EQ(w.List_Sect.Count(), 95);
    EXPECT_EQ(w.List_Sect.Item(0), "127 x 76 UB 13           ");  // padded as stored

    Choose(0);
    EXPECT_EQ(SectionShape, "Beam");
    const std::vector<std::string> expected = {
        " 127 x 76 UB 13           ", " Depth = 127 mm",   " Width = 76.00 mm", " Flange Thk = 7.60 mm",
        " Web Thk = 4.00 mm",         " Root rad = 7.60 mm", " Outstand = 38.0 mm", " Web depth = 96.6 mm",
        " Area = 16.5 cm^2",          " Ixx = 473.4 cm^4", " Iyy = 55.74 cm^4",  " Rxx = 53.5 mm",
        " Ryy = 18.4 mm",             " x = 38.0 mm",      " y = 63.5 mm",       " Zxx = 74.56 cm^3",
        " Zyy = 14.67 cm^3",          " ",                 " K = 2.851 cm^4",    " t = 13.8 mm",
        " ",                          " Sxx = 84.60 cm^3", " Syy = 22.50 cm^3",  " u = 0.898",
        " x = 16.27",                 " H = 1987 cm^6",    " ",
    };
    EXPECT_EQ(Props(), expected);

    // The section goes to every member (one section for all).
    for (int m : {0, 1, 13, 26}) EXPECT_EQ(SpanTextTable[m][5], "16.520") << m;
    EXPECT_EQ(SpanDescText[1], "127 x 76 UB 13");
    EXPECT_EQ(SpanTextTable[1][3], "473.4");
    EXPECT_EQ(SpanTextTable[1][2], "205000");
    EXPECT_EQ(SpanTextTable[1][4], "63.50");
    EXPECT_EQ(w.lbl_Desc.Caption(), "127 x 76 UB 13");
    EXPECT_EQ(w.Edit_Ixx.Text(), "473.4");
    EXPECT_EQ(w.Grid_SpanData.Cell(27, 3), "205000");
    EXPECT_EQ(w.Grid_SpanData.Cell(1, 4), "473.4");
    EXPECT_EQ(w.Grid_SpanData.Cell(14, 6), "16.52");

    // Shown with the section data frame, back to the list with OK.
    w.cmd_ShowProps.Click();
    EXPECT_TRUE(w.Frame_Data.Visible());
    EXPECT_FALSE(w.Frame_Steel.Visible());
    w.cmd_HideData.Click();
    EXPECT_TRUE(w.Frame_Steel.Visible());
    EXPECT_FALSE(w.Frame_Data.Visible());
}

TEST_F(SectionChooser, BlankSeparatorClearsTheSectionAndNextRefusesIt) {
    w.UniversalBeams1.Click();
    Type(w.Grid_Lengths, 1, 1, "6");
    Choose(0);
    SectionShape = "Beam";
    int blank = -1;
    std::filesystem::current_path(StartDir);
    const std::vector<SectionRecord> ub = ReadSectionTable("UB.sct");
    for (size_t p = 0; p < ub.size() && blank < 0; ++p)
        if (ub[p].Width == 0) blank = static_cast<int>(p);
    ASSERT_GT(blank, 0);
    Choose(blank);
    EXPECT_TRUE(Props().empty());
    EXPECT_EQ(SectionShape, "Beam");  // kept from the last section with dimensions
    EXPECT_EQ(SpanTextTable[1][3], "0.0");
    EXPECT_EQ(SpanTextTable[1][5], "0.0");
    EXPECT_EQ(SpanDescText[1], w.List_Sect.Item(blank));
    EXPECT_EQ(Next(), Lines_t{HelpMessage(" Specify value for Ixx for all spans")});
}

// A span added back after a section was chosen for all shows that section and
// is committed with it.
TEST_F(SectionChooser, SpanAddedAfterChoosingForAllTakesTheSection) {
    w.UpDown_Spans.Step(1);
    Type(w.Grid_Lengths, 1, 1, "5");
    Type(w.Grid_Lengths, 2, 1, "4");
    w.UpDown_Spans.Step(-1);
    w.UniversalBeams1.Click();
    Choose(0);
    w.UpDown_Spans.Step(1);
    EXPECT_EQ(w.Grid_Spans.Cell(2, 3), "473.4");
    EXPECT_TRUE(Next().empty());
    EXPECT_EQ(BeamGeometryTable[2][3], BeamGeometryTable[1][3]);
    EXPECT_EQ(SpanDescription[2], "127 x 76 UB 13");
    EXPECT_EQ(BeamGeometryTable[2][1], 4000.0);
}

TEST_F(SectionChooser, PerMemberSectionGoesToTheChosenMemberOnly) {
    Fresh(false);
    w.UpDown_Spans.Step(1);
    w.Check_RHC.Click();
    for (int i = 0; i < 3; ++i) w.UpDown_SpanNo.Step(1);
    ASSERT_EQ(w.lbl_SpanNo.Caption(), "RHC");
    w.RSJ1.Click();
    Choose(0);
    EXPECT_EQ(w.Grid_Spans.Cell(3, 1), "76 x 76 x 13 RSJ");
    EXPECT_EQ(SpanDescText[26], "76 x 76 x 13 RSJ");
    EXPECT_EQ(w.Grid_Spans.Cell(1, 1), "");
    EXPECT_EQ(SpanTextTable[1][3], "");
    EXPECT_EQ(SpanTextTable[2][3], "");
    for (int m = 0; m <= 26; ++m) EXPECT_NE(SpanTextTable[m][5], "") << m;  // the area of every member
}

// Each shape lists the lines that belong to it.
TEST_F(SectionChooser, HollowSectionsAndAnglesShowTheirOwnLines) {
    const struct {
        gui::MenuItem TBeamFrm::*menu;
        const char* shape;
        std::vector<const char*> shown, notShown;  // lines by their start
    } families[] = {
        {&TBeamFrm::CHS1, "Tube", {" Depth = 21.30 mm"}, {" Root rad", " u = "}},  // the diameter, four figures
        {&TBeamFrm::RHS1, "Box", {}, {" Root rad"}},
        {&TBeamFrm::EqualRSA1, "RSA", {" Root rad = 3.50 mm"}, {" Sxx", " H = "}},
        {&TBeamFrm::PFC1, "RSC", {" Sxx", " H = "}, {}},
    };
    for (const auto& f : families) {
        (w.*f.menu).Click();
        Choose(0);
        EXPECT_EQ(SectionShape, f.shape);
        for (const char* line : f.shown) EXPECT_TRUE(HasLine(line)) << line;
        for (const char* line : f.notShown) EXPECT_FALSE(HasLine(line)) << line;
    }
    w.CHS1.Click();
    EXPECT_EQ(w.lbl_Group.Caption(), "Circular Hollow Section");
}

TEST_F(SectionChooser, ListsWholeRecordsOnly) {
    fs::resize_file(fs::path(StartDir) / "RSJ.sct", 400);
    Window().RSJ1.Click();
    EXPECT_EQ(Window().List_Sect.Count(), 2);
    fs::resize_file(fs::path(StartDir) / "RSJ.sct", 399);
    Window().RSJ1.Click();
    EXPECT_EQ(Window().List_Sect.Count(), 1);
}

TEST_F(SectionChooser, MissingTableIsReportedAndKeepsTheChoice) {
    w.UniversalBeams1.Click();
    fs::remove(fs::path(StartDir) / "UPN.sct");
    EXPECT_EQ(Said([&] { w.UPN1.Click(); }),
              Lines_t{"Cannot read the section table \"" + StartDir + "/UPN.sct\": the file does not exist."});
    EXPECT_EQ(w.List_Sect.Count(), 0);
    EXPECT_EQ(w.lbl_Group.Caption(), "Rolled Steel Channel");
    EXPECT_EQ(FamilyCode, "UPN");
    EXPECT_EQ(MaterialCode, "HRS");
}

// A table damaged after it was written: not a file, a value that is not
// finite, an over-long designation.
struct TableDamage {
    const char* kind;
    const char* file;
    gui::MenuItem TBeamFrm::*menu;
    std::function<void(const fs::path&)> damage;
    std::string message;  // listing, then choosing the first section; "{}" stands for the file's path
};

void Patch(const fs::path& file, int offset, const void* bytes, int size) {
    std::fstream f(file, std::ios::in | std::ios::out | std::ios::binary);
    f.seekp(offset);
    f.write(static_cast<const char*>(bytes), size);
}

void PatchSingle(const fs::path& file, int offset, float value) { Patch(file, offset, &value, 4); }

TEST_F(SectionChooser, DamagedTablesGiveTheirErrorAndNoGarbage) {
    const float nan = std::nanf(""), inf = std::numeric_limits<float>::infinity();
    const std::string notFile = "Cannot read the section table \"{}\": it is not an ordinary file, or it may not be read.";
    auto damaged = [](const std::string& name) {
        return "The section table \"{}\" is damaged: section 1 (\"" + name + "\") holds values that cannot be shown or used.";
    };
    const TableDamage cases[] = {
        {"a pipe", "UB.sct", &TBeamFrm::UniversalBeams1, [](const fs::path& f) { fs::remove(f); ::mkfifo(f.c_str(), 0600); }, notFile},
        {"a folder", "UB.sct", &TBeamFrm::UniversalBeams1, [](const fs::path& f) { fs::remove(f); fs::create_directory(f); }, notFile},
        {"flange slope NaN", "RSJ.sct", &TBeamFrm::RSJ1, [&](const fs::path& f) { PatchSingle(f, 60, nan); }, damaged("76 x 76 x 13 RSJ")},
        {"u NaN", "UB.sct", &TBeamFrm::UniversalBeams1, [&](const fs::path& f) { PatchSingle(f, 176, nan); }, damaged("127 x 76 UB 13")},
        {"x index infinite", "UPN.sct", &TBeamFrm::UPN1, [&](const fs::path& f) { PatchSingle(f, 180, inf); }, damaged("U  30 x 15")},
        {"Ixx NaN", "UB.sct", &TBeamFrm::UniversalBeams1, [&](const fs::path& f) { PatchSingle(f, 104, nan); }, damaged("127 x 76 UB 13")},
        {"designation length 255", "C.sct", &TBeamFrm::CShape1, [](const fs::path& f) { Patch(f, 0, "\xff", 1); }, ""},
        {"miscellaneous E infinite", "Misc.sct", &TBeamFrm::Miscellaneous1, [&](const fs::path& f) { PatchSingle(f, 84, -inf); }, damaged("Box girder 1")},
        {"miscellaneous Ixx NaN", "Misc.sct", &TBeamFrm::Miscellaneous1, [&](const fs::path& f) { PatchSingle(f, 104, nan); }, damaged("Box girder 1")},
        {"miscellaneous table of 2 GB", "Misc.sct", &TBeamFrm::Miscellaneous1, [](const fs::path& f) { fs::resize_file(f, 2147483648); },
         "Cannot read the section table \"{}\": it is 2147483648 bytes long, and a table holds at most 250 sections "
         "(50000 bytes)."},
    };
    for (const TableDamage& c : cases) {
        SCOPED_TRACE(c.kind);
        Fresh();
        WriteTables();
        std::vector<SectionRecord> misc(1);
        misc[0].Designation = "Box girder 1";
        misc[0].Ixx = 2.5e8f;
        WriteSectionTable(MiscFile(), misc);
        const fs::path file = fs::path(StartDir) / c.file;
        const SectionRecord before = ReadSectionTable(c.file).at(0);
        c.damage(file);
        (w.*c.menu).Click();
        if (w.List_Sect.Count() > 0) {
            EXPECT_EQ(w.List_Sect.Item(0), before.Designation.str());
            SpanTextTable[1][3] = "kept";
            Choose(0);
            if (!c.message.empty()) {
                EXPECT_TRUE(Props().empty());
                EXPECT_EQ(SpanTextTable[1][3], "kept") << "nothing taken from a damaged record";
            }
        }
        std::string message = c.message;
        if (!message.empty()) message.replace(message.find("{}"), 2, file.string());
        EXPECT_EQ(Messages(), message.empty() ? Lines_t{} : Lines_t{message});
        for (const std::string& line : Props()) EXPECT_EQ(line.find("-92233"), std::string::npos) << line;
        fs::remove(file);
    }
}

TEST_F(SectionChooser, MiscellaneousSectionHasNoLinesButGivesItsValues) {
    std::vector<SectionRecord> sections(250);
    sections[0].Designation = "Box girder 1";
    sections[0].Kind = " ";
    sections[0].Ixx = 2.5e8f;
    sections[0].E = 205000;
    sections[0].YFibre = 300;
    sections[1] = sections[0];
    sections[1].Ixx = 1.2345678e13f;  // 4 figures up to the end of their ladder, 1e12
    WriteSectionTable(MiscFile(), sections);
    MaterialCode = "HRS";
    w.Miscellaneous1.Click();
    EXPECT_EQ(FamilyCode, "Misc");
    EXPECT_EQ(SectionShape, "Misc");
    EXPECT_EQ(MaterialCode, "Misc");
    EXPECT_EQ(w.lbl_Group.Caption(), "Miscellaneous");
    ASSERT_EQ(w.List_Sect.Count(), 250);
    Choose(0);
    EXPECT_TRUE(Props().empty());
    EXPECT_EQ(SpanDescText[1], "Box girder 1");
    EXPECT_EQ(SpanTextTable[1][3], "25000");
    EXPECT_EQ(SpanTextTable[1][2], "205000");
    EXPECT_EQ(SpanTextTable[1][4], "300.0");
    EXPECT_EQ(SpanTextTable[1][5], "0.0");
    Choose(1);
    EXPECT_EQ(SpanTextTable[1][3], "1235000000");
    fs::remove(MiscFile());
}

// The section clicked is the section used: the list follows a Save of the
// miscellaneous sections, and a table another program changed is listed
// again before anything is taken from it.
TEST_F(SectionChooser, ClickedSectionIsTheOneUsedAfterTheTableChanged) {
    auto write = [](std::initializer_list<std::string> names) {
        std::vector<SectionRecord> sections;
        for (const std::string& n : names) {
            SectionRecord& s = sections.emplace_back();
            s.Designation = n;
            s.Kind = " ";
            s.Ixx = 1e4f * float(n[8] - 'A' + 1);  // A 1 cm^4, B 2, C 3, ...
        }
        WriteSectionTable(MiscFile(), sections);
    };
    write({"Section A", "Section B", "Section C"});
    w.Miscellaneous1.Click();
    MiscFrm->Hide();
    MiscFrm->Show();
    gui::MoveRow(MiscFrm->Grid, 1, 3);  // B, C, A
    MiscFrm->cmd_Save.Click();
    MiscFrm->Hide();
    ASSERT_EQ(w.List_Sect.Item(0), "Section B");
    Choose(0);
    EXPECT_EQ(SpanDescText[1], "Section B");
    EXPECT_EQ(SpanTextTable[1][3], "2.000");

    write({"Section C", "Section A", "Section B", std::string(24, 'x') + "\xc3"});  // cut inside a character
    // The second section, listed as "Section C".
    EXPECT_EQ(Said([&] { Choose(1); }), Lines_t{"The section table \"" + StartDir +
                                                "/Misc.sct\" has changed since its sections were listed. "
                                                "The list is shown again: choose the section again."});
    EXPECT_EQ(SpanDescText[1], "Section B");  // nothing taken
    EXPECT_EQ(w.List_Sect.ItemIndex(), 1);
    EXPECT_EQ(w.List_Sect.Item(1), "Section A");
    Choose(0);
    EXPECT_EQ(SpanDescText[1], "Section C");
    EXPECT_EQ(SpanTextTable[1][3], "3.000");
    for (int r = 1; r <= MiscSections; ++r)
        for (int c = 1; c <= 4; ++c) MiscFrm->Grid.SetCell(c, r, "");
    fs::remove(MiscFile());
}

}  // namespace
