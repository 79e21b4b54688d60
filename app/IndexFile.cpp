// The main window's File menu: New, Open, Save and Save As of beam data files.
#include <exception>
#include <initializer_list>
#include <memory>
#include <new>
#include <string>
#include <vector>
#include "AnalysisState.h"
#include "Beam.h"
#include "BeamDrawing.h"
#include "BeamFile.h"
#include "FileFault.h"
#include "Global.h"
#include "Index.h"
#include "LoadData.h"
#include "Messages.h"
#include "NewBeam.h"
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
    OpenBeamImage(LoadBeamFile(name), name);
    knownName_ = name;
    knownStamp_ = stamp;
    NoteBeamKept();
    OpenDialog.EnterChosenFolder();
}

void TIndexFrm::OpenBeamImage(const BeamFileImage& image, const std::string& name) {
    const OpenSession session(*this);
    std::string said;
    {
        const gui::Busy busy;
        // A file refused leaves the open beam as it was.
        try {
            ReadSoundBeam(image);
        } catch (const RunError& e) {
            throw RunError(CannotOpen(name, FileFault(e.what())));
        }
        try {
            said = ShowBeamImage(image.Layout, name);
        } catch (...) {
            const std::string why = ShowFault(std::current_exception());
            const bool back = ShowKeptBeam(session);
            throw RunError(CannotOpen(name, why) +
                           (back ? "" : "\rThe beam open before could not be shown again and was closed."));
        }
    }
    if (!said.empty()) gui::ShowMessage(said);
}

void TIndexFrm::ShowNewBeam(const std::string& name, const std::string& caption) {
    ResetBeamWindows(*this);
    BeamFileName = name;
    SetCaption(caption);
    TileLists();
}

std::string TIndexFrm::AnalyseReadBeam() {
    if (BeamLength == 0) {
        ResultsReady = 0;
        ShowBeamWithoutResults();
        return "the file holds results but no beam";
    }
    std::vector<std::string> held;
    try {
        const MessagesHeld quiet(held);
        AnalyseBeam();
    } catch (const RunError&) {
        return AnalysisRefusal.empty() ? "its beam and loads cannot be analysed"
                                       : "its beam cannot be analysed, as " + AnalysisRefusal;
    }
    return "";
}

std::string TIndexFrm::ShowBeamImage(BeamFileLayout layout, const std::string& name) {
    ShowNewBeam(name, name);
    SetMemberLengthLabels();
    std::string said;
    // The old layout keeps no results.
    if (layout == BeamFileLayout::V4 && ResultsReady == 1) {
        TakeLeftCantileverDescription();
        const auto stored = std::make_unique<StoredResultTables>();
        if (const std::string refusal = AnalyseReadBeam(); !refusal.empty()) {
            // No advice to analyse: the analysis has just refused it.
            said = "\"" + name + "\" was opened without its stored results: " + refusal + ".";
        } else if (const std::string differ = StoredResultsDifferences(*stored); !differ.empty()) {
            said = "The results shown for \"" + name +
                   "\" are a fresh analysis of its beam and loads as read, which differs from the results "
                   "stored with it in " + differ + ".";
        }
    } else {
        ShowBeamWithoutResults();
    }
    RefillInputWindows();
    return said;
}

bool TIndexFrm::ShowKeptBeam(const OpenSession& kept) {
    try {
        // The image keeps the member-length labels as they were.
        ReadNewBeam(kept.image);
        ShowNewBeam(kept.name, kept.caption);
        kept.Restore();
        // Its results were an analysis's of it as it stands, and are again.
        if (ResultsReady == 1) {
            AnalyseReadBeam();
        } else {
            AnalysisRefusal = kept.refusal;
            ShowBeamWithoutResults();
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
