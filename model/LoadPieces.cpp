#include "LoadPieces.h"
#include <algorithm>
#include <cmath>
#include <string>
#include "AnalysisState.h"
#include "Checked.h"
#include "Global.h"
#include "Messages.h"

BArray<MemberPieces, 1, 25> LHCPieces;
BArray2<MemberPieces, 1, 25, 1, 25> SpanPieces;
BArray<MemberPieces, 1, 25> RHCPieces;
int32_t LHCPieceCount = 0, RHCPieceCount = 0;
BArray<int32_t, 1, 25> SpanPieceCount;
BArray2<CollectedPiece, 1, 25, 1, MaxPieces> SpanPieceList;
BArray2<CantCollectedPiece, 1, 2, 1, MaxPieces> CantPieceList;

namespace {

struct Load {
    Real d, w1, w2, c, f;
    bool point, udl;
};

Load ReadLoad(const LoadRecord& r) {
    return {r[LDist], r[LStart], r[LFinish], r[LCover], r[LFactor], r[LKind] == KindPoint,
            r[LKind] == KindUDL};
}

LoadPiece PointPiece(Real a, const Load& l) {
    return {PiecePoint, ToDouble(a), ToDouble(l.w1), 0, 0, ToDouble(l.f), 1.0};
}

// A distributed piece; its kind follows from its two rates.
LoadPiece UdlPiece(Real a, Real r1, Real r2, Real len, const Load& l) {
    LoadPiece p{0, ToDouble(a), ToDouble(r1), ToDouble(r2), ToDouble(len), ToDouble(l.f), 1.0};
    if (p.Rate1 == p.Rate2)
        p.Kind = PieceUniform;
    else if (p.Rate1 == 0)
        p.Kind = PieceRising;
    else if (p.Rate2 == 0)
        p.Kind = PieceFalling;
    return p;
}

// The piece of a distributed load on the left cantilever of length l0, if any.
bool LeftCantileverPiece(const Load& l, Real l0, LoadPiece& p) {
    if (l.d + l.c <= l0) return p = UdlPiece(l.d, l.w1, l.w2, l.c, l), true;
    if (l.d < l0 && l0 < l.d + l.c) {
        Real c1 = l0 - l.d;
        return p = UdlPiece(l.d, l.w1, l.w1 + Div((l.w2 - l.w1) * c1, l.c), c1, l), true;
    }
    return false;
}

// The piece of a distributed load on a span running from x0 to x1, if any.
bool SpanPiece(const Load& l, Real x0, Real x1, LoadPiece& p) {
    const Real len = x1 - x0;
    const Real end = l.d + l.c;
    if (l.d >= x0 && end <= x1) return p = UdlPiece(l.d - x0, l.w1, l.w2, l.c, l), true;
    if (l.d < x0 && x0 < end && end <= x1) {
        Real c1 = end - x0;
        if (c1 > len) c1 = len;
        return p = UdlPiece(0, l.w2 - Div((l.w2 - l.w1) * c1, l.c), l.w2, c1, l), true;
    }
    if (l.d < x0 && end > x1) {
        Real r1 = l.w1 + Div((l.w2 - l.w1) * (x0 - l.d), l.c);
        Real r2 = l.w2 - Div((l.w2 - l.w1) * (end - x1), l.c);
        return p = UdlPiece(0, r1, r2, len, l), true;
    }
    if (x0 <= l.d && l.d < x1 && x1 < end) {
        Real c1 = x1 - l.d;
        return p = UdlPiece(len - c1, l.w1, l.w1 + Div((l.w2 - l.w1) * c1, l.c), c1, l), true;
    }
    return false;
}

// The piece of a distributed load on the right cantilever from root x0 to the
// beam end x1. A load ending past the end by no more than tol is cut at the end.
bool RightCantileverPiece(const Load& l, Real x0, Real x1, Real tol, LoadPiece& p) {
    const Real end = l.d + l.c;
    if (end > x1 + tol) return false;
    const Real cut = end > x1 ? x1 : end;
    const Real rateAtCut = end > x1 ? l.w2 - Div((l.w2 - l.w1) * (end - cut), l.c) : l.w2;
    if (l.d <= x0 && x0 < end) {
        Real c1 = end - x0;
        return p = UdlPiece(0, l.w2 - Div((l.w2 - l.w1) * c1, l.c), rateAtCut, cut - x0, l), true;
    }
    if (x0 < l.d && l.d < cut) return p = UdlPiece(l.d - x0, l.w1, rateAtCut, cut - l.d, l), true;
    return false;
}

// Support nodes 1..NumSpans + 1 and the window of tol either side of each,
// in the one (single-precision) arithmetic that decides where a point load stands.
struct SupportWindows {
    BArray<float, 1, 26> at;
    float tol = 0, beamEnd = 0;

