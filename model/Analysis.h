// Analysis of the whole beam held in the shared tables: every active
// loadcase is solved twice, first with 20 intervals per member and
// unfactored loads (all deflections come from it), then with 40 to 200
// intervals and factored loads (the stored shear, moments and reactions).
// Each loadcase is stored and sampled; then the maxima over all loadcases,
// the envelope (not with a forkhead at support 1) and the equilibrium check
// follow. The engine touches no window: the caller shows what it needs
// through the hooks, each called at the step it names.
#pragma once
#include <functional>

struct AnalysisHooks {
    std::function<void()> Started{};         // after InitResults
    std::function<void()> CaseStarting{};    // CurrentCase set, before it is solved
    std::function<void()> CaseStored{};      // after StoreCaseResults; work tables hold the loadcase
    std::function<void()> CaseWithheld{};    // its reactions did not balance: it keeps no results
    std::function<void()> MaximaFormed{};    // after the maxima over all loadcases
    std::function<void()> EnvelopeFormed{};  // after ComputeEnvelope (not with a forkhead at support 1)
    std::function<void()> ReportsDue{};      // when some loadcase gave load pieces
    std::function<void()> Finished{};        // after CheckEquilibrium, ResultsReady = 1
};

// Runs the whole analysis; false (and no table touched) when BeamLength is 0.
// An error abandons it with the results marked stale. A loadcase whose
// reactions do not balance its load keeps no results (the check shows it),
// the others keep theirs. A result beyond the arithmetic is refused naming
// its loadcase.
bool RunAnalysis(const AnalysisHooks& hooks = {});
// Prepares every result table for NumLoadcases loadcases: sizes the diagram
// series and clears summaries, reactions, stored tables, envelope samples,
// support loads and the no-loads marks of all loadcases.
void InitResults();
// Clears the work tables and the span moment peaks of CurrentCase.
void ClearCaseWork();
// SpanE and SpanIxx from the geometry table.
void TakeMemberProperties();
// Both passes for CurrentCase; false when the loadcase is inactive.
bool AnalyseLoadcase();
// Intervals of the final pass from the largest span ratio: sets
// SpanIntervals, TwentiethStep and SavedSpanIntervals.
void ChooseSpanIntervals();
// The final pass alone for CurrentCase with the given intervals per member,
// from cutting the loads to the support reactions (results at a point). Only
// the work tables change: every stored result is left as it was.
void SolveFinalPassAt(int intervals);
// True when some loadcase 1..NumLoadcases is not marked in NoLoadsMark.
bool AnyLoadcaseLoaded();
