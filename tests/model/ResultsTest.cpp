#include <gtest/gtest.h>
#include <cmath>
#include "Analysis.h"
#include "AnalysisState.h"
#include "BeamSetup.h"
#include "Equilibrium.h"
#include "Global.h"
#include "LoadPieces.h"
#include "SpanForces.h"

using namespace test;

namespace {
// Factored moment of the applied loads of a loadcase about the beam's left end.
double LoadMoment(int lc) {
    double m = 0;
    for (int i = 1; i <= LoadSlots; ++i) {
        const LoadRecord& r = LoadTable[lc][i];
        if (r[LApplied] != 1) continue;
        const double d = r[LDist], f = r[LFactor], w1 = r[LStart], w2 = r[LFinish], c = r[LCover];
        if (r[LKind] == KindPoint) m += r[LStart] * f * d;
        if (r[LKind] == KindUDL) m += f * (w1 * c * (d + c / 2) + (w2 - w1) * c / 2 * (d + 2 * c / 3));
    }
    return m;
}
}  // namespace

// What the lists and diagrams read of a uniformly loaded span, its load
// factored by 1.4: forces scale, deflections do not.
TEST(StoredResults, SeriesOfOneSpan) {
    SetBeam({L});
    Udl(1, 0, w, w, L, 1.4);
    FinishLoads();
    EXPECT_TRUE(Analyse().empty());
    EXPECT_EQ(SavedSpanIntervals, 200);
    EXPECT_EQ(ResultsReady, 1);
    EXPECT_EQ(DisplayMode, 0);
    // Deflections are stored downward negative; the supports do not move.
    const double delta = 5 * w * std::pow(L, 4) / (384 * E * I);
    EXPECT_EQ(CaseDeflection[1][1][1], 0);
    EXPECT_EQ(CaseDeflection[1][1][21], 0);
    ExpectRel(CaseDeflection[1][1][11], -delta, 1e-6);
    ExpectRel(SpanMaxDeflection[1][1], delta, 1e-6);
    ExpectRel(DeflectionSummary[1][BeamRow][1], -delta, 1e-6);
    ExpectRel(CaseReaction[1][1], 1.4 * w * L / 2);
    // Stations count from 1: midspan, then the left end.
    ExpectRel(CaseMoment[1][1][101], 1.4 * w * L * L / 8);
    ExpectRel(CaseShear[1][1][1], 1.4 * w * L / 2);
    ExpectRel(MomentSummary[1][1][1], 1.4 * w * L * L / 8);
    EXPECT_FLOAT_EQ(SpanMomentMaxX[1][1], L / 2);
    const auto& sh = ShearSeries[1];
    EXPECT_EQ(sh[0][1], 605);
    EXPECT_EQ(sh[1][1], 0);
    EXPECT_FLOAT_EQ(sh[1][2], 42000);
    EXPECT_EQ(sh[605][1], 1);
    EXPECT_EQ(sh[605][2], 0);
    // Between stations 0 and 1 (at 0 and 1/200) the shear steps halfway.
    EXPECT_FLOAT_EQ(sh[5][1], 0.0025f);
    EXPECT_FLOAT_EQ(sh[5][2], sh[1][2]);
    EXPECT_FLOAT_EQ(sh[6][1], 0.0025f);
    EXPECT_FLOAT_EQ(sh[6][2], CaseShear[1][1][2]);
    EXPECT_FLOAT_EQ(sh[7][1], 0.005f);
    EXPECT_LT(sh[6][2], sh[5][2]);
    EXPECT_EQ(MomentSeries[1][0][1], 201);
    EXPECT_EQ(DeflectionSeries[1][0][0], 21);
    EXPECT_FLOAT_EQ(DeflectionSeries[1][11][1], 0.5f);
    ExpectRel(DeflectionSeries[1][11][2], delta, 1e-6);   // drawn with the sign inverted
    // No cantilevers: their summary rows stay zero.
    for (int f = 0; f <= 5; ++f) {
        EXPECT_EQ(ShearSummary[1][LHC][f], 0);
        EXPECT_EQ(MomentSummary[1][RHC][f], 0);
        EXPECT_EQ(DeflectionSummary[1][RHC][f], 0);
    }
    // Shear positive everywhere would leave the smallest at 0; here it is -RB.
    EXPECT_FLOAT_EQ(ShearSummary[1][BeamRow][4], -42000);
    EXPECT_FLOAT_EQ(ShearSummary[1][BeamRow][5], 42000);
    // The stored peaks come from the factored pass alone, also below 1.0.
    ExpectRel(SpanMomentMax[1][1], 1.4 * w * L * L / 8);
    Udl(1, 0, w, w, L, 0.5);
    Analyse();
    ExpectRel(SpanMomentMax[1][1], 0.5 * w * L * L / 8);
    ExpectRel(MomentSummary[0][BeamRow][3], 0.5 * w * L * L / 8);
}

TEST(StoredResults, LargestBeamFitsSeriesAndBalances) {
    LargestBeam();
    std::vector<std::string> shown;
    EXPECT_NO_THROW(shown = Analyse());
    EXPECT_TRUE(shown.empty()) << shown.front();
    EXPECT_EQ(SavedSpanIntervals, 200);
    EXPECT_EQ(NumLoadcases, 25);
    EXPECT_EQ(ShearSeries[25][0][1], 3 * 201 * 26 + 2 * 201 + 1);
    EXPECT_EQ(MomentSeries[25][0][1], 27 * 201 + 1);
    EXPECT_EQ(DeflectionSeries[25][0][0], 27 * 21);
    for (int lc = 1; lc <= 25; ++lc) {
        double force = 0, moment = 0;
        for (int k = 1; k <= 26; ++k) {
            force += CaseReaction[lc][k];
            moment += CaseReaction[lc][k] * Node(k);
        }
        ExpectRel(force, CaseAppliedLoad[lc], 1e-5);
        ExpectRel(moment, LoadMoment(lc), 1e-5);
    }
    // The load on support 5 reaches its reaction directly.
    EXPECT_NE(DirectSupportLoad[1][5], 0);
}

