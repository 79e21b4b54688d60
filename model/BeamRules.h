// What a sound beam and a sound load table are. The beam and loads windows'
// Next, Analyse, Save and Open all judge by these rules, so that what one
// accepts the others accept. Each rule gives "" when it is kept, else what
// is wrong, its values in the display units (in N and mm where none is set).
#pragma once
#include <cstdint>
#include <string>
#include "Checked.h"
#include "Global.h"

using GeometryTable = decltype(BeamGeometryTable);
using SupportTable = decltype(SupportTypes);
using LoadTables = decltype(LoadTable);
using CaseLoads = BArray<LoadRecord, 1, 51>;  // the slots of one loadcase

// The least length (mm) of a member: below it the positions along a member
// that the analysis holds as singles (its stations, load pieces and support
// tolerance) underflow, and nothing it gives means anything.
constexpr double LeastLength = 1e-30;
// A member value (length, E, Ixx, y, area) and the beam's length, in N and
// mm, are held as singles (HeldAsSingle): loads, self weight and drawings
// take them so.

struct BeamShape {
    const GeometryTable& Geometry;
    int32_t Spans;
    double Length;
    const SupportTable& Supports;
};
// The model's beam.
BeamShape ModelBeam();

// A new beam, with no member and no length, is sound. Otherwise: spans
// 1..Spans present and no member beyond them; a present member has a
// length not below the least, E and Ixx above 0 (a beam too soft to analyse
// is the analysis's to refuse), all its values held as singles and in its
// display units; an absent one has no length;
// the beam is as long as its members (to single precision) and held as a
// single; every support between spans is coded 1 to 5 and not fixed.
std::string BeamFault(const BeamShape& beam);

// A load row reaching beyond a beam of the given length (a ten-millionth
// of it is allowed), and one with a negative distance or cover.
bool PastBeamEnd(const LoadRecord& row, double beamLength);
bool NegativeLength(const LoadRecord& row);

// Loadcases 1..cases of a table: kinds and applied flags are exact codes,
// every row is the same in each loadcase, and no row has a negative length
// or reaches past the end of the beam unless it is applied in no loadcase.
// With a forkhead at support 1 every applied load has the same factor.
std::string LoadTableFault(const LoadTables& table, int cases, const BeamShape& beam);
// True when the applied loads of loadcases 1..cases, the self weight
// included, carry one load factor.
bool OneLoadFactor(const LoadTables& table, int cases);
// Whether a slot is applied in some loadcase of 1..cases, flag(lc) giving
// its applied flag in loadcase lc; the same of a slot of a load table.
template <class Flag>
bool AppliedInSomeLoadcase(int cases, Flag flag) {
    for (int lc = 1; lc <= cases; ++lc)
        if (flag(lc) == 1.0f) return true;
    return false;
}
inline bool AppliedInSomeLoadcase(const LoadTables& table, int slot, int cases) {
    return AppliedInSomeLoadcase(cases, [&](int lc) { return table[lc][slot][LApplied]; });
}
// A loadcase carries load when some applied slot has a rate or load.
bool LoadcaseLoaded(const CaseLoads& loads);
// LoadcaseActive[1..cases] say which loadcases carry load.
std::string ActiveFlagsFault(const LoadTables& table, const BArray<int32_t, 0, 25>& active, int cases);

// The model's beam and loads as the analysis takes them: all of the above.
std::string AnalysisInputFault();
