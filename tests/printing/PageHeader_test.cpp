#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <fstream>
#include <functional>
#include "Company.h"
#include "Global.h"
#include "GuiTest.h"
#include "PrintTest.h"
#include "Pro_PrintHeader.h"
#include "TempDir.h"
#include "gui_testing.h"

using namespace print_test;
using ::testing::Contains;
using ::testing::ElementsAre;

namespace {

class PageHeader : public testing::Test {
protected:
    void SetUp() override {
        gui::SetApplicationTitle("Korvela");
        Header_Company = "Acme Structures";
        Header_User = "J Smith";
        Header_Project_1 = "Warehouse extension";
        Header_Project_2 = "Grid line C";
        Header_JobDesc = "Roof beam";
        Header_Ref = "J1234";
        BeamFileName = "/tmp/roof.kvl";
    }
    void TearDown() override {
        for (auto* s : {&Header_Company, &Header_User, &Header_Project_1, &Header_Project_2, &Header_JobDesc, &Header_Ref})
            *s = "";
        BeamFileName = "";
    }
};

TEST_F(PageHeader, TextsAndRulesAt600DotsPerInch) {
    LogDevice d(600, 600);
    d.BeginDoc();
    PrintPageHeader(d);
    const Page p = d.Pages().at(0);
    EXPECT_THAT(p.Texts(), ElementsAre(DrawnText{360, 0, "Korvela", gui::clBlack, 9},
                                       DrawnText{360, 168, "Acme Structures", gui::clBlack, 15},
                                       DrawnText{360, 360, "Warehouse extension", gui::clBlack, 12},
                                       DrawnText{360, 480, "Grid line C", gui::clBlack, 11},
                                       DrawnText{360, 600, "Roof beam", gui::clBlack, 11},
                                       DrawnText{360, 720, "J1234", gui::clBlack, 10},
                                       DrawnText{3840, 360, "by  J Smith", gui::clBlack, 9},
                                       DrawnText{3840, 480, "07/12/2026  14:05:09", gui::clBlack, 9},
                                       DrawnText{3840, 720, "Page 1", gui::clBlack, 9},
                                       DrawnText{1200, 720, "/tmp/roof.kvl", gui::clBlack, 9}));
    EXPECT_THAT(p.Lines(), ElementsAre(Segment{360, 120, 4800, 120, gui::clBlack, 3},
                                       Segment{360, 840, 4800, 840, gui::clBlack, 3}));
    const gui::Canvas& c = d.Canvas();
    EXPECT_EQ(c.TextFont.Name, "Arial");
    EXPECT_EQ(c.TextFont.Size, 9);
    EXPECT_EQ(c.Pen.Width, 3);
    for (const gui::CanvasOp& op : p.ops) {
        if (op.Op == "TextOut") {
            EXPECT_EQ(op.TextFont.Name, "Arial");
        }
    }
}

TEST_F(PageHeader, UnequalResolutionsUseTheirOwnSteps) {
    const Page p = Printed(PrintPageHeader, 600, 300).at(0);
    EXPECT_THAT(p.Texts(), Contains(DrawnText{360, 84, "Acme Structures", gui::clBlack, 15}));
    EXPECT_THAT(p.Lines(), Contains(Segment{360, 420, 4800, 420, gui::clBlack, 3}));
    // 88 and 90 dots per inch: steps of 3 across and 3 down (integer division).
    EXPECT_THAT(Printed(PrintPageHeader, 88, 90).at(0).Lines(),
                ElementsAre(Segment{45, 15, 600, 15, gui::clBlack, 3}, Segment{45, 105, 600, 105, gui::clBlack, 3}));
}

TEST_F(PageHeader, PageNumberAndEmptyUser) {
    Header_User = "";
    const Page p = Printed([](PrintDevice& d) { d.NewPage(); d.NewPage(); PrintPageHeader(d); }).at(2);
    EXPECT_TRUE(p.Has("Page 3"));
    EXPECT_TRUE(p.Has("by  "));
}

// A text that does not fit its place before the next text on its row is
// shortened between characters: a path keeps its end, other texts their start.
// The path gives way to the reference before it, which is cut only where the
// path has kept no more than its file's name.
TEST_F(PageHeader, LongTextsStopShortOfTheNextTextOnTheirRow) {
    const std::string folder = "/srv/Büro/" + [] {
        std::string s;
        for (int i = 0; i < 12; ++i) s += "Träger-Berechnungen/";
        return s;
    }();
    BeamFileName = folder + "Hauptträger.kvl";
    const std::pair<std::string, bool> refs[] = {
        {"Reference ääääää ääääää ääääää ääääää ääääää", true},
        {std::string(40, 'R') + std::string(60, 'e'), false},
    };
    for (const auto& [reference, whole] : refs) {
        Header_Ref = reference;
        // Steps of 3 units.
        const std::vector<DrawnText> texts = Printed(PrintPageHeader, 96, 96).at(0).Texts();
        std::string ref, path;
        int pathX = 0;
        for (const DrawnText& t : texts) {
            if (t.Y != 90) continue;
            if (t.X == 45) ref = t.Text;
            else if (t.X != 480) {
                path = t.Text;
                pathX = t.X;
            }
        }
        EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const DrawnText& t) {
            return t.X == 480 && t.Y == 90 && t.Text == "Page 1";
        }));
        ASSERT_TRUE(path.starts_with("...")) << path;
        EXPECT_TRUE(BeamFileName.ends_with(path.substr(3))) << path;
        EXPECT_TRUE(path.ends_with("/Hauptträger.kvl")) << path;
        if (whole) {
            EXPECT_EQ(ref, reference);
        } else {
            ASSERT_TRUE(ref.ends_with("...")) << ref;
            EXPECT_TRUE(reference.starts_with(ref.substr(0, ref.size() - 3))) << ref;
        }
        gui::RecordingCanvas measure;
        measure.TextFont = {"Arial", 10};
        EXPECT_LE(45 + measure.TextWidth(ref) + 2 * 3, pathX) << ref;
        EXPECT_GE(pathX, 50 * 3);
        measure.TextFont.Size = 9;
        EXPECT_LE(pathX + measure.TextWidth(path), (160 - 2) * 3) << path;
        EXPECT_FALSE(Continuation(path[3])) << "cut inside a character: " << path;
    }
}

