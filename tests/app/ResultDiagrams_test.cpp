#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <cmath>
#include "AnalysisState.h"
#include "CanvasLog.h"
#include "ResultDiagrams.h"
#include "ResultTexts.h"
#include "ResultsBeam.h"

using namespace results_test;
using ::testing::Contains;
using ::testing::Not;

namespace {

using ResultDiagrams = AnalysedBeam;

// The main window on a 1024 x 768 screen: 1022 x 766, lists 116 high; the
// beam runs from 150 to 947 (797 pixels).
const PictureFrame Frame{1022, 766, 116, 0};

std::vector<Segment> Draw(gui::RecordingCanvas& c, int32_t shown, int32_t mode, const PictureFrame& f = Frame) {
    DisplayMode = mode;
    DrawResultDiagrams(c, f, shown);
    return Segments(c);
}

TEST_F(ResultDiagrams, BandsOnA766PixelWindow) {
    TwoSpanUdl();
    gui::RecordingCanvas c;
    const std::vector<Segment> lines = Draw(c, 1, -1);
    // H = 766 - 50 - 116 = 600: base lines at 226, 358, 478.
    for (int y : {226, 358, 478}) EXPECT_THAT(lines, Contains(Segment{150, y, 947, y, gui::clWhite, 2}));
    // H1 = 450: the largest shear of all loadcases spans 0.09 x 450 = 40.5 pixels.
    EXPECT_NEAR(ScaleShear * ShearSummary[0][BeamRow][5], 40.5, 1e-9);
    EXPECT_NEAR(ScaleDeflection * DeflectionSummary[0][BeamRow][5], 45, 1e-9);
    // Shear starts at the left support: 18.75 kN is 24.3 pixels up.
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], (Segment{150, 226, 150, 202, gui::clYellow, 1}));
    const std::vector<DrawnText> texts = Texts(c);
    EXPECT_THAT(texts, Contains(DrawnText{8, 221, "SHEAR", gui::clWhite, 9}));
    EXPECT_THAT(texts, Contains(DrawnText{8, 353, "MOMENT", gui::clWhite, 9}));
    EXPECT_THAT(texts, Contains(DrawnText{8, 473, "DEFLECTION", gui::clWhite, 9}));
    EXPECT_THAT(texts, Contains(DrawnText{8, 80, "LOADS", gui::clWhite, 9}));
    // Extremes 19 pixels (766 / 40) from their base lines.
    EXPECT_THAT(texts, Contains(DrawnText{8, 226 - 19 - 30, "Max +ve Shear", gui::clYellow}));
    EXPECT_THAT(texts, Contains(DrawnText{8, 226 - 19 - 15, "31.3 kN", gui::clYellow}));
    EXPECT_THAT(texts, Contains(DrawnText{8, 226 + 19 + 15, "-31.3 kN", gui::clAqua}));
    EXPECT_THAT(texts, Contains(DrawnText{8, 478 + 19, "Max -ve Deflection", gui::clAqua}));
    EXPECT_FALSE(HasText(c, "Max +ve Deflection")) << "no upward deflection";

    // With E of 1e38 the deflections show as 0.000 mm and are drawn on the base line.
    for (int m = 1; m <= 2; ++m) BeamGeometryTable[m][GE] = 1e38;
    ASSERT_EQ(Analyse(), Lines_t{});
    ASSERT_GT(DeflectionSummary[0][BeamRow][5], 0);
    gui::RecordingCanvas stiff;
    for (const Segment& s : Draw(stiff, 1, -1))
        if (s.Colour == gui::clYellow && s.Y1 > 420) {
            EXPECT_EQ(s.Y2, 478) << s.X2;
        }
}

TEST_F(ResultDiagrams, TiledResultsUseAFixedHeightWhileScalesFollowTheWindow) {
    TwoSpanUdl();
    gui::RecordingCanvas c;
    PictureFrame tiled = Frame;
    tiled.TileMode = 1;
    tiled.CaseListHeight = 400;
    const std::vector<Segment> lines = Draw(c, 1, -1, tiled);
    // H = 650: 0.21 H + 100 = 236.5, 0.43 H + 100 = 379.5, 0.63 H + 100 = 509.5, ties to even.
    for (int y : {236, 380, 510}) EXPECT_THAT(lines, Contains(Segment{150, y, 947, y, gui::clWhite, 2}));
    EXPECT_NEAR(ScaleShear * ShearSummary[0][BeamRow][5], 0.09 * (766 - 200 - 400), 1e-9);
}

