#include "Preferences.h"
#include "UnitSettings.h"

TPreferencesFrm* PreferencesFrm = nullptr;

TPreferencesFrm::TPreferencesFrm() : gui::Form("Preferences") {
    SetBorder(gui::Border::Single);
    SetStayOnTop(true);
    SetClientSize(617 + 25, 471);
    CentreOnScreen();
    ReadUnitSettings();
}

void TPreferencesFrm::ReadUnitSettings() {
    if (!ReadUnitSettingsFile()) ApplyDefaultUnits();
}
