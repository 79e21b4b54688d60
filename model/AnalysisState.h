// State of the analysis in progress, shared by the engine routines, which
// take no arguments and talk through these variables in a fixed order.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include "Bounded.h"
#include "Checked.h"

extern int32_t CurrentCase;            // loadcase being solved, 1..25
extern int32_t SpanIntervals;          // intervals per member of the pass in progress
extern int32_t FactoredPass;           // 1 while the final pass totals the pieces
extern BArray<float, 0, 26> SpanE;     // E per member, in single precision
extern BArray<double, 0, 26> SpanIxx;
extern BArray<double, 1, 25> SpanStiffness;  // Ixx / L x E per span
extern double LHCRootMoment, RHCRootMoment;  // cantilever moments handed to the solver
extern int32_t UnitLoadSpan, UnitLoadPoint;  // unit load position of the deflection loop
extern BArray<int32_t, 1, 25> NoLoadsMark;   // 1: an active loadcase gave no load piece
// 1: the loadcase's reactions did not balance its load, and its results are withheld.
extern BArray<int32_t, 1, 25> UnbalancedMark;
// A loadcase with results to show: active, and not withheld.
bool CaseHasResults(int lc);
// An active loadcase whose results are withheld, and what shows in their place.
bool CaseWithheld(int lc);
constexpr const char* WithheldReason = "No results: the support reactions do not balance the loads";

constexpr int LastStation = 2004;      // stations 0..2004 per member row

// Simpson's rule weight of station j of 1..n+1 (n even).
inline int SimpsonWeight(int j, int n) { return j == 1 || j == n + 1 ? 1 : (j % 2 == 0 ? 4 : 2); }

// Member geometry read from the shared table.
double MemberLength(int member);
bool MemberPresent(int member);        // present flag exactly 1.0
// Whether station x of a member lies at or before position a on it. Load
// positions and member lengths are single-precision values brought into mm
// (from feet, say) and summed, so positions closer than their rounding
// (a millionth of the beam) count as the same point.
bool AtOrBefore(Real x, Real a);

// What a window that shows results says while they are out of date.
constexpr const char* AnalyseFirstMessage = "Analyse the beam first";
// The results no longer belong to the beam and loads held (ResultsReady := 0);
// the handler, set by the window that shows them, takes them off the screen.
void MarkResultsStale();
// Why the last analysis of the beam and loads held was refused ("the results
// of loadcase 1 lie beyond ...", "load row 1 ends at ..., past the end of the
// beam ..."); empty when none was, and again once they change
// (MarkResultsStale empties it).
extern std::string AnalysisRefusal;
// Why the beam and loads held have no results: the refusal, else that they
// have not been analysed as they stand.
std::string NoResultsReason();
void SetStaleResultsHandler(std::function<void()> handler);
// The results are cleared or replaced: MarkResultsStale and the start of an
// analysis call this, and the handler, set by the window
// that works values out of them (results at a point), drops those values.
void ResultsReplaced();
void SetResultsReplacedHandler(std::function<void()> handler);
