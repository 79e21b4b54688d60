// The main window's File menu: New, Open, Save and Save As of beam data files.
#include <exception>
#include <initializer_list>
#include <new>
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

namespace {

// The hooks that build every result text as an analysis builds them, for
// the analysis that judges a file's stored results and for their restoring.
AnalysisHooks ResultTextHooks() {
    AnalysisHooks hooks = CaseTextHooks();
    hooks.Started = [] {
        InitResultTexts();
        ClearResultLines();
    };
    hooks.MaximaFormed = SetReactionExtremes;
    return hooks;
}

}  // namespace

// The open beam as Open found it, to bring back when the file chosen cannot
// be shown: its model and results (as its own file would keep them), its
// refusal, what no beam data file carries (the unit preferences, the
// self-weight scope, the left cantilever's description) and the view.
struct OpenSession {
    explicit OpenSession(const TIndexFrm& f)
        : caption(f.Caption()),
          shownCase(f.UpDown1.Position()),
          listsClosed(f.List_Results.Height() == 0),
          saving(f.Save1.Enabled()),
          printing(f.Print1.Enabled()),
          spinning(f.UpDown1.Enabled()) {}

    const BeamFileImage image{BeamFileLayout::V4, BeamDataFileBytes()};
    const std::string name = BeamFileName, caption, refusal = AnalysisRefusal;
    const KeptUnitSettings units;
    const int32_t selfWeightScope = SelfWeightScope;
    const ShortString<100> leftCantilever = SpanDescription[LHC];
    const int32_t displayMode = DisplayMode;
    const int shownCase;
    const bool listsClosed, saving, printing, spinning;
    const bool beamShown = BeamFrm->Showing(), loadsShown = LoadDataFrm->Showing();

    // Back into the model, before it is shown.
    void Restore() const {
        units.Restore();
        SelfWeightScope = selfWeightScope;
        SpanDescription[LHC] = leftCantilever;
    }
};

namespace {

// What stopped a file from being shown, in words a user reads after its name.
std::string ShowFault(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::bad_alloc&) {
        return "there is not enough memory to show it";
    } catch (const std::exception& e) {
        return FileFault(e.what());
    } catch (...) {
        return "an unknown error stopped its showing";
    }
}

}  // namespace

void TIndexFrm::Open1Click() {
    if (!MayGiveUpBeam()) return;
    OpenDialog.Filter = "Brastel  Beam Data   (*.kvl)|*.kvl";
    if (!OpenDialog.Execute()) return;
    const std::string name = OpenDialog.FileName;
    // Taken before the read, so that a change while reading is seen at Save.
    const DiskStamp stamp = DiskStampOf(name);
    // The whole file is read and checked before the open beam is given up.
    OpenBeamImage(LoadBeamFile(name), name);
    knownName_ = name;
    knownStamp_ = stamp;
    NoteBeamKept();
    OpenDialog.EnterChosenFolder();
}

void TIndexFrm::OpenBeamImage(const BeamFileImage& image, const std::string& name) {
    const OpenSession session(*this);
    std::string said;
    try {
        said = ShowBeamImage(image, name);
    } catch (...) {
        const std::string why = ShowFault(std::current_exception());
        const bool back = ShowKeptBeam(session);
        throw RunError("Cannot open \"" + name + "\": " + why +
                       (back ? "." : ".\rThe beam open before could not be shown again and was closed."));
    }
    if (!said.empty()) gui::ShowMessage(said);
}

std::string TIndexFrm::ShowBeamImage(const BeamFileImage& image, const std::string& name) {
    ResetBeamData(*this);
    const gui::Busy busy;
    BeamFileName = name;
    SetCaption(name);
    auto read = [&] {
        ReadBeamFile(image);
        SetMemberLengthLabels();
    };
    read();
    // The old layout keeps no results.
    std::string said;
    if (image.Layout == BeamFileLayout::V4 && ResultsReady == 1) {
        // The analysis changes what was read, so the file is read again.
        const StoredResultsVerdict verdict(ResultTextHooks());
        read();
        if (verdict.Refusal().empty()) {
            verdict.PutResults();
            RestoreFileResults();
            if (!verdict.Differences().empty())
                said = "The results shown for \"" + name +
                       "\" are a fresh analysis of its beam and loads as read, which differs from the results "
                       "stored with it in " + verdict.Differences() + ".";
            RefillInputWindows();
            return said;
        }
        // No advice to analyse: the analysis has just refused it.
        said = "\"" + name + "\" was opened without its stored results: " + verdict.Refusal() + ".";
    }
    // Not MarkResultsStale: the beam is as analysed above, if it was, so a
    // refusal still holds, and the view is set up here.
    ResultsReady = 0;
    ShowBeamWithoutResults(true);
    RefillInputWindows();
    return said;
}

bool TIndexFrm::ShowKeptBeam(const OpenSession& kept) {
    try {
        ResetBeamData(*this);
        BeamFileName = kept.name;
        SetCaption(kept.caption);
        // The image keeps the member-length labels as they were.
        ReadBeamFile(kept.image);
        kept.Restore();
        // Its own results, as they were shown: nothing to judge.
        if (ResultsReady == 1) {
            RestoreFileResults();
        } else {
            AnalysisRefusal = kept.refusal;
            ShowBeamWithoutResults(true);
        }
        RefillInputWindows();
        RestoreView(kept);
        if (kept.beamShown) BeamFrm->Show();
        if (kept.loadsShown) LoadDataFrm->Show();
        Save1.SetEnabled(kept.saving);
        SaveAs1.SetEnabled(kept.saving);
        Print1.SetEnabled(kept.printing);
        UpDown1.SetEnabled(kept.spinning);
        return true;
    } catch (...) {
        ResetBeamData(*this);
        kept.Restore();
        return false;
    }
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
    TileLists();
    ClearResultView();

    // Every text is built from the beam, its loads and the stored results
    // as an analysis builds it; none the file holds is shown as read.
    TakeLeftCantileverDescription();
    RestoreStoredResults(ResultTextHooks());

    // The spinner and its caption follow at EnableResults.
    ShownCase = NumLoadcases == 1 ? 1 : 0;
    DisplayMode = NumLoadcases == 1 ? -1 : 1;
    const int32_t shown = ShownCase;
    DrawLoadsAndBeam();
    ShownCase = shown;
    FillCaseResultsList(List_CaseResults, ShownCase);
    DrawShownDiagrams();
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

namespace {

// Entries typed into an input window, shown or closed by its title bar,
// are not yet the beam's, so no save keeps them: they go only on the user's
// word, else the window that holds them comes to the front.
bool MayGiveUpEntries() {
    for (gui::Form* w : std::initializer_list<gui::Form*>{BeamFrm, LoadDataFrm}) {
        if (!w->Edited()) continue;
        if (!gui::AskYesNo("The " + w->Caption() + " window holds entries that Next > has not taken.\rGive them up?")) {
            w->Show();
            return false;
        }
    }
    return true;
}

}  // namespace

bool TIndexFrm::MayGiveUpBeam() {
    if (!MayGiveUpEntries()) return false;
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
