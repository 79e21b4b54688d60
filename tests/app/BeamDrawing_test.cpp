#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <algorithm>
#include "BeamDrawing.h"
#include "CanvasLog.h"
#include "ResultsBeam.h"

using namespace results_test;
using ::testing::Contains;
using ::testing::Not;

namespace {

using BeamDrawing = AnalysedBeam;

// A window 1025 pixels wide: the beam runs from 150 to 950.
const PictureFrame Frame{1025, 766, 116, 0};

void SetOutlineEnd(int lc, int row, int end, float x, float rate, float factor, float stacked) {
    auto& e = AcceptedUDLOutline[lc][row][end];
    e[OutlineX] = x;
    e[OutlineRate] = rate;
    e[OutlineFactor] = factor;
    e[OutlineStacked] = stacked;
}

// The loads drawn of loadcase `shown`, 0 for all of them.
std::vector<Segment> DrawnLoads(gui::RecordingCanvas& c, int32_t shown) {
    DrawLoads(c, Frame, shown);
    return Segments(c);
}

int CountColour(const std::vector<Segment>& segments, gui::Color colour) {
    return static_cast<int>(std::count_if(segments.begin(), segments.end(), [&](const Segment& s) { return s.Colour == colour; }));
}

TEST_F(BeamDrawing, OneSpanOfFiveMetres) {
    SetBeam({5000});
    gui::RecordingCanvas c;
    DrawBeam(c, Frame);
    const std::vector<Segment> lines = Segments(c);
    EXPECT_THAT(lines, Contains(Segment{152, 96, 948, 96, gui::clWhite, 4}));
    // Simple supports at both ends of the span: triangles below the beam.
    for (int xs : {150, 950}) {
        EXPECT_THAT(lines, Contains(Segment{xs, 97, xs - 10, 111, gui::clWhite, 1}));
        EXPECT_THAT(lines, Contains(Segment{xs - 10, 111, xs + 10, 111, gui::clWhite, 1}));
        EXPECT_THAT(lines, Contains(Segment{xs + 10, 111, xs, 97, gui::clWhite, 1}));
    }
    EXPECT_EQ(lines.size(), 7u);
    // s = 800 / 5000: the label starts at 150 + 400 - 22.
    EXPECT_EQ(Texts(c), (std::vector<DrawnText>{{528, 101, "5.00 m", gui::clWhite}}));
}

TEST_F(BeamDrawing, FixedEndHatchingAndForkSupport) {
    // Spans of 2 m and 3 m: the inner support at 150 + 320.
    SetBeam({2000, 3000});
    SupportTypes[0] = SupportFixed;
    SupportTypes[1] = SupportForkhead;
    SupportTypes[25] = SupportFixed;
    gui::RecordingCanvas c;
    DrawBeam(c, Frame);
    const std::vector<Segment> lines = Segments(c);
    EXPECT_THAT(lines, Contains(Segment{150, 71, 150, 121, gui::clWhite, 2}));
    EXPECT_THAT(lines, Contains(Segment{950, 71, 950, 121, gui::clWhite, 2}));
    for (int k = 0; k <= 4; ++k) {
        // Behind the wall: to the left at the left end, to the right at the right end.
        EXPECT_THAT(lines, Contains(Segment{150, 71 + 10 * k, 140, 81 + 10 * k, gui::clWhite, 1}));
        EXPECT_THAT(lines, Contains(Segment{950, 81 + 10 * k, 960, 71 + 10 * k, gui::clWhite, 1}));
    }
    // The fork: its left arm broken where the beam passes.
    const std::vector<Segment> fork = {{462, 88, 462, 91, gui::clRed, 1},   {462, 101, 462, 102, gui::clRed, 1},
                                       {462, 102, 478, 102, gui::clRed, 1}, {478, 102, 478, 88, gui::clRed, 1},
                                       {466, 102, 466, 121, gui::clRed, 1}, {474, 102, 474, 121, gui::clRed, 1}};
    for (const Segment& s : fork) EXPECT_THAT(lines, Contains(s));
    EXPECT_EQ(CountColour(lines, gui::clRed), 6);
    EXPECT_EQ(lines.size(), 1u + 2 * 6 + 6);

    // A fixed end between spans draws nothing; a fork at the left end opens to the right.
    SupportTypes[1] = SupportFixed;
    SupportTypes[0] = SupportForkhead;
    gui::RecordingCanvas c2;
    DrawBeam(c2, Frame);
    EXPECT_THAT(Segments(c2), Not(Contains(Segment{470, 71, 470, 121, gui::clWhite, 2})));
    EXPECT_THAT(Segments(c2), Contains(Segment{158, 88, 158, 91, gui::clRed, 1}));
}

TEST_F(BeamDrawing, CantileverLengthsAndNothingWithoutABeam) {
    SetBeam({5000}, 1000, 1000);  // 7 m on 800 pixels
    gui::RecordingCanvas c;
    DrawBeam(c, Frame);
    const std::vector<DrawnText> texts = Texts(c);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0], (DrawnText{150 + 57 - 22, 101, "1.000 m", gui::clWhite}));  // round(500 x 0.1142857)
    EXPECT_EQ(texts[1], (DrawnText{150 + 400 - 22, 101, "5.00 m", gui::clWhite}));  // round(3500 x 0.1142857)
    EXPECT_EQ(texts[2], (DrawnText{150 + 743 - 12, 101, "1.000 m", gui::clWhite}));  // round(6500 x 0.1142857)

    BeamLength = 0;
    gui::RecordingCanvas empty;
    DrawBeam(empty, Frame);
    DrawLoads(empty, Frame, 1);
    EXPECT_TRUE(gui::Log(empty).empty());
}

