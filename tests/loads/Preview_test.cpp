// The preview's strokes and texts at their pixels on a 743 x 145 picture.
#include <algorithm>
#include "LoadPreview.h"
#include "LoadsTest.h"
#include "UDLOutline.h"
#include "app/CanvasLog.h"

namespace {

constexpr int W = 743, H = 145;
constexpr gui::Color Magenta = 0xFF00FF;

bool Has(const std::vector<Segment>& all, const Segment& s) { return std::find(all.begin(), all.end(), s) != all.end(); }
bool Has(const std::vector<DrawnText>& all, int x, int y, const std::string& text, gui::Color colour) {
    return std::any_of(all.begin(), all.end(), [&](const DrawnText& t) {
        return t.X == x && t.Y == y && t.Text == text && t.Colour == colour;
    });
}
std::vector<Segment> OfColour(const std::vector<Segment>& all, gui::Color c) {
    std::vector<Segment> out;
    std::copy_if(all.begin(), all.end(), std::back_inserter(out), [c](const Segment& s) { return s.Colour == c; });
    return out;
}

struct Preview : LoadsWindow {
    gui::RecordingCanvas c;
};
using test::LoadRow;

TEST_F(Preview, FactoredUdlIsDrawn32PixelsHighAndLabelledUnfactored) {
    LoadRow(1, KindUDL, 0, 10, 10, 6000, 1.5f);
    BuildUDLOutlineOf(1);
    DrawLoadsPreviewOn(c, W, H, 1);
    auto red = OfColour(Segments(c), gui::clRed);
    EXPECT_TRUE(Has(red, {25, 95, 25, 63, gui::clRed, 1}));   // rising edge at the left end
    EXPECT_TRUE(Has(red, {39, 95, 39, 63, gui::clRed, 1}));   // first hatch stroke, k = 21
    EXPECT_TRUE(std::all_of(red.begin(), red.end(), [](const Segment& s) { return s.Y1 >= 63 && s.Y2 >= 63; }));
    auto texts = Texts(c);
    EXPECT_TRUE(Has(texts, 28, 36, "10.000 x 1.50", gui::clRed));
    EXPECT_EQ(texts.size(), 1u);  // a uniform load is labelled at its start only
}

// The strokes and texts of one redraw of the window's picture, with the
// block of its length label.
size_t OnePicture(TLoadDataFrm& f) {
    gui::Canvas& c = f.Image_Beam.GetCanvas();
    gui::StartLog(c);
    f.RedrawPreview();
    gui::StopLog(c);
    const auto& ops = gui::Log(c);
    return 1 + size_t(std::count_if(ops.begin(), ops.end(),
                                    [](const gui::CanvasOp& op) { return op.Op == "LineTo" || op.Op == "TextOut"; }));
}

// Rows typed far past the beam, which Next refuses by name, are drawn off
// the picture and never raise. The window keeps nothing drawn off its
// picture and, however often it redraws, no more than one picture's worth,
// also once the row is mended.
TEST_F(Preview, LoadsFarPastTheBeamAreDrawnOffThePicture) {
    const struct {
        float kind, d, w1, w2, cover, factor;
        size_t off;  // strokes drawn off the window's picture
    } rows[] = {{KindPoint, 1e33f, 5e4f, 0, 0, 1, 3},
                {KindPoint, 3.4e38f, -3.4e38f, 0, 0, 3.4e38f, 3},
                {KindUDL, 1e33f, 10, 20, 3.4e38f, 1, 0},
                {KindUDL, 0, 3.4e38f, -3.4e38f, 1e-45f, 3.4e38f, 0},
                {KindPoint, 57000, 5e4f, 0, 0, 1, 3},
                {KindPoint, 5700, 5e4f, 0, 0, 1, 0}};
    for (const auto& r : rows) {
        LoadRow(1, r.kind, r.d, r.w1, r.w2, r.cover, r.factor);
        BuildUDLOutlineOf(1);
        EXPECT_NO_THROW(DrawLoadsPreviewOn(c, W, H, 1)) << r.d << " " << r.cover;
        for (int k = 0; k < 20; ++k) F().RedrawPreview();
        EXPECT_EQ(gui::DrawnCount(F().Image_Beam.GetCanvas()) + r.off, OnePicture(F())) << r.d;
    }
    const auto yellow = OfColour(Segments(c), gui::clYellow);
    EXPECT_TRUE(Has(yellow, {1 << 20, 94, (1 << 20) - 5, 81, gui::clYellow, 2}));
}

TEST_F(Preview, PointLoadsAreArrowsFromAboveOrBelow) {
    SetUnits("m", 1000, "kN", 1000, "kN/m", 1);
    LoadRow(1, KindPoint, 3000, 50000, 0, 0, 1);
    LoadRow(2, KindPoint, 1500, -20000, 0, 0, 1.2f);
    DrawLoadsPreviewOn(c, W, H, 1);
    auto yellow = OfColour(Segments(c), gui::clYellow);
    EXPECT_EQ(yellow, (std::vector<Segment>{{371, 94, 366, 81, gui::clYellow, 2},
                                            {371, 94, 376, 81, gui::clYellow, 2},
                                            {371, 94, 371, 46, gui::clYellow, 2},
                                            {198, 101, 193, 111, gui::clYellow, 2},
                                            {198, 101, 203, 111, gui::clYellow, 2},
                                            {198, 101, 198, 141, gui::clYellow, 2}}));
    auto texts = Texts(c);
    EXPECT_TRUE(Has(texts, 359, 19, "50.0", gui::clYellow));
    EXPECT_TRUE(Has(texts, 186, 19, "-20.0 x 1.20", gui::clYellow));
    // No distributed load: the outline is flat on the beam.
    auto red = OfColour(Segments(c), gui::clRed);
    EXPECT_TRUE(std::all_of(red.begin(), red.end(), [](const Segment& s) { return s.Y1 == 95 && s.Y2 == 95; }));
}

TEST_F(Preview, SelfWeightIsAMagentaBand) {
    ApplyFlags[1][SelfWeightSlot] = 1;
    DrawLoadsPreviewOn(c, W, H, 1);
    auto band = OfColour(Segments(c), Magenta);
    ASSERT_EQ(band.size(), 102u);
    EXPECT_EQ(band.front(), (Segment{32, 95, 32, 85, Magenta, 1}));
    EXPECT_EQ(band[99], (Segment{25, 95, 25, 85, Magenta, 1}));
    EXPECT_EQ(band[100], (Segment{25, 85, 717, 85, Magenta, 1}));
    EXPECT_EQ(band[101], (Segment{717, 85, 717, 95, Magenta, 1}));
}

TEST_F(Preview, OverlappingUdlsShowOwnRatesAndStackedRatesInBrackets) {
    LoadRow(1, KindUDL, 0, 5, 5, 2000, 1);
    LoadRow(2, KindUDL, 1000, 2, 4, 2000, 1.5f);
    BuildUDLOutlineOf(1);
    DrawLoadsPreviewOn(c, W, H, 1);
    auto texts = Texts(c);
    EXPECT_TRUE(Has(texts, 28, 36, "5.000", gui::clRed));
    EXPECT_TRUE(Has(texts, 143, 36, "2.000 x 1.50", gui::clRed));
    EXPECT_TRUE(Has(texts, 305, 36, "4.000 x 1.50", gui::clRed));
    EXPECT_TRUE(Has(texts, 244, 3, "(8.00)", gui::clWhite));
    EXPECT_TRUE(Has(texts, 128, 3, "(7.00)", gui::clWhite));
    EXPECT_EQ(texts.size(), 5u);
}

TEST_F(Preview, SupportsSitAtTheirPositionsWithLengthLabels) {
    SetUnits("m", 1000, "kN", 1000, "kN/m", 1);
    test::SetBeam({4500}, 1500);
    SupportTypes[0] = SupportSimple;
    DrawBeamPreviewOn(c, W, H);
    auto s = Segments(c);
    EXPECT_TRUE(Has(s, {27, 97, 716, 97, gui::clWhite, 4}));
    EXPECT_TRUE(Has(s, {198, 98, 188, 112, gui::clWhite, 1}));  // left support a quarter along
    EXPECT_TRUE(Has(s, {718, 98, 708, 112, gui::clWhite, 1}));
    auto texts = Texts(c);
    EXPECT_TRUE(Has(texts, 90, 102, "1.50 m", gui::clWhite));
    EXPECT_TRUE(Has(texts, 436, 102, "4.50 m", gui::clWhite));
}

TEST_F(Preview, FixedEndsAndForkheads) {
    test::SetBeam({2000, 4000});
    SupportTypes[0] = SupportFixed;
    SupportTypes[1] = SupportForkhead;
    DrawBeamPreviewOn(c, W, H);
    auto s = Segments(c);
    EXPECT_TRUE(Has(s, {25, 72, 25, 122, gui::clWhite, 2}));
    for (int d = -25; d <= 15; d += 10) EXPECT_TRUE(Has(s, {25, 97 + d, 15, 107 + d, gui::clWhite, 1})) << d;
    auto red = OfColour(s, gui::clRed);
    EXPECT_EQ(red, (std::vector<Segment>{{248, 89, 248, 92, gui::clRed, 1},
                                         {248, 102, 248, 103, gui::clRed, 1},
                                         {248, 103, 264, 103, gui::clRed, 1},
                                         {264, 103, 264, 89, gui::clRed, 1},
                                         {252, 103, 252, 122, gui::clRed, 1},
                                         {260, 103, 260, 122, gui::clRed, 1}}));

    // A forkhead at the left end is not drawn.
    gui::RecordingCanvas left;
    SupportTypes[0] = SupportForkhead;
    SupportTypes[1] = SupportSimple;
    DrawBeamPreviewOn(left, W, H);
    EXPECT_TRUE(OfColour(Segments(left), gui::clRed).empty());
}

TEST_F(Preview, LengthLabelUnderTheBeam) {
    SetUnits("m", 1000, "kN", 1000, "kN/m", 1);
    F().ClearPreview();
    EXPECT_FALSE(F().lbl_Length.Visible());
    F().DrawBeamPreview();
    EXPECT_TRUE(F().lbl_Length.Visible());
    EXPECT_EQ(F().lbl_Length.Caption(), "Length = 6.00 m");
    EXPECT_EQ(F().lbl_Length.Top(), 8 + 97 + 22);
    EXPECT_EQ(gui::PixelAt(F().Image_Beam, 740, 140), 0x808080u);
}

TEST_F(Preview, WithoutABeamNothingIsDrawnAndTheSelfWeightBoxStillWorks) {
    LoadRow(1, KindPoint, 1000, 5000, 0, 0, 1);
    ApplyFlags[1][SelfWeightSlot] = 1;
    BeamLength = 0;
    DrawLoadsPreviewOn(c, W, H, 1);
    EXPECT_TRUE(gui::Log(c).empty());
    EXPECT_EQ(Said([&] { F().Check_Swt.Click(); }), Lines_t{});  // redraws the preview
    F().Check_Swt.SetCheckedQuietly(false);
}

}  // namespace
