#include <gtest/gtest.h>
#include "TempDir.h"
#include <filesystem>
#include "Global.h"
#include "GuiTest.h"
#include "Preferences.h"
#include "UnitSettings.h"
#include "UnitsGuard.h"
#include "Beam.h"
#include "ChooseUnits.h"

namespace {

struct Expected {
    Quantity quantity;
    const char* name;
    float value;
};

const Expected AllOptions[] = {
    {Quantity::Length, "mm", 1},
    {Quantity::Length, "cm", 10},
    {Quantity::Length, "m", 1000},
    {Quantity::Length, "in", 25.4f},
    {Quantity::Length, "ft", 304.8f},
    {Quantity::SectionDimension, "mm", 1},
    {Quantity::SectionDimension, "cm", 10},
    {Quantity::SectionDimension, "in", 25.4f},
    {Quantity::PointLoad, "N", 1},
    {Quantity::PointLoad, "kN", 1000},
    {Quantity::PointLoad, "lbf", 4.4482217f},
    {Quantity::PointLoad, "ton", 9964},
    {Quantity::PointLoad, "Kips", 4448.22f},
    {Quantity::LoadRate, "N/mm", 1},
    {Quantity::LoadRate, "kN/m", 1},
    {Quantity::LoadRate, "lbf/in", 0.175127f},
    {Quantity::LoadRate, "lbf/ft", 0.0145939f},
    {Quantity::LoadRate, "Ton/ft", 32.690342f},
    {Quantity::LoadRate, "Kips/ft", 14.593903f},
    {Quantity::Shear, "N", 1},
    {Quantity::Shear, "kN", 0.001f},
    {Quantity::Shear, "lbf", 0.224809f},
    {Quantity::Shear, "ton", 0.0001003611f},
    {Quantity::Shear, "Kips", 0.000224809f},
    {Quantity::Moment, "N-mm", 1},
    {Quantity::Moment, "N-m", 0.001f},
    {Quantity::Moment, "kN-m", 1e-06f},
    {Quantity::Moment, "lbf-in", 0.00885075f},
    {Quantity::Moment, "lbf-ft", 0.000737562f},
    {Quantity::Deflection, "mm", 1},
    {Quantity::Deflection, "cm", 0.1f},
    {Quantity::Deflection, "m", 0.001f},
    {Quantity::Deflection, "in", 0.03937008f},
    {Quantity::Stress, "N/mm^2", 1},
    {Quantity::Stress, "lbf/in^2", 145.03767f},
    {Quantity::Stress, "KSI", 0.14503768f},
    {Quantity::E, "N/mm^2", 1},
    {Quantity::E, "lbf/in^2", 0.00689476f},
    {Quantity::E, "KSI", 6.89476f},
    {Quantity::I, "mm^4", 1},
    {Quantity::I, "cm^4", 10000},
    {Quantity::I, "in^4", 416231.44f},
    {Quantity::SectionModulus, "mm^3", 1},
    {Quantity::SectionModulus, "cm^3", 1000},
    {Quantity::SectionModulus, "in^3", 16387.064f},
    {Quantity::Area, "mm^2", 1},
    {Quantity::Area, "cm^2", 100},
    {Quantity::Area, "in^2", 645.16f},
    {Quantity::WeightPerLength, "kg/m", 0.00785f},
    {Quantity::WeightPerLength, "lb/ft", 0.005275f},
};

// Each test keeps the units as it found them.
struct Preferences : ::testing::Test {
    const UnitsGuard guard;
};

TEST_F(Preferences, EveryOptionStoresItsNameAndFactor) {
    IndexFrmShown = -1;
    TPreferencesFrm prefs;
    for (const Expected& e : AllOptions) {
        prefs.Show();
        Option(prefs, e.quantity, e.name).Click();
        Unit(e.quantity) = {};
        prefs.Button2.Click();
        EXPECT_EQ(Unit(e.quantity).Name, e.name) << e.name;
        EXPECT_EQ(Unit(e.quantity).Factor, e.value) << e.name;
        EXPECT_FALSE(prefs.Showing());
        // Showing again checks the option of the stored name.
        Option(prefs, e.quantity, e.name).SetCheckedQuietly(false);
        prefs.Show();
        EXPECT_TRUE(Option(prefs, e.quantity, e.name).Checked()) << e.name;
        prefs.Hide();
    }
    EXPECT_EQ(Unit_H, "dm^6");
    EXPECT_EQ(Factor_H, 1e-12f);
}

TEST_F(Preferences, CaptionsConventionAndFactoredLoads) {
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

TEST_F(Preferences, NamesMatchingNoOptionLeaveTheGroupAlone) {
    TPreferencesFrm prefs;
    Option(prefs, Quantity::Length, "cm").SetCheckedQuietly(true);
    for (const char* name : {"yds", "CM", "cm ", ""}) {
        Unit_L = name;
        prefs.ShowUnitChoices();
        EXPECT_TRUE(Option(prefs, Quantity::Length, "cm").Checked()) << name;
        EXPECT_FALSE(Option(prefs, Quantity::Length, "mm").Checked()) << name;
        EXPECT_FALSE(Option(prefs, Quantity::Length, "m").Checked()) << name;
    }
    // With nothing checked in a group, OK keeps its name and factor.
    Option(prefs, Quantity::WeightPerLength, "kg/m").SetCheckedQuietly(false);
    EXPECT_FALSE(Option(prefs, Quantity::WeightPerLength, "kg/m").Checked());
    EXPECT_FALSE(Option(prefs, Quantity::WeightPerLength, "lb/ft").Checked());
    Unit_Wt = "t/m";
    Factor_Wt = 7.85f;
    IndexFrmShown = -1;
    prefs.Button2.Click();
    EXPECT_EQ(Unit_Wt, "t/m");
    EXPECT_EQ(Factor_Wt, 7.85f);
    EXPECT_EQ(Unit_L, "cm");  // the checked button replaces the unknown name
    EXPECT_EQ(Factor_L, 10.0f);
}

// Ticked, OK writes the unit settings; a failed write keeps the window open
// with the choices in force.
TEST_F(Preferences, SaveAsDefaultWritesTheUnitSettings) {
    const auto folder = guard.Dir().path();
    StartDir = folder.string();
    IndexFrmShown = -1;
    TPreferencesFrm prefs;
    prefs.Show();
    Option(prefs, Quantity::Stress, "KSI").Click();
    prefs.Button2.Click();  // not ticked: no file
    EXPECT_FALSE(std::filesystem::exists(folder / UnitSettingsFileName));

    prefs.Show();
    prefs.Check_SetDefault.Click();
    prefs.Button2.Click();
    EXPECT_FALSE(prefs.Showing());

    // Unit_St is read back from the written file (where and how it is
    // written: the unit settings tests).
    Unit_St = "N/mm^2";
    ASSERT_TRUE(ReadUnitSettingsFile());
    EXPECT_EQ(Unit_St, "KSI");
    EXPECT_EQ(Factor_St, 0.14503768f);
    EXPECT_TRUE(prefs.Check_SetDefault.Checked());  // stays ticked for the rest of the run

    StartDir = (folder / "missing").string();
    prefs.Show();
    Option(prefs, Quantity::Length, "ft").Click();
    EXPECT_EQ(Said([&] { prefs.Button2.Click(); }).size(), 1u);
    EXPECT_TRUE(prefs.Showing());
    EXPECT_EQ(Unit_L, "ft");
    prefs.Hide();
}

// Reset only shows the saved defaults: Cancel keeps the units and the texts
// typed in them, OK takes the defaults and re-expresses the texts.
TEST_F(Preferences, ResetShowsTheSavedDefaultsForOkToTake) {
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
        EXPECT_TRUE(Option(prefs, Quantity::Length, "m").Checked());
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
    Unit_PL = "N";
    Factor_PL = 1;
    prefs.Show();
    Option(prefs, Quantity::PointLoad, "lbf").Click();
    prefs.cmd_Reset.Click();
    EXPECT_TRUE(Option(prefs, Quantity::PointLoad, "Kips").Checked());
    EXPECT_EQ(Unit_PL, "N");
    prefs.Button2.Click();
    EXPECT_EQ(Unit_PL, "Kips");
    EXPECT_EQ(Factor_PL, 4448.22f);
}

TEST_F(Preferences, OpensOnOutputUnitsThenKeepsTheLastTab) {
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
