#include <gtest/gtest.h>
#include <gmock/gmock.h>
#include "CanvasLog.h"
#include "GuiTest.h"
#include "Index.h"
#include "ResultLists.h"
#include "ResultTexts.h"
#include "ResultsBeam.h"

using namespace results_test;

namespace {

struct MainResults : AnalysedBeam {
    TIndexFrm& f = *IndexFrm;
};

TEST_F(MainResults, OneLoadcaseShowsItsPictureReportAndTexts) {
    TwoSpanUdl();
    EXPECT_EQ(f.lbl_Case.Caption(), "1");
    EXPECT_TRUE(f.lbl_Case.Visible());
    EXPECT_TRUE(f.UpDown1.Visible());
    EXPECT_TRUE(f.Save1.Enabled());
    EXPECT_TRUE(f.Print1.Enabled());
    EXPECT_EQ(f.UpDown1.Max(), 1);
    EXPECT_EQ(ResultsReady, 1);
    EXPECT_EQ(DisplayMode, 0);

    const Lines_t results = Items(f.List_Results);
    EXPECT_EQ(results, ResultsListLines());
    ASSERT_EQ(results.size(), 14u + 7u);
    EXPECT_EQ(results[14], "MAXIMA");
    EXPECT_EQ(f.List_Results.GetFont().Colour, gui::clBlack);

    // Loads (three empty lines after them), supports with the stress line
    // last, span data.
    const Lines_t cases = Items(f.List_CaseResults);
    ASSERT_EQ(cases.size(), 15u + 15u + 54u);
    EXPECT_EQ(cases[0], "LOADCASE 1");
    EXPECT_EQ(cases[15], "SUPPORTS");
    EXPECT_EQ(cases[27], "");
    EXPECT_EQ(cases[28], "");
    EXPECT_EQ(cases[29], " Max stress for loadcase 1 = 31.25 N/mm^2");
    EXPECT_EQ(cases[31], "SPAN DATA at 1/20th SPAN INTERVALS");

    // The beam line and the shear base line on the picture.
    EXPECT_EQ(gui::PixelAt(f.Image1, 300, 96), gui::clWhite);
    EXPECT_EQ(gui::PixelAt(f.Image1, 600, 226), gui::clWhite);
    EXPECT_EQ(gui::PixelAt(f.Image1, 600, 300), gui::clBlack);
}

TEST_F(MainResults, TheSpinnerSwitchesLoadcasesAndZeroShowsAll) {
    // Loadcase 2 applies a load of zero: it is counted but not active.
    SetBeam({5000, 5000});
    Udl(1, 0, 10, 10, 10000, 1.0, {1, 3});
    Point(2, 2500, 0, 1.0, {2});
    FinishLoads();
    ASSERT_EQ(NumLoadcases, 3);
    ASSERT_EQ(LoadcaseActive[2], 0);
    ASSERT_EQ(Analyse(), Lines_t{});
    EXPECT_EQ(f.lbl_Case.Caption(), "All");
    EXPECT_EQ(Items(f.List_CaseResults), EnvelopeListLines());
    EXPECT_EQ(f.List_CaseResults.GetFont().Colour, gui::clNavy);
    EXPECT_EQ(f.List_CaseResults.Item(0), "RESULTS ENVELOPE at 1/20th SPAN INTERVALS");

    f.UpDown1.Step(1);
    EXPECT_EQ(f.ShownCase, 1);
    EXPECT_EQ(f.lbl_Case.Caption(), "1");
    EXPECT_EQ(DisplayMode, -1);
    EXPECT_EQ(f.List_CaseResults.Item(0), "LOADCASE 1");
    EXPECT_EQ(f.List_CaseResults.GetFont().Colour, gui::clBlack);

    // A loadcase without loads: its stress line and the two seeded lines.
    f.UpDown1.Step(1);
    EXPECT_EQ(Items(f.List_CaseResults), (Lines_t{"", "LOADCASE2", "No Loads Applied"}));
    f.UpDown1.Step(1);
    const Lines_t third = Items(f.List_CaseResults);
    f.UpDown1.Step(-1);
    f.UpDown1.Step(1);
    EXPECT_EQ(Items(f.List_CaseResults), third) << "the stress line is not repeated";

    f.UpDown1.Step(-3);
    EXPECT_EQ(f.lbl_Case.Caption(), "All");
    EXPECT_EQ(f.ShownCase, 0);
    EXPECT_EQ(DisplayMode, 1);
    EXPECT_EQ(Items(f.List_CaseResults), EnvelopeListLines());
    EXPECT_EQ(Messages(), Lines_t{});
}

TEST_F(MainResults, TilingRedrawsThePicture) {
    TwoSpanUdl();
    gui::Canvas& c = f.Image1.GetCanvas();
    f.Results1.Click();
    EXPECT_EQ(gui::PixelAt(f.Image1, 300, 96), gui::clWhite) << "beam and loads only";
    EXPECT_EQ(f.TileMode, 1);
    EXPECT_EQ(f.List_Results.Top(), 180);
    EXPECT_EQ(f.List_Results.Height(), f.ClientHeight() - 180);
    f.Diagrams1.Click();
    EXPECT_EQ(f.TileMode, 0);
    EXPECT_EQ(f.List_Results.Height(), 0);
    EXPECT_EQ(f.List_CaseResults.Height(), 0);
    // Lists closed: H = 766 - 50 = 716, the shear base line at 0.21 H + 100.
    EXPECT_EQ(gui::PixelAt(f.Image1, 600, 250), gui::clWhite);
    gui::StartLog(c);
    f.Default1.Click();  // the lists back at the bottom
    gui::StopLog(c);
    EXPECT_EQ(f.List_Results.Height(), 116);
    EXPECT_EQ(f.List_CaseResults.Top(), f.ClientHeight() - 116);
    EXPECT_EQ(gui::PixelAt(f.Image1, 600, 226), gui::clWhite);
    // The one loadcase keeps its own labels, as right after the analysis.
    EXPECT_EQ(f.lbl_Case.Caption(), "1");
    EXPECT_TRUE(HasText(c, "18.8 kN"));
    EXPECT_THAT(Texts(c), testing::Contains(DrawnText{5, 115, "Reactions", gui::clWhite}));
    EXPECT_FALSE(HasText(c, "Max"));
    EXPECT_EQ(Messages(), Lines_t{});
}

TEST_F(MainResults, AForkheadBuildsNoEnvelopeAndNoBeamAnalysesNothing) {
    SetBeam({5000, 5000});
    SupportTypes[1] = SupportForkhead;
    Udl(1, 0, 10, 10, 10000, 1.0, {1, 2});
    FinishLoads();
    ASSERT_EQ(Analyse(), Lines_t{});
    EXPECT_EQ(EnvelopeText[0].str(), "0");
    EXPECT_EQ(EnvelopeText[1].str(), "");
    EXPECT_EQ(IndexFrm->List_CaseResults.Count(), 0);
    EXPECT_GT(IndexFrm->List_Results.Count(), 0);

    BeamLength = 0;
    IndexFrm->List_Results.Add("kept");
    const int before = IndexFrm->List_Results.Count();
    IndexFrm->Analyse2.Click();
    EXPECT_EQ(IndexFrm->List_Results.Count(), before);
    EXPECT_FALSE(gui::Hourglass());
}

}  // namespace
