#include <gtest/gtest.h>
#include "TempDir.h"
#include <filesystem>
#include "BinFile.h"
#include "Global.h"
#include "GuiTest.h"
#include "Preferences.h"
#include "UnitSettings.h"
#include "UnitsGuard.h"
#include "Beam.h"

namespace {

struct Expected {
    const char* control;
    ShortString<10>* unit;
    float* factor;
    const char* name;
    float value;
};

const Expected AllOptions[] = {
    {"Option_L_mm", &Unit_L, &Factor_L, "mm", 1},
    {"Option_L_cm", &Unit_L, &Factor_L, "cm", 10},
    {"Option_L_m", &Unit_L, &Factor_L, "m", 1000},
    {"Option_L_in", &Unit_L, &Factor_L, "in", 25.4f},
    {"Option_L_ft", &Unit_L, &Factor_L, "ft", 304.8f},
    {"Option_Sect_L_mm", &Unit_Sect_L, &Factor_Sect_L, "mm", 1},
    {"Option_Sect_L_cm", &Unit_Sect_L, &Factor_Sect_L, "cm", 10},
    {"Option_Sect_L_in", &Unit_Sect_L, &Factor_Sect_L, "in", 25.4f},
    {"Option_PL_N", &Unit_PL, &Factor_PL, "N", 1},
    {"Option_PL_kN", &Unit_PL, &Factor_PL, "kN", 1000},
    {"Option_PL_lbf", &Unit_PL, &Factor_PL, "lbf", 4.4482217f},
    {"Option_PL_Iton", &Unit_PL, &Factor_PL, "ton", 9964},
    {"Option_PL_Kip", &Unit_PL, &Factor_PL, "Kips", 4448.22f},
    {"Option_R_Nmm", &Unit_R, &Factor_R, "N/mm", 1},
    {"Option_R_kNm", &Unit_R, &Factor_R, "kN/m", 1},
    {"Option_R_lbfin", &Unit_R, &Factor_R, "lbf/in", 0.175127f},
    {"Option_R_lbfft", &Unit_R, &Factor_R, "lbf/ft", 0.0145939f},
    {"Option_R_itft", &Unit_R, &Factor_R, "Ton/ft", 32.690342f},
    {"Option_R_kipft", &Unit_R, &Factor_R, "Kips/ft", 14.593903f},
    {"Option_Sh_N", &Unit_Sh, &Factor_Sh, "N", 1},
    {"Option_Sh_kN", &Unit_Sh, &Factor_Sh, "kN", 0.001f},
    {"Option_Sh_lbf", &Unit_Sh, &Factor_Sh, "lbf", 0.224809f},
    {"Option_Sh_ImpTon", &Unit_Sh, &Factor_Sh, "ton", 0.0001003611f},
    {"Option_Sh_Kip", &Unit_Sh, &Factor_Sh, "Kips", 0.000224809f},
    {"Option_Mom_Nmm", &Unit_Mom, &Factor_Mom, "N-mm", 1},
    {"Option_Mom_Nm", &Unit_Mom, &Factor_Mom, "N-m", 0.001f},
    {"Option_Mom_kNm", &Unit_Mom, &Factor_Mom, "kN-m", 1e-06f},
    {"Option_Mom_lbfin", &Unit_Mom, &Factor_Mom, "lbf-in", 0.00885075f},
    {"Option_Mom_lbfft", &Unit_Mom, &Factor_Mom, "lbf-ft", 0.000737562f},
    {"Option_Def_mm", &Unit_Def, &Factor_Def, "mm", 1},
    {"Option_Def_cm", &Unit_Def, &Factor_Def, "cm", 0.1f},
    {"Option_Def_m", &Unit_Def, &Factor_Def, "m", 0.001f},
    {"Option_Def_in", &Unit_Def, &Factor_Def, "in", 0.03937008f},
    {"Option_St_Nmm", &Unit_St, &Factor_St, "N/mm^2", 1},
    {"Option_St_lbfin", &Unit_St, &Factor_St, "lbf/in^2", 145.03767f},
    {"Option_St_KSI", &Unit_St, &Factor_St, "KSI", 0.14503768f},
    {"Option_Sect_E_Nmm", &Unit_Sect_E, &Factor_Sect_E, "N/mm^2", 1},
    {"Option_Sect_E_lbfin", &Unit_Sect_E, &Factor_Sect_E, "lbf/in^2", 0.00689476f},
    {"Option_Sect_E_KSI", &Unit_Sect_E, &Factor_Sect_E, "KSI", 6.89476f},
    {"Option_Sect_I_mm", &Unit_Sect_I, &Factor_Sect_I, "mm^4", 1},
    {"Option_Sect_I_cm", &Unit_Sect_I, &Factor_Sect_I, "cm^4", 10000},
    {"Option_Sect_I_in", &Unit_Sect_I, &Factor_Sect_I, "in^4", 416231.44f},
    {"Option_Sect_SZ_mm", &Unit_Sect_SZ, &Factor_Sect_SZ, "mm^3", 1},
    {"Option_Sect_SZ_cm", &Unit_Sect_SZ, &Factor_Sect_SZ, "cm^3", 1000},
    {"Option_Sect_SZ_in", &Unit_Sect_SZ, &Factor_Sect_SZ, "in^3", 16387.064f},
    {"Option_Sect_A_mm", &Unit_Sect_A, &Factor_Sect_A, "mm^2", 1},
    {"Option_Sect_A_cm", &Unit_Sect_A, &Factor_Sect_A, "cm^2", 100},
    {"Option_Sect_A_in", &Unit_Sect_A, &Factor_Sect_A, "in^2", 645.16f},
    {"Option_Wt_m", &Unit_Wt, &Factor_Wt, "kg/m", 0.00785f},
    {"Option_Wt_Imp", &Unit_Wt, &Factor_Wt, "lb/ft", 0.005275f},
};

TEST(Preferences, EveryOptionStoresItsNameAndFactor) {
    UnitsGuard guard;
    IndexFrmShown = -1;
    TPreferencesFrm prefs;
    for (const Expected& e : AllOptions) {
        prefs.Show();
        prefs.Option(e.control).Click();
        *e.unit = "";
        *e.factor = 0;
        prefs.Button2.Click();
        EXPECT_EQ(*e.unit, e.name) << e.control;
        EXPECT_EQ(*e.factor, e.value) << e.control;
        EXPECT_FALSE(prefs.Showing());
        // Showing again checks the option of the stored name.
        prefs.Option(e.control).SetCheckedQuietly(false);
        prefs.Show();
        EXPECT_TRUE(prefs.Option(e.control).Checked()) << e.control;
        prefs.Hide();
    }
    EXPECT_EQ(Unit_H, "dm^6");
    EXPECT_EQ(Factor_H, 1e-12f);
}

TEST(Preferences, CaptionsConventionAndFactoredLoads) {
    UnitsGuard guard;
    TempDir here;  // no settings file here: the defaults
    IndexFrmShown = -1;
    FactoredLoads = -1;  // as at start-up, before any OK
    TPreferencesFrm prefs;
    EXPECT_TRUE(prefs.Option_BMNC.Checked());
    EXPECT_FALSE(prefs.Check_Factor.Checked());
    prefs.Option_ZPlastic.Click();
    prefs.Option_BMUK.Click();
    prefs.Button2.Click();
    EXPECT_EQ(PlasticModXName, "Zxx");
    EXPECT_EQ(ElasticModXName, "Sxx");
    EXPECT_EQ(PlasticModYName, "Zyy");
    EXPECT_EQ(ElasticModYName, "Syy");
    EXPECT_EQ(BMConvention, -1);
    EXPECT_EQ(FactoredLoads, -1);

    prefs.Check_Factor.Click();
    prefs.Option_SPlastic.Click();
    prefs.Button2.Click();
    EXPECT_EQ(FactoredLoads, 1);
    EXPECT_EQ(PlasticModXName, "Sxx");
    EXPECT_EQ(ElasticModYName, "Zyy");

    FactoredLoads = 0;
    prefs.Show();
    EXPECT_TRUE(prefs.Check_Factor.Checked());
    FactoredLoads = -1;
    PlasticModXName = "Zxx";
    prefs.ShowUnitChoices();
    EXPECT_FALSE(prefs.Check_Factor.Checked());
    EXPECT_TRUE(prefs.Option_ZPlastic.Checked());
    prefs.Hide();
}

TEST(Preferences, NamesMatchingNoOptionLeaveTheGroupAlone) {
    UnitsGuard guard;
    TPreferencesFrm prefs;
    prefs.Option("Option_L_cm").SetCheckedQuietly(true);
    for (const char* name : {"yds", "CM", "cm ", ""}) {
        Unit_L = name;
        prefs.ShowUnitChoices();
        EXPECT_TRUE(prefs.Option("Option_L_cm").Checked()) << name;
        EXPECT_FALSE(prefs.Option("Option_L_mm").Checked()) << name;
        EXPECT_FALSE(prefs.Option("Option_L_m").Checked()) << name;
    }
    // With nothing checked in a group, OK keeps its name and factor.
    prefs.Option("Option_Wt_m").SetCheckedQuietly(false);
    EXPECT_FALSE(prefs.Option("Option_Wt_m").Checked());
    EXPECT_FALSE(prefs.Option("Option_Wt_Imp").Checked());
    Unit_Wt = "t/m";
    Factor_Wt = 7.85f;
    IndexFrmShown = -1;
    prefs.Button2.Click();
    EXPECT_EQ(Unit_Wt, "t/m");
    EXPECT_EQ(Factor_Wt, 7.85f);
    EXPECT_EQ(Unit_L, "cm");  // the checked button replaces the unknown name
    EXPECT_EQ(Factor_L, 10.0f);
}

TEST(Preferences, SaveAsDefaultWritesIntoTheProgramFolder) {
    UnitsGuard guard;
    const auto folder = guard.Dir().path();
    std::filesystem::create_directory("elsewhere");
    StartDir = folder.string();
    IndexFrmShown = -1;
    TPreferencesFrm prefs;
    std::filesystem::current_path("elsewhere");
    prefs.Show();
    prefs.Option("Option_St_KSI").Click();
    prefs.Button2.Click();  // not ticked: no file
    EXPECT_FALSE(std::filesystem::exists(folder / UnitSettingsFileName));

    prefs.Show();
    prefs.Check_SetDefault.Click();
    prefs.Button2.Click();
    EXPECT_EQ(std::filesystem::file_size(folder / UnitSettingsFileName), 972u);
    EXPECT_EQ(std::filesystem::current_path(), folder);
    EXPECT_EQ(FileMark, "Junk");
    EXPECT_FALSE(prefs.Showing());

    // Unit_St is read back from the written file.
    Unit_St = "N/mm^2";
    ASSERT_TRUE(ReadUnitSettingsFile());
    EXPECT_EQ(Unit_St, "KSI");
    EXPECT_EQ(Factor_St, 0.14503768f);
    EXPECT_TRUE(prefs.Check_SetDefault.Checked());  // stays ticked for the rest of the run
}

TEST(Preferences, AFailedSaveKeepsTheWindowOpen) {
    UnitsGuard guard;
    StartDir = (guard.Dir().path() / "missing").string();
    IndexFrmShown = -1;
    TPreferencesFrm prefs;
    prefs.Show();
    prefs.Option("Option_L_ft").Click();
    prefs.Check_SetDefault.Click();
    Messages().clear();
    prefs.Button2.Click();
    EXPECT_EQ(Messages().size(), 1u);
    EXPECT_TRUE(prefs.Showing());
    EXPECT_EQ(Unit_L, "ft");  // the choices are in force all the same
    prefs.Hide();
}

// Reset only shows the saved defaults: Cancel keeps the units and the texts
// typed in them, OK takes the defaults and re-expresses the texts.
TEST(Preferences, ResetShowsTheSavedDefaultsForOkToTake) {
    UnitsGuard guard;
    StartDir = guard.Dir().path().string();
    IndexFrmShown = 1;
    TPreferencesFrm prefs;
    prefs.OnUnitsChanged = PreferencesFrm->OnUnitsChanged;  // as wired at start-up
    std::filesystem::create_directory("elsewhere");
    std::filesystem::current_path("elsewhere");
    Unit_L = "mm";
    Factor_L = 1;
    gui::StringGrid& lengths = BeamFrm->Grid_Lengths;
    lengths.SetCell(1, 1, "6000");  // a span typed in mm
    SpanTextTable[1][1] = "6000";
    for (gui::Button* close : {&prefs.Button1, &prefs.Button2}) {
        prefs.Show();
        prefs.cmd_Reset.Click();  // no saved file: the built-in defaults
        EXPECT_TRUE(prefs.Option("Option_L_m").Checked());
        EXPECT_EQ(Unit_L, "mm");
        close->Click();
        EXPECT_FALSE(prefs.Showing());
    }
    EXPECT_EQ(Unit_L, "m");  // OK took them, Cancel had not
    EXPECT_EQ(lengths.Cell(1, 1), "6");
    lengths.SetCell(1, 1, "");
    SpanTextTable[1][1] = "";

    Unit_PL = "Kips";
    Factor_PL = 4448.22f;
    Factor_H = 1e-12f;
    WriteUnitSettingsFile();
    std::filesystem::current_path("elsewhere");
    Unit_PL = "N";
    Factor_PL = 1;
    prefs.Show();
    prefs.Option("Option_PL_lbf").Click();
    prefs.cmd_Reset.Click();
    EXPECT_TRUE(prefs.Option("Option_PL_Kip").Checked());
    EXPECT_EQ(Unit_PL, "N");
    prefs.Button2.Click();
    EXPECT_EQ(Unit_PL, "Kips");
    EXPECT_EQ(Factor_PL, 4448.22f);
}

TEST(Preferences, OpensOnOutputUnitsThenKeepsTheLastTab) {
    UnitsGuard guard;
    TPreferencesFrm prefs;
    EXPECT_EQ(prefs.ClientWidth(), 617 + 25);
    EXPECT_EQ(prefs.ClientHeight(), 471);
    prefs.Show();
    EXPECT_EQ(prefs.PageControl1.ActivePageIndex(), 1);
    prefs.PageControl1.SetActivePageIndex(3);
    prefs.Button1.Click();
    prefs.Show();
    EXPECT_EQ(prefs.PageControl1.ActivePageIndex(), 3);
    prefs.Hide();
    EXPECT_EQ(prefs.ListBox1.Count(), 22);
    EXPECT_EQ(prefs.ListBox1.Item(21), " A deflection of 1.25mm would be shown as 0.001m.");
}

}  // namespace
