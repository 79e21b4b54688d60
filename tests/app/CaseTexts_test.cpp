#include <gtest/gtest.h>
#include "ResultTexts.h"
#include "ResultsBeam.h"

using namespace results_test;

namespace {

using CaseTexts = AnalysedBeam;

// Two spans of 5 m. Loadcase 1: 10 kN/m over both spans (reactions 18.75,
// 62.5, 18.75 kN; span moments 9wL^2/128 and -wL^2/8). Loadcase 2: the self
// weight (0.5 kN/m, factor 1.4) and a point load of 20 kN at 2.5 m. Slot 2 is
// a distributed load applied nowhere whose finish rate of 150 kN/m gives the
// finish-rate column one decimal.
void TwoLoadcases() {
    SetBeam({5000, 5000});
    Udl(1, 0, 10, 10, 10000, 1.0, {1});
    Udl(2, 0, 1, 150, 1000, 1.0, {});
    Point(3, 2500, 20000, 1.0, {2});
    Udl(SelfWeightSlot, 0, 0.5, 0.5, 10000, 1.4, {2});
    FinishLoads();
    ASSERT_EQ(Analyse(), Lines_t{});
}

TEST_F(CaseTexts, AppliedLoadsOfEachLoadcase) {
    TwoLoadcases();
    EXPECT_EQ(Lines(CaseLoadsText[1]),
              (Lines_t{"LOADCASE 1", "", "", "APPLIED LOADS ", " UDL",
                       " No    Distance     Start UDL     Finish UDL      Cover  Load Factor",
                       "         (m)         (kN/m)        (kN/m)          (m)",
                       "  1" "     0.000" "        10.00" "         10.0" "          10.00" "      1.000",
                       "", " Point Loads", " No     Load       Distance    Load Factor", "        (kN)           (m)",
                       "", "", ""}));
    // The self weight comes last among the distributed loads, both rates with
    // the larger of the two columns' decimals.
    const Lines_t second = Lines(CaseLoadsText[2]);
    ASSERT_EQ(second.size(), 16u);
    EXPECT_EQ(second[7], " S/Wt" "   0.000" "         0.50" "          0.50" "         10.00" "      1.40");
    EXPECT_EQ(second[8], "");
    EXPECT_EQ(second[12], "  3" "    20.00" "          2.500" "         1.000");
    EXPECT_EQ(second[13], "");
    EXPECT_EQ(second[15], "");
}

TEST_F(CaseTexts, SupportsAndSpanSummary) {
    TwoLoadcases();
    EXPECT_EQ(Lines(CaseSupportText[1]),
              (Lines_t{"SUPPORTS", " Support       Reaction", " No             (kN)",
                       "  1             18.750", "  2             62.500", "  3             18.750", "",
                       "SPAN SUMMARY", " Span     Max Shear    Max +ve Mom    Max -ve Mom    Max Deflection",
                       " No" "          (kN)" "         (kN-m)" "        (kN-m)" "         (mm)",
                       "  1" "         31.250" "        17.578" "       -31.250" "         1.651",
                       "  2" "         31.250" "        17.578" "       -31.250" "         1.651",
                       "", ""}));
    EXPECT_EQ(SpanLabelText[1][0], "");
    EXPECT_EQ(SpanLabelText[1][2], "2");
    EXPECT_EQ(SpanLabelText[1][3], "");
}

TEST_F(CaseTexts, TheSupportHeadingFollowsTheFactoredLoadsPreference) {
    TwoLoadcases();
    FactoredLoads = 1;
    ASSERT_EQ(Analyse(), Lines_t{});
    EXPECT_EQ(CaseSupportText[1][2].str(), " Support   Factored Reaction");
    FactoredLoads = -1;
    ASSERT_EQ(Analyse(), Lines_t{});
    EXPECT_EQ(CaseSupportText[1][2].str(), " Support       Reaction");
}

TEST_F(CaseTexts, SpanDataAtTwentiethsAndTheStressLine) {
    TwoLoadcases();
    const Lines_t data = Lines(CaseSpanDataText[1]);
    ASSERT_EQ(data.size(), 54u);
    EXPECT_EQ(data[0], "");
    EXPECT_EQ(data[1], "SPAN DATA at 1/20th SPAN INTERVALS");
    EXPECT_EQ(data[2], " Span 1");
    EXPECT_EQ(data[3], " Span     Distance       Shear         Moment      Deflection");
    EXPECT_EQ(data[4], " Interval" "     (m)" "          (kN)" "         (kN-m)" "         (mm)");
    // V = 3wL/8 - wx, M = 3wLx/8 - wx^2/2; deflection by Simpson's rule.
    EXPECT_EQ(data[5], "  1" "          0.000" "        18.750" "         0.000" "         0.000");
    EXPECT_EQ(data[13], "  9" "          2.000" "        -1.250" "        17.500" "        -1.646");
    EXPECT_EQ(data[14], " 10" "          2.250" "        -3.750" "        16.875" "        -1.651");
    EXPECT_EQ(data[25], " 21" "          5.000" "       -31.250" "       -31.250" "         0.000");
    EXPECT_EQ(data[26], " ");
    EXPECT_EQ(data[27], " Span 2");
    EXPECT_EQ(data[51], " ");
    EXPECT_EQ(data[52], " ");
    EXPECT_EQ(data[53], "");

    // The self weight of loadcase 2 has factor 1.4: factored wording for all.
    EXPECT_EQ(CaseStressLine[1].str(), " Max factored elastic stress for loadcase 1 = 31.25 N/mm^2");
}

TEST_F(CaseTexts, StressLinesNeedAnExtremeFibreDistance) {
    SetBeam({5000, 5000});
    for (int s = 1; s <= 2; ++s) BeamGeometryTable[s][GY] = 0;
    Udl(1, 0, 10, 10, 10000, 1.0, {1, 6});
    FinishLoads();
    MaxStressLine = "from before";
    ASSERT_EQ(Analyse(), Lines_t{});
    // Lines 1 to 5 are emptied, the others start as one blank; neither is
    // written, and no stress of an earlier beam is left.
    EXPECT_EQ(CaseStressLine[1].str(), "");
    EXPECT_EQ(CaseStressLine[6].str(), " ");
    EXPECT_EQ(MaxStressLine.str(), "");
    EXPECT_EQ(MaximaText[6].str(), "");

    // y on span 2 only, every factor 1.0: the plain wording. A y typed
    // negative is as far from the neutral axis.
    for (double y : {200.0, -200.0}) {
        BeamGeometryTable[2][GY] = y;
        ASSERT_EQ(Analyse(), Lines_t{});
        EXPECT_EQ(CaseStressLine[6].str(), " Max stress for loadcase 6 = 62.50 N/mm^2");
        EXPECT_EQ(MaxStressLine.str(), " Max stress = 62.50 N/mm^2");
    }
}

TEST_F(CaseTexts, CantileversHaveTheirOwnRowsAndBlocks) {
    // 10 kN/m over a 5 m span and two 1 m cantilevers.
    SetBeam({5000}, 1000, 1000);
    Udl(1, 0, 10, 10, 7000, 1.0);
    FinishLoads();
    ASSERT_EQ(Analyse(), Lines_t{});
    const Lines_t support = Lines(CaseSupportText[1]);
    ASSERT_EQ(support.size(), 13u);
    EXPECT_EQ(support[9].substr(0, 4), " LHC");
    EXPECT_EQ(support[10].substr(0, 4), "  1 ");
    EXPECT_EQ(support[11].substr(0, 4), " RHC");
    EXPECT_EQ(support[12], "") << "one line after the right cantilever";
    EXPECT_EQ(SpanLabelText[1][0], "LHC");
    EXPECT_EQ(SpanLabelText[1][2], "RHC");

    const Lines_t data = Lines(CaseSpanDataText[1]);
    ASSERT_EQ(data.size(), 78u);
    EXPECT_EQ(data[2], "LHC");
    // Left cantilever from its free end to the support: shear 0 to -wa.
    EXPECT_EQ(data[5].substr(0, 32), "  1" "          0.000" "         0.000");
    EXPECT_EQ(data[25].substr(0, 32), " 21" "          1.000" "       -10.000");
    EXPECT_EQ(data[26], " ");
    EXPECT_EQ(data[27], " Span 1");
    EXPECT_EQ(data[52], " RHC");
    // Right cantilever from the support to its tip: shear wa to 0.
    EXPECT_EQ(data[55].substr(0, 32), "  1" "          0.000" "        10.000");
    EXPECT_EQ(data[75].substr(0, 32), " 21" "          1.000" "         0.000");
    EXPECT_EQ(data[76], " ") << "no blank line of its own after the right cantilever";
}

}  // namespace
