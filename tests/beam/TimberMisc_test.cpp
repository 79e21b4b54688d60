#include <gtest/gtest.h>
#include <sys/stat.h>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include "BeamTest.h"
#include "BinFile.h"
#include "Misc.h"
#include "SectionRecord.h"
#include "TempDir.h"

using namespace beamtest;
namespace fs = std::filesystem;

namespace {

using Timber = FreshWindow;

void Calculate(const std::string& h, const std::string& w, const std::string& e) {
    TBeamFrm& f = Window();
    f.Edit_Timber_H.SetText(h);
    f.Edit_Timber_W.SetText(w);
    f.Edit_Timber_E.SetText(e);
    f.cmd_TimCalc.Click();
}

TEST_F(Timber, RectangleInMillimetres) {
    w.Timber1.Click();
    EXPECT_EQ(FamilyCode, "Timber");
    EXPECT_EQ(SectionShape, "Timber");
    EXPECT_EQ(MaterialCode, "Timber");
    EXPECT_TRUE(w.Frame_Timber.Visible());
    EXPECT_FALSE(w.Frame_Steel.Visible());
    EXPECT_FALSE(w.Frame_Data.Visible());

    Calculate("200", "50", "8000");
    EXPECT_EQ(TimberH, 200.0f);
    EXPECT_EQ(TimberW, 50.0f);
    EXPECT_EQ(TimberHStored, 200.0f);
    EXPECT_EQ(TimberWStored, 50.0f);
    const std::vector<std::string> lines = {
        " Properties for \"dry\" timber", " ", "200 x 50 Timber", " Depth = 200.0 mm", " Width = 50.00 mm",
        " Area = 100.00 cm^2", " Ixx = 3333 cm^4", " E = 8000 N/mm^2", " y = 100.00 mm", "",
    };
    EXPECT_EQ(Items(w.List_Props), lines);
    // b h^3 / 12 = 50 x 200^3 / 12 mm^4 = 3333.33 cm^4.
    EXPECT_EQ(SpanTextTable[1][3], "3333");
    EXPECT_EQ(SpanTextTable[1][2], "8000");
    EXPECT_EQ(SpanTextTable[1][4], "100.0");
    EXPECT_EQ(SpanDescText[1], "200 x 50 Timber");
    EXPECT_EQ(w.Edit_Ixx.Text(), "3333");
    EXPECT_EQ(w.Grid_SpanData.Cell(5, 6), "100.0");  // area in cm^2
    EXPECT_EQ(SpanTextTable[1][5], "");               // the members' area is not set

    // Next builds Ixx of 3.3333e7 mm^4 from the shown text, and offers no self weight.
    Type(w.Grid_Lengths, 1, 1, "4");
    w.cmdNext.Click();
    EXPECT_EQ(BeamGeometryTable[1][3], 3333.0 * 10000);
    EXPECT_EQ(Material, "Timber");
    EXPECT_FALSE(LoadDataFrm->Frame_SWt.Visible());
}

TEST_F(Timber, CentimetresGiveTheSameSectionAndReopenAsTyped) {
    Unit_Sect_L = "cm";
    Factor_Sect_L = 10;
    w.Timber1.Click();
    Calculate("20", "5", "8000");
    EXPECT_EQ(TimberH, 200.0f);
    EXPECT_EQ(TimberW, 50.0f);
    EXPECT_EQ(w.List_Props.Item(3), " Depth = 20.00 cm");
    EXPECT_EQ(w.List_Props.Item(8), " y = 10.000 cm");
    EXPECT_EQ(SpanTextTable[1][4], "10.00");

    // What Open would restore: the stored pair shown again in the edits.
    SectionFamily = "Timber";
    w.Edit_Timber_H.SetText("");
    w.Edit_Timber_W.SetText("");
    w.ShowBeamData();
    EXPECT_EQ(w.Edit_Timber_H.Text(), "20.0");
    EXPECT_EQ(w.Edit_Timber_W.Text(), "5.00");
    EXPECT_TRUE(w.Frame_Timber.Visible());
    EXPECT_FALSE(w.Frame_Steel.Visible());
}

TEST_F(Timber, PerMemberGoesToTheChosenSpanOnly) {
    Fresh(false);
    w.UpDown_Spans.Step(1);
    w.UpDown_Spans.Step(1);
    w.UpDown_SpanNo.Step(1);
    ASSERT_EQ(SpanNo, 2);
    w.Timber1.Click();
    w.Edit_Ixx.SetText("untouched");
    Calculate("200", "50", "8000");
    EXPECT_EQ(w.Grid_Spans.Cell(2, 1), "200 x 50 Timber");
    EXPECT_EQ(SpanTextTable[2][3], "3333");
    EXPECT_EQ(w.Grid_Spans.Cell(1, 1), "");
    EXPECT_EQ(w.Grid_Spans.Cell(3, 3), "");
    EXPECT_EQ(w.Edit_Ixx.Text(), "untouched");
}

TEST_F(Timber, EmptyEditsGiveNoSectionAndNextAsksForIxx) {
    w.Timber1.Click();
    Calculate("", "", "8000");
    Type(w.Grid_Lengths, 1, 1, "4");
    EXPECT_EQ(Next(), Lines_t{HelpMessage(" Specify value for Ixx for all spans")});
}

// A section whose values lie beyond the format's figures reaches the members
// in figures that read back as it; one no member can hold is refused by name.
TEST_F(Timber, SectionsAtTheEdgesReachTheMembersOrAreRefusedByName) {
    const struct {
        const char *h, *w;
        std::string message, ixx;
    } rows[] = {
        {"100000", "1000", "", "8.3333335e+12"},  // cm^4, beyond four figures
        {"1", "1", "", "8.3333336e-06"},          // below them
        {"1e15", "1e10", "Timber section 1e15 x 1e10 Timber: its Ixx is too large", ""},
        {"2", "3.4e38", "Timber section 2 x 3.4e38 Timber: its area is too large", ""},
    };
    for (const auto& r : rows) {
        Fresh();
        w.Timber1.Click();
        Calculate(r.h, r.w, "8000");
        EXPECT_EQ(Messages(), r.message.empty() ? Lines_t{} : Lines_t{r.message}) << r.h;
        if (!r.message.empty()) continue;
        EXPECT_EQ(w.Edit_Ixx.Text(), r.ixx) << r.h;
        Type(w.Grid_Lengths, 1, 1, "4");
        EXPECT_EQ(Next(), Lines_t{}) << r.h;
        const float h = std::stof(r.h), b = std::stof(r.w);
        EXPECT_FLOAT_EQ(float(BeamGeometryTable[1][GIxx]), float((long double)b * h * h * h / 12)) << r.h;
    }
}

// ---- Miscellaneous sections --------------------------------------------------
TMiscFrm& Misc() { return *MiscFrm; }

void ShowMisc() {
    Misc().Hide();
    Misc().Show();
}

// Each test starts without "Misc.sct" and leaves none, with the window hidden and empty.
class MiscSections : public ::testing::Test {
protected:
    void SetUp() override {
        Fresh();
        Misc().Hide();
        fs::remove(MiscFile());
    }
    void TearDown() override {
        Misc().Hide();
        for (int r = 1; r <= 250; ++r)
            for (int c = 1; c <= 4; ++c) Misc().Grid.SetCell(c, r, "");
        fs::remove(MiscFile());
    }
};

TEST_F(MiscSections, FirstUseShowsEmptyNumberedRowsAndSavesAllOfThem) {
    Misc().Grid.SetCell(1, 250, "left over");
    Window().EditMiscellaneousSections1.Click();
    ASSERT_TRUE(Misc().Showing());
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Misc().Grid.RowCount(), 251);
    EXPECT_EQ(Misc().Grid.Cell(0, 0), " Ref");
    EXPECT_EQ(Misc().Grid.Cell(2, 0), "     Ixx  (cm^4)");
    EXPECT_EQ(Misc().Grid.Cell(3, 0), "\t     E  (N/mm^2)");
    EXPECT_EQ(Misc().Grid.Cell(0, 1), "1");
    EXPECT_EQ(Misc().Grid.Cell(0, 250), "250");
    EXPECT_EQ(Misc().Grid.Cell(1, 250), "");
    Misc().cmd_Save.Click();
    EXPECT_EQ(fs::file_size(MiscFile()), 50000u);
    Misc().cmd_ok.Click();
    EXPECT_FALSE(Misc().Showing());
}