    SupportWindows() {
        tol = float(0.0001L * float(BeamLength));
        float s = float(MemberLength(LHC));
        for (int k = 1; k <= NumSpans + 1; ++k) {
            if (k > 1) s = float(s + MemberLength(k - 1));
            at[k] = s;
        }
        beamEnd = float(s + MemberLength(RHC));
    }
    // The node nearest d whose window holds d (the first on a tie); 0 for none.
    int NodeUnder(float d) const {
        int node = 0;
        float nearest = 0;
        for (int k = 1; k <= NumSpans + 1; ++k) {
            if (d < float(at[k] - tol) || d > float(at[k] + tol)) continue;
            const float gap = std::fabs(float(d - at[k]));
            if (node == 0 || gap < nearest) node = k, nearest = gap;
        }
        return node;
    }
    // The member carrying a point load at d that stands on no support: LHC,
    // a span or RHC; -1 off the beam. The right tip has the support tolerance.
    int MemberUnder(float d) const {
        if (d < at[1]) return MemberPresent(LHC) ? LHC : -1;
        for (int s = 1; s <= NumSpans; ++s)
            if (d < at[s + 1]) return s;
        return MemberPresent(RHC) && d <= float(beamEnd + tol) ? RHC : -1;
    }
};

// Where the analysis places loads: the support nodes as the cutting adds
// them up, and their windows.
struct BeamPlan {
    SupportWindows windows;
    BArray<Real, 1, 26> node;
    bool lhc = MemberPresent(LHC), rhc = MemberPresent(RHC);
    Real rhcRoot = 0, beamEnd = 0;

    BeamPlan() {
        node[1] = MemberLength(LHC);
        for (int k = 2; k <= 26; ++k) node[k] = node[k - 1] + MemberLength(k - 1);
        rhcRoot = node[NumSpans + 1];
        beamEnd = rhcRoot + MemberLength(RHC);
    }
};

// The pieces one load gives, each handed to put with its member. A point load
// on a support gives none (FormDirectSupportLoads puts it there).
template <class Put>
void CutLoad(const LoadRecord& r, const BeamPlan& b, Put put) {
    const Load l = ReadLoad(r);
    LoadPiece p;
    if (l.point) {
        if (b.windows.NodeUnder(r[LDist]) != 0) return;
        const int m = b.windows.MemberUnder(r[LDist]);
        if (m == LHC)
            put(LHC, PointPiece(l.d, l));
        else if (m == RHC)   // a tip load a hair past the end stands at the end
            put(RHC, PointPiece(std::min(l.d, b.beamEnd) - b.rhcRoot, l));
        else if (m > 0)
            put(m, PointPiece(l.d - b.node[m], l));
        return;
    }
    if (!l.udl) return;
    if (b.lhc && LeftCantileverPiece(l, b.node[1], p)) put(LHC, p);
    for (int s = 1; s <= NumSpans; ++s)
        if (SpanPiece(l, b.node[s], b.node[s + 1], p)) put(s, p);
    if (b.rhc && RightCantileverPiece(l, b.rhcRoot, b.beamEnd, b.windows.tol, p)) put(RHC, p);
}

// A piece as the analysis keeps it: through single precision.
LoadPiece AsSingles(const LoadPiece& q) {
    return {float(q.Kind), float(q.Start), float(q.Rate1), float(q.Rate2), float(q.Length), float(q.Factor),
            float(q.Applied)};
}

// A piece that carries load: a rate or load, applied, and a distributed
// piece of some length.
bool Kept(const LoadPiece& p) {
    return (p.Rate1 != 0 || p.Rate2 != 0) && p.Applied == 1.0 && (p.Kind == PiecePoint || p.Length != 0);
}

// The total force of a piece under the factor f.
Real PieceLoad(const LoadPiece& p, Real f) {
    return p.Kind == PiecePoint ? p.Rate1 * f : (Real(p.Rate1) + p.Rate2) / 2 * p.Length * f;
}

// The factored load one slot puts on the beam: a point load standing on a
// support, and the totals of the pieces kept of it; 0 when not applied.
Real LandedLoad(const LoadRecord& r, const BeamPlan& b) {
    if (r[LApplied] != 1.0f) return 0;
    if (r[LKind] == KindPoint && b.windows.NodeUnder(r[LDist]) != 0) return Real(r[LStart]) * r[LFactor];
    Real sum = 0;
    CutLoad(r, b, [&sum](int, const LoadPiece& piece) {
        const LoadPiece p = AsSingles(piece);
        if (Kept(p)) sum += PieceLoad(p, p.Factor);
    });
    return sum;
}

// Splits every trapezoid into a uniform piece and a triangle appended after
// the 51 slot pieces, then keeps the loaded pieces in order; returns their count.
int32_t SplitAndCompact(MemberPieces& pieces) {
    int next = LoadSlots + 1;
    for (int i = 1; i <= LoadSlots; ++i) {
        LoadPiece& p = pieces[i];
        if (p.Kind != 0 || p.Applied != 1.0) continue;
        LoadPiece tri{PieceRising, p.Start, 0, ToDouble(Real(p.Rate2) - p.Rate1), p.Length, p.Factor, p.Applied};
        p = {PieceUniform, p.Start, p.Rate1, p.Rate1, p.Length, p.Factor, p.Applied};
        pieces[next++] = tri;
    }
    int32_t count = 0;
    for (int i = 1; i <= MaxPieces; ++i) {
        const LoadPiece p = AsSingles(pieces[i]);
        if (Kept(p)) pieces[++count] = p;
    }
    for (int i = count + 1; i <= MaxPieces; ++i) pieces[i] = LoadPiece{};
    return count;
}

}  // namespace

