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
// Tip deflection of a cantilever a off a simple span l, tip load P:
// own bending P a^3 / 3EI plus the support rotation P a l / 3EI times a.
double TipDeflection(double a = A, double l = L) { return P * a * a * (a + l) / (3 * E * I); }

// A length typed in a unit, as the windows bring it into mm.
double Typed(float value, float factor) { return double(static_cast<long double>(value) * factor); }

struct TipCase {
    double span, cantilever;
    float loadAt;
};
class RightCantileverTipLoad : public ::testing::TestWithParam<TipCase> {};
}  // namespace

TEST_P(RightCantileverTipLoad, ShearPAtEveryStation) {
    const auto [l, a, at] = GetParam();
    SetBeam({l}, 0, a);
    PointLoad(1, at, P, 1.0);
    FinishLoads();
    Analyse();
    ExpectRel(CaseReaction[1][1], -P * a / l, 1e-5);
    ExpectRel(CaseReaction[1][2], P * (l + a) / l, 1e-5);
    const int n = SavedSpanIntervals;
    ExpectRel(CaseCantMoment[1][2][1], -P * a, 1e-5);    // root
    EXPECT_NEAR(CaseCantMoment[1][2][n + 1], 0, 1);      // free end
    for (int i = 1; i <= n + 1; ++i) ExpectRel(CaseCantShear[1][2][i], P);
    ExpectRel(CantMomentMin[1][2], -P * a, 1e-5);
    EXPECT_EQ(CantMomentMax[1][2], 0);
    ExpectRel(CaseMoment[1][1][n + 1], -P * a, 1e-5);    // over the support
    // Small-angle combination of bending and rotation: within 1e-3 at a
    // tip rotation of 0.026.
    ExpectRel(CaseCantDeflection[1][2][21], -TipDeflection(a, l), 1e-3);
    ExpectRel(DeflectionSummary[1][RHC][1], -TipDeflection(a, l), 1e-3);
    // The span lifts between its supports.
    EXPECT_GT(CaseDeflection[1][1][11], 0);
}

INSTANTIATE_TEST_SUITE_P(Cantilever, RightCantileverTipLoad,
                         ::testing::Values(TipCase{L, A, float(L + A)},
                                           // 52 ft span, 6 ft cantilever, load at 58 ft typed in feet
                                           TipCase{Typed(52, 304.8f), Typed(6, 304.8f), float(Typed(58, 304.8f))}));

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
