// The about box: product name and version.
#pragma once
#include "gui.h"

class TAboutBox : public gui::Form {
public:
    TAboutBox();
    gui::Panel Panel1{*this};
    gui::Label ProductName{Panel1, "Korvela"};
    gui::Label lbl_Version{Panel1, "Version "};
    gui::ListBox ListBox1{Panel1};
    gui::Label Comments{Panel1, "Korvela developers"};
    gui::Button OKButton{Panel1, "OK"};

private:
    void FormShow();
};

extern TAboutBox* AboutBox;
