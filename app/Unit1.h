// The start window: the application's main window.
#pragma once
#include "gui.h"

class TForm1 : public gui::Form {
public:
    TForm1();

    gui::Label Label1{*this, "Korvela"};
    gui::Label Label2{*this, "Multispan Beam Analysis Program"};
    gui::Label Label_Version{*this};
    gui::Button cmdOK{*this, "Beam Analysis"};
    gui::Button cmdSet{*this, "Settings"};
    gui::Button Button1{*this, "Exit"};
    gui::Panel Panel3{*this};  // the strip along the foot; carries the window width

private:
    void FormCreate();
    void cmdOKClick();
    void cmdSetClick();
    void Button1Click();
};

extern TForm1* Form1;
