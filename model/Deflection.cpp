#include "Deflection.h"
#include <cmath>
#include "AnalysisState.h"
#include "Cantilever.h"
#include "Checked.h"
#include "Global.h"
#include "SlopeDeflection.h"
#include "SpanForces.h"

BArray3<double, 1, 25, 1, 21, 1, 21> UnitMomentTable;
BArray2<double, 0, 25, 1, 201> SpanDeflection;
BArray2<double, 1, 2, 1, 22> CantDeflection;

namespace {
constexpr int Points = 21;
constexpr double AngleCap = 1.5707;

// Deflection line of a cantilever from its bending and the support rotation.
void CantileverLine(int c, Real lc, Real rotation, Real sign) {
    for (int k = 2; k <= Points; ++k) {
        const Real x = lc * (k - 1) / 20;
        Real angle = sign * (std::atan(Div(CantBendingDeflection[c][k], x)) - rotation);
        if (angle > AngleCap) angle = AngleCap;
        CantDeflection[c][k] = ToDouble(x * std::tan(angle));
    }
    CantDeflection[c][1] = 0;
}
}  // namespace

void UnitMomentDiagram() {
    const int u = UnitLoadSpan, p = UnitLoadPoint;
    const Real L = MemberLength(u);
    // Station positions of the span, kept while the same length comes back.
    static Real lastL = -1, xs[Points + 1];
    if (L != lastL) {
        for (int j = 1; j <= Points; ++j) xs[j] = L * (j - 1) / 20;
        lastL = L;
    }
    const Real a = xs[p];
    const Real RA = Div(L - a, L), RB = 1 - RA;
    auto& row = UnitMomentTable[u][p];
    for (int j = 1; j <= Points; ++j) row[j] = ToDouble(xs[j] <= a ? RA * xs[j] : (L - xs[j]) * RB);
}

void IntegrateDeflection() {
    const int cc = CurrentCase;
    for (int s = 1; s <= NumSpans; ++s) {
        const Real scale = Div(MemberLength(s), 20 * SpanIxx[s] * Real(SpanE[s])) / 3;
        for (int p = 1; p <= Points; ++p) {
            Real d = 0;
            for (int j = 1; j <= Points; ++j)
                d += SimpsonWeight(j, 20) * SpanMoment[s][j - 1] * UnitMomentTable[s][p][j];
            SpanDeflection[s][p] = ToDouble(-(d * scale));
        }
    }
    if (MemberLength(LHC) != 0) CantileverLine(1, MemberLength(LHC), JointRotation[1], 1);
    if (MemberLength(RHC) != 0) CantileverLine(2, MemberLength(RHC), JointRotation[NumSpans + 1], -1);

    for (int s = 1; s <= NumSpans; ++s) {
        float mx = 0, mn = 0;
        for (int p = 1; p <= Points; ++p) {
            const float v = float(SpanDeflection[s][p]);
            if (v > mx) mx = v;
            if (v < mn) mn = v;
        }
        if (-mn > mx) mx = mn;
        SpanMaxDeflection[cc][s] = -mx;
    }
}