// In the program folder, wherever a file dialog has left the current one.
TEST_F(MiscSections, RoundTripOfTwoHundredAndFiftyRecords) {
    const TempDir jobs;  // the folder of a beam opened or saved
    Unit_Sect_L = "cm";
    Factor_Sect_L = 10;
    ShowMisc();
    gui::StringGrid& g = Misc().Grid;
    for (int r = 1; r <= 250; ++r) {
        g.SetCell(1, r, "Section " + std::to_string(r));
        g.SetCell(2, r, std::to_string(r * 10));
        g.SetCell(3, r, "205000");
        g.SetCell(4, r, "5");
    }
    g.SetCell(1, 7, "A description longer than twenty-five");
    g.SetCell(2, 8, "0");
    g.SetCell(2, 9, "12.5abc");
    EXPECT_EQ(Said([&] { Misc().cmd_Save.Click(); }),  // refused whole: no file
              Lines_t{"Section 9 Ixx: '12.5abc' is not a number"});
    EXPECT_FALSE(fs::exists(MiscFile()));
    g.SetCell(2, 9, "12.5");
    Misc().cmd_Save.Click();

    ASSERT_EQ(ReadSectionTable(MiscFile()).size(), 250u);
    ASSERT_EQ(fs::file_size(MiscFile()), 50000u);
    EXPECT_FALSE(fs::exists(jobs.path() / "Misc.sct"));
    const SectionRecord first = ReadSectionTable(MiscFile()).at(1 - 1);
    EXPECT_EQ(first.Designation, "Section 1");
    EXPECT_EQ(first.Ixx, 100000.0f);  // 10 cm^4
    EXPECT_EQ(first.E, 205000.0f);
    EXPECT_EQ(first.YFibre, 50.0f);   // 5 cm
    EXPECT_EQ(first.Width, 0.0f);
    EXPECT_EQ(first.Area, 0.0f);
    EXPECT_EQ(first.Kind, " ");
    EXPECT_EQ(first.RecNo, 1);
    EXPECT_EQ(ReadSectionTable(MiscFile()).at(7 - 1).Designation, "A description longer than");
    EXPECT_EQ(ReadSectionTable(MiscFile()).at(9 - 1).Ixx, 125000.0f);
    EXPECT_EQ(ReadSectionTable(MiscFile()).at(250 - 1).RecNo, 250);
    BinFile f(MiscFile(), BinFile::Mode::Read);
    uint8_t rec[200];
    f.Read(rec, sizeof rec);
    EXPECT_EQ(rec[88], 1);
    EXPECT_EQ(rec[89], ' ');

    for (int r = 1; r <= 250; ++r)
        for (int c = 1; c <= 4; ++c) g.SetCell(c, r, "");
    ShowMisc();
    EXPECT_EQ(g.Cell(1, 1), "Section 1");
    EXPECT_EQ(g.Cell(2, 1), "10.000");
    EXPECT_EQ(g.Cell(3, 1), "205000");
    EXPECT_EQ(g.Cell(4, 1), "5.00");
    EXPECT_EQ(g.Cell(2, 8), "");  // an Ixx of 0 shows empty
    EXPECT_EQ(g.Cell(1, 250), "Section 250");
    EXPECT_EQ(g.Cell(2, 250), "2500.0");
    Window().Miscellaneous1.Click();
    EXPECT_EQ(Window().List_Sect.Item(0), "Section 1");
}

