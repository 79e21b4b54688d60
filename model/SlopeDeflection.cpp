#include "SlopeDeflection.h"
#include "AnalysisState.h"
#include "Checked.h"
#include "Global.h"
#include "LoadPieces.h"

BArray<double, 1, 26> StiffDiag, StiffOffDiag;
BArray<double, 1, 25> FixedEndMomentL, FixedEndMomentR;
BArray<double, 1, 26> LoadVector;
BArray<double, 1, 26> JointRotation;
BArray<double, 1, 25> EndMomentL, EndMomentR;

namespace {
constexpr Real FixedEndFactor = 1e14L;   // suppresses the rotation of a fixed end
}

void BuildStiffnessMatrix() {
    const int n = NumSpans;
    Real d = 4 * Real(SpanStiffness[1]);
    if (SupportTypes[0] == SupportFixed) d *= FixedEndFactor;
    StiffDiag[1] = ToDouble(d);
    StiffOffDiag[1] = ToDouble(2 * Real(SpanStiffness[1]));
    for (int i = 2; i <= n; ++i) {
        StiffDiag[i] = ToDouble(4 * (Real(SpanStiffness[i - 1]) + SpanStiffness[i]));
        StiffOffDiag[i] = ToDouble(2 * Real(SpanStiffness[i]));
    }
    d = 4 * Real(SpanStiffness[n]);
    if (SupportTypes[25] == SupportFixed) d *= FixedEndFactor;
    StiffDiag[n + 1] = ToDouble(d);
    StiffOffDiag[n + 1] = 0;
}

void FixedEndMoments() {
    for (int s = 1; s <= NumSpans; ++s) {
        const Real L = MemberLength(s);
        const Real L2 = L * L;
        Real left = 0, right = 0;
        for (int i = 1; i <= SpanPieceCount[s]; ++i) {
            const CollectedPiece& p = SpanPieceList[s][i];
            const Real W = p.Total, a = p.Start, c = p.Length;
            const Real c2 = c * c, c3 = c2 * c;
            if (p.Kind == 1) {
                const Real b = L - a;
                left += Div(W * a * b * b, L2);
                right += Div(W * a * a * b, L2);
            } else if (p.Kind == 2) {
                const Real ac = a + c / 2, b = L - ac;
                left += Div((ac * b * b + (ac - 2 * b) * c2 / 12) * W, L2);
                right += Div((b * ac * ac + (b - 2 * ac) * c2 / 12) * W, L2);
            } else if (p.Kind == 3 || p.Kind == 4) {
                const Real ac = p.Kind == 3 ? a + 2 * c / 3 : a + c / 3, b = L - ac;
                const Real skew = p.Kind == 3 ? -c3 / 135 : c3 / 135;
                left += Div((ac * b * b + (ac - 2 * b) * c2 / 18 + skew) * W, L2);
                right += Div((b * ac * ac + (b - 2 * ac) * c2 / 18 - skew) * W, L2);
            }
        }
        FixedEndMomentL[s] = ToDouble(left);
        FixedEndMomentR[s] = ToDouble(right);
    }
}

void BuildLoadVector() {
    const int n = NumSpans;
    LoadVector[1] = ToDouble(-Real(FixedEndMomentL[1]) - LHCRootMoment);
    for (int i = 2; i <= n; ++i) LoadVector[i] = ToDouble(Real(FixedEndMomentR[i - 1]) - FixedEndMomentL[i]);
    LoadVector[n + 1] = ToDouble(Real(FixedEndMomentR[n]) - RHCRootMoment);
}

void SolveRotations() {
    const int n = NumSpans;
    // Forward elimination, keeping the eliminated pivots and right-hand sides.
    BArray<Real, 1, 26> pivot, rhs;
    pivot[1] = StiffDiag[1];
    rhs[1] = LoadVector[1];
    for (int i = 2; i <= n + 1; ++i) {
        const Real m = Div(StiffOffDiag[i - 1], pivot[i - 1]);
        rhs[i] = LoadVector[i] - m * rhs[i - 1];
        pivot[i] = StiffDiag[i] - m * StiffOffDiag[i - 1];
    }
    // Back-substitution.
    Real next = Div(rhs[n + 1], pivot[n + 1]);
    JointRotation[n + 1] = ToDouble(next);
    for (int i = n; i >= 1; --i) {
        next = Div(rhs[i] - StiffOffDiag[i] * next, pivot[i]);
        JointRotation[i] = ToDouble(next);
    }
    for (int s = 1; s <= n; ++s) {
        const Real k = SpanStiffness[s];
        const Real a = JointRotation[s], b = JointRotation[s + 1];
        EndMomentL[s] = ToDouble(k * (4 * a + 2 * b) + FixedEndMomentL[s]);
        EndMomentR[s] = ToDouble(k * (2 * a + 4 * b) - FixedEndMomentR[s]);
    }
}