TEST_F(ResultDiagrams, EachLoadcaseHasItsColour) {
    TwoSpanUdl(1.0, 10000, {1, 2, 3, 4, 5, 6});
    const gui::Color colours[] = {gui::clYellow, gui::clRed, gui::clAqua, gui::clLime, gui::clBlue, gui::clYellow};
    for (int lc = 1; lc <= 6; ++lc) {
        gui::RecordingCanvas c;
        const std::vector<Segment> lines = Draw(c, lc, 1);
        ASSERT_FALSE(lines.empty()) << lc;
        EXPECT_EQ(lines[0].Colour, colours[lc - 1]) << lc;
    }
}

TEST_F(ResultDiagrams, InvertedMomentConvention) {
    TwoSpanUdl();
    BMConvention = -1;
    gui::RecordingCanvas c;
    const std::vector<Segment> lines = Draw(c, 1, -1);
    BMConvention = 1;
    // The sagging peak of span 1 (17.58 kN-m at 1.875 m) is drawn below y = 358;
    // 9 % of 450 pixels stand for 31.25 kN-m.
    const int peakX = 150 + static_cast<int>(std::nearbyint(797 * 0.1875));
    const int peakY = 358 + static_cast<int>(std::nearbyint(17.578125 * 40.5 / 31.25));
    EXPECT_THAT(lines, Contains(testing::AllOf(testing::Field(&Segment::X2, peakX), testing::Field(&Segment::Y2, peakY))));
    const int d = 19;
    EXPECT_THAT(Texts(c), Contains(DrawnText{8, 358 + d, "Max +ve Mom", gui::clYellow}));
    EXPECT_THAT(Texts(c), Contains(DrawnText{8, 358 - d - 30, "Max -ve Mom", gui::clAqua}));
    // The support moment -31.25 kN-m stands above the line, mirrored.
    const int supportY = 358 + static_cast<int>(std::nearbyint(-31.25 * 40.5 / 31.25)) - 25;
    EXPECT_THAT(Texts(c), Contains(DrawnText{150 + 398 - 20, supportY, "-31.3 kN-m", gui::clAqua}));
}

TEST_F(ResultDiagrams, MomentsAtFixedEndsAreLabelled) {
    // One 6 m span fixed at both ends: -wL^2/12 at the ends and wL^2/24 at
    // mid-span under 10 kN/m in loadcase 1; twice that in loadcase 2, whose
    // -60 kN-m spans 40.5 pixels.
    SetBeam({6000});
    SupportTypes[0] = SupportTypes[25] = SupportFixed;
    Udl(1, 0, 10, 10, 6000, 1.0, {1});
    Udl(2, 0, 20, 20, 6000, 1.0, {2});
    FinishLoads();
    ASSERT_EQ(Analyse(), std::vector<std::string>{});
    gui::RecordingCanvas c;
    Draw(c, 1, -1);
    // The ends 20 pixels below y = 358 and 10 below that; the peak 10 above and 25 over that.
    EXPECT_THAT(Texts(c), Contains(DrawnText{130, 388, "-30.0 kN-m", gui::clAqua}));
    EXPECT_THAT(Texts(c), Contains(DrawnText{927, 388, "-30.0 kN-m", gui::clAqua}));
    EXPECT_THAT(Texts(c), Contains(DrawnText{528, 323, "15.0 kN-m", gui::clYellow}));
}

