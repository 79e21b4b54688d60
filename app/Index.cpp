#include "Index.h"
#include <sstream>
#include <utility>
#include <vector>
#include "About.h"
#include "AnalysisState.h"
#include "Beam.h"
#include "BeamDrawing.h"
#include "Convert.h"
#include "Global.h"
#include "Info.h"
#include "LoadData.h"
#include "Point.h"
#include "Preferences.h"
#include "ResultDiagrams.h"
#include "ResultLists.h"
#include "Print.h"
#include "SectionTables.h"
#include "SetHeader.h"
#include "Unit1.h"

TIndexFrm* IndexFrm = nullptr;

namespace {

// A text in lines of at most `width` characters, broken at blanks.
std::vector<std::string> WordLines(const std::string& text, size_t width) {
    std::vector<std::string> lines;
    std::istringstream words(text);
    std::string word, line;
    while (words >> word) {
        if (!line.empty() && line.size() + 1 + word.size() > width) lines.push_back(std::exchange(line, ""));
        line += (line.empty() ? "" : " ") + word;
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

}  // namespace

TIndexFrm::TIndexFrm() : gui::Form("Korvela") {
    SetBorder(gui::Border::Single);
    SetColour(gui::clBlack);

    Image1.SetBounds(0, 0, 257, 201);
    Label_Case.SetBounds(8, 8, 80, 20);
    Label_Case.SetFont({"Arial Narrow", 15, 0, gui::clWhite});
    Label_Case.SetTransparent(true);
    lbl_Case.SetBounds(14, 32, 35, 27);
    lbl_Case.SetColour(gui::clWhite);
    lbl_Case.SetFont({"MS Sans Serif", 8, 17});
    Edit_Case.SetBounds(16, 32, 33, 28);
    UpDown1.SetBounds(49, 32, 20, 28);
    UpDown1.SetMin(0);
    UpDown1.SetMax(25);
    UpDown1.SetPosition(0);
    ShowCaseSpinner(false);
    Edit_Case.SetVisible(false);
    const gui::Font listFont{"Courier", 8, 17};
    List_Results.SetBounds(0, 440, 409, 161);
    List_CaseResults.SetBounds(448, 440, 257, 161);
    for (gui::ListBox* l : {&List_Results, &List_CaseResults}) {
        l->SetColour(gui::clWhite);
        l->SetFont(listFont);
    }
    Save1.SetEnabled(false);
    SaveAs1.SetEnabled(false);
    Print1.SetEnabled(false);

    OnShow = [this] { WriteTables(); };
    New1.OnClick = [this] { New1Click(); };
    Open1.OnClick = [this] { Open1Click(); };
    Save1.OnClick = [this] { SaveBeamFile(); };
    SaveAs1.OnClick = [this] { SaveBeamFileAs(); };
    SetHeader1.OnClick = [] { SetHeaderFrm->ShowModal(); };
    Print1.OnClick = [] { PrintFrm->Show(); };
    ExitSolvane1.OnClick = [] { Form1->Close(); };
    Beam1.OnClick = [] { BeamFrm->Show(); };
    Loads1.OnClick = [this] { Loads1Click(); };
    Default1.OnClick = [this] {
        TileMode = 0;
        TileDefault();
    };
    Diagrams1.OnClick = [this] { Diagrams1Click(); };
    Results1.OnClick = [this] { Results1Click(); };
    Analyse2.OnClick = [this] { AnalyseBeam(); };
    Resultsatapoint1.OnClick = [] { PointFrm->ShowModal(); };
    Units1.OnClick = [] { PreferencesFrm->Show(); };
    Disclaimer1.OnClick = [] { InfoFrm->Show(); };
    About1.OnClick = [] { AboutBox->Show(); };
    UpDown1.OnClick = [this] { UpDown1Click(); };
    SetStaleResultsHandler([this] { ShowResultsStale(); });
    List_Results.OnClick = [this] { List_ResultsClick(); };
    List_CaseResults.OnClick = [this] { List_CaseResultsClick(); };
    FormCreate();
}

// Lists take the space below 650 pixels of picture when the window is tall enough.
int TIndexFrm::ListHeight(int fallback) const { return Height() > 750 ? Height() - 650 : fallback; }

int TIndexFrm::CaseFromEdit() const { return StrToInt(Edit_Case.Text()); }

void TIndexFrm::ShowCaseCaption() { lbl_Case.SetCaption(Edit_Case.Text() == "0" ? "All" : Edit_Case.Text()); }

void TIndexFrm::FormCreate() {
    SetBounds(1, 1, gui::ScreenWidth() - 2, gui::ScreenHeight() - 2);
    List_Results.SetWidth(500);
    List_Results.SetHeight(ListHeight(25));
    List_Results.SetTop(ClientHeight() - List_Results.Height());
    int w = Width() > 1100 ? ClientWidth() - List_Results.Width() : 625;
    List_CaseResults.SetBounds(ClientWidth() - w, 0, w, ListHeight(25));
    List_CaseResults.SetTop(ClientHeight() - List_CaseResults.Height());
    Image1.SetBounds(0, 0, ClientWidth(), ClientHeight());
    Image1.SetSize(ClientWidth(), ClientHeight());
    Image1.BringToFront();
    for (gui::Control* c : {static_cast<gui::Control*>(&List_Results), static_cast<gui::Control*>(&List_CaseResults),
                            static_cast<gui::Control*>(&Label_Case), static_cast<gui::Control*>(&lbl_Case),
                            static_cast<gui::Control*>(&Edit_Case), static_cast<gui::Control*>(&UpDown1)})
        c->BringToFront();
    ClearPicture();
}

void TIndexFrm::ClearPicture() {
    ImageRect = {0, 0, ClientWidth(), ClientHeight()};
    gui::Canvas& c = Image1.GetCanvas();
    c.Brush.Colour = gui::clBlack;
    c.FillRect(ImageRect);
}

void TIndexFrm::ClearResultView() {
    List_Results.Clear();
    List_CaseResults.Clear();
    ShowCaseSpinner(true);
    ClearPicture();
}

// The window is shown whether or not the tables can be written, so from
// now on a change of units converts the data open in the windows.
void TIndexFrm::WriteTables() {
    IndexFrmShown = 1;
    WriteSectionTables();
}

void TIndexFrm::ShowCaseSpinner(bool visible) {
    Label_Case.SetVisible(visible);
    lbl_Case.SetVisible(visible);
    UpDown1.SetVisible(visible);
}

void TIndexFrm::EnableBeamSaving() {
    Save1.SetEnabled(true);
    SaveAs1.SetEnabled(true);
    UpDown1.SetEnabled(true);
    UpDown1.SetMax(NumLoadcases);
    // The spinner holds the loadcase the picture shows: the only one, or all.
    UpDown1.SetPosition(NumLoadcases == 1 ? 1 : 0);
    ShowCaseCaption();
    ShowCaseSpinner(true);
}

void TIndexFrm::EnableResults() {
    EnableBeamSaving();
    Print1.SetEnabled(true);
}

void TIndexFrm::Loads1Click() {
    if (BeamLength == 0.0)
        gui::ShowMessage("Specify beam data first");
    else
        LoadDataFrm->Show();
}

void TIndexFrm::TileDefault() {
    TileLists();
    DrawPicture();
}

void TIndexFrm::TileLists() {
    ShownCase = CaseFromEdit();
    for (gui::ListBox* l : {&List_Results, &List_CaseResults}) {
        l->SetVisible(true);
        l->SetHeight(ListHeight(20));
        l->SetTop(ClientHeight() - l->Height());
    }
}

PictureFrame TIndexFrm::Frame() const { return {Width(), Height(), List_CaseResults.Height(), TileMode}; }

// The strokes of loads and beam before their labels, which keep clear of them.
void TIndexFrm::DrawLoadsAndBeam() {
    gui::Canvas& c = Image1.GetCanvas();
    DrawLoads(c, Frame(), ShownCase, Layer::Strokes);
    DrawBeam(c, Frame(), Layer::Strokes);
    DrawLoads(c, Frame(), ShownCase, Layer::Labels);
    DrawBeam(c, Frame(), Layer::Labels);
}

// The labels follow the loadcase shown, so the mode is set before anything
// is drawn (the loads of one loadcase are drawn as all under mode 1).
void TIndexFrm::DrawPicture() {
    ClearPicture();
    DisplayMode = ShownCase == 0 ? 1 : -1;
    DrawLoadsAndBeam();
    if (ResultsReady == 1) DrawShownDiagrams();
}

void TIndexFrm::DrawShownDiagrams() {
    gui::Canvas& c = Image1.GetCanvas();
    if (ShownCase != 0) {
        DrawResultDiagrams(c, Frame(), ShownCase);
        return;
    }
    for (int lc = 1; lc <= NumLoadcases; ++lc)
        if (CaseHasResults(lc)) DrawResultDiagrams(c, Frame(), lc);
}

void TIndexFrm::Diagrams1Click() {
    ShownCase = CaseFromEdit();
    List_Results.SetHeight(0);
    List_CaseResults.SetHeight(0);
    TileMode = 0;
    DrawPicture();
}

void TIndexFrm::Results1Click() {
    ShownCase = CaseFromEdit();
    for (gui::ListBox* l : {&List_Results, &List_CaseResults}) {
        l->SetHeight(ClientHeight() - 180);
        l->SetTop(180);
    }
    ClearPicture();
    TileMode = 1;
    DrawLoadsAndBeam();
}

void TIndexFrm::UpDown1Click() {
    ShownCase = CaseFromEdit();
    ShowCaseCaption();
    DrawPicture();
    if (ResultsReady != 1) {
        ShowStaleLists();
    } else if (ShownCase == 0) {
        FillEnvelopeList(List_CaseResults);
        List_Results.BringToFront();
    } else {
        FillCaseResultsList(List_CaseResults, ShownCase);
        List_CaseResults.BringToFront();
    }
}

TIndexFrm::~TIndexFrm() { SetStaleResultsHandler(nullptr); }

void TIndexFrm::ShowStaleLists() {
    List_Results.Clear();
    List_CaseResults.Clear();
    if (BeamLength == 0) return;
    // Analysing again cannot help a beam whose analysis was refused: why, in
    // lines the list shows whole.
    if (AnalysisRefusal.empty())
        List_Results.Add(AnalyseFirstMessage);
    else
        for (const std::string& line : WordLines("No results: " + NoResultsReason(), 44)) List_Results.Add(line);
}

void TIndexFrm::ShowBeamWithoutResults() {
    EnableBeamSaving();
    ShownCase = CaseFromEdit();
    DrawPicture();
    ShowStaleLists();
}

void TIndexFrm::ShowResultsStale() {
    ShowStaleLists();
    DrawPicture();
}

void TIndexFrm::List_ResultsClick() {
    List_Results.SetWidth(SameForAllSpans == -1 ? 650 : 500);
    List_Results.BringToFront();
}

void TIndexFrm::List_CaseResultsClick() {
    List_CaseResults.BringToFront();
    List_Results.SetWidth(500);
}
