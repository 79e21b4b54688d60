// The load table built at Next from rows typed in imperial units, and the
// rows and flags brought back from it by Cancel.
#include <tuple>
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

TEST_F(ImperialRows, RowsFlagsAndLoadcasesAreStoredInNewtonsAndMillimetres) {
    ASSERT_EQ(Messages(), Lines_t{});
    // Kind, distance, start, finish, cover and factor of rows 1 to 4.
    const float rows[4][6] = {{1, 762, 444.82217f, 0, 0, 1.5f},
                              {-1, 304.8f, 0.350254f, 0.525381f, 1219.2f, 1},  // factor left blank
                              {1, 3048, -222.411085f, 0, 0, 0},                 // factor typed 0
                              {0, 0, 0, 0, 0, 1}};                              // empty, its factor blank
    for (int lc : {1, 2, 3, 25})
        for (int n = 1; n <= 4; ++n)
            for (int f = LKind; f <= LFactor; ++f)
                EXPECT_FLOAT_EQ(LoadTable[lc][n][f], rows[n - 1][f]) << lc << " " << n << " " << f;
    // Unticked by an Apply click, never ticked, or read unticked at Next: one value.
    const std::tuple<int, int, float> flags[] = {{1, 1, 1.0f}, {1, 2, NotApplied}, {1, 3, 1.0f}, {2, 1, NotApplied},
                                                 {3, 1, 1.0f}, {3, 2, 1.0f},       {3, 3, NotApplied}};
    for (const auto& [lc, n, flag] : flags) EXPECT_EQ(LoadTable[lc][n][LApplied], flag) << lc << " " << n;
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

// Before any Next, Cancel empties every row; before the window was ever used,
// restoring the rows reads loadcase 1.
TEST_F(LoadsWindow, RestoringBeforeAnyNextOrUse) {
    LoadTable.Fill({});
    Point(1, "1000", "100");
    Tick(1);
    F().cmd_CancelClick();
    EXPECT_EQ(LoadRows[1][LKind], 0.0f);
    EXPECT_EQ(ApplyFlags[1][1], 0.0f);

    F().CurrentLoadcase = 0;
    test::PointLoad(4, 1000, 250, 1.2, {2});
    F().RestoreLoadRows();
    EXPECT_EQ(LoadRows[4][LStart], 250.0f);
    EXPECT_EQ(ApplyFlags[2][4], 1.0f);
    EXPECT_EQ(ApplyFlags[1][4], NotApplied);
}

}  // namespace
