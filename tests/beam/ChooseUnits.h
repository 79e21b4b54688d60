// Unit choices made through the program's preferences window.
#pragma once
#include <initializer_list>
#include <stdexcept>
#include "LoadData.h"
#include "Preferences.h"

// The window's button of the unit of that name for a quantity.
inline gui::RadioButton& Option(TPreferencesFrm& prefs, Quantity q, std::string_view name) {
    for (const TPreferencesFrm::UnitOption& o : prefs.UnitOptions)
        if (o.quantity == q && name == o.choice->name) return *o.button;
    throw std::out_of_range("no unit " + std::string(name));
}

// Shows the window, clicks the units and presses OK.
inline void ChooseUnits(std::initializer_list<std::pair<Quantity, const char*>> units) {
    PreferencesFrm->Show();
    for (const auto& [q, name] : units) Option(*PreferencesFrm, q, name).Click();
    PreferencesFrm->Button2.Click();
}

// Every conversion rewrites the loads window's value edits: empties them.
inline void ClearLoadRowEdits() {
    if (!LoadDataFrm) return;
    for (int n = 1; n <= MaxLoadRows; ++n)
        for (gui::Edit* e : LoadDataFrm->Row(n).ValueEdits()) e->SetText("");
}
