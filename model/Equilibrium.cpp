#include "Equilibrium.h"
#include <cmath>
#include <string>
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

}  // namespace

void SumAppliedLoads() {
    for (int lc = 1; lc <= NumLoadcases; ++lc) {
        Real sum = 0;
        for (int i = 1; i <= LoadSlots; ++i) sum += AppliedSlotLoad(LoadTable[lc][i]);
        CaseLoadTotal[lc] = ToDouble(sum);
    }
}

void CheckEquilibrium() {
    for (int lc = 1; lc <= NumLoadcases; ++lc) {
        float total = 0;
        for (int k = 1; k <= NumSpans + 1; ++k) total = ToSingle(total + CaseReaction[lc][k]);
        ReactionTotal[lc] = total;
        if (CaseAppliedLoad[lc] == 0) CaseAppliedLoad[lc] = NearZero;
        if (ReactionTotal[lc] == 0) ReactionTotal[lc] = NearZero;
        const float ratio = ToSingle(Div(CaseAppliedLoad[lc], ReactionTotal[lc]));
        const Real difference = std::fabs(Real(CaseAppliedLoad[lc]) - ReactionTotal[lc]);
        if (difference <= Tolerance * LoadMagnitude(lc)) continue;
        ShowMessage(" ERROR  \r Loadcase  " + std::to_string(lc) +
                    "\r Total applied load / Total support reactions = " + SigFig3Dec3(ratio));
    }
}
