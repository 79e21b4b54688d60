#include <gtest/gtest.h>
#include "About.h"
#include "AppTest.h"
#include "Beam.h"
#include "Global.h"
#include "Index.h"
#include "Info.h"
#include "LoadData.h"
#include "Misc.h"
#include "Point.h"
#include "Preferences.h"
#include "Print.h"
#include "SetHeader.h"
#include "Unit1.h"
#include "gui_testing.h"

namespace {

TEST(Startup, CreatesEveryWindowHiddenAndSetsTheStartVariables) {
    const auto& folder = ProgramFolder();
    EXPECT_EQ(gui::ApplicationTitle(), "Korvela");
    const gui::Form* forms[] = {Form1, BeamFrm, IndexFrm, InfoFrm, LoadDataFrm, PointFrm,
                                PreferencesFrm, PrintFrm, MiscFrm, AboutBox, SetHeaderFrm};
    for (const gui::Form* f : forms) {
        ASSERT_NE(f, nullptr);
        EXPECT_FALSE(f->Showing()) << f->Caption();
    }
    EXPECT_EQ(StartDir, folder.string());
    EXPECT_EQ(LoadCaseShown, 1);
    EXPECT_EQ(VersionNo, "4.3");
    EXPECT_EQ(VersionSub, ".2");
    EXPECT_EQ(Unit_L, "m");  // no settings file in the program folder
    EXPECT_EQ(BeamFrm->Caption(), "Beam Data");
    EXPECT_EQ(LoadDataFrm->Caption(), "Load Data");
    EXPECT_EQ(PointFrm->Caption(), "Results at point.");
    EXPECT_EQ(PrintFrm->Caption(), "Print Options");
    EXPECT_EQ(MiscFrm->Caption(), "Miscellaneous Section Data");
}

TEST(Startup, StartWindowStandsAtAThirdAcrossAndHalfwayDown) {
    EXPECT_EQ(Form1->Width(), 473);
    EXPECT_EQ(Form1->Height(), 497);
    EXPECT_EQ(Form1->Left(), 183);  // (1024 - 473) div 3
    EXPECT_EQ(Form1->Top(), 135);   // (768 - 497) div 2
    EXPECT_EQ(Form1->Label1.Caption(), "Korvela");
    EXPECT_EQ(Form1->Label2.Caption(), "Multispan Beam Analysis Program");
    EXPECT_EQ(Form1->Label_Version.Caption(), "Version 4.3.2");
    EXPECT_EQ(Form1->Label_Version.Left(), 176);
    EXPECT_EQ(Form1->Label_Version.Top(), 100);
    EXPECT_EQ(Form1->cmdOK.Caption(), "Beam Analysis");
    EXPECT_EQ(Form1->cmdSet.Caption(), "Settings");
    EXPECT_EQ(Form1->Button1.Caption(), "Exit");
}

TEST(Startup, SettingsShowsThePreferencesAndInfoShowsTheInformationWindows) {
    Form1->cmdSet.Click();
    EXPECT_TRUE(PreferencesFrm->Showing());
    PreferencesFrm->Close();
    EXPECT_FALSE(PreferencesFrm->Showing());

    IndexFrm->Disclaimer1.Click();
    EXPECT_TRUE(InfoFrm->Showing());
    const gui::Button& ok = InfoFrm->Button1;
    gui::ClickAt(*InfoFrm, ok.Left() + ok.Width() / 2, ok.Top() + ok.Height() / 2);  // no label over it
    EXPECT_FALSE(InfoFrm->Showing());

    IndexFrm->About1.Click();
    EXPECT_TRUE(AboutBox->Showing());
    EXPECT_EQ(AboutBox->lbl_Version.Caption(), "Version 4.3.2");
    EXPECT_EQ(AboutBox->ClientWidth(), 401);
    EXPECT_EQ(AboutBox->ClientHeight(), 401);
    AboutBox->OKButton.Click();
    EXPECT_FALSE(AboutBox->Showing());
}

TEST(SetHeader, OkStoresTheEditsCutBetweenCharactersTo100BytesAndRefreshesThePrintLabels) {
    Header_Company = "Acme Structures";
    Header_Project_1 = "old";
    gui::SetModalHook([](gui::Form&) {
        EXPECT_EQ(SetHeaderFrm->Edit_Company.Text(), "Acme Structures");
        EXPECT_EQ(SetHeaderFrm->Edit_Project_1.Text(), "old");
        EXPECT_FALSE(SetHeaderFrm->Edit_Company.Enabled());
        SetHeaderFrm->Edit_Project_1.SetText(std::string(99, 'p') + "ä" + std::string(20, 'p'));
        SetHeaderFrm->Edit_Ref.SetText("R-7");
        SetHeaderFrm->Button1.Click();
    });
    IndexFrm->SetHeader1.Click();
    gui::SetModalHook(nullptr);
    EXPECT_FALSE(SetHeaderFrm->Showing());
    EXPECT_EQ(SetHeaderFrm->ModalResult(), gui::mrOk);
    EXPECT_EQ(Header_Project_1.str(), std::string(99, 'p'));  // "ä" takes bytes 100 and 101
    EXPECT_EQ(Header_Ref, "R-7");
    EXPECT_EQ(PrintFrm->lbl_Ref.Caption(), "R-7");
}

}  // namespace
