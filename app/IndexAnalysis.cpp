// The main window's analysis: the engine's run, with the picture, the result
// texts and the lists built around it. Open shows a file's results through it.
#include "Analysis.h"
#include "AnalysisState.h"
#include "BeamRules.h"
#include "CaseTexts.h"
#include "EnvelopeText.h"
#include "Global.h"
#include "Index.h"
#include "LoadingDataText.h"
#include "ResultLists.h"
#include "ResultTexts.h"
#include "ResultsReport.h"
#include "RunError.h"
#include "StressText.h"

namespace {

// Loadcases without results keep two lines as their span data: those
// without loads, and those whose reactions do not balance their loads.
void SpanDataWithout(const char* why) {
    SpanDataStore& store = CaseSpanDataText[CurrentCase];
    store[0] = "2";
    store[1] = "LOADCASE" + std::to_string(CurrentCase);
    store[2] = why;
}

void SeedSpanData() { SpanDataWithout("No Loads Applied"); }

void WithheldSpanData() { SpanDataWithout(WithheldReason); }

void KeepCaseTexts() {
    BuildStressText();
    BuildLoadcaseReport();
    EnvelopeText[0] = "0";
}

}  // namespace

AnalysisHooks CaseTextHooks() {
    AnalysisHooks hooks;
    hooks.CaseStarting = SeedSpanData;
    hooks.CaseStored = KeepCaseTexts;
    hooks.CaseWithheld = WithheldSpanData;
    hooks.EnvelopeFormed = BuildEnvelopeText;
    return hooks;
}

void TIndexFrm::FillResultLists() {
    FillResultsList(List_Results);
    if (NumLoadcases > 1) FillEnvelopeList(List_CaseResults);
}

void TIndexFrm::AnalyseBeam() {
    if (BeamLength == 0) return;
    // Loads that no longer fit the beam are not analysed, and the beam
    // cannot be saved as it stands; the lists say why.
    if (const std::string fault = AnalysisInputFault(); !fault.empty()) {
        AnalysisRefusal = fault;
        ShowStaleLists();
        gui::ShowMessage("The beam cannot be analysed: " + fault + ".");
        return;
    }
    const gui::Busy busy;
    ClearResultView();

    AnalysisHooks hooks = CaseTextHooks();
    hooks.Started = [this] {
        InitResultTexts();
        Save1.SetEnabled(true);
        SaveAs1.SetEnabled(true);
        Print1.SetEnabled(true);
        ClearResultLines();
    };
    hooks.MaximaFormed = [this] {
        SetReactionExtremes();
        ClearPicture();
        ShowAnalysedCases();
    };
    hooks.ReportsDue = [this] {
        List_Results.Clear();
        BuildResultsReport();
        FillResultLists();
    };
    hooks.Finished = [this] {
        BuildLoadingDataText();
        EnableResults();
    };
    try {
        RunAnalysis(hooks);
    } catch (const RunError&) {
        ShowBeamWithoutResults();
        throw;
    }
}

// The spinner and its caption follow at EnableResults, or at
// ShowBeamWithoutResults when the analysis fails after this: on the only
// loadcase, or on all of them overlaid.
void TIndexFrm::ShowAnalysedCases() {
    const bool one = NumLoadcases == 1;
    DisplayMode = one ? -1 : 1;
    ShownCase = one ? 1 : 0;
    DrawLoadsAndBeam();
    DrawShownDiagrams();
    if (one) FillCaseResultsList(List_CaseResults, ShownCase);
}
