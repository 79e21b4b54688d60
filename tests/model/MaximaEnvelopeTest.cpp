#include <gtest/gtest.h>
#include <cmath>
#include "Analysis.h"
#include "AnalysisState.h"
#include "BeamSetup.h"
#include "Equilibrium.h"
#include "Global.h"
#include "Maxima.h"

using namespace test;

TEST(Maxima, SaggingAndHoggingPeaksOfOneSpan) {
    SetBeam({L});
    Udl(1, 0, w, w, L / 2, 1.0);
    Udl(2, L / 2, -w, -w, L / 2, 1.0);
    FinishLoads();
    Analyse();
    // Antisymmetric loading: a sagging and a hogging peak of equal size.
    const float largest = MomentSummary[1][1][3], smallest = MomentSummary[1][1][4];
    EXPECT_GT(largest, 0);
    EXPECT_LT(smallest, 0);
    EXPECT_NEAR(largest, -smallest, 1e-3 * largest);
    float stationMax = 0;
    for (int j = 1; j <= 201; ++j) stationMax = std::max(stationMax, CaseMoment[1][1][j]);
    EXPECT_EQ(largest, stationMax);
    EXPECT_EQ(MomentSummary[1][BeamRow][3], largest);
    EXPECT_EQ(MomentSummary[1][BeamRow][4], smallest);
    EXPECT_EQ(MomentSummary[0][BeamRow][3], largest);
    EXPECT_EQ(MomentSummary[0][BeamRow][4], smallest);
}

TEST(Equilibrium, CancellingLoadsGiveNoFalseError) {
    SetBeam({3700, 5300}, 1100, 900);
    PointLoad(1, 700, 13700, 1.3);
    PointLoad(2, 6100, 7300, 1.3);
    Udl(3, 2900, -3, -3, 7000, 1.3);
    FinishLoads();
    EXPECT_TRUE(Analyse().empty());
    // Both totals are rounding noise, so their ratio is far from 1.
    EXPECT_LT(std::fabs(CaseAppliedLoad[1]), 0.01);
    EXPECT_LT(std::fabs(ReactionTotal[1]), 0.01);
    EXPECT_GT(std::fabs(CaseAppliedLoad[1] / ReactionTotal[1] - 1), 0.0005);
}

TEST(Maxima, OverLoadcasesAndTheirEnvelope) {
    SetBeam({L}, 0, 2000);
    Udl(1, 0, w, w, L, 1.0, {1, 3});      // sagging span
    PointLoad(2, L + 2000, P, 1.0, {2});  // tip load: span lifts, hogging over support
    FinishLoads();
    Analyse();
    for (int r : {1, RHC, BeamRow}) {
        EXPECT_EQ(MomentSummary[0][r][3], std::max(MomentSummary[1][r][3], MomentSummary[2][r][3]));
        EXPECT_EQ(MomentSummary[0][r][5], std::max(MomentSummary[1][r][5], MomentSummary[2][r][5]));
        EXPECT_EQ(ShearSummary[0][r][4], std::min(ShearSummary[1][r][4], ShearSummary[2][r][4]));
        EXPECT_EQ(ShearSummary[0][r][5], std::max(ShearSummary[1][r][5], ShearSummary[2][r][5]));
    }
    EXPECT_EQ(MomentSummary[0][BeamRow][4], MomentSummary[2][BeamRow][4]);
    EXPECT_FLOAT_EQ(MomentSummary[0][BeamRow][4], -P * 2000);
    // The cantilever tip deflection outweighs the span's sag.
    const float d1 = DeflectionSummary[1][BeamRow][1], d2 = DeflectionSummary[2][BeamRow][1];
    EXPECT_LT(d2, d1);
    EXPECT_EQ(DeflectionSummary[0][BeamRow][1], std::fabs(d2) > std::fabs(d1) ? d2 : d1);
    EXPECT_EQ(DeflectionSummary[0][BeamRow][5], std::max(std::fabs(d1), std::fabs(d2)));

    // The envelope keeps the governing loadcase of each value.
    const auto& env = EnvelopeMoment[0];
    // Mid-span: sagging from loadcases 1 and 3 (tie keeps 1), hogging from 2.
    EXPECT_FLOAT_EQ(env[1][11][0], float(CaseMoment[1][1][101]));
    EXPECT_EQ(env[1][11][2], 1);
    EXPECT_FLOAT_EQ(env[1][11][1], float(CaseMoment[2][1][101]));
    EXPECT_EQ(env[1][11][3], 2);
    // The right cantilever's root: shear governed by loadcase 2.
    EXPECT_FLOAT_EQ(EnvelopeShear[0][RHC][1][0], P);
    EXPECT_EQ(EnvelopeShear[0][RHC][1][1], 2);
    // Absent left cantilever, unused spans: zero with loadcase 0.
    EXPECT_EQ(EnvelopeShear[0][LHC][1][1], 0);
    EXPECT_EQ(EnvelopeMoment[0][2][11][2], 0);
}

TEST(Envelope, ForkheadAtFirstInnerSupportSkipsEnvelope) {
    SetBeam({L, L});
    SupportTypes[1] = SupportForkhead;
    Udl(1, 0, w, w, 2 * L, 1.0);
    FinishLoads();
    bool formed = false;
    RunAnalysis({.EnvelopeFormed = [&] { formed = true; }});
    EXPECT_FALSE(formed);
    EXPECT_EQ(EnvelopeMoment[1][1][11][0], 0);
    EXPECT_EQ(EnvelopeMoment[0][1][11][0], 0);
    EXPECT_EQ(ResultsReady, 1);
}

