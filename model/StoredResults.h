// The results a beam file keeps, and whether they are those of its beam and
// loads.
#pragma once
#include <memory>
#include <string>
#include "Global.h"

// The stored result tables, copied when made; PutBack writes them back.
struct StoredResultTables {
    decltype(CaseShear) Shear = CaseShear, Moment = CaseMoment;
    decltype(CaseDeflection) Deflection = CaseDeflection;
    decltype(CaseCantShear) CantShear = CaseCantShear, CantMoment = CaseCantMoment;
    decltype(CaseCantDeflection) CantDeflection = CaseCantDeflection;
    decltype(CantMomentMin) CantMin = CantMomentMin, CantMax = CantMomentMax;
    decltype(SpanMomentMax) SpanMax = SpanMomentMax, SpanMin = SpanMomentMin;
    decltype(CaseAppliedLoad) Applied = CaseAppliedLoad;
    decltype(CaseLoadTotal) Total = CaseLoadTotal;
    int32_t Intervals = SavedSpanIntervals, Twentieth = TwentiethStep, Ready = ResultsReady;

    void PutBack() const;
    // Every result zero and flagged not ready, at a division a file may hold.
    static void Clear();
};

struct AnalysisHooks;

// The verdict on the results a beam file stored, made once the file is read
// into the tables: the beam and loads as read are analysed (with the given
// hooks, no message shown) and every active loadcase's stored station tables,
// reactions and load totals are compared with the analysis's. The analysis's
// results are the ones shown: a file of this program stores them as they
// are, and stored values however close to them could change a figure shown,
// the sign that puts a value in a column, or the loadcase that governs.
// What is worked out from them (peaks, maxima, texts) is formed again.
class StoredResultsVerdict {
public:
    explicit StoredResultsVerdict(const AnalysisHooks& hooks);
    ~StoredResultsVerdict();
    StoredResultsVerdict(const StoredResultsVerdict&) = delete;
    StoredResultsVerdict& operator=(const StoredResultsVerdict&) = delete;

    // Why the beam and loads have no results ("" when they have): the
    // analysis refused them, or the file holds results but no beam.
    const std::string& Refusal() const { return refusal_; }
    // What of the analysis differs from the stored results by more than the
    // figures shown can hide, e.g. "the moments of loadcase 1"; "" when
    // nothing does.
    const std::string& Differences() const { return differences_; }
    // Into the result tables, the file having been read into them again: the
    // analysis's results.
    void PutResults() const;

private:
    std::unique_ptr<StoredResultTables> fresh_;
    std::string refusal_, differences_;
};
