// What the user typed into the loads window is neither lost nor misread: an
// opened beam keeps its loads through both windows, a refused Next leaves the
// model and results as the last accepted Next left them, and Next outlines the
// distributed loads of every loadcase.
#include <functional>
#include "LoadsTest.h"
#include "TempDir.h"
#include "beam/BeamTest.h"

namespace {

TEST_F(LoadsWindow, AnOpenedBeamKeepsItsLoadsThroughTheBeamAndLoadsWindows) {
    using namespace beamtest;
    TempDir jobs;
    const std::string path = (jobs.path() / "timber.kvl").string();
    gui::SetFileDialogHook([&](const gui::FileDialog&) { return path; });

    // A timber beam of 6 m with 12.3456 kN at 2.34567 m, analysed and saved.
    Fresh();
    MaterialCode = "Timber";
    OneSectionBeam({"6"}, "8000", "8000", "100");
    BeamFrm->cmdNext.Click();
    ASSERT_TRUE(F().Showing());
    F().cmd_Clear.Click();
    Point(1, "2.34567", "12.3456");
    Tick(1);
    // Rows applied in no loadcase keep values of any size, shown again in
    // figures that read back as them.
    Point(2, "3.4e35", "-3.4e35", "3.4e38");
    Udl(3, "1.2345678e30", "3.4028e38", "-1e-45", "1e-45", "-1e38");
    Next();
    ASSERT_EQ(Messages(), Lines_t{});
    const auto table = LoadTable;
    const double left = CaseReaction[1][1], right = CaseReaction[1][2];
    IndexFrm->SaveAs1.Click();

    // New: a steel beam whose self weight is ticked.
    IndexFrm->New1.Click();
    Fresh();
    MaterialCode = "HRS";
    OneSectionBeam({"4"}, "8000", "205000", "100");
    BeamFrm->cmdNext.Click();
    ASSERT_TRUE(F().Frame_SWt.Visible());
    F().Check_Swt.Click();

    // The timber beam opened, the tick given up, and taken through both
    // windows with Next.
    QuestionAnswer() = true;
    EXPECT_EQ(Said([] { IndexFrm->Open1.Click(); }),
              Lines_t{"The Load Data window holds entries that Next > has not taken.\rGive them up?"});
    QuestionAnswer() = false;
    IndexFrm->Beam1.Click();
    BeamFrm->cmdNext.Click();
    ASSERT_TRUE(F().Showing());
    EXPECT_FALSE(F().Check_Swt.Checked());
    EXPECT_TRUE(R(1).OptionP.Checked() && R(1).Check.Checked());
    EXPECT_EQ(Said([this] { Next(); }), Lines_t{});
    EXPECT_TRUE(LoadTable == table);
    EXPECT_EQ(CaseReaction[1][1], left);
    EXPECT_EQ(CaseReaction[1][2], right);

    gui::SetFileDialogHook(nullptr);
    IndexFrm->New1.Click();
    BeamFrm->Hide();
    BeamFileName = "";
    IndexFrm->SetCaption("Korvela");
}

// A change typed after an accepted Next that the next Next refuses.
struct Refused {
    const char* What;
    std::function<void(LoadsWindow&)> Type;
    Lines_t Messages;
};

TEST_F(LoadsWindow, ARefusedNextLeavesTheModelAndResultsAsTheLastAcceptedNext) {
    SetUnits("m", 1000, "kN", 1000, "kN/m", 1);
    test::SetBeam({3000, 3000});
    F().Hide();
    F().Show();
    Point(1, "2", "10");
    Udl(2, "0", "5", "5", "6");
    Tick(1);
    Tick(2);
    Next();
    ASSERT_EQ(Messages(), Lines_t{});
    const auto table = LoadTable;
    const auto outline = AcceptedUDLOutline;
    const auto active = LoadcaseActive;
    const int cases = NumLoadcases, rows = LoadRowsShown, shown = LoadCaseShown;
    const double reaction = CaseReaction[1][2];

    const Refused refusals[] = {
        {"nothing applied", [](LoadsWindow& t) { t.Tick(1), t.Tick(2); }, {"No loads applied to beam"}},
        {"a zero point load beside an empty UDL",
         [](LoadsWindow& t) { t.R(1).Edit_PL.SetText("0"), t.R(2).Edit_Cover.SetText("0"); },
         {"No loads on beam"}},
        {"past the end", [](LoadsWindow& t) { t.R(2).Edit_Dist.SetText("1"); },
         {"Load 2 extends past end of beam", "Load 2 extends past end of beam"}},
        {"forkhead factors",
         [](LoadsWindow& t) { SupportTypes[1] = SupportForkhead, t.R(1).Edit_LF.SetText("1.6"); },
         {Forkhead}},
        {"not a number", [](LoadsWindow& t) { t.R(2).Edit_UDLF.SetText("5 kN"); },
         {"Load 2: '5 kN' is not a number"}},
        {"overflow", [](LoadsWindow& t) { t.R(1).Edit_PL.SetText("1e39"); }, {"Load 1: '1e39' is too large"}},
        {"overflow in newtons", [](LoadsWindow& t) { t.R(1).Edit_PL.SetText("1e36"); },
         {"Load 1: '1e36' is too large"}},
        {"overflowing factor", [](LoadsWindow& t) { t.R(2).Edit_LF.SetText("-4e38"); },
         {"Load 2: '-4e38' is too large"}},
    };
    for (const Refused& r : refusals) {
        SCOPED_TRACE(r.What);
        F().Show();
        r.Type(*this);
        EXPECT_EQ(Said([&] { Next(); }), r.Messages);
        EXPECT_TRUE(F().Showing());
        EXPECT_TRUE(LoadTable == table);
        EXPECT_TRUE(AcceptedUDLOutline == outline);
        EXPECT_TRUE(LoadcaseActive == active);
        EXPECT_EQ(NumLoadcases, cases);
        EXPECT_EQ(LoadRowsShown, rows);
        EXPECT_EQ(LoadCaseShown, shown);

        // Cancel brings back the accepted loads, and analysing them again
        // gives the same results.
        SupportTypes[1] = SupportSimple;
        F().cmd_Cancel.Click();
        EXPECT_EQ(LoadRows[1][LStart], 10000.0f);
        EXPECT_EQ(LoadRows[2][LCover], 6000.0f);
        EXPECT_EQ(Said([&] { IndexFrm->AnalyseBeam(); }), Lines_t{});
        EXPECT_EQ(CaseReaction[1][2], reaction);
    }
}

TEST_F(LoadsWindow, NextOutlinesTheUdlsOfEveryLoadcase) {
    Udl(1, "0", "5", "5", "6000");
    Tick(1);
    ToLoadcase(2);
    Tick(1);
    ToLoadcase(1);
    R(1).Edit_UDLS.SetText("9");
    AcceptedUDLOutline.Fill({});
    Next();
    ASSERT_EQ(Messages(), Lines_t{});
    for (int lc : {1, 2}) {
        EXPECT_EQ(AcceptedUDLOutline[lc][1][1][OutlineRate], 9.0f) << lc;
        EXPECT_EQ(AcceptedUDLOutline[lc][1][2][OutlineX], 6000.0f) << lc;
    }
    EXPECT_EQ(AcceptedUDLOutline[3][1][1][OutlineRate], 0.0f);
}

TEST_F(LoadsWindow, ABlankSelfWeightFactorReadsAsOne) {
    ShowSteelBeam();
    F().Edit_LF.SetText("");
    F().Check_Swt.Click();
    EXPECT_EQ(LoadRows[SelfWeightSlot][LFactor], 1.0f);
}

}  // namespace
