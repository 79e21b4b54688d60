// The beam data window in a known state for one test: default units, an
// empty beam, one section for all spans, shown, no messages.
#pragma once
#include <gtest/gtest.h>
#include <filesystem>
#include <string>
#include "Beam.h"
#include "BinFile.h"
#include "Global.h"
#include "GuiTest.h"
#include "LoadData.h"
#include "UnitSettings.h"
#include "app/AppTest.h"

namespace beamtest {

inline TBeamFrm& Window() { return *BeamFrm; }

inline void Fresh(bool oneSection = true) {
    StartDir = ProgramFolder().string();
    std::filesystem::current_path(StartDir);
    ApplyDefaultUnits();
    Unit_H = "cm^6";
    Factor_H = 1e-6f;
    FactoredLoads = -1;
    LoadTable[1][SelfWeightSlot][LFactor] = 0;
    LoadRows[SelfWeightSlot].Fill(0);
    LoadDataFrm->Hide();
    TBeamFrm& w = Window();
    w.Hide();
    w.ResetBeamForm();
    if (w.Check_IE.Checked() != oneSection) w.Check_IE.Click();
    w.Show();
    Messages().clear();
}

// Each test on a fresh window.
class FreshWindow : public ::testing::Test {
protected:
    void SetUp() override { Fresh(); }
    TBeamFrm& w = Window();
};

// The miscellaneous sections file of the program folder.
inline std::string MiscFile() { return (std::filesystem::path(StartDir) / "Misc.sct").string(); }

// Types into one cell as the user does.
inline void Type(gui::StringGrid& g, int col, int row, const std::string& text) {
    g.SetCurrent(col, row);
    gui::TypeText(g, text);
}

inline void Type(gui::Edit& e, const std::string& text) { gui::TypeText(e, text); }

// Span lengths (one section for all: the lengths grid) and one section.
inline void OneSectionBeam(const std::vector<std::string>& lengths, const std::string& ixx, const std::string& e,
                           const std::string& y) {
    TBeamFrm& w = Window();
    for (size_t i = 1; i < lengths.size(); ++i) w.UpDown_Spans.Step(1);
    const int first = w.Check_LHC.Checked() ? 2 : 1;
    for (size_t i = 0; i < lengths.size(); ++i) Type(w.Grid_Lengths, first + int(i), 1, lengths[i]);
    Type(w.Edit_Ixx, ixx);
    Type(w.Edit_E, e);
    Type(w.Edit_Yrec, y);
}

// The message Next gives for a section value missing.
inline std::string HelpMessage(const std::string& first) {
    return first +
           "\r\r For standard hot rolled sections\r Click \"Section Properties Database\" on the top menu\r"
           " then click required section in \"Steel Section Database\" to load.\r\r"
           " Create new section in \"Ostrel Sections\" for non standard section";
}

// Next, as a click does; the messages it shows.
inline std::vector<std::string> Next() {
    return Said([] { Window().cmdNext.Click(); });
}

}  // namespace beamtest
