#include "StoredResults.h"
#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>
#include "Analysis.h"
#include "AnalysisState.h"
#include "Messages.h"
#include "RunError.h"

void StoredResultTables::PutBack() const {
    CaseShear = Shear;
    CaseMoment = Moment;
    CaseDeflection = Deflection;
    CaseCantShear = CantShear;
    CaseCantMoment = CantMoment;
    CaseCantDeflection = CantDeflection;
    CantMomentMin = CantMin;
    CantMomentMax = CantMax;
    SpanMomentMax = SpanMax;
    SpanMomentMin = SpanMin;
    CaseAppliedLoad = Applied;
    CaseLoadTotal = Total;
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

// The share of a quantity's largest value in a loadcase by which a stored
// value may differ from a fresh one.
constexpr double Agreement = 1e-5;

// One quantity of one loadcase, stored and fresh; the fresh values set the scale.
class Compared {
public:
    void Add(double stored, double fresh) {
        pairs_.push_back({stored, fresh});
        scale_ = std::max(scale_, std::fabs(fresh));
    }
    // Entries 1..last of a stored row and of the fresh one.
    template <class Row>
    void AddRow(const Row& stored, const Row& fresh, int last) {
        for (int k = 1; k <= last; ++k) Add(stored[k], fresh[k]);
    }
    double Scale() const { return scale_; }
    // With a scale of at least the given one.
    bool Agree(double least = 0) const {
        const double scale = std::max(scale_, least);
        for (const auto& [stored, fresh] : pairs_)
            if (!(std::fabs(stored - fresh) <= Agreement * scale)) return false;
        return true;
    }

private:
    std::vector<std::pair<double, double>> pairs_;
    double scale_ = 0;
};

std::string CaseDisagreement(const StoredResultTables& s, int lc) {
    const int stations = SavedSpanIntervals + 1;
    Compared totals, shear, moment, deflection;
    totals.Add(s.Total[lc], CaseLoadTotal[lc]);
    totals.Add(s.Applied[lc], CaseAppliedLoad[lc]);
    for (int m = 1; m <= NumSpans; ++m) {
        shear.AddRow(s.Shear[lc][m], CaseShear[lc][m], stations);
        moment.AddRow(s.Moment[lc][m], CaseMoment[lc][m], stations);
        deflection.AddRow(s.Deflection[lc][m], CaseDeflection[lc][m], 21);
        moment.Add(s.SpanMax[lc][m], SpanMomentMax[lc][m]);
        moment.Add(s.SpanMin[lc][m], SpanMomentMin[lc][m]);
    }
    for (int c = 1; c <= 2; ++c) {
        if (!MemberPresent(c == 1 ? LHC : RHC)) continue;
        shear.AddRow(s.CantShear[lc][c], CaseCantShear[lc][c], stations);
        moment.AddRow(s.CantMoment[lc][c], CaseCantMoment[lc][c], stations);
        deflection.AddRow(s.CantDeflection[lc][c], CaseCantDeflection[lc][c], 22);
        moment.Add(s.CantMin[lc][c], CantMomentMin[lc][c]);
        moment.Add(s.CantMax[lc][c], CantMomentMax[lc][c]);
    }
    // Load totals are forces like the shear, and may cancel to nothing.
    const struct {
        const Compared& values;
        double least;
        const char* name;
    } quantities[] = {{totals, shear.Scale(), "load totals"},
                      {shear, 0, "shear forces"},
                      {moment, 0, "moments"},
                      {deflection, 0, "deflections"}};
    for (const auto& q : quantities)
        if (!q.values.Agree(q.least))
            return "the stored " + std::string(q.name) + " of loadcase " + std::to_string(lc) +
                   " are not those of its beam and loads";
    return "";
}

}  // namespace

std::string StoredResultsDisagreement() {
    const auto stored = std::make_unique<StoredResultTables>();
    // Judged by the tables alone: a loadcase that an analysis leaves without
    // results has none stored either.
    std::vector<std::string> silenced;
    try {
        const MessagesHeld held(silenced);
        if (!RunAnalysis() && NumLoadcases > 0) return "the file holds results but no beam";
    } catch (const RunError&) {
        return AnalysisRefusal.empty() ? "its beam and loads cannot be analysed"
                                       : "its beam cannot be analysed, as " + AnalysisRefusal;
    }
    if (NumLoadcases > 0 && (SavedSpanIntervals != stored->Intervals || TwentiethStep != stored->Twentieth))
        return "the results are stored at " + std::to_string(stored->Intervals) +
               " intervals per member, where its beam has them at " + std::to_string(SavedSpanIntervals);
    for (int lc = 1; lc <= NumLoadcases; ++lc)
        if (LoadcaseActive[lc] == 1)
            if (std::string why = CaseDisagreement(*stored, lc); !why.empty()) return why;
    return "";
}
