#include "Cantilever.h"
#include <algorithm>
#include "AnalysisState.h"
#include "Checked.h"
#include "Global.h"
#include "LoadPieces.h"

BArray2<float, 1, 2, 1, 2005> CantShear;
BArray2<float, 1, 2, 1, 2005> CantMoment;
BArray3<double, 1, 2, 1, 201, 1, 201> CantUnitMoment;
BArray2<double, 1, 2, 1, 201> CantBendingDeflection;

namespace {

int Member(int c) { return c == 1 ? LHC : RHC; }

// Adds one piece (root-frame start a, length len, total w) to cantilever c.
void AddPiece(int c, double kind, Real a, Real len, Real w, Real lc, int n) {
    const bool tri = kind == PieceRising || kind == PieceFalling;
    const Real p = tri ? Div(2 * w, len) : 0;
    for (int i = 1; i <= n + 1; ++i) {
        const Real x = lc * (i - 1) / n;
        Real v = 0, m = 0;
        if (AtOrBefore(x, a)) {
            v = w;
            if (kind == PiecePoint) m = w * std::max(a - x, Real(0));   // no arm at the load
            else if (kind == PieceUniform) m = w * (a + len / 2 - x);
            else if (kind == PieceRising) m = w * (a + 2 * len / 3 - x);
            else if (kind == PieceFalling) m = w * (a + len / 3 - x);
        } else if (AtOrBefore(x, a + len) && kind != PiecePoint) {
            const Real r = a + len - x;
            if (kind == PieceUniform) {
                v = Div(w * r, len);
                m = Div(w, len) * r * r / 2;
            } else if (kind == PieceRising) {
                const Real q = p * (1 - r / len);
                v = (p + q) * r / 2;
                m = q * r * r / 2 + (p - q) * r * r / 3;
            } else if (kind == PieceFalling) {
                const Real e = p * r / len;
                v = e * r / 2;
                m = e * r * r / 6;
            }
        }
        CantShear[c][i] = ToSingle(CantShear[c][i] + v);
        CantMoment[c][i] = ToSingle(CantMoment[c][i] + m);
    }
}

// CantMomentMax and CantMomentMin of CurrentCase from CantMoment (rows root-first).
void CantileverMomentExtremes() {
    const int n = SpanIntervals;
    for (int c = 1; c <= 2; ++c) {
        float mx = 0, mn = 0;
        for (int i = 1; i <= n + 1; ++i) {
            if (CantMoment[c][i] > mx) mx = CantMoment[c][i];
            if (CantMoment[c][i] < mn) mn = CantMoment[c][i];
        }
        CantMomentMax[CurrentCase][c] = mx;
        CantMomentMin[CurrentCase][c] = mn;
    }
}

}  // namespace

void CantileverForces() {
    const int n = SpanIntervals;
    for (int c = 1; c <= 2; ++c) {
        const Real lc = MemberLength(Member(c));
        if (lc == 0) continue;
        const int32_t count = c == 1 ? LHCPieceCount : RHCPieceCount;
        for (int i = 1; i <= count; ++i) {
            const CantCollectedPiece& pc = CantPieceList[c][i];
            double kind = pc.Kind;
            Real a = pc.Start;
            const Real len = pc.Length;
            if (c == 1) {
                // Left cantilever pieces are measured from the free end.
                a = lc - a - (kind == PiecePoint ? 0 : len);
                if (kind == PieceRising) kind = PieceFalling;
                else if (kind == PieceFalling) kind = PieceRising;
            }
            AddPiece(c, kind, a, len, pc.Total, lc, n);
        }
    }
    for (int c = 1; c <= 2; ++c)
        for (int i = 1; i <= n + 1; ++i) CantMoment[c][i] = -CantMoment[c][i];
    CantileverMomentExtremes();
}

void CantileverUnitMoments() {
    const int n = SpanIntervals;
    for (int c = 1; c <= 2; ++c) {
        const Real lc = MemberLength(Member(c));
        if (lc == 0) continue;
        const Real sign = c == 2 ? -1 : 1;
        for (int k = 1; k <= n + 1; ++k) {
            const double xk = ToDouble(lc * (k - 1) / n);
            for (int j = 1; j <= n + 1; ++j) {
                const double xj = ToDouble(lc * (j - 1) / n);
                CantUnitMoment[c][k][j] = xj <= xk ? ToDouble(sign * (Real(xk) - xj)) : 0.0;
            }
        }
    }
}

void CantileverDeflection() {
    const int n = SpanIntervals;
    for (int c = 1; c <= 2; ++c) {
        const int m = Member(c);
        if (!MemberPresent(m)) continue;
        const Real scale = Div(MemberLength(m), Real(n) * SpanIxx[m] * SpanE[m]) / 3;
        for (int k = 1; k <= n + 1; ++k) {
            Real sum = 0;
            for (int j = 1; j <= n + 1; ++j)
                sum += SimpsonWeight(j, n) * Real(CantMoment[c][j]) * CantUnitMoment[c][k][j] * scale;
            CantBendingDeflection[c][k] = ToDouble(sum);
        }
    }
}