TEST_F(BeamDrawing, FactoredUdlOverTheWholeBeamStandsFortyPixelsHigh) {
    SetBeam({5000});
    FactoredLoads = 1;
    Udl(1, 0, 10, 10, 5000, 1.4);
    FinishLoads();
    AcceptedUDLOutline.Fill({});
    SetOutlineEnd(1, 1, 1, 0, 10, 1.4f, 10);
    SetOutlineEnd(1, 1, 2, 5000, 10, 1.4f, 10);
    gui::RecordingCanvas c, all;
    const std::vector<Segment> lines = DrawnLoads(c, 1);
    EXPECT_THAT(lines, Contains(Segment{150, 94, 150, 54, gui::clRed, 1}));
    EXPECT_THAT(lines, Contains(Segment{150, 54, 151, 54, gui::clRed, 1}));
    EXPECT_THAT(lines, Contains(Segment{550, 54, 551, 54, gui::clRed, 1}));
    EXPECT_THAT(lines, Contains(Segment{950, 54, 950, 94, gui::clRed, 1}));
    EXPECT_EQ(lines.size(), 2002u);
    // One loadcase shown: the rate with its factor.
    EXPECT_EQ(Texts(c), (std::vector<DrawnText>{{153, 32, "10.00 x 1.40", gui::clRed}}));

    // All loadcases shown: the same outline without values.
    EXPECT_EQ(DrawnLoads(all, 0).size(), 2002u);
    EXPECT_TRUE(Texts(all).empty());
}

