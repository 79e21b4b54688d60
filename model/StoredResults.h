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

// Analyses the beam and loads held and compares every active loadcase's
// results with the stored ones, allowing what single-precision storage
// explains: "" when they agree, else why they are not the beam's. Shows no
// message of the analysis; the tables are left as the analysis left them.
std::string StoredResultsDisagreement();
