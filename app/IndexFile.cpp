// The main window's File menu: New, Open, Save and Save As of beam data files.
#include <string>
#include "Analysis.h"
#include "AnalysisState.h"
#include "Beam.h"
#include "BeamDrawing.h"
#include "BeamFile.h"
#include "FileFault.h"
#include "Global.h"
#include "Index.h"
#include "LoadData.h"
#include "LoadingDataText.h"
#include "NewBeam.h"
#include "ResultDiagrams.h"
#include "ResultLists.h"
#include "ResultTexts.h"
#include "ResultsReport.h"
#include "RunError.h"
#include "StoredResults.h"
#include "UnitSettings.h"

namespace {

// The beam data and loads windows from the model just read.
void RefillInputWindows() {
    BeamFrm->ShowBeamData();
    LoadDataFrm->RestoreLoadRows();
}

// The file keeps the left cantilever's description only at the end of its
// row in the stored report: taken from there where the rest of the row is
// as the report of the beam read writes it.
void TakeLeftCantileverDescription() {
    if (SameForAllSpans != -1 || !MemberPresent(LHC)) return;
    const auto stored = ReportText;
    const ShortString<100> before = SpanDescription[LHC];
    SpanDescription[LHC] = "";
    BuildResultsReport();
    const int n = StoreCount(ReportText);
    for (int i = 1; i <= n; ++i) {
        const std::string row = ReportText[i].str(), kept = stored[i].str();
        if (row.rfind(" LHC", 0) != 0) continue;
        SpanDescription[LHC] = kept.rfind(row, 0) == 0 ? kept.substr(row.size()) : before.str();
        return;
    }
    SpanDescription[LHC] = before;
}

}  // namespace

void TIndexFrm::New1Click() {
    if (!MayGiveUpBeam()) return;
    ResetBeamData(*this);
    BeamFrm->Show();
}

// What Open changes that a beam data file does not carry: the unit
// preferences, the self-weight scope, the left cantilever's description and
// the view of the main window.
struct OpenSession {
    explicit OpenSession(const TIndexFrm& f)
        : shownCase(f.UpDown1.Position()), listsClosed(f.List_Results.Height() == 0) {}

    const KeptUnitSettings units;
    const int32_t selfWeightScope = SelfWeightScope;
    const ShortString<100> leftCantilever = SpanDescription[LHC];
    const int32_t displayMode = DisplayMode;
    const int shownCase;
    const bool listsClosed;

    // Back into the model, before it is shown.
    void Restore() const {
        units.Restore();
        SelfWeightScope = selfWeightScope;
        SpanDescription[LHC] = leftCantilever;
    }
};

void TIndexFrm::Open1Click() {
    if (!MayGiveUpBeam()) return;
    OpenDialog.Filter = "Brastel  Beam Data   (*.kvl)|*.kvl";
    if (!OpenDialog.Execute()) return;
    const std::string name = OpenDialog.FileName;
    // Taken before the read, so that a change while reading is seen at Save.
    const DiskStamp stamp = DiskStampOf(name);
    // The whole file is read and checked before the open beam is given up.
    const BeamFileImage image = LoadBeamFile(name);
    // Values the checks pass may still fail where they are shown or drawn
    // (a stress or a drawing scale beyond range): the open beam then comes
    // back from its own image, or, when it has no spans to keep, stays reset;
    // either way with the session's own settings and view.
    std::string unkeptResults;
    const BeamFileImage kept = KeepableBeamImage(unkeptResults);
    const std::string keptName = BeamFileName;
    const OpenSession session(*this);
    std::string unshown;
    try {
        unshown = ShowBeamImage(image, name);
    } catch (const RunError&) {
        try {
            ShowBeamImage(kept, keptName, &session);
            RestoreView(session);
        } catch (const RunError&) {
            ResetBeamData(*this);
            session.Restore();
        }
        throw RunError("Cannot open \"" + name + "\": its values lie beyond what can be shown or drawn.");
    }
    knownName_ = name;
    knownStamp_ = stamp;
    NoteBeamKept();
    OpenDialog.EnterChosenFolder();
    // Analysing helps only a beam that has one and does not refuse it.
    if (!unshown.empty())
        gui::ShowMessage("\"" + name + "\" was opened without its stored results: " + unshown + "." +
                         (BeamLength != 0 && AnalysisRefusal.empty() ? "\rAnalyse the beam to see its results." : ""));
}

std::string TIndexFrm::ShowBeamImage(const BeamFileImage& image, const std::string& name,
                                     const OpenSession* session) {
    ResetBeamData(*this);
    const gui::Busy busy;
    BeamFileName = name;
    SetCaption(name.empty() ? "Korvela" : name);
    auto read = [&] {
        ReadBeamFile(image);
        SetMemberLengthLabels();
        if (session) session->Restore();
    };
    read();
    // Only results that an analysis of the beam as read gives again are
    // shown; the old layout keeps none. The analysis changes what was read,
    // so the file is read again.
    std::string unshown;
    const bool stored = image.Layout == BeamFileLayout::V4 && ResultsReady == 1;
    if (stored) {
        unshown = StoredResultsDisagreement();
        read();
    }
    if (stored && unshown.empty()) {
        RestoreFileResults();
    } else {
        // Not MarkResultsStale: the beam is as analysed above, if it was, so
        // a refusal still holds, and the view is set up here.
        ResultsReady = 0;
        ShowBeamWithoutResults(true);
    }
    RefillInputWindows();
    return unshown;
}

