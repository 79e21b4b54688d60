// The checks of Next: their exact messages and what a failed check leaves.
#include <functional>
#include "LoadsTest.h"

namespace {

// Rows typed on a fresh window that the first Next refuses, and what the
// window keeps of them besides.
struct Refusal {
    const char* What;
    std::function<void(LoadsWindow&)> Type;
    Lines_t Messages;
    std::function<void(LoadsWindow&)> Kept;
};

TEST_F(LoadsWindow, ARefusedNextShowsItsMessagesAndTakesNothing) {
    const Refusal refusals[] = {
        {"nothing applied, the self weight ticked",
         [](LoadsWindow& t) { t.ShowSteelBeam(), Point(1, "2000", "1000"), t.F().Check_Swt.Click(); },
         {"No loads applied to beam"},
         [](LoadsWindow& t) {
             EXPECT_EQ(t.F().LoadCheckResult, -1);
             EXPECT_EQ(LoadRows[1][LStart], 1000.0f);
             EXPECT_EQ(ApplyFlags[25][SelfWeightSlot], 1.0f);
         }},
        // Reported on reading and again by the check.
        {"past the end",
         [](LoadsWindow& t) {
             SetUnits("m", 1000, "kN", 1000, "kN/m", 1), test::SetBeam({10000});
             Udl(3, "9", "5", "5", "2"), t.Tick(3);
         },
         {"Load 3 extends past end of beam", "Load 3 extends past end of beam"},
         [](LoadsWindow& t) {
             EXPECT_EQ(t.F().PositionCheckOnRead, 1.0f);
             // Once the rows are checked on reading, every Apply click checks them too.
             R(3).Edit_Cover.SetText("1");
             EXPECT_EQ(Said([&] { t.Tick(3), t.Tick(3); }), Lines_t{});
         }},
        // One message a row however many of its lengths are negative, given
        // on reading and again by the check.
        {"negative distance and cover",
         [](LoadsWindow& t) {
             Udl(1, "-1", "5", "5", "-1"), t.Tick(1), Udl(2, "0", "5", "5", "6000"), t.Tick(2);
             EXPECT_EQ(Messages(), Lines_t(2, "Negative lengths not allowed"));  // one per Apply
         },
         Lines_t(2, "Negative lengths not allowed"), {}},
        {"forkhead, factors differing between loadcases",
         [](LoadsWindow& t) {
             test::SetBeam({3000, 3000}), SupportTypes[1] = SupportForkhead;
             Point(1, "1000", "100", "1.4"), Point(2, "2000", "100", "1.4"), Point(3, "4000", "100", "1.6");
             t.Tick(1), t.Tick(2), t.ToLoadcase(2), t.Tick(3);
         },
         {Forkhead}, {}},
        {"forkhead, the self weight's factor differing",
         [](LoadsWindow& t) {
             test::SetBeam({3000, 3000}), SupportTypes[1] = SupportForkhead, t.ShowSteelBeam();
             t.F().Edit_LF.SetText("1.0"), t.F().Check_Swt.Click();
             Point(1, "1000", "100", "1.4"), t.Tick(1);
         },
         {Forkhead}, {}},
        {"not a number", [](LoadsWindow& t) { Point(1, "1000", "100"), t.Tick(1), R(1).Edit_PL.SetText("1,5"); },
         {"Load 1: '1,5' is not a number"},
         [](LoadsWindow&) {
             EXPECT_EQ(LoadRows[1][LStart], 100.0f);
             EXPECT_EQ(R(1).Edit_PL.Text(), "1,5");
         }},
    };
    for (const Refusal& r : refusals) {
        SCOPED_TRACE(r.What);
        SetUp();
        r.Type(*this);
        NumLoadcases = 17;
        LoadcaseActive.Fill(0);
        LoadTable.Fill({});
        LoadTable[1][1][LStart] = 7;
        const auto table = LoadTable;
        EXPECT_EQ(Said([&] { Next(); }), r.Messages);
        EXPECT_TRUE(F().Showing());
        EXPECT_EQ(NumLoadcases, 17);
        EXPECT_TRUE(LoadTable == table);
        EXPECT_TRUE(LoadcaseActive == decltype(LoadcaseActive){});
        if (r.Kept) r.Kept(*this);
    }
}

TEST_F(LoadsWindow, ZeroPointLoadAloneInALoadcasePassesButLeavesItInactive) {
    Udl(1, "0", "5", "5", "6000");
    Tick(1);
    Point(2, "1000", "0");
    ToLoadcase(2);
    Tick(2);
    Next();
    EXPECT_EQ(Messages(), Lines_t{});
    EXPECT_EQ(NumLoadcases, 2);
    EXPECT_EQ(LoadcaseActive[1], 1);
    EXPECT_EQ(LoadcaseActive[2], 0);
}

TEST_F(LoadsWindow, LoadEndingWithinATenMillionthPastTheEndPasses) {
    Udl(1, "3000", "5", "5", "3000.0005");
    Tick(1);
    Next();
    EXPECT_EQ(Messages(), Lines_t{});
    EXPECT_EQ(F().LoadCheckResult, 0);
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
