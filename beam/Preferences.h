// The preferences window: display units, modulus captions, moment
// convention and factored loads, optionally saved as the defaults.
#pragma once
#include <functional>
#include <memory>
#include <vector>
#include "Units.h"
#include "gui.h"

class TPreferencesFrm : public gui::Form {
public:
    TPreferencesFrm();
    // The settings file of the program folder, or the built-in defaults,
    // into the unit settings; then shows them.
    void ReadUnitSettings();
    // Sets the radio buttons and Check_Factor from the unit settings.
    void ShowUnitChoices();

    void FormShow();
    void Button2Click();    // OK
    // Set once at start-up: re-expresses the open data in the new units.
    std::function<void()> OnUnitsChanged;
    void Button1Click();    // Cancel
    void cmd_ResetClick();

    gui::PageControl PageControl1{*this};
    gui::TabSheet TabSheet1{PageControl1, "Input Units"};
    gui::TabSheet TabSheet2{PageControl1, "Output Units"};
    gui::TabSheet TabSheet3{PageControl1, "Section  Units"};
    gui::TabSheet TabSheet4{PageControl1, "Moment Diagram"};
    gui::TabSheet TabSheet5{PageControl1, "Factored Loading"};
    gui::TabSheet TabSheet6{PageControl1, "Notes"};

    gui::GroupBox GroupBox_Terms{TabSheet3, " S / Z Unit Terminology "};
    gui::RadioButton Option_SPlastic{GroupBox_Terms, "Sxx / Syy = Plastic Modulus"};
    gui::RadioButton Option_ZPlastic{GroupBox_Terms, "Zxx / Zyy = Plastic Modulus"};
    gui::GroupBox GroupBox_BM{TabSheet4, " Bending Moment Diagam "};
    gui::RadioButton Option_BMNC{GroupBox_BM, "Numerically Correct"};
    gui::RadioButton Option_BMUK{GroupBox_BM, "Inverted"};
    gui::GroupBox GroupBox_Factor{TabSheet5, " Factored Loads "};
    gui::CheckBox Check_Factor{GroupBox_Factor, "Enable Factored Loads"};
    gui::ListBox ListBox1{TabSheet6};

    gui::Button cmd_Reset{*this, "Reset to default values"};
    gui::CheckBox Check_SetDefault{*this, "Save as default"};
    gui::Button Button1{*this, "Cancel"};
    gui::Button Button2{*this, "OK"};
    struct UnitOption {
        Quantity quantity;
        const UnitChoice* choice;
        std::unique_ptr<gui::RadioButton> button;
    };
    std::vector<UnitOption> UnitOptions;  // one per unit offered, in the order of the groups

private:
    void BuildUnitGroups();
    void LayOut();
    void TakeUnitChoices();
    std::vector<std::unique_ptr<gui::GroupBox>> groups_;
    std::vector<std::unique_ptr<gui::Label>> notes_;
};

extern TPreferencesFrm* PreferencesFrm;
