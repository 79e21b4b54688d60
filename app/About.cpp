#include "About.h"
#include "Global.h"

TAboutBox* AboutBox = nullptr;

TAboutBox::TAboutBox() : gui::Form("About") {
    SetBorder(gui::Border::Single);
    Panel1.SetBounds(25, 25, 351, 351);
    ProductName.SetBounds(64, 20, 225, 25);
    ProductName.SetAlignment(gui::Align::Center);
    ProductName.SetFont({"MS Sans Serif", 8, 20});
    lbl_Version.SetBounds(72, 49, 209, 20);
    lbl_Version.SetAlignment(gui::Align::Center);
    lbl_Version.SetFont({"MS Sans Serif", 8, 17});
    ListBox1.SetBounds(32, 80, 281, 169);
    for (const char* line : {"Korvela", "Multispan Beam Analysis Program", "",
                             "Copyright the Korvela developers.", "All rights reserved."})
        ListBox1.Add(line);
    Comments.SetBounds(74, 264, 207, 20);
    Comments.SetFont({"MS Sans Serif", 8, 0, gui::clRed});
    OKButton.SetBounds(217, 305, 92, 30);
    OKButton.SetDefault(true);
    OKButton.SetModalResult(gui::mrOk);
    SetDialogKeys();
    OKButton.OnClick = [this] { Hide(); };
    OnShow = [this] { FormShow(); };
}

void TAboutBox::FormShow() {
    SetClientSize(Panel1.Width() + 50, Panel1.Height() + 50);
    CentreOnScreen();
    lbl_Version.SetCaption("Version " + VersionNo.str() + VersionSub.str());
}
