#include <gtest/gtest.h>
#include <cmath>
#include "Analysis.h"
#include "AnalysisState.h"
#include "BeamSetup.h"
#include "CaseResults.h"
#include "Global.h"
#include "LoadPieces.h"
#include "Maxima.h"
#include "SlopeDeflection.h"

using namespace test;

namespace {
void Split() {
    CurrentCase = 1;
    SplitLoadsToSpans();
}
}  // namespace

TEST(LoadPieces, KindsFromRates) {
    SetBeam({L, L, L});
    Udl(1, 0, 2, 6, L, 1.0);           // span 1: uniform 2 and rising triangle 4
    Udl(2, L, 5, 0, L, 1.0);           // span 2: falling triangle
    Udl(3, 2 * L, 6, 2, L, 1.0);       // span 3: uniform 6 and a triangle of peak -4
    Udl(4, 0, 0, 0, 3 * L, 1.0);       // no load
    PointLoad(5, 1000, P, 1.0, {2});   // not applied in loadcase 1
    FinishLoads();
    Split();
    ASSERT_EQ(SpanPieceCount[1], 2);
    EXPECT_EQ(SpanPieces[1][1][1].Kind, PieceUniform);
    EXPECT_EQ(SpanPieces[1][1][1].Rate1, 2);
    EXPECT_EQ(SpanPieces[1][1][2].Kind, PieceRising);
    EXPECT_EQ(SpanPieces[1][1][2].Rate2, 4);
    ASSERT_EQ(SpanPieceCount[2], 1);
    EXPECT_EQ(SpanPieces[1][2][1].Kind, PieceFalling);
    ASSERT_EQ(SpanPieceCount[3], 2);
    EXPECT_EQ(SpanPieces[1][3][1].Rate2, 6);
    EXPECT_EQ(SpanPieces[1][3][2].Rate2, -4);
    EXPECT_FLOAT_EQ(CaseAppliedLoad[1], 4 * L + 2.5 * L + 4 * L);
}

TEST(LoadPieces, LoadsCutAtSupportsWithInterpolatedRates) {
    SetBeam({4000, 4000});
    Udl(1, 2000, 2, 8, 6000, 1.0);      // rate 2 + x / 1000 from x = 2000 to 8000
    FinishLoads();
    Split();
    const LoadPiece& first = SpanPieces[1][1][1];
    EXPECT_DOUBLE_EQ(first.Start, 2000);
    EXPECT_DOUBLE_EQ(first.Length, 2000);
    const LoadPiece& second = SpanPieces[1][2][1];
    EXPECT_DOUBLE_EQ(second.Start, 0);
    EXPECT_DOUBLE_EQ(second.Length, 4000);
    EXPECT_NEAR(second.Rate1, 4, 1e-6);
    EXPECT_NEAR(SpanPieces[1][2][2].Rate2, 4, 1e-6);   // the triangle: 4 to 8
    Analyse();
    EXPECT_NEAR(CaseReaction[1][1] + CaseReaction[1][2] + CaseReaction[1][3], 30000, 0.05);
}

TEST(LoadPieces, MirroredTrianglesExchangeFixedEndMoments) {
    SetBeam({L, L});
    Udl(1, 0, 0, w, L, 1.0);
    Udl(2, L, w, 0, L, 1.0);
    FinishLoads();
    Split();
    CollectSpanLoads();
    FixedEndMoments();
    EXPECT_NEAR(FixedEndMomentL[1], FixedEndMomentR[2], 1e-6 * FixedEndMomentL[1]);
    EXPECT_NEAR(FixedEndMomentR[1], FixedEndMomentL[2], 1e-6 * FixedEndMomentR[1]);
    // Full-length rising triangle: w L^2 / 30 and w L^2 / 20.
    EXPECT_NEAR(FixedEndMomentL[1], w * L * L / 30, 1);
    EXPECT_NEAR(FixedEndMomentR[1], w * L * L / 20, 1);
}

TEST(LoadPieces, UnloadedSpanKeepsZeroPeak) {
    SetBeam({L, L});
    Udl(1, 0, w, w, L, 1.0);
    FinishLoads();
    Analyse();
    EXPECT_EQ(SpanMomentMax[1][2], 0);
    EXPECT_EQ(SpanMomentMaxX[1][2], 0);
    EXPECT_LT(SpanMomentMin[1][2], 0);
    EXPECT_EQ(SpanMomentMinX[1][2], 0);
}

TEST(StoredResults, RestoredTablesGiveTheSameResults) {
    LargestBeam();
    Analyse();
    const auto shear = ShearSummary, moment = MomentSummary, deflection = DeflectionSummary;
    const auto shearSeries = ShearSeries[7];
    const auto momentSeries = MomentSeries[7];
    const auto reactions = CaseReaction;
    ShearSummary.Fill({});
    MomentSummary.Fill({});
    DeflectionSummary.Fill({});
    DirectSupportLoad.Fill({});
    for (CurrentCase = 1; CurrentCase <= NumLoadcases; ++CurrentCase) {
        RestoreCaseWork();
        StoreCaseResults();
    }
    AllCasesShearMaxima();
    AllCasesMomentMaxima();
    AllCasesDeflectionMaxima();
    EXPECT_TRUE(ShearSummary == shear);
    EXPECT_TRUE(MomentSummary == moment);
    EXPECT_TRUE(DeflectionSummary == deflection);
    EXPECT_TRUE(ShearSeries[7] == shearSeries);
    EXPECT_TRUE(MomentSeries[7] == momentSeries);
    for (int lc = 1; lc <= NumLoadcases; ++lc)
        for (int k = 1; k <= 26; ++k)   // from the stored single-precision shears
            EXPECT_NEAR(CaseReaction[lc][k], reactions[lc][k], 1e-6 * std::fabs(reactions[lc][k]) + 1e-3);
}