// Sixty two-byte letters: the field keeps the 50 whole ones of its 100
// bytes, and the user's line, too long for its place, ends on a whole letter
// before its dots.
TEST_F(PageHeader, TwoByteLettersAreCutWhole) {
    std::string sixty;
    for (int i = 0; i < 60; ++i) sixty += "ä";
    Header_Company = Header_User = sixty;
    const std::vector<DrawnText> texts = Printed(PrintPageHeader, 600, 600).at(0).Texts();
    EXPECT_THAT(texts, Contains(DrawnText{360, 168, "ääääääääääääääääääääääääääääääääääääääääääääääääää", gui::clBlack, 15}));
    EXPECT_THAT(texts, Contains(DrawnText{3840, 360, "by  ääääääääääääääääää...", gui::clBlack, 9}));
}

TEST_F(PageHeader, OnThePrinterItsPdfCarriesTheHeader) {
    // Printed through the real printer; its PDF read back.
    const std::string pdf = testing::TempDir() + "header.pdf";
    PrintDevice& printer = CurrentPrintDevice();
    gui::SetPrinterOutputFile(pdf);
    gui::SetClock([] { return std::pair<std::string, std::string>{"07/12/2026", "14:05:09"}; });
    printer.BeginDoc();
    PrintPageHeader(printer);
    printer.EndDoc();
    const std::string text = PdfText(pdf);
    for (const char* s : {"Acme Structures", "by J Smith", "Page 1"})
        EXPECT_NE(text.find(s), std::string::npos) << s << " in " << text;
    EXPECT_EQ(PdfPages(pdf), 1);
}

// The company is the first line of "Company.txt", UTF-8 or UTF-16 with its
// mark, cut between characters to the 100 bytes it keeps.
TEST(CompanyFile, FirstLineInEitherEncodingCutBetweenCharacters) {
    TempDir dir;
    const std::string startDir = StartDir;
    StartDir = dir.path().string();
    auto utf16 = [](const std::u16string& text, bool bigEndian) {
        std::string b = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
        for (char16_t u : text) {
            const char hi = char(u >> 8), lo = char(u & 0xFF);
            b += bigEndian ? std::string{hi, lo} : std::string{lo, hi};
        }
        return b;
    };
    std::string accents;
    for (int i = 0; i < 60; ++i) accents += "é";
    const struct {
        std::string bytes, company;
    } rows[] = {
        {"Acme Structures\r\nsecond line", "Acme Structures"},
        {"\xEF\xBB\xBFMüller Stahlbau GmbH\n", "Müller Stahlbau GmbH"},
        {utf16(u"Müller Stahlbau \U0001D6FC GmbH\r\nx", false), "Müller Stahlbau \U0001D6FC GmbH"},
        {utf16(u"Müller Stahlbau GmbH\nx", true), "Müller Stahlbau GmbH"},
        {"a" + accents, "a" + accents.substr(0, 98)},  // the 50th "é" would take bytes 100 and 101
        {std::string("AB\0CD", 5), "AB"},              // as the name reads back from a beam file
    };
    for (const auto& r : rows) {
        Header_Company = "";
        Messages().clear();
        std::ofstream(CompanyFileName, std::ios::binary) << r.bytes;
        ReadCompanyFile();
        EXPECT_EQ(Header_Company.str(), r.company);
        EXPECT_TRUE(Messages().empty()) << r.company;
    }
    const struct {
        std::function<void()> make;
        std::string fault;
    } faults[] = {
        {[] { std::ofstream(CompanyFileName, std::ios::binary) << "M\xFCller GmbH"; },  // Latin-1
         "it is not text in UTF-8, or in UTF-16 with its byte-order mark"},
        {[] {
             std::filesystem::remove(CompanyFileName);
             std::filesystem::create_symlink(CompanyFileName, CompanyFileName);
         },
         "the file is a link that leads back to itself"},
    };
    for (const auto& f : faults) {
        Header_Company = "Kept";
        Messages().clear();
        f.make();
        ReadCompanyFile();
        EXPECT_EQ(Header_Company.str(), "Kept");
        EXPECT_EQ(Messages(), std::vector<std::string>{"The company name cannot be read from " + StartDir +
                                                       "/Company.txt: " + f.fault + "."});
    }
    Header_Company = "";
    StartDir = startDir;
}

}  // namespace
