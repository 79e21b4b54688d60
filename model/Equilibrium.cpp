#include "Equilibrium.h"
#include <cmath>
#include <string>
#include "AnalysisState.h"
#include "Checked.h"
#include "Global.h"
#include "LoadPieces.h"
#include "Messages.h"
#include "SigFig.h"

namespace {

constexpr float NearZero = 1e-12f;
constexpr Real Tolerance = 0.0005L;

// Sum of the magnitudes of the factored applied loads of a loadcase: a
// distributed load counts the area under the magnitude of its rates.
Real LoadMagnitude(int lc) {
    Real sum = 0;
    for (int i = 1; i <= LoadSlots; ++i) {
        const LoadRecord& r = LoadTable[lc][i];
        if (r[LApplied] != 1.0f) continue;
        const Real f = std::fabs(Real(r[LFactor]));
        const Real w1 = r[LStart], w2 = r[LFinish];
        if (r[LKind] == KindPoint) {
            sum += std::fabs(w1) * f;
        } else if (r[LKind] == KindUDL) {
            const Real c = std::fabs(Real(r[LCover]));
            if (w1 * w2 >= 0)
                sum += std::fabs(w1 + w2) / 2 * c * f;
            else
                sum += (w1 * w1 + w2 * w2) / (2 * std::fabs(w1 - w2)) * c * f;
        }
    }
    return sum;
}

// Two totals of loadcase lc agree within 0.05 % of the sum of its load
// magnitudes (exact zeros count as 1e-12, as the beam file keeps them).
bool TotalsAgree(int lc, Real a, Real b) {
    if (a == 0) a = NearZero;
    if (b == 0) b = NearZero;
    return a == b || std::fabs(a - b) <= Tolerance * LoadMagnitude(lc);
}

// The sum of the support reactions of loadcase lc, in single precision.
float CaseReactionTotal(int lc) {
    float total = 0;
    for (int k = 1; k <= NumSpans + 1; ++k) total = ToSingle(total + CaseReaction[lc][k]);
    return total;
}

}  // namespace

void SumAppliedLoads() {
    for (int lc = 1; lc <= NumLoadcases; ++lc) {
        CurrentCase = lc;
        CaseLoadTotal[lc] = ToDouble(CaseLandedLoad(lc));
        CaseAppliedLoad[lc] = CaseAppliedTotal(lc);
    }
}

bool CaseBalances(int lc) {
    ReactionTotal[lc] = CaseReactionTotal(lc);
    if (ReactionTotal[lc] == 0) ReactionTotal[lc] = NearZero;
    return TotalsAgree(lc, CaseAppliedLoad[lc], ReactionTotal[lc]);
}

void CheckEquilibrium() {
    for (int lc = 1; lc <= NumLoadcases; ++lc) {
        if (CaseAppliedLoad[lc] == 0) CaseAppliedLoad[lc] = NearZero;
        if (UnbalancedMark[lc] != 1 && CaseBalances(lc)) continue;
        const float ratio = ToSingle(Div(CaseAppliedLoad[lc], ReactionTotal[lc]));
        ShowMessage(" ERROR  \r Loadcase  " + std::to_string(lc) +
                    "\r Total applied load / Total support reactions = " + SigFig3Dec3(ratio));
    }
}
