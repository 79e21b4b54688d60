// The results a beam file keeps, and whether they are those of its beam and
// loads.
#pragma once
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

// What of the results an analysis of the beam and loads as read left in the
// tables differs from those a beam file stored (taken before the analysis)
// by more than the figures shown can hide, e.g. "the moments of loadcase 1"
// or "the intervals per member, 60 where the analysis has 100"; "" when
// nothing does. Every active loadcase's station tables, reactions and load
// totals are compared. The analysis's results are the ones shown: a file of
// this program stores them as they are, and stored values however close to
// them could change a figure shown, the sign that puts a value in a column,
// or the loadcase that governs.
std::string StoredResultsDifferences(const StoredResultTables& stored);