// Every value a Save can store is shown in figures that the next Save stores
// again, in every unit offered: the file comes back byte for byte.
TEST_F(MiscSections, StoredValuesComeBackInEveryUnit) {
    const float values[] = {1e9f, 1.5e9f, 7.3e12f, 123456789.0f, 1.0f / 3, 0.3f, 1e-30f, 1.4e-45f,
                            std::numeric_limits<float>::max(), -std::numeric_limits<float>::max(), -2.5e-4f};
    std::vector<SectionRecord> sections(::MiscSections);
    for (SectionRecord& s : sections) s.Kind = " ";
    for (size_t i = 0; i < std::size(values); ++i) {
        SectionRecord& s = sections[i];
        s.Designation = "Section " + std::to_string(i + 1);
        s.Ixx = s.E = s.YFibre = values[i];
    }
    WriteSectionTable(MiscFile(), sections);
    const std::vector<uint8_t> written = FileBytes(MiscFile());
    struct Units { float i, e, l; };
    for (const Units u : {Units{1, 1, 1}, Units{10000, 0.00689476f, 10}, Units{416231.44f, 6.89476f, 25.4f}}) {
        SCOPED_TRACE(u.i);
        Factor_Sect_I = u.i;
        Factor_Sect_E = u.e;
        Factor_Sect_L = u.l;
        Messages().clear();
        ShowMisc();
        Misc().cmd_Save.Click();
        EXPECT_EQ(Messages(), Lines_t{});
        const std::vector<uint8_t> saved = FileBytes(MiscFile());
        ASSERT_EQ(saved.size(), written.size());
        for (size_t b = 0; b < saved.size(); ++b) ASSERT_EQ(saved[b], written[b]) << "byte " << b;
    }
    Factor_Sect_I = 1;
    ShowMisc();
    EXPECT_EQ(Misc().Grid.Cell(2, 1), "1000000000");
    EXPECT_EQ(Misc().Grid.Cell(2, 2), "1500000000");
}

