// Ends of the applied distributed loads with the rates stacked on them.
#include <gtest/gtest.h>
#include "Global.h"
#include "UDLOutline.h"

namespace {

struct Outline : ::testing::Test {
    void SetUp() override {
        LoadRows.Fill({});
        ApplyFlags.Fill({});
        UDLOutline.Fill({});
    }
    static void Udl(int row, float d, float w1, float w2, float c, float f = 1, int lc = 1) {
        LoadRows[row][LKind] = KindUDL;
        LoadRows[row][LDist] = d;
        LoadRows[row][LStart] = w1;
        LoadRows[row][LFinish] = w2;
        LoadRows[row][LCover] = c;
        LoadRows[row][LFactor] = f;
        ApplyFlags[lc][row] = 1;
    }
    static float Stacked(int row, int end, int lc = 1) { return UDLOutline[lc][row][end][OutlineStacked]; }
};

TEST_F(Outline, TwoEqualLoadsDoubleEachOther) {
    Udl(1, 1000, 4, 6, 2000, 1.4f);
    Udl(2, 1000, 4, 6, 2000);
    BuildUDLOutlineOf(1);
    EXPECT_EQ(UDLOutline[1][1][1][OutlineX], 1000.0f);
    EXPECT_EQ(UDLOutline[1][1][2][OutlineX], 3000.0f);
    EXPECT_EQ(UDLOutline[1][1][2][OutlineRate], 6.0f);
    EXPECT_EQ(UDLOutline[1][1][2][OutlineFactor], 1.4f);
    for (int row : {1, 2}) {
        EXPECT_EQ(Stacked(row, 1), 8.0f);
        EXPECT_EQ(Stacked(row, 2), 12.0f);
    }
}

TEST_F(Outline, OverlappingLoadsStackTheOtherLoadsRateAtEachEnd) {
    Udl(1, 0, 5, 5, 2000);
    Udl(2, 1000, 2, 4, 2000);
    BuildUDLOutlineOf(1);
    EXPECT_EQ(Stacked(2, 1), 7.0f);   // 2 + 5
    EXPECT_EQ(Stacked(1, 2), 8.0f);   // 5 + 3, the second's rate at 2000
    EXPECT_EQ(Stacked(1, 1), 5.0f);
    EXPECT_EQ(Stacked(2, 2), 4.0f);
}

TEST_F(Outline, LoadsThatOnlyTouchDoNotStack) {
    Udl(1, 0, 5, 5, 2000);
    Udl(2, 2000, 3, 3, 1000);
    BuildUDLOutlineOf(1);
    EXPECT_EQ(Stacked(1, 2), 5.0f);
    EXPECT_EQ(Stacked(2, 1), 3.0f);
}

TEST_F(Outline, ZeroAndNegativeCovers) {
    Udl(1, 0, 5, 5, 4000);
    Udl(2, 1000, 3, 3, 0);
    Udl(3, 3000, 2, 2, -1000);
    BuildUDLOutlineOf(1);
    EXPECT_EQ(Stacked(2, 1), 3.0f);   // no length: nothing stacked
    EXPECT_EQ(Stacked(1, 1), 5.0f);
    EXPECT_EQ(Stacked(3, 1), 7.0f);   // stacked onto
    EXPECT_EQ(Stacked(3, 2), 7.0f);
    EXPECT_EQ(Stacked(1, 2), 5.0f);   // its own interval holds no other end
}

TEST_F(Outline, OnlyAppliedUdlsOfTheLoadcaseAreOutlinedAndOtherLoadcasesKeepTheirs) {
    Udl(1, 0, 5, 5, 2000, 1, 2);
    Udl(2, 0, 5, 5, 2000);
    LoadRows[3][LKind] = KindPoint;
    ApplyFlags[1][3] = 1;
    UDLOutline[3][1][1][OutlineX] = 99;
    BuildUDLOutlineOf(1);
    for (int row : {1, 3})
        for (int end = 1; end <= 2; ++end)
            for (int v = 1; v <= 4; ++v) EXPECT_EQ(UDLOutline[1][row][end][v], 0.0f);
    EXPECT_EQ(Stacked(2, 1), 5.0f);
    EXPECT_EQ(UDLOutline[3][1][1][OutlineX], 99.0f);
}

}  // namespace