// The loadcase and the tiling shown before, over the view a restore sets up.
void TIndexFrm::RestoreView(const OpenSession& session) {
    if (UpDown1.Position() != session.shownCase && session.shownCase <= UpDown1.Max()) {
        UpDown1.SetPosition(session.shownCase);
        UpDown1Click();
    }
    if (TileMode == 1)
        Results1Click();
    else if (session.listsClosed)
        Diagrams1Click();
    DisplayMode = session.displayMode;
}

void TIndexFrm::RestoreFileResults() {
    UpDown1.SetPosition(0);
    TileDefault();
    ClearResultView();

    // Every text is built from the beam, its loads and the stored results
    // as an analysis builds it; none the file holds is shown as read.
    TakeLeftCantileverDescription();
    AnalysisHooks hooks = CaseTextHooks();
    hooks.Started = [] {
        InitResultTexts();
        ClearResultLines();
    };
    hooks.MaximaFormed = SetReactionExtremes;
    RestoreStoredResults(hooks);

    // The spinner and its caption follow at EnableResults.
    ShownCase = NumLoadcases == 1 ? 1 : 0;
    DisplayMode = NumLoadcases == 1 ? -1 : 1;
    const int32_t shown = ShownCase;
    DrawLoadsAndBeam();
    ShownCase = shown;
    FillCaseResultsList(List_CaseResults, ShownCase);
    DrawShownDiagrams();
    // The marks of loadcases without load are those the analysis of the
    // beam as read has left.
    if (AnyLoadcaseLoaded()) BuildResultsReport();
    BuildLoadingDataText();
    FillResultLists();
    EnableResults();
}

namespace {

std::string SaveFailure(const std::string& name, const std::string& what) {
    return "File Saving Error\n" + name + ": " + WriteFault(what);
}

}  // namespace

std::string TIndexFrm::WriteBeamFile(const std::string& name) {
    std::string failure, dropped;
    try {
        const gui::Busy busy;
        dropped = SaveBeamDataFile(name);
    } catch (const RunError& e) {
        failure = e.what();
    }
    knownName_ = name;
    knownStamp_ = DiskStampOf(name);
    if (failure.empty()) NoteBeamKept();
    if (!dropped.empty()) gui::ShowMessage(name + " was saved without its results: " + dropped + ".");
    return failure;
}

void TIndexFrm::SaveBeamFile() {
    // A new beam has no name yet: asking for one is no failure.
    if (BeamFileName.empty()) {
        SaveBeamFileAs();
        return;
    }
    if (BeamFileName == knownName_ && DiskStampOf(BeamFileName) != knownStamp_ &&
        !gui::AskYesNo(BeamFileName + " has changed on disk since it was opened or last saved here.\rOverwrite it?"))
        return;
    const std::string failure = WriteBeamFile(BeamFileName);
    if (failure.empty()) return;
    gui::ShowMessage(SaveFailure(BeamFileName, failure));
    SaveBeamFileAs();
}

void TIndexFrm::SaveBeamFileAs() {
    SaveDialog.Filter = "Brastel  (*.kvl)|*.kvl|All Files  (*.*)|*.*";
    SaveDialog.DefaultExt = "kvl";
    if (!SaveDialog.Execute()) return;
    BeamFileName = SaveDialog.FileName;
    const std::string failure = WriteBeamFile(BeamFileName);
    if (failure.empty())
        SaveDialog.EnterChosenFolder();
    else
        gui::ShowMessage(SaveFailure(BeamFileName, failure));
    SetCaption(BeamFileName);
}

namespace {

// Empty when no file image of the beam can be formed: no file keeps it.
std::vector<uint8_t> BeamContent() {
    try {
        return BeamContentBytes();
    } catch (const RunError&) {
        return {};
    }
}

}  // namespace

void TIndexFrm::NoteBeamKept() { keptBeam_ = BeamContent(); }

// Without a beam there is nothing to keep.
bool TIndexFrm::BeamChanged() const {
    if (BeamLength == 0) return false;
    const std::vector<uint8_t> now = BeamContent();
    return now.empty() || now != keptBeam_;
}

bool TIndexFrm::MayGiveUpBeam() {
    if (!BeamChanged()) return true;
    const std::string text = BeamFileName.empty()
                                 ? "The beam has not been saved.\rSave it?"
                                 : "The beam has been changed since \"" + BeamFileName +
                                       "\" was opened or saved.\rSave the changes?";
    switch (gui::AskSaveChanges(text)) {
        case gui::SaveChoice::Discard:
            return true;
        case gui::SaveChoice::Cancel:
            return false;
        case gui::SaveChoice::Save:
            break;
    }
    // A save that fails or is cancelled gives nothing up.
    SaveBeamFile();
    return !BeamChanged();
}