// Another user saved the file after this window read it: Save asks, and No
// keeps the other user's sections.
TEST_F(MiscSections, SaveOverAnotherUsersChangeIsAsked) {
    ShowMisc();
    Misc().Grid.SetCell(1, 1, "Mine");
    std::vector<SectionRecord> theirs(::MiscSections);
    theirs[0].Designation = "Theirs";
    WriteSectionTable(MiscFile(), theirs);
    const std::string question = "\"" + MiscFile() +
                                 "\" has been changed by another user or program since this window read it.\n"
                                 "Replace it with the sections shown here?";
    for (const bool yes : {false, true}) {
        Messages().clear();
        QuestionAnswer() = yes;
        Misc().cmd_Save.Click();
        EXPECT_EQ(Messages(), Lines_t{question});
        EXPECT_EQ(ReadSectionTable(MiscFile()).at(1 - 1).Designation, yes ? "Mine" : "Theirs");
    }
    EXPECT_TRUE(Said([&] { Misc().cmd_Save.Click(); }).empty());  // its own file: no question
    QuestionAnswer() = false;
}

TEST_F(MiscSections, MovedRowsAreSavedInTheirNewOrder) {
    ShowMisc();
    gui::StringGrid& g = Misc().Grid;
    for (int r = 1; r <= 3; ++r) g.SetCell(1, r, "Section " + std::to_string(r));
    gui::MoveRow(g, 1, 3);
    EXPECT_EQ(g.Cell(0, 3), "1");  // the reference moves with its row
    EXPECT_EQ(g.Cell(1, 1), "Section 2");
    Misc().cmd_Save.Click();
    EXPECT_EQ(ReadSectionTable(MiscFile()).at(1 - 1).Designation, "Section 2");
    EXPECT_EQ(ReadSectionTable(MiscFile()).at(3 - 1).Designation, "Section 1");
    EXPECT_EQ(ReadSectionTable(MiscFile()).at(3 - 1).RecNo, 3);
    ShowMisc();
    EXPECT_EQ(g.Cell(0, 3), "3");  // renumbered when shown again
    EXPECT_EQ(g.Cell(1, 3), "Section 1");
    Misc().Hide();
}

