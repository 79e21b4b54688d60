#include <gtest/gtest.h>
#include <cmath>
#include "Analysis.h"
#include "AnalysisState.h"
#include "BeamSetup.h"
#include "Global.h"
#include "LoadPieces.h"

using namespace test;

namespace {
constexpr double A = 2000;   // cantilever length
// Tip deflection of a cantilever a off a simple span L, tip load P:
// own bending P a^3 / 3EI plus the support rotation P a L / 3EI times a.
double TipDeflection() { return P * A * A * (A + L) / (3 * E * I); }
}  // namespace

// What the lists and diagrams read of a right cantilever with a tip load.
TEST(Cantilever, RightCantileverTipLoadSummaries) {
    SetBeam({L}, 0, A);
    PointLoad(1, L + A, P, 1.0);
    FinishLoads();
    Analyse();
    const int n = SavedSpanIntervals;
    EXPECT_NEAR(CaseCantMoment[1][2][n + 1], 0, 1);      // free end
    ExpectRel(CaseCantShear[1][2][1], P);
    ExpectRel(CantMomentMin[1][2], -P * A);
    EXPECT_EQ(CantMomentMax[1][2], 0);
    // Small-angle combination of bending and rotation: within 1e-4.
    ExpectRel(DeflectionSummary[1][RHC][1], -TipDeflection(), 1e-4);
}

TEST(Cantilever, LeftCantileverTipLoadMirrors) {
    SetBeam({L}, A, 0);
    PointLoad(1, 0, P, 1.0);
    FinishLoads();
    Analyse();
    const int n = SavedSpanIntervals;
    // The member summary runs left to right: free end 0, root moment last.
    ExpectRel(MomentSummary[1][LHC][2], -P * A);
    ExpectRel(ShearSummary[1][LHC][2], -P);
    // The series start at the free end.
    EXPECT_EQ(MomentSeries[1][1][1], 0);
    EXPECT_NEAR(MomentSeries[1][1][2], 0, 1);
    ExpectRel(MomentSeries[1][n + 1][2], -P * A);
    ExpectRel(DeflectionSeries[1][1][2], TipDeflection(), 1e-4);
}

TEST(Cantilever, ZeroCoverUdlCarriesNoLoad) {
    SetBeam({L}, A, A);
    Udl(1, L + A + 500, 2, 6, 0, 1.0);   // on the right cantilever
    Udl(2, 500, 2, 6, 0, 1.0);           // on the left cantilever
    PointLoad(3, L / 2 + A, P, 1.0);
    FinishLoads();
    EXPECT_NO_THROW(Analyse());
    EXPECT_EQ(LHCPieceCount, 0);
    EXPECT_EQ(RHCPieceCount, 0);
    ExpectRel(CaseReaction[1][1], P / 2);
}
