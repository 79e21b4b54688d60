#include "CaseResults.h"
#include <algorithm>
#include "AnalysisState.h"
#include "Cantilever.h"
#include "Checked.h"
#include "Deflection.h"
#include "Global.h"
#include "Maxima.h"
#include "SpanForces.h"

namespace {

// Largest and smallest of a run of values, both starting from given values,
// replaced only by strictly greater or smaller ones.
struct Extremes {
    float largest = 0, smallest = 0;
    void Add(float v) {
        if (v > largest) largest = v;
        if (v < smallest) smallest = v;
    }
    // The value of larger magnitude; a tie keeps the largest.
    float Signed() const { return -smallest > largest ? smallest : largest; }
    float Magnitude() const { return -smallest > largest ? -smallest : largest; }
};

// Positions along the beam, as fractions of its length, of the stations
// 0..n of every member (and of its 21 deflection points). Formed again only
// when the beam or the division changes.
class Positions {
    BArray2<float, 0, 26, 0, 200> station_;
    BArray2<float, 0, 26, 0, 20> point_;
    int n_ = 0;
    int32_t spans_ = 0;
    double beamLength_ = 0;
    BArray<double, 0, 26> lengths_;
    static float Fraction(Real start, int member, int j, int n) {
        return ToSingle(Div(Real(j) / n * MemberLength(member) + start, BeamLength));
    }
    bool Current(int n) const {
        if (n != n_ || NumSpans != spans_ || BeamLength != beamLength_) return false;
        for (int m = 0; m <= RHC; ++m)
            if (MemberLength(m) != lengths_[m]) return false;
        return true;
    }

public:
    void Update(int n) {
        if (Current(n)) return;
        n_ = n;
        spans_ = NumSpans;
        beamLength_ = BeamLength;
        for (int m = 0; m <= RHC; ++m) lengths_[m] = MemberLength(m);
        Real a = 0;
        for (int m = 0; m <= RHC; ++m) {
            if (m > NumSpans && m < RHC) continue;
            for (int j = 0; j <= n; ++j) station_[m][j] = Fraction(a, m, j, n);
            for (int k = 0; k <= 20; ++k) point_[m][k] = Fraction(a, m, k, 20);
            a += MemberLength(m);
        }
    }
    float At(int member, int j) const { return station_[member][j]; }
    float Point(int member, int k) const { return point_[member][k]; }
};

template <class Series>
void AddPoint(Series& series, int& count, float x, float v) {
    SeriesPoint& p = series[count++];
    p[1] = x;
    p[2] = v;
}

// The stored station tables of loadcase cc back into the work tables.
void TakeStoredTables(int cc, int n) {
    for (int s = 1; s <= NumSpans; ++s) {
        for (int j = 0; j <= n; ++j) {
            SpanShear[s][j] = CaseShear[cc][s][j + 1];
            SpanMoment[s][j] = CaseMoment[cc][s][j + 1];
        }
        for (int p = 1; p <= 21; ++p) SpanDeflection[s][p] = CaseDeflection[cc][s][p];
    }
    for (int c = 1; c <= 2; ++c) {
        for (int i = 1; i <= n + 1; ++i) {
            CantShear[c][i] = CaseCantShear[cc][c][i];
            CantMoment[c][i] = CaseCantMoment[cc][c][i];
        }
        for (int p = 1; p <= 22; ++p) CantDeflection[c][p] = CaseCantDeflection[cc][c][p];
    }
}

void CopyToStoredTables(int cc, int n) {
    for (int s = 1; s <= NumSpans; ++s) {
        for (int j = 0; j <= n; ++j) {
            CaseShear[cc][s][j + 1] = ToSingle(SpanShear[s][j]);
            CaseMoment[cc][s][j + 1] = ToSingle(SpanMoment[s][j]);
        }
        for (int p = 1; p <= 21; ++p) CaseDeflection[cc][s][p] = ToSingle(SpanDeflection[s][p]);
    }
    for (int c = 1; c <= 2; ++c) {
        for (int i = 1; i <= n + 1; ++i) {
            CaseCantShear[cc][c][i] = CantShear[c][i];
            CaseCantMoment[cc][c][i] = CantMoment[c][i];
        }
        for (int p = 1; p <= 22; ++p) CaseCantDeflection[cc][c][p] = ToSingle(CantDeflection[c][p]);
    }
}

void TurnLeftCantilever(int n) {
    for (int i = 1, j = n + 1; i < j; ++i, --j) {
        std::swap(CantShear[1][i], CantShear[1][j]);
        std::swap(CantMoment[1][i], CantMoment[1][j]);
    }
    for (int i = 1; i <= n + 1; ++i) CantShear[1][i] = -CantShear[1][i];
    for (int i = 1, j = 21; i < j; ++i, --j) std::swap(CantDeflection[1][i], CantDeflection[1][j]);
}

void ShearSeriesAndSummaries(int cc, int n, const Positions& pos) {
    auto& series = ShearSeries[cc];
    int count = 1;
    float x = 0, v = 0;
    // Shear steps halfway between stations of the left cantilever and spans.
    auto stepTo = [&](float nx, float nv) {
        const float mid = ToSingle((Real(x) + nx) / 2);
        AddPoint(series, count, mid, v);
        AddPoint(series, count, mid, nv);
        AddPoint(series, count, nx, nv);
        x = nx;
        v = nv;
    };
    auto summarise = [](MemberSummary& row, Extremes e) {
        row[3] = e.largest;
        row[4] = e.smallest;
        row[5] = e.Magnitude();
    };
    if (MemberPresent(LHC)) {
        MemberSummary& row = ShearSummary[cc][LHC];
        Extremes e{row[3], row[4]};
        for (int j = 0; j <= n; ++j) {
            stepTo(pos.At(LHC, j), CantShear[1][j + 1]);
            e.Add(CantShear[1][j + 1]);
        }
        row[1] = 0;
        row[2] = CantShear[1][n + 1];
        summarise(row, e);
    } else {
        v = ToSingle(SpanShear[1][0]);
        AddPoint(series, count, 0, v);
    }
    for (int s = 1; s <= NumSpans; ++s) {
        Extremes e;
        for (int j = 0; j <= n; ++j) {
            const float sv = ToSingle(SpanShear[s][j]);
            stepTo(pos.At(s, j), sv);
            e.Add(sv);
        }
        MemberSummary& row = ShearSummary[cc][s];
        row[1] = ToSingle(SpanShear[s][0]);
        row[2] = ToSingle(SpanShear[s][n]);
        summarise(row, e);
    }
    if (MemberPresent(RHC)) {
        MemberSummary& row = ShearSummary[cc][RHC];
        Extremes e{row[3], row[4]};
        for (int j = 0; j <= n; ++j) {
            const float px = x;
            x = pos.At(RHC, j);
            AddPoint(series, count, px, CantShear[2][j + 1]);
            AddPoint(series, count, x, CantShear[2][j + 1]);
            e.Add(CantShear[2][j + 1]);
        }
        row[1] = CantShear[2][1];
        summarise(row, e);
    }
    AddPoint(series, count, x, 0);
    SetPointCount(series, count - 1);
}

void StoreReactions(int cc) {
    for (int k = 1; k <= 26; ++k) CaseReaction[cc][k] = 0;
    int skip = 0;
    for (int k = 1; k <= NumSpans + 1; ++k) {
        if (NodeSkipFlag[cc][k] == -1)
            ++skip;
        else
            CaseReaction[cc][k - skip] = SupportReaction[k];
    }
}

// Summary of a cantilever's moments: station extremes and signed extreme.
Extremes CantileverMoments(int c, int n) {
    Extremes e;
    for (int i = 1; i <= n + 1; ++i) e.Add(CantMoment[c][i]);
    return e;
}

void MomentSeriesAndSummaries(int cc, int n, const Positions& pos) {
    auto& series = MomentSeries[cc];
    int count = 1;
    float x = 0;
    const bool lhc = MemberPresent(LHC), rhc = MemberPresent(RHC);
    if (lhc)
        for (int j = 0; j <= n; ++j) AddPoint(series, count, x = pos.At(LHC, j), CantMoment[1][j + 1]);
    for (int s = 1; s <= NumSpans; ++s)
        for (int j = 0; j <= n; ++j) AddPoint(series, count, x = pos.At(s, j), ToSingle(SpanMoment[s][j]));
    const int32_t rightEnd = SupportTypes[25];
    if (rightEnd == SupportFixed || rightEnd == 4 || rightEnd == 5) AddPoint(series, count, x, 0);

    // f3 and f4 of every member hold its station extremes, from 0.
    Extremes left = CantileverMoments(1, n);
    MemberSummary& r0 = MomentSummary[cc][LHC];
    r0[0] = 0;
    r0[1] = left.Signed();
    r0[2] = CantMoment[1][n + 1];
    r0[3] = left.largest;
    r0[4] = left.smallest;

    for (int s = 1; s <= NumSpans; ++s) {
        MemberSummary& row = MomentSummary[cc][s];
        row[0] = ToSingle(SpanMoment[s][0]);
        row[2] = ToSingle(SpanMoment[s][n]);
        const double mean = (double(row[0]) + row[2]) / 2;
        double largest = mean, smallest = mean;
        Extremes e;
        for (int j = 0; j <= n; ++j) {
            const double m = SpanMoment[s][j];
            if (m > largest) largest = m;
            if (m < smallest) smallest = m;
            e.Add(ToSingle(m));
        }
        float peak = ToSingle(mean - smallest >= largest - mean ? smallest : largest);
        if (peak == row[0] || peak == row[2]) peak = 0;
        row[1] = peak;
        row[3] = e.largest;
        row[4] = e.smallest;
    }

    Extremes right = CantileverMoments(2, n);
    MemberSummary& r26 = MomentSummary[cc][RHC];
    r26[0] = CantMoment[2][1];
    r26[1] = right.Signed();
    r26[3] = right.largest;
    r26[4] = right.smallest;
    if (rhc) {
        for (int j = 0; j <= n; ++j) AddPoint(series, count, x = pos.At(RHC, j), CantMoment[2][j + 1]);
        AddPoint(series, count, x, 0);
    }
    SetPointCount(series, count - 1);
}

void DeflectionSeriesAndSummaries(int cc, const Positions& pos) {
    auto& series = DeflectionSeries[cc];
    int count = 1;
    auto member = [&](int m, bool addPoints, auto value) {
        Extremes e;
        for (int k = 1; k <= 21; ++k) {
            const float d = ToSingle(value(k));
            if (addPoints) AddPoint(series, count, pos.Point(m, k - 1), -d);
            e.Add(d);
        }
        MemberSummary& row = DeflectionSummary[cc][m];
        row[1] = e.Signed();
        row[3] = e.largest;
        row[4] = e.smallest;
        row[5] = std::abs(row[1]);
    };
    member(LHC, MemberPresent(LHC), [](int k) { return CantDeflection[1][k]; });
    for (int s = 1; s <= NumSpans; ++s) member(s, true, [s](int k) { return SpanDeflection[s][k]; });
    member(RHC, MemberPresent(RHC), [](int k) { return CantDeflection[2][k]; });
    SetPointCount(series, count - 1);
}

}  // namespace

