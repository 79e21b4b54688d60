// The load table built at Next from rows typed in imperial units, and the
// rows and flags brought back from it by Cancel.
#include "LoadsTest.h"

namespace {

struct ImperialRows : LoadsWindow {
    void SetUp() override {
        LoadsWindow::SetUp();
        SetUnits("ft", 304.8f, "lbf", 4.4482217f, "lbf/in", 0.175127f);
        test::SetBeam({6096});  // 20 ft
        F().Hide();
        F().Show();
        Point(1, "2.5", "100", "1.5");
        Udl(2, "1", "2", "3", "4");
        Point(3, "10", "-50", "0");
        Tick(1);
        Tick(3);
        ToLoadcase(3);
        Tick(1);
        Tick(2);
        Messages().clear();
        Next();
    }
};

TEST_F(ImperialRows, RowsAreStoredInNewtonsAndMillimetres) {
    ASSERT_EQ(Messages(), Lines_t{});
    for (int lc : {1, 2, 3, 25}) {
        const LoadRecord& p = LoadTable[lc][1];
        EXPECT_EQ(p[LKind], 1.0f);
        EXPECT_FLOAT_EQ(p[LDist], 762.0f);
        EXPECT_FLOAT_EQ(p[LStart], 444.82217f);
        EXPECT_EQ(p[LFinish], 0.0f);
        EXPECT_EQ(p[LCover], 0.0f);
        EXPECT_EQ(p[LFactor], 1.5f);
        const LoadRecord& u = LoadTable[lc][2];
        EXPECT_EQ(u[LKind], -1.0f);
        EXPECT_FLOAT_EQ(u[LDist], 304.8f);
        EXPECT_FLOAT_EQ(u[LStart], 0.350254f);
        EXPECT_FLOAT_EQ(u[LFinish], 0.525381f);
        EXPECT_FLOAT_EQ(u[LCover], 1219.2f);
        EXPECT_EQ(u[LFactor], 1.0f);  // left blank
        EXPECT_FLOAT_EQ(LoadTable[lc][3][LStart], -222.411085f);
        EXPECT_EQ(LoadTable[lc][3][LFactor], 0.0f);  // typed 0
        EXPECT_EQ(LoadTable[lc][4][LKind], 0.0f);
    }
}

TEST_F(ImperialRows, FlagsLoadcasesAndActiveCasesFollowTheTicks) {
    EXPECT_EQ(LoadTable[1][1][LApplied], 1.0f);
    // Unticked by an Apply click, never ticked, or read unticked at Next: one value.
    EXPECT_EQ(LoadTable[1][2][LApplied], NotApplied);
    EXPECT_EQ(LoadTable[1][3][LApplied], 1.0f);
    EXPECT_EQ(LoadTable[2][1][LApplied], NotApplied);
    EXPECT_EQ(LoadTable[3][1][LApplied], 1.0f);
    EXPECT_EQ(LoadTable[3][2][LApplied], 1.0f);
    EXPECT_EQ(LoadTable[3][3][LApplied], NotApplied);
    EXPECT_EQ(NumLoadcases, 3);
    EXPECT_EQ(LoadcaseActive[1], 1);
    EXPECT_EQ(LoadcaseActive[2], 0);
    EXPECT_EQ(LoadcaseActive[3], 1);
    EXPECT_EQ(LoadRowsShown, F().FormRowsShown);
    EXPECT_FALSE(F().Showing());
    EXPECT_TRUE(IndexFrm->Showing());
    EXPECT_EQ(ResultsReady, 1);
}

TEST_F(ImperialRows, CancelBringsBackRowsAndTicksOfTheLastNext) {
    F().Show();
    R(1).Edit_Dist.SetText("7");
    ToLoadcase(1);
    Tick(1);  // unticks loadcase 1's point load
    EXPECT_EQ(ApplyFlags[1][1], NotApplied);
    F().cmd_Cancel.Click();
    EXPECT_FALSE(F().Showing());
    EXPECT_EQ(ApplyFlags[1][1], 1.0f);
    EXPECT_FLOAT_EQ(LoadRows[1][LDist], 762.0f);
    F().Show();
    EXPECT_EQ(R(1).Edit_Dist.Text(), "2.500");
    EXPECT_EQ(R(1).Edit_PL.Text(), "100.0");  // 444822 N / 4448.22 N in extended precision
    EXPECT_EQ(R(1).Edit_LF.Text(), "1.50");
    EXPECT_EQ(R(3).Edit_LF.Text(), "0.00");  // an empty factor would read as 1
    EXPECT_TRUE(R(1).Check.Checked());
    EXPECT_EQ(R(2).Edit_Cover.Text(), "4.000");
}

TEST_F(LoadsWindow, CancelBeforeAnyNextEmptiesEveryRow) {
    LoadTable.Fill({});
    Point(1, "1000", "100");
    Tick(1);
    F().cmd_CancelClick();
    EXPECT_EQ(LoadRows[1][LKind], 0.0f);
    EXPECT_EQ(ApplyFlags[1][1], 0.0f);
}

TEST_F(LoadsWindow, RestoreBeforeTheWindowWasEverUsedReadsLoadcaseOne) {
    F().CurrentLoadcase = 0;
    test::PointLoad(4, 1000, 250, 1.2, {2});
    F().RestoreLoadRows();
    EXPECT_EQ(LoadRows[4][LStart], 250.0f);
    EXPECT_EQ(ApplyFlags[2][4], 1.0f);
    EXPECT_EQ(ApplyFlags[1][4], NotApplied);
}

}  // namespace
