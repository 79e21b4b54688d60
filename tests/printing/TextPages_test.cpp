#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "ErrorOf.h"
#include "Global.h"
#include "PrintPages.h"
#include "PrintTest.h"
#include "ResultTexts.h"
#include "RunError.h"
#include "TextPages.h"

using namespace print_test;
using ::testing::ElementsAreArray;

namespace {

class TextPages : public testing::Test {
protected:
    void SetUp() override {
        for (auto* s : {&ReportText, &LoadingDataPointText}) s->Fill({});
        MaximaText.Fill({});
        LoadingDataUDLText.Fill({});
        EnvelopeText.Fill({});
    }
    void TearDown() override { SetUp(); }
};

TEST_F(TextPages, GridAt600DotsPerInch) {
    LogDevice d(300, 600);
    ComputeTextGrid(d);
    EXPECT_NEAR(PrintPxPerMmY, 23.622, 0.001);
    EXPECT_EQ(PrintLineY[12], 1049);
    EXPECT_EQ(PrintLineY[70], 6118);
    EXPECT_EQ(RowNumber(" 21 0.000"), 21);
    EXPECT_EQ(RowNumber("  7"), 7);
    EXPECT_EQ(RowNumber(" Span 1"), 0);
    EXPECT_EQ(RowNumber(""), 0);
    EXPECT_EQ(RowNumber("1a2"), 0);
}

TEST_F(TextPages, ReportMaximaAndLoadTablesFollowOneAnother) {
    Fill(ReportText, Numbered("report ", 20));
    Fill(MaximaText, Numbered("max ", 8));
    Fill(LoadingDataUDLText, {"", " UNIFORMLY DISTRIBUTED LOADS", " head", " units", " udl 1"});
    Fill(LoadingDataPointText, {"", " Point Loads", " phead", " punits"});
    LogDevice d;
    d.BeginDoc();
    PrintBeamDataPages(d);
    const std::vector<Page> pages = d.Pages();
    ASSERT_EQ(pages.size(), 1u);
    const GridTexts lines = OnGrid(pages[0]);
    ASSERT_EQ(lines.size(), 1u + 19 + 8 + 5 + 4);
    EXPECT_EQ(lines[0], (GridLine{10, "Beam & Loading Data + Results Summary"}));
    EXPECT_EQ(pages[0].Texts()[10].Size, 12);
    EXPECT_EQ(lines[1], (GridLine{12, "report 2"}));
    EXPECT_EQ(lines[19], (GridLine{30, "report 20"}));
    EXPECT_EQ(lines[20], (GridLine{31, "max 1"}));
    EXPECT_EQ(lines[27], (GridLine{38, "max 8"}));
    EXPECT_EQ(lines[28], (GridLine{39, ""}));
    EXPECT_EQ(lines[33], (GridLine{44, ""}));
    EXPECT_EQ(lines[34], (GridLine{45, " Point Loads"}));
    EXPECT_EQ(d.Canvas().TextFont.Name, "Courier");
    EXPECT_EQ(d.Canvas().TextFont.Size, 10);
}

TEST_F(TextPages, LoadTablesBreakAfterGridLine70) {
    // 58 report lines take grid lines 12..69; the UDL table's only line
    // after its heading block falls on 70... with 54 the block ends on 70.
    Fill(ReportText, Numbered("r", 55));  // lines 2..55 on grid lines 12..65
    std::vector<std::string> udl = {"", " UNIFORMLY DISTRIBUTED LOADS", " head", " units", " udl 1"};
    Fill(LoadingDataUDLText, udl);  // grid lines 66..70
    std::vector<std::string> point = {"", " Point Loads", " phead", " punits"};
    for (const std::string& s : Numbered(" p", 60)) point.push_back(s);
    const std::string more = std::string(49, ' ') + "17 19";  // p52's loadcases go on
    point.insert(point.begin() + 4 + 52, more);
    Fill(LoadingDataPointText, point);
    const std::vector<Page> pages = Printed(PrintBeamDataPages);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(LastOnGrid(pages[0]), (GridLine{70, " udl 1"}));
    const GridTexts second = OnGrid(pages[1]);
    EXPECT_TRUE(pages[1].Has("Page 2"));
    ASSERT_GE(second.size(), 9u);
    EXPECT_EQ(GridTexts(second.begin(), second.begin() + 9),
              (GridTexts{{10, "Beam & Loading Data"}, {12, " UNIFORMLY DISTRIBUTED LOADS"}, {13, " head"},
                         {14, " units"}, {15, ""}, {16, " Point Loads"}, {17, " phead"}, {18, " punits"},
                         {19, " p1"}}));
    // p52 stands on line 70 and its loadcases on 71: the third page repeats
    // the point-load heading.
    EXPECT_EQ(second.back(), (GridLine{71, more}));
    EXPECT_THAT(OnGrid(pages[2]), ElementsAreArray(GridTexts{
                                      {10, "Beam & Loading Data"}, {12, " Point Loads"}, {13, " phead"},
                                      {14, " punits"}, {15, " p53"}, {16, " p54"}, {17, " p55"}, {18, " p56"},
                                      {19, " p57"}, {20, " p58"}, {21, " p59"}, {22, " p60"}}));
}

TEST_F(TextPages, EmptyStoresLeaveHeaderAndTitle) {
    ReportText[0] = "0";
    const std::vector<Page> pages = Printed(PrintBeamDataPages);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].Body(), std::vector<std::string>{"Beam & Loading Data + Results Summary"});
}

