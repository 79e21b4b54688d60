#include "StoredResults.h"
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <memory>
#include <vector>
#include "AnalysisState.h"

void StoredResultTables::PutBack() const {
    CaseShear = Shear;
    CaseMoment = Moment;
    CaseDeflection = Deflection;
    CaseCantShear = CantShear;
    CaseCantMoment = CantMoment;
    CaseCantDeflection = CantDeflection;
    CaseAppliedLoad = Applied;
    CaseLoadTotal = Total;
    CantMomentMin = CantMin;
    CantMomentMax = CantMax;
    SpanMomentMax = SpanMax;
    SpanMomentMin = SpanMin;
    SavedSpanIntervals = Intervals;
    TwentiethStep = Twentieth;
    ResultsReady = Ready;
}

void StoredResultTables::Clear() {
    auto clear = [](auto&... tables) { (tables.Fill({}), ...); };
    clear(CaseShear, CaseMoment, CaseDeflection, CaseCantShear, CaseCantMoment, CaseCantDeflection, CantMomentMin,
          CantMomentMax, SpanMomentMax, SpanMomentMin, CaseAppliedLoad, CaseLoadTotal);
    if (SavedSpanIntervals != 40 && SavedSpanIntervals != 60 && SavedSpanIntervals != 100 && SavedSpanIntervals != 200)
        SavedSpanIntervals = 40;
    TwentiethStep = SavedSpanIntervals / 20;
    ResultsReady = 0;
}

namespace {

// The share of a quantity's largest value in a loadcase that the figures
// shown can hide.
constexpr double Hidden = 1e-4;

// One quantity of one loadcase, stored and fresh; the fresh values set the scale.
class Compared {
public:
    // A value of several single-precision terms rounds by the sum of their
    // sizes, by default its own.
    void Add(double stored, double fresh, double size = 0) {
        values_.push_back({stored, fresh, std::max({size, std::fabs(stored), std::fabs(fresh)})});
        scale_ = std::max(scale_, std::fabs(fresh));
    }
    // Entries 1..last of a stored row and of the fresh one.
    template <class Row>
    void AddRow(const Row& stored, const Row& fresh, int last) {
        for (int k = 1; k <= last; ++k) Add(stored[k], fresh[k]);
    }
    void Widen(double least) { scale_ = std::max(scale_, least); }
    double Scale() const { return scale_; }
    // Whether every stored value lies within its single rounding and what
    // the figures shown hide of the fresh one.
    bool Agree() const {
        for (const Value& v : values_)
            if (!std::isfinite(v.stored) || !(std::fabs(v.stored - v.fresh) <= FLT_EPSILON * v.size + Hidden * scale_))
                return false;
        return true;
    }

private:
    struct Value {
        double stored, fresh, size;
    };
    std::vector<Value> values_;
    double scale_ = 0;
};

// The shears meeting at node k of loadcase lc, the cantilevers' root shears
// included: its reaction but for the loads standing on the support; with
// the sum of their sizes.
struct NodeShear {
    double value = 0, size = 0;
    NodeShear(const StoredResultTables& t, int lc, int k) {
        if (k == 1 && MemberPresent(LHC)) Add(t.CantShear[lc][1][1]);
        if (k <= NumSpans) Add(t.Shear[lc][k][1]);
        if (k > 1) Add(-t.Shear[lc][k - 1][SavedSpanIntervals + 1]);
        if (k == NumSpans + 1 && MemberPresent(RHC)) Add(t.CantShear[lc][2][1]);
    }
    void Add(double v) {
        value += v;
        size += std::fabs(v);
    }
};

// Every stored quantity of a loadcase beside the fresh one: the rows of
// members the beam does not have must hold nothing.
class CaseComparison {
public:
    CaseComparison(const StoredResultTables& s, const StoredResultTables& f, int lc) {
        const int stations = SavedSpanIntervals + 1;
        for (int m = 1; m <= NumSpans; ++m) {
            shear_.AddRow(s.Shear[lc][m], f.Shear[lc][m], stations);
            moment_.AddRow(s.Moment[lc][m], f.Moment[lc][m], stations);
            deflection_.AddRow(s.Deflection[lc][m], f.Deflection[lc][m], 21);
        }
        for (int c = 1; c <= 2; ++c) {
            shear_.AddRow(s.CantShear[lc][c], f.CantShear[lc][c], stations);
            moment_.AddRow(s.CantMoment[lc][c], f.CantMoment[lc][c], stations);
            deflection_.AddRow(s.CantDeflection[lc][c], f.CantDeflection[lc][c], 22);
        }
        for (int k = 1; k <= NumSpans + 1; ++k) {
            const NodeShear stored(s, lc, k), fresh(f, lc, k);
            reactions_.Add(stored.value, fresh.value, std::max(stored.size, fresh.size));
        }
        totals_.Add(s.Total[lc], f.Total[lc]);
        totals_.Add(s.Applied[lc], f.Applied[lc]);
        // Forces like the shear, which may cancel to nothing.
        reactions_.Widen(shear_.Scale());
        totals_.Widen(shear_.Scale());
    }
    // The names of the quantities that differ by more than the figures hide.
    std::vector<std::string> Apart() const {
        const std::pair<const Compared*, const char*> named[] = {{&totals_, "load totals"},
                                                                 {&reactions_, "reactions"},
                                                                 {&shear_, "shear forces"},
                                                                 {&moment_, "moments"},
                                                                 {&deflection_, "deflections"}};
        std::vector<std::string> apart;
        for (const auto& [quantity, name] : named)
            if (!quantity->Agree()) apart.push_back(name);
        return apart;
    }

private:
    Compared totals_, reactions_, shear_, moment_, deflection_;
};

// "a", "a and b", "a, b and c".
std::string JoinAnd(const std::vector<std::string>& parts) {
    std::string joined;
    for (size_t i = 0; i < parts.size(); ++i)
        joined += (i == 0 ? "" : i + 1 == parts.size() ? " and " : ", ") + parts[i];
    return joined;
}

}  // namespace

std::string StoredResultsDifferences(const StoredResultTables& stored) {
    const auto fresh = std::make_unique<StoredResultTables>();
    if (NumLoadcases > 0 && (fresh->Intervals != stored.Intervals || fresh->Twentieth != stored.Twentieth))
        return "the intervals per member, " + std::to_string(stored.Intervals) + " where the analysis has " +
               std::to_string(fresh->Intervals);
    std::vector<std::string> visible;
    for (int lc = 1; lc <= NumLoadcases; ++lc) {
        if (LoadcaseActive[lc] != 1) continue;
        if (const auto apart = CaseComparison(stored, *fresh, lc).Apart(); !apart.empty())
            visible.push_back("the " + JoinAnd(apart) + " of loadcase " + std::to_string(lc));
    }
    return JoinAnd(visible);
}
