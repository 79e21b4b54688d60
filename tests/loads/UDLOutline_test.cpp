// Ends of the applied distributed loads with the rates stacked on them.
#include <gtest/gtest.h>
#include <vector>
#include "BeamSetup.h"
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
        test::LoadRow(row, KindUDL, d, w1, w2, c, f, lc);
    }
    static float Stacked(int row, int end, int lc = 1) { return UDLOutline[lc][row][end][OutlineStacked]; }
};

// Each load's ends take the rates of the other loads that run over them.
TEST_F(Outline, StackedRatesAtTheEnds) {
    struct Load { float d, w1, w2, c, f; };
    struct StackedEnd { int row, end; float rate; };
    const struct {
        const char* what;
        std::vector<Load> loads;   // rows 1..
        std::vector<StackedEnd> stacked;
    } cases[] = {
        {"two equal loads double each other", {{1000, 4, 6, 2000, 1.4f}, {1000, 4, 6, 2000, 1}},
         {{1, 1, 8}, {1, 2, 12}, {2, 1, 8}, {2, 2, 12}}},
        // 2 + 5; 5 + 3, the second's rate at 2000.
        {"overlapping loads", {{0, 5, 5, 2000, 1}, {1000, 2, 4, 2000, 1}},
         {{2, 1, 7}, {1, 2, 8}, {1, 1, 5}, {2, 2, 4}}},
        {"loads that only touch", {{0, 5, 5, 2000, 1}, {2000, 3, 3, 1000, 1}}, {{1, 2, 5}, {2, 1, 3}}},
        // No length stacks nothing; a negative cover is stacked onto, and its
        // interval holds no other end.
        {"zero and negative covers", {{0, 5, 5, 4000, 1}, {1000, 3, 3, 0, 1}, {3000, 2, 2, -1000, 1}},
         {{2, 1, 3}, {1, 1, 5}, {3, 1, 7}, {3, 2, 7}, {1, 2, 5}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        for (size_t i = 0; i < c.loads.size(); ++i) {
            const Load& l = c.loads[i];
            Udl(int(i) + 1, l.d, l.w1, l.w2, l.c, l.f);
        }
        BuildUDLOutlineOf(1);
        for (const StackedEnd& e : c.stacked) EXPECT_EQ(Stacked(e.row, e.end), e.rate) << e.row << " " << e.end;
        // The first load's ends, its own rate and its factor.
        const Load& first = c.loads[0];
        EXPECT_EQ(UDLOutline[1][1][1][OutlineX], first.d);
        EXPECT_EQ(UDLOutline[1][1][2][OutlineX], first.d + first.c);
        EXPECT_EQ(UDLOutline[1][1][2][OutlineRate], first.w2);
        EXPECT_EQ(UDLOutline[1][1][2][OutlineFactor], first.f);
    }
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