TEST_F(TextPages, ReportBeyondTheGridGoesOnANewPage) {
    Fill(ReportText, Numbered("r", 100));
    const std::vector<Page> pages = Printed(PrintBeamDataPages);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(LastOnGrid(pages[0]), (GridLine{80, "r70"}));
    const GridTexts next = OnGrid(pages[1]);
    ASSERT_GE(next.size(), 2u);
    EXPECT_EQ(next[0], (GridLine{10, "Beam & Loading Data + Results Summary"}));
    EXPECT_EQ(next[1], (GridLine{12, "r71"}));
}

TEST_F(TextPages, BadCountsStopTheSection) {
    ReportText[0] = "x1";
    EXPECT_EQ(ErrorOf([] { Printed(PrintBeamDataPages); }), "'x1' is not a valid integer value");
    ReportText[0] = "0";
    MaximaText[0] = "51";
    EXPECT_THROW(Printed(PrintBeamDataPages), RunError);
}

// The pages of an envelope store printed at an interval: per span an empty
// line, title, headings, units and 21 numbered rows.
std::vector<Page> EnvelopePages(int spans, int interval) {
    std::vector<std::string> lines = {"RESULTS ENVELOPE at 1/20th SPAN INTERVALS", ""};
    for (int s = 1; s <= spans; ++s) {
        lines.insert(lines.end(), {"", " Span " + std::to_string(s), "  Pt  x   Shear", "     (m)  (kN)"});
        for (int p = 1; p <= 21; ++p) {
            std::string n = std::to_string(p);
            lines.push_back(std::string(3 - n.size(), ' ') + n + "  x" + std::to_string(p - 1));
        }
    }
    Fill(EnvelopeText, lines);
    PrintInterval = interval;
    return Printed(PrintEnvelopeData);
}

TEST_F(TextPages, EnvelopeAtTwentiethsTwoBlocksAPage) {
    const std::vector<Page> pages = EnvelopePages(3, 20);
    ASSERT_EQ(pages.size(), 2u);
    const GridTexts first = OnGrid(pages[0]);
    ASSERT_GE(first.size(), 3u);
    EXPECT_EQ(first[0], (GridLine{10, "Results Envelope at 1/20th Span Intervals"}));
    EXPECT_EQ(first[1], (GridLine{15, ""}));
    EXPECT_EQ(first[2], (GridLine{16, " Span 1"}));
    EXPECT_EQ(first.back(), (GridLine{64, " 21  x20"}));
    const GridTexts second = OnGrid(pages[1]);
    ASSERT_EQ(second.size(), 26u);
    EXPECT_EQ(second[0].second, "Results Envelope at 1/20th Span Intervals");
    EXPECT_EQ(second[2], (GridLine{16, " Span 3"}));
}

TEST_F(TextPages, EnvelopeAtTenthsRenumbersOddRows) {
    const std::vector<Page> pages = EnvelopePages(4, 10);
    ASSERT_EQ(pages.size(), 2u);
    const GridTexts first = OnGrid(pages[0]);
    ASSERT_GE(first.size(), 16u);
    EXPECT_EQ(first[0].second, "Results Envelope at 1/10th Span Intervals");
    EXPECT_EQ(GridTexts(first.begin() + 1, first.begin() + 16), (GridTexts{
                         {15, ""}, {16, " Span 1"}, {17, "  Pt  x   Shear"}, {18, "     (m)  (kN)"},
                         {19, "  1  x0"}, {20, "  2  x2"}, {21, "  3  x4"}, {22, "  4  x6"}, {23, "  5  x8"},
                         {24, "  6  x10"}, {25, "  7  x12"}, {26, "  8  x14"}, {27, "  9  x16"},
                         {28, " 10  x18"}, {29, " 11  x20"}}));
    // Three blocks end on grid line 59, then a new page for the fourth.
    EXPECT_EQ(first.back(), (GridLine{59, " 11  x20"}));
    const GridTexts second = OnGrid(pages[1]);
    ASSERT_GE(second.size(), 3u);
    EXPECT_EQ(second[2], (GridLine{16, " Span 4"}));
}

TEST_F(TextPages, EnvelopeOfOneSpanNeedsNoBreak) {
    const std::vector<Page> pages = EnvelopePages(1, 20);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(LastOnGrid(pages[0]), (GridLine{39, " 21  x20"}));
    EnvelopeText[0] = "";
    const std::vector<Page> empty = Printed(PrintEnvelopeData);
    ASSERT_EQ(empty.size(), 1u);
    EXPECT_EQ(empty[0].Body(), std::vector<std::string>{"Results Envelope at 1/20th Span Intervals"});
}

}  // namespace
