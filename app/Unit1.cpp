#include "Unit1.h"
#include "BinFile.h"
#include "Global.h"
#include "Index.h"
#include "Preferences.h"

TForm1* Form1 = nullptr;

TForm1::TForm1() : gui::Form("Korvela") {
    SetBorder(gui::Border::Single);
    SetColour(gui::clTeal);
    SetClientSize(473, 536);
    const gui::Font big{"MS Sans Serif", 8, 17};

    Label1.SetBounds(96, 26, 273, 41);
    Label1.SetAlignment(gui::Align::Center);
    Label1.SetColour(gui::clRed);
    Label1.SetFont({"MS Sans Serif", 8, 30, gui::clYellow});
    Label2.SetBounds(56, 80, 353, 25);
    Label2.SetAlignment(gui::Align::Center);
    Label2.SetFont(big);
    Label_Version.SetBounds(176, 100, 121, 16);
    Label_Version.SetAlignment(gui::Align::Center);
    cmdOK.SetBounds(56, 128, 153, 33);
    cmdOK.SetFont(big);
    cmdSet.SetBounds(232, 128, 81, 33);
    cmdSet.SetFont(big);
    cmdSet.SetHint("Set unit preferences");
    Button1.SetBounds(336, 128, 73, 33);
    Button1.SetFont(big);
    Panel3.SetBounds(0, 496, 473, 25);

    cmdOK.OnClick = [this] { cmdOKClick(); };
    cmdSet.OnClick = [this] { cmdSetClick(); };
    Button1.OnClick = [this] { Button1Click(); };
    FormCreate();
}

void TForm1::FormCreate() {
    SetWidth(Panel3.Width());
    SetHeight(497);
    SetLeft((gui::ScreenWidth() - Width()) / 3);
    SetTop((gui::ScreenHeight() - Height()) / 2);
    LoadCaseShown = 1;
    StartDir = CurrentDir();
    VersionNo = "4.3";
    VersionSub = ".2";
    Label_Version.SetCaption("Version " + VersionNo.str() + VersionSub.str());
    IndexFrmShown = -1;
}

// Showing the main window writes the section tables; a window already open
// is not shown again, so it writes them itself.
void TForm1::cmdOKClick() {
    const gui::Busy busy;
    const bool open = IndexFrm->Showing();
    IndexFrm->Show();
    if (open) IndexFrm->WriteTables();
}

void TForm1::cmdSetClick() { PreferencesFrm->Show(); }

void TForm1::Button1Click() { Close(); }