void StoreCaseResults() {
    const int cc = CurrentCase, n = SpanIntervals;
    if (n < 1 || n > 200) RaiseRangeCheck();
    CopyToStoredTables(cc, n);
    // Everything is formed from the stored tables, as a beam file keeps them.
    TakeStoredTables(cc, n);
    SupportReactions();
    TurnLeftCantilever(n);
    static Positions pos;
    pos.Update(n);
    ShearSeriesAndSummaries(cc, n, pos);
    CaseShearMaxima();
    StoreReactions(cc);
    MomentSeriesAndSummaries(cc, n, pos);
    CaseMomentMaxima();
    DeflectionSeriesAndSummaries(cc, pos);
    CaseDeflectionMaxima();
}

void WithholdCaseResults() {
    const int cc = CurrentCase;
    auto empty = [cc](auto&... tables) { ((tables[cc] = {}), ...); };
    empty(CaseShear, CaseMoment, CaseDeflection, CaseCantShear, CaseCantMoment, CaseCantDeflection, CaseReaction,
          DirectSupportLoad, NodeSkipFlag, CantMomentMax, CantMomentMin, SpanMaxDeflection, SpanMomentMax,
          SpanMomentMin, SpanMomentMaxX, SpanMomentMinX, ShearSummary, MomentSummary, DeflectionSummary);
    auto clear = [cc](auto&... series) { (series[cc].Fill({}), ...); };
    clear(ShearSeries, MomentSeries, DeflectionSeries);
    UnbalancedMark[cc] = 1;
}
