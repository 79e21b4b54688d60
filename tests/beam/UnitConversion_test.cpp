#include <gtest/gtest.h>
#include "Convert.h"
#include "Global.h"
#include "LoadData.h"
#include "app/AppTest.h"
#include "Preferences.h"
#include "SigFig.h"
#include "UnitConversion.h"
#include "ChooseUnits.h"
#include "UnitsGuard.h"
#include "gui.h"

namespace {

// A change of units never changes a value: the formatted text where it
// reads back as the value typed, else the figures that do.
TEST(UnitConversion, TextsKeepTheirValueInTheNewUnit) {
    struct Case { const char* text; float oldFactor, newFactor; const char* converted; };
    const Case cases[] = {
        {"2.5", 1000, 1, "2500"},                 // m to mm
        {"0.125", 1000, 1, "125"},
        {"12.5", 1000, 1, "12500"},               // kN to N
        {"205000", 1, 6.89476f, "29732.724"},     // N/mm^2 to KSI: not 29700
        {"10", 304.8f, 1000, "3.048"},            // ft to m: not 3.05
        {"12345", 1, 1000, "12.345"},             // mm to m: not 12.3
        {"2.5", 1000, 1000, "2.50"},              // unchanged units still pass through the formatter
        {"12.345", 1, 1, "12.345"},
        {"", 1000, 1, "0.0"},                     // a blank is a zero
        {"   ", 1000, 1, "0.0"},
        {".5", 1, 1, "0.500"},
        {"2e6", 1000, 1, "2e+09"},                // beyond the formatter's range
        {"2.5", 0, 1, "2.5"},                     // no factor to convert with
        {"2.5", 1000, 0, "2.5"},
        {"7.7777", 1000, 304.8f, "25.51739"},    // m to ft and back, as a load row stores them
        {"25.51739", 304.8f, 1000, "7.7777"},
        {"12.345", 1000, 25.4f, "486.02363"},     // m to in and back
        {"486.02363", 25.4f, 1000, "12.345"},
        {"4.9e40", 0.00689476f, 1, "3.3784322e+38"},   // lbf/in^2 beyond a single's range, stored within it
        {"3.402823466e38", 1, 1, "3.402823466e+38"}, // the largest single, in figures the field reader takes
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ConvertedText(c.text, c.oldFactor, c.newFactor, SigFig3), c.converted) << c.text;
        // Read as the windows read it, the text stores the same single.
        if (c.oldFactor != 0 && c.newFactor != 0 && std::string(c.text) != "2e6") {
            EXPECT_EQ(FieldSingle(c.converted, c.newFactor, ""), FieldSingle(c.text, c.oldFactor, "")) << c.text;
        }
    }
}

// What Next would refuse by name stays as typed.
TEST(UnitConversion, TextsThatAreNoNumberStayAsTyped) {
    for (const char* none : {"  -1.5e2x", "12abc", "12,5", "4e", "abc", "-", ".", "nan", "inf", "+.e3", "0x10", "1e39"})
        EXPECT_EQ(ConvertedText(none, 1000, 1, SigFig3), none);
}

TEST(UnitConversion, GridCellsOfZeroAreLeftEmpty) {
    gui::Form form("grid");
    gui::StringGrid grid(form);
    grid.SetColCount(5);
    grid.SetRowCount(5);
    grid.SetCell(2, 1, "8000");
    grid.SetCell(2, 2, "");
    grid.SetCell(2, 3, "0");
    grid.SetCell(2, 4, "1.23456");
    grid.SetCell(3, 1, "99");
    ConvertGridColumn(grid, 2, 1, 4, 10000, 1);  // cm^4 to mm^4
    EXPECT_EQ(grid.Cell(2, 1), "80000000");
    EXPECT_EQ(grid.Cell(2, 2), "");
    EXPECT_EQ(grid.Cell(2, 3), "");
    EXPECT_EQ(grid.Cell(2, 4), "12345.6");  // as Save reads 1.23456 cm^4
    EXPECT_EQ(grid.Cell(3, 1), "99");
}

