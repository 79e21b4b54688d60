// The results-at-a-point window: the distance typed, the values of every
// loadcase in a grid and as text lines that it lists and prints.
#pragma once
#include "ValueEdit.h"
#include "gui.h"

class TPointFrm : public gui::Form {
public:
    TPointFrm();
    ~TPointFrm() override;

    gui::Label Label1{*this, "Distance from LH end of beam."};
    ValueEdit Edit_Dist{*this};
    gui::Label Label_Unit{*this};
    gui::Button cmd_Calc{*this, "Calculate"};
    gui::Button cmd_Print{*this, "Print"};
    gui::Button cmd_OK{*this, "OK"};
    gui::StringGrid Grid_RaP{*this};
    gui::StringGrid Grid_Max{*this};
    gui::ListBox List_Results{*this};

    void cmd_CalcClick();
    void cmd_PrintClick();
    // Values, grids and list emptied, as the results they came from go or
    // the units they are shown in change.
    void ClearResults();

private:
    void FormShow();
    void FillGrids();
};

extern TPointFrm* PointFrm;
