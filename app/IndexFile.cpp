// The main window's File menu: New, Open, Save and Save As of beam data files.
#include <string>
#include <vector>
#include "Analysis.h"
#include "AnalysisState.h"
#include "Beam.h"
#include "BeamDrawing.h"
#include "BeamFile.h"
#include "CaseResults.h"
#include "CaseTexts.h"
#include "Envelope.h"
#include "EnvelopeText.h"
#include "Global.h"
#include "Index.h"
#include "LoadData.h"
#include "Maxima.h"
#include "NewBeam.h"
#include "ResultDiagrams.h"
#include "ResultLists.h"
#include "ResultTexts.h"
#include "RunError.h"
#include "StressText.h"

namespace {

bool EndsWithKvl(const std::string& name) { return name.size() >= 3 && name.compare(name.size() - 3, 3, "kvl") == 0; }

// Loadcases without applied loads show what the analysis gives them.
void NoLoadsSpanData(int lc) {
    SpanDataStore& store = CaseSpanDataText[lc];
    store[0] = "2";
    store[1] = "LOADCASE" + std::to_string(lc);
    store[2] = "No Loads Applied";
}

// Summaries of loadcases 0..NumLoadcases and the envelope samples start
// clear, as before an analysis, so nothing of an earlier beam joins in.
void ClearFileCaseResults() {
    for (int lc = 0; lc <= NumLoadcases; ++lc)
        for (auto* table : {&ShearSummary, &MomentSummary, &DeflectionSummary})
            for (MemberSummary& row : (*table)[lc]) row.Fill(0);
    ClearEnvelope();
}

// The beam data and loads windows from the model just read.
void RefillInputWindows() {
    BeamFrm->ShowBeamData();
    LoadDataFrm->RestoreLoadRows();
}

}  // namespace

void TIndexFrm::New1Click() {
    ResetBeamData(*this);
    BeamFrm->Show();
}

void TIndexFrm::Open1Click() {
    OpenDialog.Filter = "Brastel  Beam Data   (*.kvl)|*.kvl";
    if (!OpenDialog.Execute()) return;
    const std::string name = OpenDialog.FileName;
    if (!EndsWithKvl(name)) {
        ResetBeamData(*this);
        gui::SetHourglass(false);
        return;
    }
    // The whole file is read and checked before the open beam is given up.
    const std::vector<uint8_t> bytes = ReadFileBytes(name);
    const BeamFileLayout layout = BeamFileLayoutOf(bytes);
    if (layout == BeamFileLayout::Unknown) throw RunError("Unknown beam data file version");
    if (layout == BeamFileLayout::V4)
        CheckBeamFileV4(bytes);
    else
        CheckBeamFileOld(bytes);

    ResetBeamData(*this);
    gui::SetHourglass(true);
    BeamFileName = name;
    SetCaption(BeamFileName.str());
    if (layout == BeamFileLayout::Old) {
        ReadBeamFileOld(bytes);
    } else {
        ReadBeamFileV4(bytes);
        RestoreFileResults();
    }
    RefillInputWindows();
    gui::SetHourglass(false);
}

void TIndexFrm::RestoreFileResults() {
    UpDown1.SetPosition(0);
    TileDefault();
    List_Results.Clear();
    List_CaseResults.Clear();
    ShowCaseSpinner(true);
    ClearPicture();

    ClearFileCaseResults();
    ReactionMaxPos.Fill(0);
    ReactionMaxNeg.Fill(0);
    MaxStress = 0;
    const bool envelope = SupportTypes[1] != SupportForkhead;
    for (int lc = 1; lc <= NumLoadcases; ++lc) {
        CurrentCase = lc;
        if (LoadcaseActive[lc] == 0) {
            NoLoadsSpanData(lc);
            continue;
        }
        RestoreCaseWork();
        StoreCaseResults();
        BuildStressText();
        BuildLoadcaseReport();
        EnvelopeText[0] = "0";
        if (envelope) SampleCaseAtTwentieths();
    }
    AllCasesShearMaxima();
    AllCasesMomentMaxima();
    AllCasesDeflectionMaxima();
    if (envelope) {
        ComputeEnvelope();
        BuildEnvelopeText();
    }

    gui::Canvas& c = Image1.GetCanvas();
    if (NumLoadcases == 1) {
        ShownCase = 1;
        DisplayMode = -1;
        lbl_Case.SetCaption("1");
    } else {
        ShownCase = 0;
        DisplayMode = 1;
        lbl_Case.SetCaption("All");
    }
    const int32_t shown = ShownCase;
    DrawBeam(c, Frame());
    DrawLoads(c, Frame(), ShownCase);
    ShownCase = shown;
    FillCaseResultsList(List_CaseResults, ShownCase);
    FillResultsList(List_Results);
    if (NumLoadcases > 1) FillEnvelopeList(List_CaseResults);
    for (int lc = 1; lc <= NumLoadcases; ++lc) {
        if (LoadcaseActive[lc] == 0) continue;
        ShownCase = lc;
        DrawResultDiagrams(c, Frame(), ShownCase);
    }
    ShownCase = shown;
    ResultsReady = 1;
    EnableResults();
}

void TIndexFrm::SaveBeamFile() {
    try {
        gui::SetHourglass(true);
        SaveBeamDataFile(BeamFileName.str());
    } catch (const RunError&) {
        SaveBeamFileAs();
    }
    gui::SetHourglass(false);
}

void TIndexFrm::SaveBeamFileAs() {
    SaveDialog.Filter = "Brastel  (*.kvl)|*.kvl|All Files  (*.*)|*.*";
    SaveDialog.DefaultExt = "kvl";
    if (!SaveDialog.Execute()) return;
    BeamFileName = SaveDialog.FileName;
    try {
        gui::SetHourglass(true);
        SaveBeamDataFile(BeamFileName.str());
    } catch (const RunError&) {
        gui::ShowMessage("File Saving Error");
    }
    SetCaption(BeamFileName.str());
    gui::SetHourglass(false);
}
