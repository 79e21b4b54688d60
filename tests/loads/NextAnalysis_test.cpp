// Next hands the loads to the main window's analysis.
#include <cmath>
#include "LoadsTest.h"

namespace {

TEST_F(LoadsWindow, NextAnalysesAPointLoadOnASimpleSpan) {
    SetUnits("m", 1000, "kN", 1000, "kN/m", 1);
    Point(1, "2", "50");
    Tick(1);
    Next();
    ASSERT_EQ(Messages(), Lines_t{});
    ASSERT_EQ(ResultsReady, 1);
    // R1 = P (L - a) / L, R2 = P a / L.
    EXPECT_NEAR(std::abs(CaseReaction[1][1]), 50000.0 * 4000 / 6000, 0.5);
    EXPECT_NEAR(std::abs(CaseReaction[1][2]), 50000.0 * 2000 / 6000, 0.5);

    // Loads beyond what the program holds are refused naming the loadcase,
    // and no result is kept.
    for (const char* factor : {"3.4e38", "-1e38"}) {
        F().Show();
        R(1).Edit_LF.SetText(factor);
        EXPECT_EQ(Said([&] { Next(); }), Lines_t{"The beam cannot be analysed: the applied load of loadcase 1 "
                                                 "lies beyond the values the program can hold."});
        EXPECT_EQ(ResultsReady, 0);
    }

    // Emptied, the load leaves its loadcase without load, and without the
    // applied total of an earlier run.
    for (const char* none : {"", "0"}) {
        F().Show();
        R(1).Edit_LF.SetText("");
        R(1).Edit_PL.SetText(none);
        EXPECT_EQ(Said([&] { Next(); }), Lines_t{});
        EXPECT_EQ(ResultsReady, 1);
        EXPECT_EQ(CaseAppliedLoad[1], 1e-12f);
    }
}

TEST_F(LoadsWindow, NextAnalysesAFactoredUdlOnAContinuousBeam) {
    test::SetBeam({5000, 5000});
    Udl(1, "0", "10", "10", "10000", "1.5");
    Tick(1);
    Next();
    ASSERT_EQ(Messages(), Lines_t{});
    // Two equal spans under w: end reactions 3wL/8, middle 10wL/8 (w factored).
    double w = 15, L = 5000;
    EXPECT_NEAR(std::abs(CaseReaction[1][1]), 3 * w * L / 8, 1);
    EXPECT_NEAR(std::abs(CaseReaction[1][2]), 10 * w * L / 8, 1);
}

}  // namespace