TEST_F(ResultDiagrams, ReactionsOfOneLoadcaseAndExtremesOfAll) {
    // Span 1 loaded alone: reactions 7wL/16, 10wL/16 and -wL/16.
    TwoSpanUdl(1.0, 5000);
    gui::RecordingCanvas one;
    Draw(one, 1, -1);
    // Supports at 0, 5 m and 10 m: 150 + round(398.5) - 20 = 528 (ties to even).
    EXPECT_THAT(Texts(one), Contains(DrawnText{528, 125, "31.25 kN", gui::clYellow}));
    EXPECT_THAT(Texts(one), Contains(DrawnText{927, 125, "-3.125 kN", gui::clRed}));
    EXPECT_THAT(Texts(one), Contains(DrawnText{5, 115, "Reactions", gui::clWhite}));
    EXPECT_FLOAT_EQ(ReactionMaxNeg[3], -3125.0f);

    gui::RecordingCanvas all;
    Draw(all, 1, 1);
    EXPECT_THAT(Texts(all), Contains(DrawnText{528, 115, "31.25 kN", gui::clYellow}));
    EXPECT_THAT(Texts(all), Contains(DrawnText{927, 130, "-3.125 kN", gui::clRed}));
    EXPECT_THAT(Texts(all), Contains(DrawnText{6, 107, "Max", gui::clWhite}));
    EXPECT_THAT(Texts(all), Contains(DrawnText{6, 123, "Reactions", gui::clWhite}));
    EXPECT_THAT(Texts(all), Not(Contains(DrawnText{528, 130, "0.000 kN", gui::clRed}))) << "zero extremes are not written";
    EXPECT_FALSE(HasText(all, "17.58 kN-m")) << "member values only for one loadcase";

    UnbalancedMark[1] = 1;  // a withheld loadcase has no extremes
    SetReactionExtremes();
    EXPECT_FLOAT_EQ(ReactionMaxNeg[3], 0.0f);
    UnbalancedMark[1] = 0;

    // Written over the last loadcase with results, a later one withheld.
    TwoSpanUdl(1.0, 5000, {1, 2});
    UnbalancedMark[2] = 1;
    SetReactionExtremes();
    gui::RecordingCanvas first;
    Draw(first, 1, 1);
    EXPECT_THAT(Texts(first), Contains(DrawnText{528, 115, "31.25 kN", gui::clYellow}));
    UnbalancedMark[2] = 0;
}

TEST_F(ResultDiagrams, SmallCantileverEndValuesAreNotLabelled) {
    SetBeam({5000}, 1000, 1000);
    Udl(1, 0, 12, 12, 7000, 1.0);
    FinishLoads();
    ASSERT_EQ(Analyse(), Lines_t{});
    // Each cantilever's root shear, -wa on the left and wa on the right.
    gui::RecordingCanvas roots;
    Draw(roots, 1, -1);
    EXPECT_TRUE(HasText(roots, "-12.0 kN"));
    EXPECT_TRUE(HasText(roots, "12.0 kN"));
    // 0.5 N is 0.0005 kN: not written at the cantilever, written at a span end.
    ShearSummary[1][LHC][2] = 0.5f;
    ShearSummary[1][1][1] = 0.5f;
    gui::RecordingCanvas c;
    Draw(c, 1, -1);
    int labels = 0;
    for (const DrawnText& t : Texts(c)) labels += t.Text == "0.00 kN";
    EXPECT_EQ(labels, 1);
    // At the span's left end: 150 + round(797 / 7) - 20.
    EXPECT_THAT(Texts(c), Contains(testing::Field(&DrawnText::X, 244)));
}

TEST_F(ResultDiagrams, ZeroShearDrawsFlatAndNoDeflectionDrawsNothing) {
    TwoSpanUdl();
    ShearSummary.Fill({});
    MomentSummary.Fill({});
    gui::RecordingCanvas flat;
    std::vector<Segment> lines;
    ASSERT_NO_THROW(lines = Draw(flat, 1, -1));
    EXPECT_EQ(ScaleShear, 0);
    EXPECT_EQ(ScaleMoment, 0);
    EXPECT_THAT(lines, Contains(Segment{150, 226, 947, 226, gui::clWhite, 2}));

    // No loadcase deflects anywhere: no bands, no labels, no reactions.
    DeflectionSummary.Fill({});
    gui::RecordingCanvas none;
    Draw(none, 1, -1);
    EXPECT_TRUE(gui::Log(none).empty());

    BeamLength = 0;
    EXPECT_NO_THROW(Draw(none, 1, -1));
}

}  // namespace
