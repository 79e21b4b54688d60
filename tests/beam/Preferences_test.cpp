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
    Quantity quantity;
    const char* name;
    float value;
};

const Expected AllOptions[] = {
    {"Option_L_mm", Quantity::Length, "mm", 1},
    {"Option_L_cm", Quantity::Length, "cm", 10},
    {"Option_L_m", Quantity::Length, "m", 1000},
    {"Option_L_in", Quantity::Length, "in", 25.4f},
    {"Option_L_ft", Quantity::Length, "ft", 304.8f},
    {"Option_Sect_L_mm", Quantity::SectionDimension, "mm", 1},
    {"Option_Sect_L_cm", Quantity::SectionDimension, "cm", 10},
    {"Option_Sect_L_in", Quantity::SectionDimension, "in", 25.4f},
    {"Option_PL_N", Quantity::PointLoad, "N", 1},
    {"Option_PL_kN", Quantity::PointLoad, "kN", 1000},
    {"Option_PL_lbf", Quantity::PointLoad, "lbf", 4.4482217f},
    {"Option_PL_Iton", Quantity::PointLoad, "ton", 9964},
    {"Option_PL_Kip", Quantity::PointLoad, "Kips", 4448.22f},
    {"Option_R_Nmm", Quantity::LoadRate, "N/mm", 1},
    {"Option_R_kNm", Quantity::LoadRate, "kN/m", 1},
    {"Option_R_lbfin", Quantity::LoadRate, "lbf/in", 0.175127f},
    {"Option_R_lbfft", Quantity::LoadRate, "lbf/ft", 0.0145939f},
    {"Option_R_itft", Quantity::LoadRate, "Ton/ft", 32.690342f},
    {"Option_R_kipft", Quantity::LoadRate, "Kips/ft", 14.593903f},
    {"Option_Sh_N", Quantity::Shear, "N", 1},
    {"Option_Sh_kN", Quantity::Shear, "kN", 0.001f},
    {"Option_Sh_lbf", Quantity::Shear, "lbf", 0.224809f},
    {"Option_Sh_ImpTon", Quantity::Shear, "ton", 0.0001003611f},
    {"Option_Sh_Kip", Quantity::Shear, "Kips", 0.000224809f},
    {"Option_Mom_Nmm", Quantity::Moment, "N-mm", 1},
    {"Option_Mom_Nm", Quantity::Moment, "N-m", 0.001f},
    {"Option_Mom_kNm", Quantity::Moment, "kN-m", 1e-06f},
    {"Option_Mom_lbfin", Quantity::Moment, "lbf-in", 0.00885075f},
    {"Option_Mom_lbfft", Quantity::Moment, "lbf-ft", 0.000737562f},
    {"Option_Def_mm", Quantity::Deflection, "mm", 1},
    {"Option_Def_cm", Quantity::Deflection, "cm", 0.1f},
    {"Option_Def_m", Quantity::Deflection, "m", 0.001f},
    {"Option_Def_in", Quantity::Deflection, "in", 0.03937008f},
    {"Option_St_Nmm", Quantity::Stress, "N/mm^2", 1},
    {"Option_St_lbfin", Quantity::Stress, "lbf/in^2", 145.03767f},
    {"Option_St_KSI", Quantity::Stress, "KSI", 0.14503768f},
    {"Option_Sect_E_Nmm", Quantity::E, "N/mm^2", 1},
    {"Option_Sect_E_lbfin", Quantity::E, "lbf/in^2", 0.00689476f},
    {"Option_Sect_E_KSI", Quantity::E, "KSI", 6.89476f},
    {"Option_Sect_I_mm", Quantity::I, "mm^4", 1},
    {"Option_Sect_I_cm", Quantity::I, "cm^4", 10000},
    {"Option_Sect_I_in", Quantity::I, "in^4", 416231.44f},
    {"Option_Sect_SZ_mm", Quantity::SectionModulus, "mm^3", 1},
    {"Option_Sect_SZ_cm", Quantity::SectionModulus, "cm^3", 1000},
    {"Option_Sect_SZ_in", Quantity::SectionModulus, "in^3", 16387.064f},
    {"Option_Sect_A_mm", Quantity::Area, "mm^2", 1},
    {"Option_Sect_A_cm", Quantity::Area, "cm^2", 100},
    {"Option_Sect_A_in", Quantity::Area, "in^2", 645.16f},
    {"Option_Wt_m", Quantity::WeightPerLength, "kg/m", 0.00785f},
    {"Option_Wt_Imp", Quantity::WeightPerLength, "lb/ft", 0.005275f},
};

TEST(Preferences, EveryOptionStoresItsNameAndFactor) {
    UnitsGuard guard;
    IndexFrmShown = -1;
    TPreferencesFrm prefs;
    for (const Expected& e : AllOptions) {
        prefs.Show();
        prefs.Option(e.control).Click();
        Unit(e.quantity) = {};
        prefs.Button2.Click();
        EXPECT_EQ(Unit(e.quantity).Name, e.name) << e.control;
        EXPECT_EQ(Unit(e.quantity).Factor, e.value) << e.control;
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