TEST(UnitConversion, ModulusAndUnitLabels) {
    UnitsGuard guard;
    PlasticModXName = "Zxx";
    PlasticModYName = "Zyy";
    ElasticModXName = "Sxx";
    ElasticModYName = "Syy";
    EXPECT_EQ(PlasticModulusLabel(), "Zxx/Zyy = Plastic Modulus");
    EXPECT_EQ(ElasticModulusLabel(), "Sxx/Syy = Elastic Modulus");
    EXPECT_EQ(UnitInBrackets("kN/m"), "(kN/m)");
}

// Member texts of the beam being edited follow an OK of the preferences
// window once the main window has been shown.
TEST(UnitConversion, MemberTextsFollowAUnitChange) {
    UnitsGuard guard;
    IndexFrmShown = -1;
    TPreferencesFrm prefs;
    prefs.Option("Option_L_m").Click();
    prefs.Option("Option_Sect_I_cm").Click();
    prefs.Button2.Click();
    SpanTextTable[1][1] = "2.5";
    SpanTextTable[1][3] = "8000";
    SpanTextTable[2][1] = "";

    IndexFrmShown = -1;
    prefs.Show();
    prefs.Option("Option_L_mm").Click();
    prefs.Button2.Click();
    EXPECT_EQ(SpanTextTable[1][1], "2.5");  // main window never shown

    IndexFrmShown = 1;
    prefs.Option("Option_L_m").Click();
    prefs.Button2.Click();  // OldFactors still hold metres: nothing changes
    EXPECT_EQ(SpanTextTable[1][1], "2.5");
    prefs.Show();
    prefs.Option("Option_L_mm").Click();
    prefs.Button2.Click();
    EXPECT_EQ(SpanTextTable[1][1], "2500");
    EXPECT_EQ(SpanTextTable[1][3], "8000");  // I unit unchanged: as typed
    EXPECT_EQ(SpanTextTable[2][1], "");
    prefs.Show();
    prefs.Option("Option_Sect_I_mm").Click();
    prefs.Button2.Click();
    EXPECT_EQ(SpanTextTable[1][3], "80000000");
    SpanTextTable[1][1] = SpanTextTable[1][3] = "";
    ClearLoadRowEdits();
}


TEST(UnitConversion, LoadRowsFollowAUnitChangeOnceTheMainWindowWasShown) {
    ProgramFolder();
    UnitsGuard guard;
    ClearLoadRowEdits();
    ChooseUnits({"Option_L_m", "Option_PL_kN", "Option_R_kNm"});
    LoadRowControls& row1 = LoadDataFrm->Row(1);
    LoadRowControls& row7 = LoadDataFrm->Row(7);
    row1.Edit_Dist.SetText("2.5");
    row1.Edit_Cover.SetText("0.125");
    row1.Edit_PL.SetText("12.5");
    row1.Edit_LF.SetText("1.45678");

    IndexFrmShown = -1;
    ChooseUnits({"Option_L_mm", "Option_PL_N"});
    EXPECT_EQ(row1.Edit_Dist.Text(), "2.5");
    EXPECT_EQ(row7.Edit_UDLS.Text(), "");

    ChooseUnits({"Option_L_m", "Option_PL_kN"});
    IndexFrmShown = 1;
    ChooseUnits({"Option_L_mm", "Option_PL_N", "Option_R_Nmm"});
    EXPECT_EQ(row1.Edit_Dist.Text(), "2500");
    EXPECT_EQ(row1.Edit_Cover.Text(), "125");
    EXPECT_EQ(row1.Edit_PL.Text(), "12500");
    EXPECT_EQ(row1.Edit_LF.Text(), "1.45678");
    EXPECT_EQ(row7.Edit_UDLS.Text(), "0.0");
    EXPECT_EQ(LoadDataFrm->Row(50).Edit_Cover.Text(), "0.0");
    EXPECT_EQ(LoadDataFrm->lbl_PL.Caption(), "(N)");
    EXPECT_EQ(LoadDataFrm->lbl_PLdist.Caption(), "(mm)");
    EXPECT_EQ(LoadDataFrm->lbl_UDLS.Caption(), "(N/mm)");
    EXPECT_EQ(LoadDataFrm->lbl_UDLF.Caption(), "(N/mm)");
    EXPECT_EQ(LoadDataFrm->lbl_Cover.Caption(), "(mm)");

    ClearLoadRowEdits();
}

}  // namespace