// Three sections, then damage of one kind; the rows shown and the message.
struct MiscDamage {
    const char* kind;
    std::function<void(std::vector<SectionRecord>&)> damage;  // before writing
    std::function<void()> afterWriting;
    std::vector<std::string> messages;
    std::vector<std::vector<std::string>> rows;  // rows 1 to 4: description, Ixx, E, y
};

TEST_F(MiscSections, DamagedFilesShowWhatTheyHoldAndLoseNoSection) {
    const float nan = std::nanf(""), inf = std::numeric_limits<float>::infinity();
    const fs::path file = MiscFile();
    const std::vector<std::string> empty(4, "");
    auto row = [](int r) {
        return Lines_t{"Section " + std::to_string(r), std::to_string(r) + ".000", "205000", "50.0"};
    };
    const std::string damaged = "\"" + file.string() + "\" is damaged: the values that cannot be shown are left empty (Ref ";
    const std::string notFile = "Cannot read \"" + file.string() + "\": it is not an ordinary file, or it may not be read.";
    const MiscDamage cases[] = {
        {"fewer than 250 and a part record", {}, [&] { std::ofstream(file, std::ios::app) << "part"; }, {},
         {row(1), row(2), row(3), empty}},
        {"non-finite values", [&](auto& s) { s[1].Ixx = nan; s[2].E = inf; s[2].YFibre = -inf; }, {},
         {damaged + "2, 3)"},
         {row(1), {"Section 2", "", "205000", "50.0"}, {"Section 3", "3.000", "", ""}, empty}},
        {"a value beyond the format's range", [](auto& s) { s[0].YFibre = 3e38f; }, {}, {},
         {{"Section 1", "1.000", "205000", "3.00E+38"}, row(2), row(3), empty}},
        {"an over-long name", {}, [&] {
             std::fstream f(file, std::ios::in | std::ios::out | std::ios::binary);
             f.put(char(255));
         }, {}, {row(1), row(2), row(3), empty}},
        {"a pipe", {}, [&] { fs::remove(file); ::mkfifo(file.c_str(), 0600); }, {notFile},
         {empty, empty, empty, empty}},
        {"a folder", {}, [&] { fs::remove(file); fs::create_directory(file); }, {notFile},
         {empty, empty, empty, empty}},
        {"2 GB", {}, [&] { fs::resize_file(file, 2147483648); },
         {"Cannot read \"" + file.string() + "\": it is 2147483648 bytes long, and a table holds at most 250 "
          "sections (50000 bytes)."},
         {empty, empty, empty, empty}},
    };
    for (const MiscDamage& c : cases) {
        SCOPED_TRACE(c.kind);
        std::vector<SectionRecord> sections(3);
        for (int r = 1; r <= 3; ++r) {
            sections[r - 1].Designation = "Section " + std::to_string(r);
            sections[r - 1].Ixx = r * 1e4f;  // r cm^4
            sections[r - 1].E = 205000;
            sections[r - 1].YFibre = 50;
        }
        if (c.damage) c.damage(sections);
        WriteSectionTable(MiscFile(), sections);
        if (c.afterWriting) c.afterWriting();
        for (int r = 1; r <= 250; ++r) Misc().Grid.SetCell(1, r, "left over");
        EXPECT_EQ(Said([&] { ShowMisc(); }), c.messages);
        // A file that cannot be read leaves no window whose Save would replace it.
        const bool refused = !c.messages.empty() && c.messages[0].starts_with("Cannot read");
        EXPECT_EQ(Misc().Showing(), !refused);
        for (int r = 1; r <= 4; ++r)
            for (int col = 1; col <= 4; ++col)
                EXPECT_EQ(Misc().Grid.Cell(col, r), c.rows[r - 1][col - 1]) << "row " << r << " column " << col;
        EXPECT_EQ(Misc().Grid.Cell(1, 250), "");
        if (!refused) {  // Save keeps every section that was shown
            Misc().cmd_Save.Click();
            ASSERT_EQ(ReadSectionTable(MiscFile()).size(), 250u);
            EXPECT_EQ(ReadSectionTable(MiscFile()).at(3 - 1).Designation, c.rows[2][0]);
        }
        fs::remove(file);
    }
}

}  // namespace
