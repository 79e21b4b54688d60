#include "LoadOutline.h"
#include <algorithm>
#include <cfloat>
#include <cmath>

namespace {

constexpr int OutlineRows = 50;

// Each step of the outline is rounded to a single; one beyond the singles
// is kept in extended precision, so that the stack is never a product of
// overflow.
Real Rounded(Real v) { return HeldAsSingle(v) ? Real(float(v)) : v; }

// Rate of load j at x, from its own end rates.
Real RateAt(const BArray2<float, 1, 2, 1, 4>& j, float lj, float x) {
    const Real rise = Rounded(Real(j[2][OutlineRate]) - j[1][OutlineRate]);
    const Real along = Rounded(Real(x) - j[1][OutlineX]);
    return Rounded(rise * along / lj + j[1][OutlineRate]);
}

// A load's end beyond the singles lies at the largest one, within a
// ten-millionth of the beam's end.
float Saturated(Real v) { return float(std::clamp(v, Real(-FLT_MAX), Real(FLT_MAX))); }

// Rates stacked beyond the singles are infinite, which every label shows as
// no number.
float Stacked(Real v) { return HeldAsSingle(v) ? float(v) : v > 0 ? HUGE_VALF : -HUGE_VALF; }

}  // namespace

UDLOutlineCase UDLOutlineOfLoads(const CaseLoads& loads) {
    UDLOutlineCase o{};
    for (int i = 1; i <= OutlineRows; ++i) {
        const LoadRecord& r = loads[i];
        if (r[LKind] != KindUDL || r[LApplied] != 1.0f) continue;
        o[i][1][OutlineX] = r[LDist];
        o[i][2][OutlineX] = Saturated(Real(r[LDist]) + r[LCover]);
        o[i][1][OutlineRate] = r[LStart];
        o[i][2][OutlineRate] = r[LFinish];
        o[i][1][OutlineFactor] = o[i][2][OutlineFactor] = r[LFactor];
    }
    BArray<float, 1, OutlineRows> length;
    for (int i = 1; i <= OutlineRows; ++i) {
        for (int end = 1; end <= 2; ++end) o[i][end][OutlineStacked] = o[i][end][OutlineRate];
        length[i] = o[i][2][OutlineX] - o[i][1][OutlineX];
    }
    // Start ends first, then finish ends; a load's interval holds its start
    // but not its finish for a start end, and the reverse for a finish end.
    for (int end = 1; end <= 2; ++end)
        for (int i = 1; i <= OutlineRows; ++i) {
            if (length[i] == 0.0f) continue;
            const float x = o[i][end][OutlineX];
            Real stacked = o[i][end][OutlineRate];
            for (int j = 1; j <= OutlineRows; ++j) {
                if (j == i || length[j] == 0.0f) continue;
                const float x1 = o[j][1][OutlineX], x2 = o[j][2][OutlineX];
                const bool inside = end == 1 ? (x1 <= x && x < x2) : (x1 < x && x <= x2);
                if (inside) stacked = Rounded(stacked + RateAt(o[j], length[j], x));
            }
            o[i][end][OutlineStacked] = Stacked(stacked);
        }
    return o;
}
