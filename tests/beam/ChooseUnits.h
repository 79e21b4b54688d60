// Unit choices made through the program's preferences window.
#pragma once
#include <initializer_list>
#include "LoadData.h"
#include "Preferences.h"

// Shows the window, clicks the options and presses OK.
inline void ChooseUnits(std::initializer_list<const char*> options) {
    PreferencesFrm->Show();
    for (const char* o : options) PreferencesFrm->Option(o).Click();
    PreferencesFrm->Button2.Click();
}

// Every conversion rewrites the loads window's value edits: empties them.
inline void ClearLoadRowEdits() {
    if (!LoadDataFrm) return;
    for (int n = 1; n <= MaxLoadRows; ++n)
        for (gui::Edit* e : LoadDataFrm->Row(n).ValueEdits()) e->SetText("");
}
