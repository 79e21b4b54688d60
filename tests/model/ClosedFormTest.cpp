// Beams whose results are known in closed form: every kind of load piece on
// every kind of member, simple and fixed ends, loads on, beside and just
// outside a support's window and at the tips.
#include <gtest/gtest.h>
#include <cmath>
#include <limits>
#include <vector>
#include "AnalysisState.h"
#include "BeamSetup.h"
#include "Global.h"

using namespace test;

namespace {

constexpr double A = 2000;        // cantilever length
constexpr double EI = E * I;
constexpr double _ = std::numeric_limits<double>::quiet_NaN();   // not asserted

struct Beam {
    std::vector<double> spans;
    double lhc, rhc;
    bool fixedLeft, fixedRight;
};
const Beam One{{L}, 0, 0, false, false};
const Beam FixedBoth{{L}, 0, 0, true, true};
const Beam FixedLeft{{L}, 0, 0, true, false};
const Beam FixedRight{{L}, 0, 0, false, true};
// 10 m long, so a support's window reaches 1 mm either side of it.
const Beam Both{{L}, A, A, false, false};
const Beam LhcFixedRight{{L}, A, 0, false, true};
const Beam RhcFixedRight{{L}, 0, A, false, true};
const Beam Two{{L, L}, 0, 0, false, false};
const Beam TwoFixed{{L, L}, 0, 0, true, true};
const Beam Three{{L, L, L}, 0, 0, false, false};
constexpr double RhcRoot = A + L;   // on Both
constexpr double BothLength = A + L + A;

struct Load {
    bool point;
    double d, w1, w2, c;
};
Load Pt(double d, double p) { return {true, d, p, 0, 0}; }
Load Dist(double d, double w1, double w2, double c) { return {false, d, w1, w2, c}; }

struct Row {
    const char* name;
    Beam beam;
    std::vector<Load> loads;
    std::vector<double> R;   // reactions, support 1 first, upwards
    std::vector<double> M;   // bending moment of the spans over each support
    double peak;             // largest moment of span 1
    double shear;            // shear at span 1's middle (a point load there: left of it)
    double sag;              // downward deflection of span 1's middle
    double rootL = 0, rootR = 0;   // cantilever root moments
    double tipL = _, tipR = _;     // downward deflection of the cantilever tips
    double beyondL = _, beyondR = _;   // shear at a cantilever's middle: the load beyond it
};

// A load of resultant W and root moment m (hogging, as a magnitude) on the
// left cantilever of Both, `beyond` of it outward of the cantilever's middle,
// whose own bending lowers the tip by `own`: statics give the reactions and
// the span's shear; the span, simply supported, turns the near support by
// m L / 3EI and the far one by m L / 6EI, lowering both tips, and lifts its
// middle by m L^2 / 16EI.
Row OnLeft(const char* name, Load load, double W, double m, double beyond, double own) {
    return {name, Both, {load}, {W + m / L, -m / L}, {-m, 0}, 0, m / L, -m * L * L / (16 * EI), -m, 0,
            own + m * L / (3 * EI) * A, m * L / (6 * EI) * A, beyond, 0};
}
// The same on the right cantilever.
Row OnRight(const char* name, Load load, double W, double m, double beyond, double own) {
    return {name, Both, {load}, {-m / L, W + m / L}, {0, -m}, 0, -m / L, -m * L * L / (16 * EI), 0, -m,
            m * L / (6 * EI) * A, own + m * L / (3 * EI) * A, 0, beyond};
}
// Own-bending tip deflection of a cantilever under a point load P at its tip.
constexpr double PointTip = P * A * A * A / (3 * EI);
constexpr double A4 = A * A * A * A, L4 = L * L * L * L;

const double Rt3 = std::sqrt(3.0);
// Two equal spans, P at 1.5 mm beyond the middle support (outside its 1.2 mm
// window): the three-moment equation gives the support moment.
constexpr double Beside = 1.5;
const double BesideM = P * Beside * (L - Beside) * (2 * L - Beside) / (4 * L * L);
// Rate k x over the whole of Both, k = w / 10 m: root moments k A^3 / 6 and
// k (A^3 / 3 + (A + L) A^2 / 2); about support 1, k (B^3 / 3 - A B^2 / 2).
constexpr double B = BothLength, k = w / B;
constexpr double RisingM1 = k * A * A * A / 6, RisingM2 = k * (A * A * A / 3 + (A + L) * A * A / 2);
constexpr double RisingR2 = k * (B * B * B / 3 - A * B * B / 2) / L;
// A load rising at k2 = 2w / 2 m across a root of Both, Cut of it on the
// cantilever and Rest on the span.
constexpr double Cut = 1500, Rest = 500, k2 = 2 * w / (Cut + Rest), AcrossW = k2 * (Cut + Rest) * (Cut + Rest) / 2;
constexpr double AcrossRoot = k2 * Rest * Cut * Cut / 2 + k2 * Cut * Cut * Cut / 3;
// Uniform over the whole of Both: roots of wA^2/2 turn the supports against
// the span's own load.
constexpr double WholeM = w * A * A / 2;
constexpr double WholeTip = w * A4 / (8 * EI) + (WholeM * L / (2 * EI) - w * L * L * L / (24 * EI)) * A;

const std::vector<Row> Rows = {
    // One simple span.
    {"point at midspan", One, {Pt(L / 2, P)}, {P / 2, P / 2}, {0, 0}, P * L / 4, P / 2, P * L * L * L / (48 * EI)},
    {"uniform", One, {Dist(0, w, w, L)}, {w * L / 2, w * L / 2}, {0, 0}, w * L * L / 8, 0, 5 * w * L4 / (384 * EI)},
    {"rising", One, {Dist(0, 0, w, L)}, {w * L / 6, w * L / 3}, {0, 0}, w * L * L / (9 * Rt3), w * L / 24,
     5 * w * L4 / (768 * EI)},
    {"falling", One, {Dist(0, w, 0, L)}, {w * L / 3, w * L / 6}, {0, 0}, w * L * L / (9 * Rt3), -w * L / 24,
     5 * w * L4 / (768 * EI)},
    // Uniform w and a triangle of 2w, rising or falling.
    {"rising trapezoid", One, {Dist(0, w, 3 * w, L)}, {5 * w * L / 6, 7 * w * L / 6}, {0, 0}, _, w * L / 12,
     10 * w * L4 / (384 * EI)},
    {"falling trapezoid", One, {Dist(0, 3 * w, w, L)}, {7 * w * L / 6, 5 * w * L / 6}, {0, 0}, _, -w * L / 12,
     10 * w * L4 / (384 * EI)},
    {"uniform over the middle half", One, {Dist(L / 4, w, w, L / 2)}, {w * L / 4, w * L / 4}, {0, 0},
     3 * w * L * L / 32, 0, _},
    // Resultant wL/4 at 7L/12 and 5L/12.
    {"rising over the middle half", One, {Dist(L / 4, 0, w, L / 2)}, {5 * w * L / 48, 7 * w * L / 48}, {0, 0}, _,
     w * L / 24, _},
    {"falling over the middle half", One, {Dist(L / 4, w, 0, L / 2)}, {7 * w * L / 48, 5 * w * L / 48}, {0, 0}, _,
     -w * L / 24, _},
    {"point on the left support", One, {Pt(0, P)}, {P, 0}, {0, 0}, 0, 0, 0},

    // Fixed ends.
    {"fixed ends, uniform", FixedBoth, {Dist(0, w, w, L)}, {w * L / 2, w * L / 2}, {-w * L * L / 12, -w * L * L / 12},
     w * L * L / 24, 0, w * L4 / (384 * EI)},
    {"fixed ends, point at midspan", FixedBoth, {Pt(L / 2, P)}, {P / 2, P / 2}, {-P * L / 8, -P * L / 8}, P * L / 8,
     P / 2, P * L * L * L / (192 * EI)},
    // P a b^2 / L^2 and P a^2 b / L^2 with a = L/3.
    {"fixed ends, point at a third", FixedBoth, {Pt(L / 3, P)}, {20 * P / 27, 7 * P / 27},
     {-4 * P * L / 27, -2 * P * L / 27}, _, -7 * P / 27, _},
    {"fixed ends, rising", FixedBoth, {Dist(0, 0, w, L)}, {3 * w * L / 20, 7 * w * L / 20},
     {-w * L * L / 30, -w * L * L / 20}, _, w * L / 40, w * L4 / (768 * EI)},
    {"fixed ends, falling", FixedBoth, {Dist(0, w, 0, L)}, {7 * w * L / 20, 3 * w * L / 20},
     {-w * L * L / 20, -w * L * L / 30}, _, -w * L / 40, w * L4 / (768 * EI)},
    {"fixed left end, uniform", FixedLeft, {Dist(0, w, w, L)}, {5 * w * L / 8, 3 * w * L / 8}, {-w * L * L / 8, 0},
     9 * w * L * L / 128, w * L / 8, w * L4 / (192 * EI)},
    {"fixed right end, point at midspan", FixedRight, {Pt(L / 2, P)}, {5 * P / 16, 11 * P / 16},
     {0, -3 * P * L / 16}, 5 * P * L / 32, 5 * P / 16, 7 * P * L * L * L / (768 * EI)},
    {"point on a fixed end", FixedBoth, {Pt(0, P)}, {P, 0}, {0, 0}, 0, 0, 0},

    // The left cantilever; its root is 2000 from the left end.
    OnLeft("point at the left tip", Pt(0, P), P, P * A, P, PointTip),
    OnLeft("uniform on the left cantilever", Dist(0, w, w, A), w * A, w * A * A / 2, w * A / 2, w * A4 / (8 * EI)),
    OnLeft("rising toward the left root", Dist(0, 0, w, A), w * A / 2, w * A * A / 6, w * A / 8, w * A4 / (30 * EI)),
    OnLeft("falling toward the left root", Dist(0, w, 0, A), w * A / 2, w * A * A / 3, 3 * w * A / 8,
           11 * w * A4 / (120 * EI)),
    // Uniform w and a triangle of 2w, its peak at the root or at the tip.
    OnLeft("trapezoid rising toward the left root", Dist(0, w, 3 * w, A), 2 * w * A, 5 * w * A * A / 6,
           3 * w * A / 4, 23 * w * A4 / (120 * EI)),
    OnLeft("trapezoid falling toward the left root", Dist(0, 3 * w, w, A), 2 * w * A, 7 * w * A * A / 6,
           5 * w * A / 4, 37 * w * A4 / (120 * EI)),
    OnLeft("uniform over the left cantilever's middle", Dist(A / 4, w, w, A / 2), w * A / 2, w * A * A / 4,
           w * A / 4, _),
    // Resultant wA/4 at 7A/12 from the root, 3wA/16 of it beyond the middle.
    OnLeft("falling over the left cantilever's middle", Dist(A / 4, w, 0, A / 2), w * A / 4, 7 * w * A * A / 48,
           3 * w * A / 16, _),
    // (The own bending of a load this near the root is finer than the 20
    // intervals that integrate it.)
    OnLeft("point just outside the left root's window", Pt(A - 1.25, P), P, 1.25 * P, 0, _),

    // The right cantilever.
    OnRight("point at the right tip", Pt(BothLength, P), P, P * A, P, PointTip),
    OnRight("uniform on the right cantilever", Dist(RhcRoot, w, w, A), w * A, w * A * A / 2, w * A / 2,
            w * A4 / (8 * EI)),
    OnRight("rising toward the right tip", Dist(RhcRoot, 0, w, A), w * A / 2, w * A * A / 3, 3 * w * A / 8,
            11 * w * A4 / (120 * EI)),
    OnRight("falling toward the right tip", Dist(RhcRoot, w, 0, A), w * A / 2, w * A * A / 6, w * A / 8,
            w * A4 / (30 * EI)),
    OnRight("trapezoid rising toward the right root", Dist(RhcRoot, 3 * w, w, A), 2 * w * A, 5 * w * A * A / 6,
            3 * w * A / 4, 23 * w * A4 / (120 * EI)),
    OnRight("trapezoid falling toward the right root", Dist(RhcRoot, w, 3 * w, A), 2 * w * A, 7 * w * A * A / 6,
            5 * w * A / 4, 37 * w * A4 / (120 * EI)),
    OnRight("uniform over the right cantilever's middle", Dist(RhcRoot + A / 4, w, w, A / 2), w * A / 2,
            w * A * A / 4, w * A / 4, _),
    OnRight("rising over the right cantilever's middle", Dist(RhcRoot + A / 4, 0, w, A / 2), w * A / 4,
            7 * w * A * A / 48, 3 * w * A / 16, _),
    OnRight("point just outside the right root's window", Pt(RhcRoot + 1.25, P), P, 1.25 * P, 0, _),

    // Supports and their windows on Both.
    {"point on the left root", Both, {Pt(A, P)}, {P, 0}, {0, 0}, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {"point at the lower edge of the right root's window", Both, {Pt(RhcRoot - 1, P)}, {0, P}, {0, 0}, 0, 0, 0, 0, 0,
     0, 0, 0, 0},
    {"point at the upper edge of the right root's window", Both, {Pt(RhcRoot + 1, P)}, {0, P}, {0, 0}, 0, 0, 0, 0, 0,
     0, 0, 0, 0},
    {"point on the span just outside the right root's window", Both, {Pt(RhcRoot - 1.25, P)},
     {1.25 * P / L, P * (L - 1.25) / L}, {0, 0}, _, 1.25 * P / L, _},

    // Distributed loads of no length on the cantilevers carry nothing.
    {"loads of no length on the cantilevers", Both, {Dist(L + A + 500, 2, 6, 0), Dist(500, 2, 6, 0), Pt(L / 2 + A, P)},
     {P / 2, P / 2}, {0, 0}, P * L / 4, P / 2, P * L * L * L / (48 * EI), 0, 0, _, _, 0, 0},

    // 0 to 2w over 2 m across a root, 1.5 m of it on the cantilever: a
    // resultant W of 2wm, 1/6 m short of the left root or 5/6 m past the
    // right one; the cantilever carries k Cut^3 / 6, or k Rest Cut^2 / 2 +
    // k Cut^3 / 3 with its rate starting at k Rest.
    {"rising across the left root", Both, {Dist(A - Cut, 0, 2 * w, Cut + Rest)},
     {AcrossW * (1 + 1000.0 / 6 / L), -AcrossW * 1000.0 / 6 / L}, {-k2 * Cut * Cut * Cut / 6, 0}, _,
     AcrossW * 1000.0 / 6 / L, _, -k2 * Cut * Cut * Cut / 6, 0, _, _, k2 * (Cut - A / 2) * (Cut - A / 2) / 2, 0},
    {"rising across the right root", Both, {Dist(RhcRoot - Rest, 0, 2 * w, Rest + Cut)},
     {-AcrossW * 5000.0 / 6 / L, AcrossW * (1 + 5000.0 / 6 / L)}, {0, -AcrossRoot}, 0, -AcrossW * 5000.0 / 6 / L, _, 0,
     -AcrossRoot, _, _, 0, k2 * ((Rest + A / 2) + (Rest + Cut)) / 2 * (Cut - A / 2)},
    {"uniform over the whole beam", Both, {Dist(0, w, w, B)}, {w * B / 2, w * B / 2}, {-WholeM, -WholeM},
     w * L * L / 8 - WholeM, 0, 5 * w * L4 / (384 * EI) - WholeM * L * L / (8 * EI), -WholeM, -WholeM, WholeTip,
     WholeTip, w * A / 2, w * A / 2},
    {"rising over the whole beam", Both, {Dist(0, 0, w, B)}, {k * B * B / 2 - RisingR2, RisingR2},
     {-RisingM1, -RisingM2}, _, _, _, -RisingM1, -RisingM2, _, _, k * A * A / 8,
     k * (A + L + A / 2 + B) / 2 * A / 2},

    // A cantilever beside a fixed end: the far fixed end takes back half the
    // root moment; the near one holds the cantilever alone.
    {"left tip load, right end fixed", LhcFixedRight, {Pt(0, P)}, {P + 3 * P * A / (2 * L), -3 * P * A / (2 * L)},
     {-P * A, P * A / 2}, P * A / 2, 3 * P * A / (2 * L), -P * A * L * L / (32 * EI), -P * A, 0,
     PointTip + P * A * L / (4 * EI) * A, _, P, _},
    {"right tip load, right end fixed", RhcFixedRight, {Pt(L + A, P)}, {0, P}, {0, 0}, 0, 0, 0, 0, -P * A, _,
     PointTip, _, P},

    // Continuous spans, by the three-moment equation.
    {"two spans, uniform", Two, {Dist(0, w, w, 2 * L)}, {3 * w * L / 8, 10 * w * L / 8, 3 * w * L / 8},
     {0, -w * L * L / 8, 0}, 9 * w * L * L / 128, -w * L / 8, _},
    {"two spans, uniform on the first", Two, {Dist(0, w, w, L)}, {7 * w * L / 16, 5 * w * L / 8, -w * L / 16},
     {0, -w * L * L / 16, 0}, _, -w * L / 16, _},
    {"two spans, rising on the first", Two, {Dist(0, 0, w, L)}, {2 * w * L / 15, 2 * w * L / 5, -w * L / 30},
     {0, -w * L * L / 30, 0}, _, w * L / 120, _},
    {"two spans, point at the second's middle", Two, {Pt(1.5 * L, P)}, {-3 * P / 32, 11 * P / 16, 13 * P / 32},
     {0, -3 * P * L / 32, 0}, 0, -3 * P / 32, _},
    {"two spans, point in the middle support's window", Two, {Pt(L + 1, P)}, {0, P, 0}, {0, 0, 0}, 0, 0, 0},
    {"two spans, point just outside the middle support's window", Two, {Pt(L + Beside, P)},
     {-BesideM / L, P * (L - Beside) / L + 2 * BesideM / L, P * Beside / L - BesideM / L}, {0, -BesideM, 0}, 0,
     -BesideM / L, _},
    // Symmetry holds the middle support still: two fixed-ended spans.
    {"two spans, fixed ends, uniform", TwoFixed, {Dist(0, w, w, 2 * L)}, {w * L / 2, w * L, w * L / 2},
     {-w * L * L / 12, -w * L * L / 12, -w * L * L / 12}, w * L * L / 24, 0, w * L4 / (384 * EI)},
    {"three spans, uniform", Three, {Dist(0, w, w, 3 * L)}, {0.4 * w * L, 1.1 * w * L, 1.1 * w * L, 0.4 * w * L},
     {0, -0.1 * w * L * L, -0.1 * w * L * L, 0}, _, -0.1 * w * L, _},
};

void Set(const Row& r) {
    SetBeam(r.beam.spans, r.beam.lhc, r.beam.rhc);
    if (r.beam.fixedLeft) SupportTypes[0] = SupportFixed;
    if (r.beam.fixedRight) SupportTypes[25] = SupportFixed;
    int slot = 0;
    for (const Load& l : r.loads) {
        if (l.point)
            PointLoad(++slot, l.d, l.w1, 1.0);
        else
            Udl(++slot, l.d, l.w1, l.w2, l.c, 1.0);
    }
    FinishLoads();
}

// Within rel of the value and 1e-7 of the row's scale.
void ExpectClose(const char* what, double actual, double expected, double scale, double rel) {
    if (std::isnan(expected)) return;
    EXPECT_NEAR(actual, expected, rel * std::fabs(expected) + 1e-7 * scale + 1e-9) << what;
}

}  // namespace

TEST(ClosedForm, ReactionsEndMomentsAndTipDeflections) {
    for (const Row& r : Rows) {
        SCOPED_TRACE(r.name);
        Set(r);
        Analyse();
        const int n = SavedSpanIntervals, spans = NumSpans;
        ASSERT_EQ(r.R.size(), size_t(spans + 1));
        double forces = 0, deflections = 0;
        for (double v : r.R) forces = std::max(forces, std::fabs(v));
        for (double v : {r.sag, r.tipL, r.tipR}) deflections = std::max(deflections, std::isnan(v) ? 0 : std::fabs(v));
        const double moments = forces * BeamLength;
        for (int k = 1; k <= spans + 1; ++k) {
            ExpectClose("reaction", CaseReaction[1][k], r.R[k - 1], forces, 1e-6);
            if (k > 1) ExpectClose("moment left of the support", CaseMoment[1][k - 1][n + 1], r.M[k - 1], moments, 1e-6);
            if (k <= spans) ExpectClose("moment right of the support", CaseMoment[1][k][1], r.M[k - 1], moments, 1e-6);
        }
        ExpectClose("left root moment", CaseCantMoment[1][1][1], r.rootL, moments, 1e-6);
        ExpectClose("right root moment", CaseCantMoment[1][2][1], r.rootR, moments, 1e-6);
        ExpectClose("peak moment", SpanMomentMax[1][1], r.peak, moments, 1e-4);
        ExpectClose("shear at midspan", CaseShear[1][1][n / 2 + 1], r.shear, forces, 1e-6);
        ExpectClose("shear at the left cantilever's middle", CaseCantShear[1][1][n / 2 + 1], r.beyondL, forces, 1e-6);
        ExpectClose("shear at the right cantilever's middle", CaseCantShear[1][2][n / 2 + 1], r.beyondR, forces, 1e-6);
        ExpectClose("midspan deflection", -CaseDeflection[1][1][11], r.sag, deflections, 1e-6);
        // Tips combine bending and the support's turn through small angles: within 1e-4.
        ExpectClose("left tip deflection", -CaseCantDeflection[1][1][21], r.tipL, deflections, 1e-4);
        ExpectClose("right tip deflection", -CaseCantDeflection[1][2][21], r.tipR, deflections, 1e-4);
    }
}
