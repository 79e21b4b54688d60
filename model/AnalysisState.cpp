#include "AnalysisState.h"
#include <utility>
#include "Global.h"

int32_t CurrentCase = 0;
int32_t SpanIntervals = 0;
int32_t FactoredPass = 0;
BArray<float, 0, 26> SpanE;
BArray<double, 0, 26> SpanIxx;
BArray<double, 1, 25> SpanStiffness;
double LHCRootMoment = 0, RHCRootMoment = 0;
int32_t UnitLoadSpan = 0, UnitLoadPoint = 0;
BArray<int32_t, 1, 25> NoLoadsMark;
BArray<int32_t, 1, 25> UnbalancedMark;

double MemberLength(int member) { return BeamGeometryTable[member][GLength]; }

bool MemberPresent(int member) { return BeamGeometryTable[member][GPresent] == 1.0; }

bool CaseWithheld(int lc) { return LoadcaseActive[lc] != 0 && UnbalancedMark[lc] != 0; }

bool CaseHasResults(int lc) { return LoadcaseActive[lc] != 0 && UnbalancedMark[lc] == 0; }

bool AtOrBefore(Real x, Real a) { return x <= a + 1e-6L * BeamLength; }

namespace {
std::function<void()> StaleResultsHandler;
std::function<void()> ResultsReplacedHandler;
}  // namespace

std::string AnalysisRefusal;

std::string NoResultsReason() {
    return AnalysisRefusal.empty() ? "the beam as it stands has not been analysed"
                                   : "the beam cannot be analysed, as " + AnalysisRefusal;
}

void MarkResultsStale() {
    ResultsReplaced();
    ResultsReady = 0;
    AnalysisRefusal.clear();
    if (StaleResultsHandler) StaleResultsHandler();
}

void SetStaleResultsHandler(std::function<void()> handler) { StaleResultsHandler = std::move(handler); }

void ResultsReplaced() {
    if (ResultsReplacedHandler) ResultsReplacedHandler();
}

void SetResultsReplacedHandler(std::function<void()> handler) { ResultsReplacedHandler = std::move(handler); }
