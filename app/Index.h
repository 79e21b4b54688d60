// The main window: picture, result lists, loadcase spinner and the menus that
// reach every other window.
#pragma once
#include <cstdint>
#include <string>
#include <vector>
#include "Analysis.h"
#include "BinFile.h"
#include "Picture.h"
#include "gui.h"

struct BeamFileImage;
enum class BeamFileLayout;
struct OpenSession;

// The hooks of AnalyseBeam that build each loadcase's result texts and the
// envelope text.
AnalysisHooks CaseTextHooks();

class TIndexFrm : public gui::Form {
public:
    TIndexFrm();
    ~TIndexFrm() override;

    gui::Image Image1{*this};
    gui::Label Label_Case{*this, "Loadcase."};
    gui::Label lbl_Case{*this, "1"};
    gui::Edit Edit_Case{*this, "0"};
    gui::UpDown UpDown1{*this, Edit_Case};
    gui::ListBox List_Results{*this};
    gui::ListBox List_CaseResults{*this};

    gui::MainMenu MainMenu1{*this};
    gui::MenuItem File1{MainMenu1, "File"};
    gui::MenuItem New1{File1, "New"};
    gui::MenuItem Open1{File1, "Open"};
    gui::MenuItem N1{File1, "-"};
    gui::MenuItem Save1{File1, "Save"};
    gui::MenuItem SaveAs1{File1, "Save As"};
    gui::MenuItem N2{File1, "-"};
    gui::MenuItem SetHeader1{File1, "Set Header"};
    gui::MenuItem Print1{File1, "Print"};
    gui::MenuItem N3{File1, "-"};
    gui::MenuItem ExitSolvane1{File1, "Exit Korvela"};
    gui::MenuItem Input1{MainMenu1, "Input"};
    gui::MenuItem Beam1{Input1, "Beam"};
    gui::MenuItem Loads1{Input1, "Loads"};
    gui::MenuItem Tile1{MainMenu1, "Tile"};
    gui::MenuItem Default1{Tile1, "Default"};
    gui::MenuItem Diagrams1{Tile1, "Diagrams"};
    gui::MenuItem Results1{Tile1, "Results"};
    gui::MenuItem N4{Tile1, "-"};
    gui::MenuItem ShowSummary1{Tile1, "Show Results Summary"};
    gui::MenuItem ShowLoadcaseResults1{Tile1, "Show Loadcase Results "};
    gui::MenuItem Analyse_it{MainMenu1, "Analyse"};
    gui::MenuItem Analyse2{Analyse_it, "Analyse"};
    gui::MenuItem Resultsatapoint1{Analyse_it, "Results at a point"};
    gui::MenuItem Settings1{MainMenu1, "Settings"};
    gui::MenuItem Units1{Settings1, "Preferences"};
    gui::MenuItem Info1{MainMenu1, "Info"};
    gui::MenuItem Disclaimer1{Info1, "General"};
    gui::MenuItem About1{Info1, "About"};
    gui::OpenDialog OpenDialog;
    gui::SaveDialog SaveDialog;

    int32_t ShownCase = 0;  // loadcase shown, 0 = all
    int32_t TileMode = 0;   // 1 after Tile > Results
    gui::Rect ImageRect;

    void TileDefault();
    // Both lists at their default place below the picture, which is not
    // drawn; ShownCase from the spinner.
    void TileLists();
    // Rewrites the built-in section tables into the program folder; every
    // showing of the window does it.
    void WriteTables();
    void ClearPicture();  // fills ImageRect black
    // Before results are shown: both lists empty, the spinner shown, the
    // picture black.
    void ClearResultView();
    // Analyses the beam and shows its results: picture, texts and lists, on
    // its only loadcase or on all of them. Open shows a file's results so.
    void AnalyseBeam();
    // Window sizes the picture is laid out from.
    PictureFrame Frame() const;
    void DrawLoadsAndBeam();
    // Result diagrams of ShownCase, or of every loadcase with results when it
    // is 0; ShownCase stays as it is.
    void DrawShownDiagrams();
    // The whole picture of ShownCase: loads, beam and result diagrams.
    void DrawPicture();
    // The loadcase spinner with its caption and label.
    void ShowCaseSpinner(bool visible);
    // Results out of date: the lists say the beam must be analysed, the
    // picture shows the beam and its loads alone.
    void ShowResultsStale();
    // Enabled states once a beam is analysed or opened: Save and Save As, and
    // the spinner, captioned, on the loadcase first shown, the only one or all.
    void EnableBeamSaving();
    // Those, and Print: after an analysis or the opening of a file with results.
    void EnableResults();
    // The results list, and the envelope list over several loadcases.
    void FillResultLists();
    // Beam data files: Save writes to BeamFileName, asking first when the
    // file changed on disk since it was opened or saved here; a failure shows
    // "File Saving Error" and falls back to Save As, which asks for the name.
    // A failed save is told, and the old file kept.
    void SaveBeamFile();
    void SaveBeamFileAs();
    // Before the beam is given up (New, Open, Exit): asks whether to give up
    // entries a beam data or loads window holds, shown or closed, that Next
    // has not taken, then, when what the user typed or chose differs from
    // what was last opened or saved, whether to save it. True once they are saved or to be discarded; false to keep
    // the beam and the windows as they are.
    bool MayGiveUpBeam();
    // Makes a loaded image the open beam, named name, with the results an
    // analysis of its beam and loads gives (or none, saying why), and says
    // where they differ from those it stored. An image refused changes
    // nothing; when it cannot be shown, the beam open before comes back as it
    // was. Either raises the reason.
    void OpenBeamImage(const BeamFileImage& image, const std::string& name);

private:
    void FormCreate();
    void Loads1Click();
    void Diagrams1Click();
    void Results1Click();
    void UpDown1Click();
    void New1Click();
    void Open1Click();
    // The showing of OpenBeamImage, once the image of the given layout is
    // read; raises what fails. Returns what to tell of the stored results,
    // else "".
    std::string ShowBeamImage(BeamFileLayout layout, const std::string& name);
    // The beam a session kept, shown as it was; false, with a new beam
    // shown, when it cannot be.
    bool ShowKeptBeam(const OpenSession& kept);
    void RestoreView(const OpenSession& session);
    // The beam just read made the open beam, named name and captioned
    // caption, the windows reset and the lists at their default place; its
    // results are not yet shown.
    void ShowNewBeam(const std::string& name, const std::string& caption);
    // Shows the beam as read with its results through AnalyseBeam, whose
    // messages are held: a beam from a file is not judged aloud. Returns why
    // it has no results, "" when it has.
    std::string AnalyseReadBeam();
    // Shows a beam without results as an analysis would, but for the
    // results: on the loadcase the spinner names, its loads labelled, the
    // lists saying why there are none.
    void ShowBeamWithoutResults();
    void List_ResultsClick();
    void List_CaseResultsClick();
    // Picture and case list right after the analysis of every loadcase.
    void ShowAnalysedCases();
    void ShowStaleLists();
    int ListHeight(int fallback) const;
    int CaseFromEdit() const;
    // Captions lbl_Case with the loadcase the spinner names, "All" for 0.
    void ShowCaseCaption();
    // Writes the beam to name and records it as known; the failure's text,
    // empty when the file is whole.
    std::string WriteBeamFile(const std::string& name);

    // The beam file as last read or written here, to tell another's change.
    std::string knownName_;
    DiskStamp knownStamp_;
    // The beam as last opened or saved, to tell the user's change.
    void NoteBeamKept();
    bool BeamChanged() const;
    std::vector<uint8_t> keptBeam_;
};

extern TIndexFrm* IndexFrm;
