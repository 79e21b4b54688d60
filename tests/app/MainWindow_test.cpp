#include <gtest/gtest.h>
#include <filesystem>
#include "AppTest.h"
#include "Global.h"
#include "GuiTest.h"
#include "Index.h"
#include "LoadData.h"
#include "ResultsBeam.h"
#include "Unit1.h"
#include "beam/UnitsGuard.h"
#include "gui_testing.h"

namespace fs = std::filesystem;

namespace {

// Puts the main window back as start-up left it.
class MainWindow : public results_test::AnalysedBeam {};

TEST_F(MainWindow, MenusStartWithSaveSaveAsAndPrintDisabled) {
    EXPECT_FALSE(IndexFrm->Save1.Enabled());
    EXPECT_FALSE(IndexFrm->SaveAs1.Enabled());
    EXPECT_FALSE(IndexFrm->Print1.Enabled());
    EXPECT_TRUE(IndexFrm->New1.Enabled());
    EXPECT_TRUE(IndexFrm->Open1.Enabled());
    EXPECT_TRUE(IndexFrm->UpDown1.Enabled());
    EXPECT_FALSE(IndexFrm->UpDown1.Visible());
    EXPECT_FALSE(IndexFrm->Label_Case.Visible());
    EXPECT_EQ(IndexFrm->UpDown1.Max(), 25);
    EXPECT_EQ(IndexFrm->Analyse_it.Caption(), "Analyse");
    EXPECT_EQ(IndexFrm->ExitSolvane1.Caption(), "Exit Korvela");
}

TEST_F(MainWindow, LoadsBeforeABeamExistsAsksForTheBeamFirst) {
    BeamLength = 0;
    EXPECT_EQ(Said([&] { IndexFrm->Loads1.Click(); }), Lines_t{"Specify beam data first"});
    EXPECT_FALSE(LoadDataFrm->Showing());
}

TEST_F(MainWindow, LayoutFollowsTheScreen) {
    // 1024 x 768: window 1022 x 766, lists 116 high, the case list keeps 625.
    TIndexFrm usual;
    EXPECT_EQ(usual.Left(), 1);
    EXPECT_EQ(usual.Width(), 1022);
    EXPECT_EQ(usual.Height(), 766);
    EXPECT_EQ(usual.List_Results.Height(), 116);
    EXPECT_EQ(usual.List_Results.Top(), usual.ClientHeight() - 116);
    EXPECT_EQ(usual.List_CaseResults.Width(), 625);
    EXPECT_EQ(usual.List_CaseResults.Left(), usual.ClientWidth() - 625);

    gui::SetScreenSize(1280, 1024);
    TIndexFrm big;
    EXPECT_EQ(big.Width(), 1278);
    EXPECT_EQ(big.Height(), 1022);
    EXPECT_EQ(big.List_Results.Height(), 372);
    EXPECT_EQ(big.List_CaseResults.Height(), 372);
    EXPECT_EQ(big.List_CaseResults.Width(), big.ClientWidth() - 500);
    EXPECT_EQ(big.List_CaseResults.Left() + big.List_CaseResults.Width(), big.ClientWidth());

    gui::SetScreenSize(800, 600);
    TIndexFrm small;
    EXPECT_EQ(small.List_Results.Height(), 25);
    small.Default1.Click();
    EXPECT_EQ(small.List_Results.Height(), 20);
    EXPECT_EQ(small.List_CaseResults.Top(), small.ClientHeight() - 20);
    gui::SetScreenSize(1024, 768);
}

TEST_F(MainWindow, ListClicksWidenAndBringForward) {
    SameForAllSpans = -1;
    IndexFrm->List_Results.OnClick();
    EXPECT_EQ(IndexFrm->List_Results.Width(), 650);
    IndexFrm->List_CaseResults.OnClick();
    EXPECT_EQ(IndexFrm->List_Results.Width(), 500);
    SameForAllSpans = 1;
    IndexFrm->List_Results.OnClick();
    EXPECT_EQ(IndexFrm->List_Results.Width(), 500);
}

TEST_F(MainWindow, ShowingWritesTheSectionTablesInTheProgramFolder) {
    const fs::path program = ProgramFolder();
    TempDir here;  // where a file dialog has left the current folder
    IndexFrmShown = -1;
    Form1->cmdOK.Click();
    EXPECT_TRUE(IndexFrm->Showing());
    EXPECT_FALSE(gui::Hourglass());
    EXPECT_EQ(IndexFrmShown, 1);
    // The first and the last table; what each holds: the section table tests.
    EXPECT_EQ(fs::file_size(program / "UB.sct"), 19000u);
    EXPECT_EQ(fs::file_size(program / "C.sct"), 7400u);
    EXPECT_FALSE(fs::exists("UB.sct"));
    // Pressed again while the window is open: a removed or damaged table comes back.
    fs::remove(program / "UB.sct");
    fs::resize_file(program / "C.sct", 10);
    Form1->cmdOK.Click();
    EXPECT_EQ(fs::file_size(program / "UB.sct"), 19000u);
    EXPECT_EQ(fs::file_size(program / "C.sct"), 7400u);
    IndexFrm->Close();
}

// The window counts as shown, so later unit changes still convert its data.
TEST_F(MainWindow, AFailingTableStopsTheWritersButTheWindowStillShows) {
    const UnitsGuard guard;  // puts the program folder back
    const fs::path here = guard.Dir().path();
    StartDir = here.string();
    fs::create_directory("RSJ.sct");  // cannot be written as a file
    IndexFrmShown = -1;
    Messages().clear();
    Form1->cmdOK.Click();
    EXPECT_TRUE(IndexFrm->Showing());
    EXPECT_EQ(Messages(), Lines_t{"Cannot write the section table \"RSJ.sct\" in the folder \"" + here.string() +
                                  "\": it is a folder."});
    EXPECT_EQ(IndexFrmShown, 1);
    EXPECT_FALSE(fs::exists("C.sct")) << "the writers stop at the failing table";
    IndexFrm->Close();
}

}  // namespace
