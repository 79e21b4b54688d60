#include "StressText.h"
#include <cmath>
#include "AnalysisState.h"
#include "Checked.h"
#include "ResultTexts.h"
#include "SigFig.h"

namespace {

// Stress of a member from its largest moment magnitude; false when y is 0.
// A y below the neutral axis, typed negative, is as far from it.
bool MemberStress(int cc, int member, float& stress) {
    const double y = std::fabs(BeamGeometryTable[member][GY]);
    if (y == 0) return false;
    stress = ToSingle(Div(Real(MomentSummary[cc][member][5]) * y, BeamGeometryTable[member][GIxx]));
    return true;
}

float CountFactoredLoads() {
    float count = 0;
    for (int lc = 1; lc <= NumLoadcases; ++lc)
        for (int k = 1; k <= LoadSlots; ++k)
            if (LoadTable[lc][k][LApplied] == 1.0f && LoadTable[lc][k][LFactor] != 1.0f) count += 1;
    return count;
}

std::string Stress(float s) { return SigFig4Dec3(double(s) * Factor_St) + " " + Unit_St.str(); }

}  // namespace

void BuildStressText() {
    const int cc = CurrentCase;
    // Stresses are magnitudes, so the largest starts from 0.
    float largest = 0, s = 0;
    for (int m : ReportedMembers())
        if (MemberStress(cc, m, s) && s > largest) largest = s;
    if (largest > MaxStress) MaxStress = largest;
    FactoredLoadCount = CountFactoredLoads();
    const bool factored = FactoredLoadCount != 0;
    if (largest != 0)
        CaseStressLine[cc] = (factored ? " Max factored elastic stress for loadcase " : " Max stress for loadcase ") +
                             std::to_string(cc) + " = " + Stress(largest);
    if (MaxStress != 0)
        MaxStressLine = (factored ? " Max factored elastic stress = " : " Max stress = ") + Stress(MaxStress);
}
