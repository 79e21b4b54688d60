#include "SpanForces.h"
#include <algorithm>
#include "AnalysisState.h"
#include "Cantilever.h"
#include "Checked.h"
#include "Global.h"
#include "LoadPieces.h"
#include "SlopeDeflection.h"

BArray2<double, 0, 25, 0, 2004> SpanShear;
BArray2<double, 0, 25, 0, 2004> SpanMoment;
BArray<double, 1, 26> SupportReaction;

namespace {

// Centroid distance of a piece from the span's left end.
Real Centroid(const CollectedPiece& p) {
    const Real a = p.Start, c = p.Length;
    if (p.Kind == 2) return a + c / 2;
    if (p.Kind == 3) return a + 2 * c / 3;
    if (p.Kind == 4) return a + c / 3;
    return a;
}

// Adds the simply supported shear and moment of one piece to a span's rows;
// xs holds the station positions. The rows are checked for overflow once
// all pieces are in (SpanShearMoment).
void AddPiece(const CollectedPiece& p, Real L, int n, const double* xs, double* shear, double* moment) {
    const Real W = p.Total, a = p.Start, c = p.Length;
    const Real RA = Div(W * (L - Centroid(p)), L);
    const Real RB = W - RA;
    const double dac = ToDouble(a + c);
    int j = 0;
    // Left of the piece. The span's right end lies right of every piece,
    // however close to it the piece starts: its reaction takes all of RB.
    for (; j < n && AtOrBefore(xs[j], a); ++j) {
        shear[j] = double(shear[j] + RA);
        moment[j] = double(moment[j] + RA * xs[j]);
    }
    // Under the piece.
    if (p.Kind == 2 || p.Kind == 3 || p.Kind == 4) {
        for (; j < n && AtOrBefore(xs[j], a + c); ++j) {
            const double x = xs[j];
            // A station a rounding past a short piece's end has all of it.
            const Real xp = std::min(x - a, c);
            Real v, m;
            if (p.Kind == 2) {
                v = RA - W * xp / c;
                m = x < dac ? (a + xp) * RA - (W * xp / c) * xp / 2 : (L - x) * RB;
            } else if (p.Kind == 3) {
                const double w2 = double(W * (xp / c) * (xp / c));
                v = RA - w2;
                m = x < dac ? (a + xp) * RA - w2 * xp / 3 : (L - x) * RB;
            } else {
                const Real cx = c - xp;
                const double w2 = double(W * (cx / c) * (cx / c));
                v = w2 - RB;
                m = x < dac ? (L - x) * RB - w2 * cx / 3 : (L - x) * RB;
            }
            shear[j] = double(shear[j] + v);
            moment[j] = double(moment[j] + m);
        }
    } else if (p.Kind != 1) {
        for (; j < n && AtOrBefore(xs[j], a + c); ++j) {}   // a piece of no known kind adds nothing there
    }
    // Right of the piece.
    for (; j <= n; ++j) {
        shear[j] = double(shear[j] - RB);
        moment[j] = double(moment[j] + (L - xs[j]) * RB);
    }
}

}  // namespace

void SpanShearMoment() {
    const int n = SpanIntervals;
    if (n < 1 || n > LastStation) RaiseRangeCheck();
    for (int s = 1; s <= NumSpans; ++s) {
        const Real L = MemberLength(s);
        const Real v0 = Div(Real(EndMomentL[s]) + EndMomentR[s], L);
        double* shear = &SpanShear[s][0];
        double* moment = &SpanMoment[s][0];
        static double xs[LastStation + 1];
        for (int j = 0; j <= n; ++j) {
            xs[j] = ToDouble(L * j / n);
            shear[j] = ToDouble(v0);
            moment[j] = ToDouble(v0 * L * j / n - EndMomentL[s]);
        }
        for (int i = 1; i <= SpanPieceCount[s]; ++i) AddPiece(SpanPieceList[s][i], L, n, xs, shear, moment);
        for (int j = 0; j <= n; ++j) {
            Chk(shear[j]);  // raises the float error of a value that is not finite
            Chk(moment[j]);
        }
    }
}

void SpanMomentPeaks() {
    const int n = SpanIntervals, cc = CurrentCase;
    for (int s = 1; s <= NumSpans; ++s) {
        const Real L = MemberLength(s);
        for (int j = 0; j <= n; ++j)
            if (SpanMoment[s][j] > SpanMomentMax[cc][s]) {
                SpanMomentMax[cc][s] = ToSingle(SpanMoment[s][j]);
                SpanMomentMaxX[cc][s] = ToSingle(ToDouble(L * j / n));
            }
        for (int j = 0; j <= n; ++j)
            if (SpanMoment[s][j] < SpanMomentMin[cc][s]) {
                SpanMomentMin[cc][s] = ToSingle(SpanMoment[s][j]);
                SpanMomentMinX[cc][s] = ToSingle(ToDouble(L * j / n));
            }
    }
}

void ClearSpanMomentPeaks() {
    const int cc = CurrentCase;
    for (int s = 1; s <= MaxSpans; ++s)
        SpanMomentMax[cc][s] = SpanMomentMin[cc][s] = SpanMomentMaxX[cc][s] = SpanMomentMinX[cc][s] = 0;
}

void SupportReactions() {
    const int n = SpanIntervals, ns = NumSpans, cc = CurrentCase;
    SupportReaction.Fill(0);
    if (MemberPresent(LHC)) SupportReaction[1] = CantShear[1][1];
    for (int s = 1; s <= ns; ++s) {
        SupportReaction[s] = ToDouble(SupportReaction[s] + Real(SpanShear[s][0]));
        SupportReaction[s + 1] = -SpanShear[s][n];
    }
    for (int k = 1; k <= ns + 1; ++k)
        SupportReaction[k] = ToDouble(SupportReaction[k] + Real(DirectSupportLoad[cc][k]));
    if (MemberPresent(RHC))
        SupportReaction[ns + 1] = ToDouble(SupportReaction[ns + 1] + Real(CantShear[2][1]));
}
