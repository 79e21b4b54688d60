// The checks of Next: their exact messages and what a failed check leaves.
#include <functional>
#include "LoadsTest.h"

namespace {

// A change typed after an accepted Next that the next Next refuses, and what
// the window keeps of it besides.
struct Refusal {
    const char* What;
    std::function<void(LoadsWindow&)> Type;
    Lines_t Messages;
    std::function<void(LoadsWindow&)> Kept = nullptr;
};

// A refused Next shows its messages and leaves the model and results as the
// last accepted Next left them.
TEST_F(LoadsWindow, ARefusedNextLeavesTheModelAndResultsAsTheLastAcceptedNext) {
    SetUnits("m", 1000, "kN", 1000, "kN/m", 1);
    test::SetBeam({3000, 3000});
    ShowSteelBeam();
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

    const Refusal refusals[] = {
        {"nothing applied, the self weight ticked",
         [](LoadsWindow& t) { t.Tick(1), t.Tick(2), t.F().Check_Swt.Click(), R(1).Edit_PL.SetText("20"); },
         {"No loads applied to beam"},
         [](LoadsWindow& t) {
             EXPECT_EQ(t.F().LoadCheckResult, -1);
             EXPECT_EQ(LoadRows[1][LStart], 20000.0f);  // the rows as typed
             EXPECT_EQ(ApplyFlags[25][SelfWeightSlot], 1.0f);
         }},
        {"a zero point load beside an empty UDL",
         [](LoadsWindow&) { R(1).Edit_PL.SetText("0"), R(2).Edit_Cover.SetText("0"); }, {"No loads on beam"}},
        // Reported on reading and again by the check.
        {"past the end", [](LoadsWindow&) { R(2).Edit_Dist.SetText("1"); },
         Lines_t(2, "Load 2 extends past end of beam"),
         [](LoadsWindow& t) {
             EXPECT_EQ(t.F().PositionCheckOnRead, 1.0f);
             // Once the rows are checked on reading, every Apply click checks them too.
             R(2).Edit_Dist.SetText("0");
             EXPECT_EQ(Said([&] { t.Tick(2), t.Tick(2); }), Lines_t{});
         }},
        // One message a row however many of its lengths are negative, on
        // every Apply click and on reading and again by the check at Next.
        {"negative distance and cover",
         [](LoadsWindow& t) {
             R(2).Edit_Dist.SetText("-1"), R(2).Edit_Cover.SetText("-1");
             EXPECT_EQ(Said([&] { t.Tick(2), t.Tick(2); }), Lines_t(2, "Negative lengths not allowed"));
         },
         Lines_t(2, "Negative lengths not allowed")},
        {"forkhead factors",
         [](LoadsWindow&) { SupportTypes[1] = SupportForkhead, R(1).Edit_LF.SetText("1.6"); }, {Forkhead}},
        {"forkhead factors differing between loadcases",
         [](LoadsWindow& t) {
             SupportTypes[1] = SupportForkhead, Point(3, "4", "10", "1.6");
             t.ToLoadcase(2), t.Tick(3), t.ToLoadcase(1);
         },
         {Forkhead}},
        {"forkhead, the self weight's factor differing",
         [](LoadsWindow& t) {
             SupportTypes[1] = SupportForkhead, R(1).Edit_LF.SetText("1.4"), R(2).Edit_LF.SetText("1.4");
             t.F().Edit_LF.SetText("1.0"), t.F().Check_Swt.Click();
         },
         {Forkhead}},
        // A read abandoned stores nothing, and the text stays to be mended.
        {"not a number", [](LoadsWindow&) { R(1).Edit_PL.SetText("20"), R(2).Edit_UDLF.SetText("5 kN"); },
         {"Load 2: '5 kN' is not a number"},
         [](LoadsWindow&) {
             EXPECT_EQ(LoadRows[1][LStart], 10000.0f);
             EXPECT_EQ(R(2).Edit_UDLF.Text(), "5 kN");
         }},
        {"overflow", [](LoadsWindow&) { R(1).Edit_PL.SetText("1e39"); }, {"Load 1: '1e39' is too large"}},
        {"overflow in newtons", [](LoadsWindow&) { R(1).Edit_PL.SetText("1e36"); },
         {"Load 1: '1e36' is too large"}},
        {"overflowing factor", [](LoadsWindow&) { R(2).Edit_LF.SetText("-4e38"); },
         {"Load 2: '-4e38' is too large"}},
    };
    for (const Refusal& r : refusals) {
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
        if (r.Kept) r.Kept(*this);

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

// Next takes a load ending within a ten-millionth past the end, and a zero
// point load alone in its loadcase, which it leaves inactive; it outlines the
// distributed loads of every loadcase as it reads them.
TEST_F(LoadsWindow, NextTakesLoadsThatPassAndOutlinesEveryLoadcase) {
    Udl(1, "0", "5", "5", "6000.0005");
    Tick(1);
    ToLoadcase(2);
    Tick(1);
    Point(2, "1000", "0");
    ToLoadcase(3);
    Tick(2);
    ToLoadcase(1);
    R(1).Edit_UDLS.SetText("9");
    AcceptedUDLOutline.Fill({});
    Next();
    ASSERT_EQ(Messages(), Lines_t{});
    EXPECT_EQ(F().LoadCheckResult, 0);
    EXPECT_EQ(NumLoadcases, 3);
    for (int lc : {1, 2}) {
        EXPECT_EQ(LoadcaseActive[lc], 1) << lc;
        EXPECT_EQ(AcceptedUDLOutline[lc][1][1][OutlineRate], 9.0f) << lc;
        EXPECT_EQ(AcceptedUDLOutline[lc][1][2][OutlineX], 6000.0005f) << lc;
    }
    EXPECT_EQ(LoadcaseActive[3], 0);
    EXPECT_EQ(AcceptedUDLOutline[3][1][1][OutlineRate], 0.0f);
}

TEST_F(LoadsWindow, ARowPastTheEndIsOnlyExcusedWhenAppliedNowhere) {
    LoadRows[2][LKind] = KindUDL;
    LoadRows[2][LDist] = 5000;
    LoadRows[2][LCover] = 2000;
    F().CheckLoadPositions();
    EXPECT_EQ(Messages(), Lines_t{});
    EXPECT_EQ(F().LoadCheckResult, 0);

    // Applied in one loadcase: the load acts and must be reported.
    ApplyFlags[7][2] = 1.0f;
    F().CheckLoadPositions();
    EXPECT_EQ(Messages(), Lines_t{"Load 2 extends past end of beam"});
    EXPECT_EQ(F().LoadCheckResult, -1);
}

}  // namespace