TEST_F(BeamDrawing, OverlappingUdlsStepUpAndCarryTheirStackedRates) {
    // 5 N/mm from 0 to 3 m and 10 N/mm from 2 m to 5 m: 15 N/mm between.
    SetBeam({5000});
    Udl(1, 0, 5, 5, 3000, 1.0);
    Udl(2, 2000, 10, 10, 3000, 1.0);
    FinishLoads();
    AcceptedUDLOutline.Fill({});
    SetOutlineEnd(1, 1, 1, 0, 5, 1, 5);
    SetOutlineEnd(1, 1, 2, 3000, 5, 1, 15);
    SetOutlineEnd(1, 2, 1, 2000, 10, 1, 15);
    SetOutlineEnd(1, 2, 2, 5000, 10, 1, 10);
    gui::RecordingCanvas c;
    // Heights 40 x 5/15, 40 and 40 x 10/15 above y = 94.
    const std::vector<Segment> lines = DrawnLoads(c, 1);
    EXPECT_THAT(lines, Contains(Segment{150, 94, 150, 81, gui::clRed, 1}));
    EXPECT_THAT(lines, Contains(Segment{470, 81, 470, 54, gui::clRed, 1}));
    EXPECT_THAT(lines, Contains(Segment{630, 54, 630, 67, gui::clRed, 1}));
    const std::vector<DrawnText> texts = Texts(c);
    EXPECT_THAT(texts, Contains(DrawnText{153, 32, "5.00", gui::clRed}));
    EXPECT_THAT(texts, Contains(DrawnText{473, 32, "10.00", gui::clRed}));
    EXPECT_THAT(texts, Contains(DrawnText{618, 3, "(15.0)", gui::clWhite}));
    EXPECT_THAT(texts, Contains(DrawnText{458, 3, "(15.0)", gui::clWhite}));
    EXPECT_EQ(texts.size(), 4u);
}

TEST_F(BeamDrawing, PointLoadsSelfWeightAndAFlatOutline) {
    SetBeam({5000});
    Point(1, 2500, -20000, 1.0);
    Point(2, 1000, 10000, 1.0);
    Udl(SelfWeightSlot, 0, 0.3, 0.3, 5000, 1.0);
    FinishLoads();
    AcceptedUDLOutline.Fill({});
    gui::RecordingCanvas c;
    const std::vector<Segment> lines = DrawnLoads(c, 1);
    // A negative load points up from below the beam.
    EXPECT_THAT(lines, Contains(Segment{550, 100, 545, 110, gui::clYellow, 2}));
    EXPECT_THAT(lines, Contains(Segment{550, 100, 555, 110, gui::clYellow, 2}));
    EXPECT_THAT(lines, Contains(Segment{550, 100, 550, 140, gui::clYellow, 2}));
    EXPECT_THAT(lines, Contains(Segment{310, 93, 305, 80, gui::clYellow, 2}));
    EXPECT_THAT(lines, Contains(Segment{310, 93, 310, 45, gui::clYellow, 2}));
    EXPECT_THAT(Texts(c), Contains(DrawnText{538, 20, "-20.0", gui::clYellow}));
    EXPECT_THAT(Texts(c), Contains(DrawnText{298, 20, "10.00", gui::clYellow}));
    // The self weight: 99 strokes and a frame.
    EXPECT_THAT(lines, Contains(Segment{158, 94, 158, 84, gui::clFuchsia, 1}));
    EXPECT_THAT(lines, Contains(Segment{150, 84, 950, 84, gui::clFuchsia, 1}));
    EXPECT_EQ(CountColour(lines, gui::clFuchsia), 102);
    // No distributed load of the user: a flat outline on y = 94.
    for (const Segment& s : lines)
        if (s.Colour == gui::clRed) {
            ASSERT_TRUE(s.Y1 == 94 && s.Y2 == 94) << s;
        }
    EXPECT_EQ(CountColour(lines, gui::clRed), 2002);
}

TEST_F(BeamDrawing, AllLoadcasesShowEveryPointLoadBeyondFifty) {
    // Three point loads in each of 25 loadcases: 75 arrows in the all-loadcase view.
    SetBeam({5000});
    std::vector<int> all;
    for (int lc = 1; lc <= 25; ++lc) all.push_back(lc);
    for (int slot = 1; slot <= 3; ++slot) Point(slot, 1000.0 * slot, 5000, 1.0, all);
    FinishLoads();
    gui::RecordingCanvas c;
    std::vector<Segment> lines;
    ASSERT_NO_THROW(lines = DrawnLoads(c, 0));
    EXPECT_EQ(CountColour(lines, gui::clYellow), 75 * 3);
    EXPECT_TRUE(Texts(c).empty());
}

}  // namespace