TEST(Equilibrium, LoadTotalsCountAppliedSlotsOnly) {
    SetBeam({L});
    PointLoad(30, 1000, 1000, 1.5, {1});
    Udl(SelfWeightSlot, 0, 1, 3, L, 1.4, {1});
    PointLoad(2, 2000, 7000, 1.0, {2});   // applied elsewhere only
    LoadTable[1][3][LKind] = 0.5f;       // a ticked slot of no kind
    LoadTable[1][3][LStart] = 999;
    LoadTable[1][3][LApplied] = 1;
    FinishLoads();
    SumAppliedLoads();
    EXPECT_NEAR(CaseLoadTotal[1], 1500 + 2.0 * L * 1.4, 1e-3);
    EXPECT_DOUBLE_EQ(CaseLoadTotal[2], 7000);
}

// A loadcase whose reactions do not balance its load says so and keeps no
// results; the others keep theirs.
TEST(Equilibrium, AnUnbalancedLoadcaseKeepsNoResultsAndLeavesTheOthersTheirs) {
    SetBeam({L, L});
    PointLoad(1, L / 2, P, 1.0, {1, 2, 3});
    FinishLoads();
    // Loadcase 2 is solved under twice the load its total was formed from.
    const AnalysisHooks doubled{.CaseStarting = [] { LoadTable[2][1][LStart] = float(CurrentCase == 2 ? 2 * P : P); }};
    EXPECT_EQ(MessagesOf([&] { RunAnalysis(doubled); }),
              std::vector<std::string>{" ERROR  \r Loadcase  2\r Total applied load / Total support reactions = 0.500"});
    EXPECT_EQ(ResultsReady, 1);
    for (int lc : {1, 3}) ExpectRel(CaseReaction[lc][1] + CaseReaction[lc][2] + CaseReaction[lc][3], P, 1e-6);
    EXPECT_TRUE(CaseReaction[2] == std::remove_reference_t<decltype(CaseReaction[2])>{});
    EXPECT_EQ(MomentSummary[2][BeamRow][5], 0);
    EXPECT_EQ(MomentSummary[0][BeamRow][5], MomentSummary[1][BeamRow][5]);
    EXPECT_EQ(UnbalancedMark[2], 1);
    EXPECT_EQ(UnbalancedMark[1] + UnbalancedMark[3], 0);
}

// The check compares the difference with 0.05 % of the sum of the load
// magnitudes; a UDL whose rates change sign counts the area under |w|:
// 10 -> -30 N/mm over 4 m, a total of -40 kN and a magnitude of
// (100 + 900) / 80 x 4000 = 50 kN.
TEST(Equilibrium, MessagesTolerancesAndZeroTotals) {
    const struct {
        bool reversing;     // the UDL, else 100 kN down
        double reactions;   // as a share of the load magnitude, after the applied total
    } cases[] = {{false, 1 - 0.0004}, {false, 1 - 0.001}, {false, 1 + 0.001}, {true, 0.00045}, {true, 0.001},
                 {false, 0}};
    SetBeam({4000, 4000});
    CaseReaction.Fill({});
    CaseAppliedLoad.Fill(0);
    for (int lc = 2; lc <= 7; ++lc) {   // loadcase 1 has no loads
        const auto& c = cases[lc - 2];
        if (c.reversing)
            Udl(lc, 0, 10, -30, 4000, 1.0, {lc});
        else
            PointLoad(lc, 1000, 100000, 1.0, {lc});
        CaseAppliedLoad[lc] = c.reversing ? -40000 : 100000;
        CaseReaction[lc][1] = float(c.reversing ? -40000 + 50000 * c.reactions : 100000 * c.reactions);
    }
    FinishLoads();
    CaseReaction[3][1] = 60000;   // the 99.9 % over two supports
    CaseReaction[3][2] = 39900;
    EXPECT_EQ(MessagesOf(CheckEquilibrium),
              (std::vector<std::string>{
                  " ERROR  \r Loadcase  3\r Total applied load / Total support reactions = 1.00",
                  " ERROR  \r Loadcase  4\r Total applied load / Total support reactions = 0.999",
                  " ERROR  \r Loadcase  6\r Total applied load / Total support reactions = 1.00",
                  " ERROR  \r Loadcase  7\r Total applied load / Total support reactions = 1.00E+17"}));
    // A loadcase without loads: no message, and its zero total becomes 1e-12.
    EXPECT_EQ(CaseAppliedLoad[1], 1e-12f);
    EXPECT_EQ(ReactionTotal[1], 1e-12f);
    EXPECT_FLOAT_EQ(ReactionTotal[3], 99900);
}

// Equal magnitudes of opposite sign: the positive one is kept, per loadcase
// and over loadcases.
TEST(Maxima, DeflectionTieKeepsThePositive) {
    SetBeam({L, L});
    NumLoadcases = 2;
    DeflectionSummary.Fill({});
    DeflectionSummary[1][1][1] = -4;
    DeflectionSummary[1][2][1] = 4;
    DeflectionSummary[2][1][1] = 4;
    DeflectionSummary[2][2][1] = -4;
    for (CurrentCase = 1; CurrentCase <= 2; ++CurrentCase) CaseDeflectionMaxima();
    EXPECT_EQ(DeflectionSummary[1][BeamRow][1], 4);
    EXPECT_EQ(DeflectionSummary[2][BeamRow][1], 4);
    DeflectionSummary[2][BeamRow][1] = -4;
    AllCasesDeflectionMaxima();
    EXPECT_EQ(DeflectionSummary[0][BeamRow][1], 4);
    EXPECT_EQ(DeflectionSummary[0][1][1], 4);
}
