#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "Global.h"
#include "PrintPages.h"
#include "PrintTest.h"
#include "ResultTexts.h"
#include "app/AppTest.h"

using namespace print_test;

namespace {

class LoadcaseData : public testing::Test {
protected:
    void SetUp() override {
        ProgramFolder();
        NumLoadcases = 2;
        CaseSpanDataText.SetLength(3);
    }
    void TearDown() override {
        NumLoadcases = 0;
        CaseSupportText.Fill({});
        CaseSpanDataText.SetLength(0);
    }
};

TEST_F(LoadcaseData, SupportsStressLineThenSpanData) {
    Fill(CaseSupportText[1], Numbered("s", 10));
    CaseStressLine[1] = "stress 1";
    Fill(CaseSupportText[2], Numbered("t", 24));
    CaseStressLine[2] = "stress 2";
    Fill(CaseSpanDataText[1], Numbered("d", 3));
    // Loadcase 2 as the analysis leaves a loadcase without loads.
    CaseSpanDataText[2][0] = "2";
    CaseSpanDataText[2][1] = "LOADCASE2";
    CaseSpanDataText[2][2] = "No Loads Applied";
    const std::vector<Page> pages = Printed(PrintLoadcaseData);
    // Loadcase 1: supports, span data; loadcase 2: supports, a title page
    // (its stress line on grid line 39), span data.
    ASSERT_EQ(pages.size(), 5u);
    const GridTexts first = OnGrid(pages[0]);
    ASSERT_GE(first.size(), 12u);
    EXPECT_EQ(first[0], (GridLine{10, "LOADCASE 1"}));
    EXPECT_EQ(first[1], (GridLine{14, "s1"}));
    EXPECT_EQ(first[10], (GridLine{23, "s10"}));
    EXPECT_EQ(first[11], (GridLine{25, "stress 1"}));
    EXPECT_EQ(OnGrid(pages[1]), (GridTexts{{10, "LoadCase 1"}, {12, "d1"}, {13, "d2"}, {14, "d3"}}));
    EXPECT_EQ(LastOnGrid(pages[2]), (GridLine{39, "stress 2"}));
    EXPECT_EQ(OnGrid(pages[3]), (GridTexts{{10, "LoadCase 2"}}));
    EXPECT_EQ(OnGrid(pages[4]), (GridTexts{{10, "LoadCase 2"}, {12, "LOADCASE2"}, {13, "No Loads Applied"}}));
    EXPECT_TRUE(pages[4].Has("Page 5"));
}

TEST_F(LoadcaseData, SpanDataBreakAfterRow21BelowLine50) {
    Fill(CaseSupportText[1], Numbered("s", 1));
    NumLoadcases = 1;
    // Blocks of 25 lines: a title, headings, units, an empty line, rows 1..21.
    std::vector<std::string> lines;
    for (int b = 1; b <= 3; ++b) {
        lines.insert(lines.end(), {" Span " + std::to_string(b), " head", " units", ""});
        for (int r = 1; r <= 21; ++r) lines.push_back((r < 10 ? "  " : " ") + std::to_string(r) + " row");
    }
    Fill(CaseSpanDataText[1], lines);
    const std::vector<Page> pages = Printed(PrintLoadcaseData);
    ASSERT_EQ(pages.size(), 3u);
    // Rows 21 on lines 36 and 61: the break after the second block.
    EXPECT_EQ(LastOnGrid(pages[1]), (GridLine{61, " 21 row"}));
    const GridTexts third = OnGrid(pages[2]);
    ASSERT_GE(third.size(), 2u);
    EXPECT_EQ(third[1], (GridLine{12, " Span 3"}));
}

}  // namespace
