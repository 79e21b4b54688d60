// The editor of the user's own sections, kept in "Misc.sct".
#pragma once
#include "BinFile.h"
#include "SectionRecord.h"
#include "gui.h"

constexpr int MiscSections = MaxTableSections;

class TMiscFrm : public gui::Form {
public:
    TMiscFrm();

    // Rows 1..250: reference, description, Ixx, E, y in display units.
    gui::StringGrid Grid{*this};
    gui::Label Label1{*this, "Drag reference no to change order"};
    gui::Label Label4{*this, "'y'  is distance from neutral axis to extreme fibre (for elastic stress)  "};
    gui::Label Label2{*this, "Displayed data has been formatted to remove excessive no of digits "};
    gui::Label Label3{*this, "Re-saving data using different units may produce rounding errors."};
    gui::Button cmd_Save{*this, "Save"};
    gui::Button cmd_ok{*this, "OK"};

    // Re-expresses Ixx, E and y and their headings in the units in force.
    void ConvertUnits();

private:
    void FormCreate();
    void FormShow();
    void ReadSections();
    void cmd_SaveClick();

    DiskStamp read_;  // "Misc.sct" as the rows were read from it
};

extern TMiscFrm* MiscFrm;