float CaseAppliedTotal(int lc) {
    const BeamPlan plan;
    float sum = 0;
    for (int i = 1; i <= LoadSlots; ++i) sum = ToSingle(sum + LandedLoad(LoadTable[lc][i], plan));
    return sum;
}

Real CaseLandedLoad(int lc) {
    const BeamPlan plan;
    Real sum = 0;
    for (int i = 1; i <= LoadSlots; ++i) sum += LandedLoad(LoadTable[lc][i], plan);
    return sum;
}

void FormDirectSupportLoads() {
    const int cc = CurrentCase;
    const SupportWindows windows;
    for (int k = 1; k <= 26; ++k) DirectSupportLoad[cc][k] = 0;
    for (int i = 1; i <= LoadSlots; ++i) {
        const LoadRecord& r = LoadTable[cc][i];
        if (r[LKind] != KindPoint || r[LApplied] != 1.0f) continue;
        if (const int k = windows.NodeUnder(r[LDist]))
            DirectSupportLoad[cc][k] = ToSingle(DirectSupportLoad[cc][k] + Real(r[LStart]) * r[LFactor]);
    }
}

void SplitLoadsToSpans() {
    const int cc = CurrentCase;
    LHCPieces[cc].Fill(LoadPiece{});
    RHCPieces[cc].Fill(LoadPiece{});
    for (int s = 1; s <= MaxSpans; ++s) SpanPieces[cc][s].Fill(LoadPiece{});

    const BeamPlan plan;
    for (int i = 1; i <= LoadSlots; ++i) {
        if (LoadTable[cc][i][LApplied] != 1.0f) continue;
        CutLoad(LoadTable[cc][i], plan, [cc, i](int m, const LoadPiece& p) {
            if (m == LHC)
                LHCPieces[cc][i] = p;
            else if (m == RHC)
                RHCPieces[cc][i] = p;
            else
                SpanPieces[cc][m][i] = p;
        });
    }

    FormDirectSupportLoads();

    LHCPieceCount = SplitAndCompact(LHCPieces[cc]);
    for (int s = 1; s <= MaxSpans; ++s) SpanPieceCount[s] = s <= NumSpans ? SplitAndCompact(SpanPieces[cc][s]) : 0;
    RHCPieceCount = SplitAndCompact(RHCPieces[cc]);
}

namespace {

// Whether the loads SplitLoadsToSpans cut for CurrentCase gave any piece.
bool CaseHasPieces() {
    int32_t pieces = AddI(LHCPieceCount, RHCPieceCount);
    for (int s = 1; s <= NumSpans; ++s) pieces = AddI(pieces, SpanPieceCount[s]);
    return pieces != 0;
}

}  // namespace

void CollectSpanLoads() {
    const int cc = CurrentCase;
    for (int s = 1; s <= MaxSpans; ++s) SpanPieceList[s].Fill(CollectedPiece{});

    auto total = [](const LoadPiece& p) { return PieceLoad(p, FactoredPass == 1 ? Real(p.Factor) : 1.0L); };
    auto collectCant = [&](int c, const MemberPieces& pieces, int32_t count) {
        for (int i = 1; i <= count; ++i) {
            const LoadPiece& p = pieces[i];
            if (p.Applied == 1.0)
                CantPieceList[c][i] = {p.Kind, float(p.Start), float(p.Length), ToDouble(total(p))};
        }
    };
    if (MemberPresent(LHC)) collectCant(1, LHCPieces[cc], LHCPieceCount);
    for (int s = 1; s <= NumSpans; ++s) {
        for (int i = 1; i <= SpanPieceCount[s]; ++i) {
            const LoadPiece& p = SpanPieces[cc][s][i];
            if (p.Applied == 1.0)
                SpanPieceList[s][i] = {float(p.Kind), float(p.Start), float(p.Length), ToSingle(total(p))};
        }
    }
    if (MemberPresent(RHC)) collectCant(2, RHCPieces[cc], RHCPieceCount);

    if (!CaseHasPieces()) {
        if (NoLoadsMark[cc] != 1) ShowMessage("Loadcase " + std::to_string(cc) + "\rNo loads on beam");
        NoLoadsMark[cc] = 1;
    }
}
