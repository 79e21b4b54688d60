// The preferences window: display units, moment convention, factored loads.
#pragma once
#include "gui.h"

class TPreferencesFrm : public gui::Form {
public:
    TPreferencesFrm();
    // The settings file of the current directory, or the built-in defaults.
    void ReadUnitSettings();
};

extern TPreferencesFrm* PreferencesFrm;
