#include <gtest/gtest.h>
#include "LoadingDataText.h"
#include "ResultTexts.h"
#include "ResultsBeam.h"

using namespace results_test;

namespace {

using Envelope = AnalysedBeam;
using LoadingData = AnalysedBeam;

// Two spans of 5 m and an unloaded 1 m right cantilever; 10 kN/m on both
// spans (loadcase 1), on span 1 (2), on span 2 (3).
void ThreeLoadcases() {
    SetBeam({5000, 5000}, 0, 1000);
    Udl(1, 0, 10, 10, 10000, 1.0, {1});
    Udl(2, 0, 10, 10, 5000, 1.0, {2});
    Udl(3, 5000, 10, 10, 5000, 1.0, {3});
    FinishLoads();
    ASSERT_EQ(Analyse(), Lines_t{});
}

TEST_F(Envelope, ThreeLoadcasesWithTheirGoverningLoadcases) {
    ThreeLoadcases();
    const Lines_t env = Lines(EnvelopeText);
    ASSERT_EQ(env.size(), 78u);
    EXPECT_EQ(env[0], "RESULTS ENVELOPE at 1/20th SPAN INTERVALS");
    EXPECT_EQ(env[1], "");
    EXPECT_EQ(env[2], "");
    EXPECT_EQ(env[3], " Span 1");
    EXPECT_EQ(env[4], " Span  Distance    Max shear       +ve Moment      -ve Moment");
    EXPECT_EQ(env[5], " Int     (m)         (kN)            (kN-m)           (kN-m)");
    // At the left support: shear 7wL/16 with span 1 alone loaded. (The
    // solution leaves a moment of about 1e-9 N mm there, which is written.)
    EXPECT_EQ(env[6].substr(0, 31), "  1     0.000       21.875 ( 2)");
    // At 2 m: shear 3.125 (span 2 loaded), moments 23.75 (span 1 loaded) and
    // -6.25 (span 2 loaded).
    EXPECT_EQ(env[14], "  9     2.000        3.125 ( 3)      23.750 ( 2)      -6.250 ( 3)");
    // At the middle support: -wL^2/8 with both spans loaded; the largest
    // moment is negative and not written.
    EXPECT_EQ(env[26], " 21     5.000       31.250 ( 1)                      -31.250 ( 1)");
    EXPECT_EQ(env[27], "");
    EXPECT_EQ(env[28], " Span 2");
    EXPECT_EQ(env[52], "");
    EXPECT_EQ(env[53], " RH Cantilever ");
    // An unloaded cantilever: the first loadcase governs, "  (" before it.
    EXPECT_EQ(env[56], "  1     0.000        0.000  ( 1)");
    EXPECT_EQ(env[76].substr(0, 13), " 21     1.000");
    EXPECT_EQ(env[77], "");
}

TEST_F(LoadingData, DistributedAndPointLoadsWithTheLoadcasesApplyingThem) {
    SetBeam({5000, 5000});
    Udl(1, 0, 10, 10, 10000, 1.4, {1, 3, 12});
    Udl(2, 2500, 5, 7.5, 2000, 1.0, {});
    Point(3, 4000, 25000, 1.0, {2});
    Point(10, 7500, -15000, 1.0, {1, 2});
    Udl(SelfWeightSlot, 0, 0.25, 0.25, 10000, 1.4, {1});
    FinishLoads();
    ASSERT_EQ(NumLoadcases, 12);
    ClearResultLines();
    BuildLoadingDataText();
    EXPECT_EQ(Lines(LoadingDataUDLText),
              (Lines_t{"", " UNIFORMLY DISTRIBUTED LOADS",
                       " No   Distance     Start UDL    Finish UDL     Cover     Load    Applied to",
                       "         (m)        (kN/m)       (kN/m)         (m)     Factor   loadcases:-",
                       "  1" "     0.000" "       10.00" "        10.00" "        10.00" "      1.40" "    1 3 12 ",
                       "  2" "     2.500" "        5.00" "         7.50" "         2.00" "      1.000" "   Not applied",
                       " S/Wt" "   0.000" "        0.25" "         0.25" "        10.00" "      1.40" "    1 ",
                       "", ""}));
    EXPECT_EQ(Lines(LoadingDataPointText),
              (Lines_t{"", " Point Loads", " No      Load       Distance      Load        Applied to",
                       "        (kN)          (m)        Factor       loadcases:-",
                       "  3" "    25.00" "         4.000" "        1.000" "          2 ",
                       " 10" "   -15.00" "         7.500" "        1.000" "          1 2 ", "", "", ""}));
}

TEST_F(LoadingData, EmptyTablesAndLongLoadcaseLists) {
    SetBeam(std::vector<double>(25, 4000));
    // In every loadcase: one run. In every odd loadcase: the thirteen numbers
    // go on under the first line, never cut inside a number.
    std::vector<int> all, odd;
    for (int lc = 1; lc <= 25; ++lc) {
        all.push_back(lc);
        if (lc % 2) odd.push_back(lc);
    }
    Udl(1, 0, 10, 10, 100000, 1.0, all);
    Udl(2, 0, 10, 10, 100000, 1.0, odd);
    Point(3, 2000, 10000, 1.0, odd);
    FinishLoads();
    ClearResultLines();
    BuildLoadingDataText();
    const Lines_t udl = Lines(LoadingDataUDLText);
    ASSERT_EQ(udl.size(), 9u);
    EXPECT_EQ(udl[4].substr(65), "1-25 ");
    EXPECT_EQ(udl[5].substr(0, 3), "  2");
    EXPECT_EQ(udl[5].substr(65), "1 3 5 7 9 11 13 15 ");
    EXPECT_EQ(udl[6], std::string(65, ' ') + "17 19 21 23 25 ");
    const Lines_t point = Lines(LoadingDataPointText);
    ASSERT_EQ(point.size(), 9u);
    EXPECT_EQ(point[4].substr(49), "1 3 5 7 9 11 13 15 17 19 ");
    EXPECT_EQ(point[5], std::string(49, ' ') + "21 23 25 ");

    // Fifty loads with lists of three lines fill the store: the lists left
    // without room end with a mark after a whole number.
    const std::vector<int> pairs{1, 2, 4, 5, 7, 8, 10, 11, 13, 14, 16, 17, 19, 20, 22, 23, 25};
    for (int slot = 1; slot <= 50; ++slot) Udl(slot, 0, 10, 10, 100000, 1.0, pairs);
    FinishLoads();
    ClearResultLines();
    BuildLoadingDataText();
    const Lines_t full = Lines(LoadingDataUDLText);
    ASSERT_EQ(full.size(), 100u);
    EXPECT_EQ(full[4].substr(65), "1 2 4 5 7 8 10 11 13");
    EXPECT_EQ(full[6], std::string(65, ' ') + "25 ");
    EXPECT_EQ(full[97].substr(65), "1 2 4 5 7 8 10 ...");

    LoadTable.Fill({});
    ClearResultLines();
    BuildLoadingDataText();
    EXPECT_EQ(LoadingDataUDLText[0].str(), "6") << "only the three heading lines";
    EXPECT_EQ(LoadingDataPointText[0].str(), "7") << "lines 1 to 4, then two empty lines";
}

}  // namespace
