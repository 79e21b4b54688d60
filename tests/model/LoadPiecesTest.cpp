#include <gtest/gtest.h>
#include <cmath>
#include "Analysis.h"
#include "AnalysisState.h"
#include "BeamSetup.h"
#include "CaseResults.h"
#include "Equilibrium.h"
#include "Global.h"
#include "LoadPieces.h"
#include "Maxima.h"

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
    SumAppliedLoads();
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

namespace {
// A beam as the beam window stores it: each member's typed length rounded to
// single precision, times the length factor; positions typed x factor, rounded.
struct Typed {
    std::string name;
    double factor;                  // 1000: typed in m, 1: in mm
    double lhc, rhc;                // 0: none
    std::vector<double> spans;
    bool point;
    double d, cover;                // cover for a UDL
    double share = 1;               // of the load, on the beam
    bool onSpan = true;             // else none of it loads a span: "No loads on beam"
};

void TypedBeam(const Typed& t) {
    SetBeam(t.spans, t.lhc, t.rhc);
    float total = 0;
    for (int m = 0; m <= RHC; ++m) {
        if (BeamGeometryTable[m][GPresent] != 1) continue;
        const float typed = float(BeamGeometryTable[m][GLength]);
        BeamGeometryTable[m][GLength] = double((long double)typed * float(t.factor));
        total = float(total + float(typed * double(float(t.factor))));
    }
    BeamLength = total;
    const float d = float(t.d * t.factor);
    if (t.point)
        PointLoad(1, d, 10000, 1.5);
    else
        Udl(1, d, 3, 7, float(t.cover * t.factor), 1.5);
    FinishLoads();
}
}  // namespace

// Wherever a load stands, on a member, a support, the edge of a support's
// window or a tip, it reaches the beam exactly once.
TEST(LoadPieces, EveryPlacementBalances) {
    const std::vector<double> two6{6000, 6000};
    std::vector<Typed> rows = {
        {"point at the right tip, m", 1000, 1.1, 1.5, {4.2, 3.3}, true, 10.1, 0},
        {"UDL to the right tip, m", 1000, 1.1, 1.5, {4.2, 3.3}, false, 8.6, 1.5},
        {"UDL over the whole beam, m", 1000, 1.1, 1.5, {4.2, 3.3}, false, 0, 10.1},
        {"point at the left tip, m", 1000, 1.1, 1.5, {4.2, 3.3}, true, 0, 0},
        {"point on support 1, m", 1000, 1.1, 1.5, {4.2, 3.3}, true, 1.1, 0, 1, false},
        {"point on support 2, m", 1000, 1.1, 1.5, {4.2, 3.3}, true, 5.3, 0, 1, false},
        {"point on the last support, m", 1000, 1.1, 1.5, {4.2, 3.3}, true, 8.6, 0, 1, false},
        {"point on the last support, no cantilever", 1000, 0, 0, {4.2, 3.3}, true, 7.5, 0, 1, false},
        {"point at the right tip, mm", 1, 1100, 1500, {4200, 3300}, true, 10100, 0},
        {"window edge above support", 1, 0, 0, two6, true, 6001.2, 0, 1, false},
        {"window edge below support", 1, 0, 0, two6, true, 5998.8, 0, 1, false},
        {"just outside the window", 1, 0, 0, two6, true, 6001.3, 0},
        {"window edge at the right end", 1, 0, 0, two6, true, 11998.8, 0, 1, false},
        {"two supports in one window", 1, 0, 0, {1, 30000}, true, 0, 0, 1, false},
        {"between two close supports", 1, 0, 0, {1, 30000}, true, 0.5, 0, 1, false},
        // Within the reach allowed past the end: what falls on no member counts nowhere.
        {"UDL from the right end", 1, 0, 0, two6, false, 12000, 2e-5, 0, false},
        {"UDL from the right tip", 1, 1100, 1500, {4200, 3300}, false, 10100, 2e-5, 0, false},
        // A short piece a rounding from a span's end lands in that end's reaction.
        {"UDL of 8e-6 mm next to the right end", 1, 0, 0, two6, false, 11999.999, 8e-6},
        {"UDL of 8e-6 mm next to support 2", 1, 0, 0, two6, false, 5999.9995, 8e-6},
        {"UDL reaching past the end", 1, 0, 0, two6, false, 11999.5, 0.501, (3 + 1 / 0.501) * 0.5 / (5 * 0.501)},
    };
    // Tip loads on beams typed to 0.1 m, every length from 0.1 to 3 m.
    for (int tenths = 1; tenths <= 30; ++tenths) {
        const double c = tenths / 10.0;
        for (bool point : {true, false})
            rows.push_back({"cantilevers of " + std::to_string(tenths) + (point ? " tenths, point" : " tenths, UDL"),
                            1000, c, c, {4.2 + c, 3.3}, point, point ? 7.5 + 3 * c : 7.5 + 2 * c, c});
    }
    for (const Typed& t : rows) {
        SCOPED_TRACE(t.name);
        TypedBeam(t);
        EXPECT_EQ(Analyse(), t.onSpan ? std::vector<std::string>{}
                                      : std::vector<std::string>{"Loadcase 1\rNo loads on beam"});
        Real sum = 0;
        for (int k = 1; k <= NumSpans + 1; ++k) sum += CaseReaction[1][k];
        ExpectRel(double(sum), CaseAppliedLoad[1], 1e-4);
        const double typed = t.point ? 15000 : 5 * float(t.cover * t.factor) * 1.5;
        ExpectRel(CaseAppliedLoad[1], t.share * typed, 1e-5);
    }
}