TEST(StoredResults, PointLoadOnSupportGoesToReaction) {
    SetBeam({L, L});
    PointLoad(1, L + 0.5, P, 1.0, {1, 2});   // within the tolerance of support 2
    Udl(2, 0, w, w, 2 * L, 1.0, {2});
    FinishLoads();
    int reports = 0;
    const AnalysisHooks counting{.ReportsDue = [&] { ++reports; }};
    const std::vector<std::string> shown = MessagesOf([&] { RunAnalysis(counting); });
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], "Loadcase 1\rNo loads on beam");
    EXPECT_EQ(NoLoadsMark[1], 1);
    EXPECT_EQ(NoLoadsMark[2], 0);
    EXPECT_EQ(reports, 1);
    EXPECT_FLOAT_EQ(CaseReaction[1][2], P);
    EXPECT_EQ(CaseReaction[1][1], 0);
    ExpectRel(CaseReaction[2][2], P + 10 * w * L / 8);
    EXPECT_FLOAT_EQ(DirectSupportLoad[1][2], P);

    // With every loadcase marked there is nothing to report.
    Udl(2, 0, w, w, 2 * L, 1.0, {});
    FinishLoads();
    LoadcaseActive[2] = 1;
    PointLoad(1, L, P, 1.0, {1, 2});
    reports = 0;
    EXPECT_EQ(MessagesOf([&] { RunAnalysis(counting); }).size(), 2u);
    EXPECT_EQ(reports, 0);

    // The marks do not outlive the analysis that set them.
    Udl(2, 0, w, w, 2 * L, 1.0, {1, 2});
    FinishLoads();
    EXPECT_TRUE(MessagesOf([&] { RunAnalysis(counting); }).empty());
    EXPECT_EQ(NoLoadsMark[1], 0);
    EXPECT_EQ(reports, 1);
}

TEST(StoredResults, SupportLoadsKeptPerLoadcase) {
    SetBeam({L, L});
    PointLoad(1, L, P, 1.0, {1});
    PointLoad(2, 0, P, 1.5, {2});
    Udl(3, 0, w, w, 2 * L, 1.0, {1, 2});
    FinishLoads();
    Analyse();
    EXPECT_FLOAT_EQ(DirectSupportLoad[1][2], P);
    EXPECT_FLOAT_EQ(DirectSupportLoad[2][1], 1.5f * P);
    EXPECT_EQ(DirectSupportLoad[1][1], 0);
    // Formed again from the load table alone, as when a file is opened.
    DirectSupportLoad.Fill({});
    CurrentCase = 2;
    FormDirectSupportLoads();
    EXPECT_FLOAT_EQ(DirectSupportLoad[2][1], 1.5f * P);
    EXPECT_EQ(DirectSupportLoad[1][2], 0);
}

TEST(StoredResults, InactiveLoadcaseKeepsNothingFromEarlierAnalysis) {
    SetBeam({L});
    Udl(1, 0, w, w, L, 1.0, {1, 2});
    PointLoad(2, L / 3, 1000, 1.0, {3});
    FinishLoads();
    Analyse();
    EXPECT_NE(CaseMoment[2][1][101], 0);
    EXPECT_NE(EnvelopeMoment[2][1][11][0], 0);
    // Loadcase 2 loses its loads; loadcase 3 keeps NumLoadcases at 3.
    Udl(1, 0, w, w, L, 1.0, {1});
    FinishLoads();
    EXPECT_EQ(LoadcaseActive[2], 0);
    Analyse();
    for (int j = 1; j <= 201; ++j) ASSERT_EQ(CaseMoment[2][1][j], 0);
    EXPECT_EQ(CaseDeflection[2][1][11], 0);
    EXPECT_EQ(EnvelopeMoment[2][1][11][0], 0);
    EXPECT_EQ(MomentSummary[2][BeamRow][3], 0);
    // It still takes part in the envelope with zero samples.
    EXPECT_EQ(EnvelopeMoment[0][1][11][1], 0);
    EXPECT_EQ(EnvelopeMoment[0][1][11][3], 2);
    EXPECT_EQ(EnvelopeMoment[0][1][11][2], 1);
}

TEST(StoredResults, SolvingAgainAtOtherIntervalsKeepsStoredResults) {
    SetBeam({L, L});
    Udl(1, 0, w, w, 2 * L, 1.0, {1, 2});
    PointLoad(2, L / 2, P, 1.0, {2});
    FinishLoads();
    Analyse();
    const auto reactions = CaseReaction;
    const auto deflections = SpanMaxDeflection;
    const auto stored = CaseMoment;
    for (CurrentCase = 1; CurrentCase <= NumLoadcases; ++CurrentCase) {
        SolveFinalPassAt(5);
        EXPECT_NEAR(SupportReaction[2], reactions[CurrentCase][2], 1e-6 * reactions[CurrentCase][2]);
    }
    EXPECT_TRUE(CaseReaction == reactions);
    EXPECT_TRUE(SpanMaxDeflection == deflections);
    EXPECT_TRUE(CaseMoment == stored);
    // At 2/5 of span 1 with 5 intervals: station 2.
    CurrentCase = 1;
    SolveFinalPassAt(5);
    const double x = 0.4 * L, r1 = 3 * w * L / 8;
    EXPECT_NEAR(SpanMoment[1][2], r1 * x - w * x * x / 2, 1e-3);
}
