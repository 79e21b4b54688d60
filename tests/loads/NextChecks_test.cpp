// The checks of Next: their exact messages and what a failed check leaves.
#include "LoadsTest.h"

namespace {

TEST_F(LoadsWindow, NothingAppliedIsRefusedEvenWithTheSelfWeightTicked) {
    ShowSteelBeam();
    Point(1, "2000", "1000");
    F().Check_Swt.Click();
    NumLoadcases = 17;
    LoadTable.Fill({});
    Next();
    EXPECT_EQ(Messages(), Lines_t{"No loads applied to beam"});
    EXPECT_EQ(F().LoadCheckResult, -1);
    EXPECT_TRUE(F().Showing());
    EXPECT_EQ(NumLoadcases, 17);
    // Nothing is taken into the table; the window keeps what was typed.
    EXPECT_TRUE(LoadTable == decltype(LoadTable){});
    EXPECT_EQ(LoadRows[1][LStart], 1000.0f);
    EXPECT_EQ(ApplyFlags[25][SelfWeightSlot], 1.0f);
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

TEST_F(LoadsWindow, LoadPastTheEndIsReportedOnReadingAndAgainByTheCheck) {
    SetUnits("m", 1000, "kN", 1000, "kN/m", 1);
    test::SetBeam({10000});
    Udl(3, "9", "5", "5", "2");
    Tick(3);
    Messages().clear();
    NumLoadcases = 17;
    Next();
    EXPECT_EQ(Messages(), (Lines_t{"Load 3 extends past end of beam", "Load 3 extends past end of beam"}));
    EXPECT_EQ(NumLoadcases, 17);
    EXPECT_EQ(F().PositionCheckOnRead, 1.0f);

    // Once the rows are checked on reading, every Apply click checks them too.
    Messages().clear();
    R(3).Edit_Cover.SetText("1");
    Tick(3);
    Tick(3);
    EXPECT_EQ(Messages(), Lines_t{});
}

TEST_F(LoadsWindow, LoadEndingWithinATenMillionthPastTheEndPasses) {
    Udl(1, "3000", "5", "5", "3000.0005");
    Tick(1);
    Next();
    EXPECT_EQ(Messages(), Lines_t{});
    EXPECT_EQ(F().LoadCheckResult, 0);
}

TEST_F(LoadsWindow, NegativeDistanceAndCoverGiveOneMessagePerRowAndPass) {
    Udl(1, "-1", "5", "5", "-1");
    Tick(1);
    Udl(2, "0", "5", "5", "6000");
    Tick(2);
    EXPECT_EQ(Messages(), (Lines_t{"Negative lengths not allowed", "Negative lengths not allowed"}));  // one per Apply
    EXPECT_EQ(Said([&] { Next(); }), (Lines_t{"Negative lengths not allowed", "Negative lengths not allowed"}));
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

TEST_F(LoadsWindow, ForkheadDemandsOneLoadFactorOverAllAppliedLoads) {
    test::SetBeam({3000, 3000});
    SupportTypes[1] = SupportForkhead;
    Point(1, "1000", "100", "1.4");
    Point(2, "2000", "100", "1.4");
    Point(3, "4000", "100", "1.6");
    Tick(1);
    Tick(2);
    ToLoadcase(2);
    Tick(3);
    NumLoadcases = 17;
    LoadcaseActive.Fill(0);
    Next();
    EXPECT_EQ(Messages(), Lines_t{Forkhead});
    EXPECT_EQ(NumLoadcases, 17);
    EXPECT_EQ(LoadcaseActive[2], 0);
}

TEST_F(LoadsWindow, ForkheadCountsTheSelfWeightFactor) {
    test::SetBeam({3000, 3000});
    SupportTypes[1] = SupportForkhead;
    ShowSteelBeam();
    F().Edit_LF.SetText("1.0");
    F().Check_Swt.Click();
    Point(1, "1000", "100", "1.4");
    Tick(1);
    Next();
    EXPECT_EQ(Messages(), Lines_t{Forkhead});
}

TEST_F(LoadsWindow, TextThatIsNotANumberAbandonsNextAndKeepsTheTable) {
    Point(1, "1000", "100");
    Tick(1);
    LoadTable[1][1][LStart] = 7;
    R(1).Edit_PL.SetText("1,5");
    Next();
    EXPECT_EQ(Messages(), Lines_t{"Load 1: '1,5' is not a number"});
    EXPECT_EQ(LoadTable[1][1][LStart], 7.0f);
    EXPECT_EQ(LoadRows[1][LStart], 100.0f);
    EXPECT_TRUE(F().Showing());
    EXPECT_EQ(R(1).Edit_PL.Text(), "1,5");
}

}  // namespace
