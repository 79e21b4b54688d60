// The print options dialog.
#pragma once
#include "gui.h"

class TPrintFrm : public gui::Form {
public:
    TPrintFrm();
    gui::GroupBox GroupBox3{*this, " Calculation Description "};
    gui::Label lbl_Project_1{GroupBox3};
    gui::Label lbl_Project_2{GroupBox3};
    gui::Label lbl_JobDesc{GroupBox3};
    gui::Label lbl_Ref{GroupBox3};
    gui::GroupBox GroupBox1{*this, ""};
    gui::CheckBox Check_Beam{GroupBox1, "Beam and Loading Data + Results Maxima"};
    gui::CheckBox Check_Envelope{GroupBox1, "Envelope Diagrams"};
    gui::GroupBox GroupBox2{GroupBox1, ""};
    gui::CheckBox Check_Env20{GroupBox2, "Envelope Data at:"};
    gui::RadioButton Option_10{GroupBox2, "1/10th Span"};
    gui::RadioButton Option_20{GroupBox2, "1/20th Span"};
    gui::CheckBox Check_Case{GroupBox1, "Loadcase Diagrams"};
    gui::CheckBox Check_Case20{GroupBox1, "Loadcase Data at 1/20th Span"};
    gui::Button Cmd_OK{*this, "OK"};

    // The description labels from the page-header strings.
    void ShowHeaderLabels();

    // The print job: every ticked section in a fixed order, each from a new
    // page, in one document.
    void Cmd_OKClick();
};

extern TPrintFrm* PrintFrm;
