#include <gtest/gtest.h>
#include "Beam.h"
#include "Global.h"
#include "Misc.h"
#include "ChooseUnits.h"
#include "UnitsGuard.h"
#include "app/AppTest.h"

namespace {


TEST(UnitConversionWindows, TimberCalculatorAndModulusLabels) {
    ProgramFolder();
    UnitsGuard guard;
    ChooseUnits({"Option_Sect_E_Nmm", "Option_Sect_L_mm"});
    BeamFrm->Edit_Timber_E.SetText("205000");
    BeamFrm->Edit_Timber_W.SetText("150");
    BeamFrm->Edit_Timber_H.SetText("");
    IndexFrmShown = 1;
    PreferencesFrm->Show();
    PreferencesFrm->Option_ZPlastic.Click();
    ChooseUnits({"Option_Sect_E_KSI", "Option_Sect_L_cm"});
    EXPECT_EQ(BeamFrm->Edit_Timber_E.Text(), "29732.724");  // 29700 would be another E
    EXPECT_EQ(BeamFrm->Label_TimE.Caption(), "KSI");
    EXPECT_EQ(BeamFrm->Edit_Timber_W.Text(), "15");
    EXPECT_EQ(BeamFrm->lbl_Wunit.Caption(), "cm");
    EXPECT_EQ(BeamFrm->Edit_Timber_H.Text(), "0.0");
    EXPECT_EQ(BeamFrm->lbl_Hunit.Caption(), "cm");
    EXPECT_EQ(BeamFrm->lbl_S.Caption(), "Zxx/Zyy = Plastic Modulus");
    EXPECT_EQ(BeamFrm->lbl_Z.Caption(), "Sxx/Syy = Elastic Modulus");
    PreferencesFrm->Option_SPlastic.SetCheckedQuietly(true);
    for (gui::Edit* e : {&BeamFrm->Edit_Timber_E, &BeamFrm->Edit_Timber_W, &BeamFrm->Edit_Timber_H}) e->SetText("");
    ClearLoadRowEdits();
}

// The member texts, the grids and the section edits move together, so
// that Next and a key in the grid both see the new units.
TEST(UnitConversionWindows, MemberValuesOfTheBeamWindow) {
    ProgramFolder();
    UnitsGuard guard;
    ChooseUnits({"Option_L_m", "Option_Sect_I_cm"});
    SpanTextTable[1][1] = "2.5";
    SpanTextTable[1][2] = "205000";
    SpanTextTable[1][3] = "8000";
    BeamFrm->Grid_Spans.SetCell(1, 2, "2.5");
    BeamFrm->Grid_Spans.SetCell(1, 3, "8000");
    BeamFrm->Grid_Spans.SetCell(1, 4, "205000");
    BeamFrm->Grid_Lengths.SetCell(1, 1, "2.5");
    BeamFrm->Edit_Ixx.SetText("8000");
    BeamFrm->Grid_SpanData.SetCell(27, 4, "1.5");  // the last section chosen, shown for the RHC
    IndexFrmShown = 1;
    ChooseUnits({"Option_L_mm", "Option_Sect_I_mm"});
    EXPECT_EQ(SpanTextTable[1][1], "2500");
    EXPECT_EQ(BeamFrm->Grid_Spans.Cell(1, 2), "2500");
    EXPECT_EQ(BeamFrm->Grid_Spans.Cell(1, 3), "80000000");
    EXPECT_EQ(BeamFrm->Grid_Spans.Cell(1, 4), "205000");  // E unit unchanged: as typed
    EXPECT_EQ(BeamFrm->Grid_Lengths.Cell(1, 1), "2500");
    EXPECT_EQ(BeamFrm->Edit_Ixx.Text(), "80000000");
    EXPECT_EQ(BeamFrm->Label_IxxUnit.Caption(), "mm^4");
    EXPECT_EQ(BeamFrm->Edit_E.Text(), "205000");
    EXPECT_EQ(BeamFrm->Grid_SpanData.Cell(2, 2), "2500");
    EXPECT_EQ(BeamFrm->Grid_SpanData.Cell(27, 4), "15000");
    // The headings follow at once, not only at the window's next showing.
    EXPECT_EQ(BeamFrm->Grid_Spans.Cell(0, 2), "\n Length  (mm)");
    EXPECT_EQ(BeamFrm->Grid_Spans.Cell(0, 3), " Ixx  (mm^4)");
    EXPECT_EQ(BeamFrm->Grid_Lengths.Cell(0, 1), "\n Length  (mm)");
    for (int t = 1; t <= 3; ++t) SpanTextTable[1][t] = "";
    for (int row = 2; row <= 4; ++row) BeamFrm->Grid_Spans.SetCell(1, row, "");
    BeamFrm->Grid_Lengths.SetCell(1, 1, "");
    BeamFrm->Grid_SpanData.SetCell(2, 2, "");
    BeamFrm->Grid_SpanData.SetCell(27, 4, "");
    BeamFrm->Edit_Ixx.SetText("");
    BeamFrm->Edit_E.SetText("");
    ClearLoadRowEdits();
}

TEST(UnitConversionWindows, MiscellaneousSections) {
    ProgramFolder();
    UnitsGuard guard;
    ChooseUnits({"Option_Sect_I_cm", "Option_Sect_L_mm"});
    gui::StringGrid& grid = MiscFrm->Grid;
    grid.SetCell(2, 1, "8000");
    grid.SetCell(2, 2, "0");
    grid.SetCell(4, 1, "150");
    grid.SetCell(3, 250, "205000");
    IndexFrmShown = 1;
    ChooseUnits({"Option_Sect_I_mm", "Option_Sect_L_cm"});
    EXPECT_EQ(grid.Cell(2, 0), "     Ixx (mm^4)");
    EXPECT_EQ(grid.Cell(3, 0), "     E (N/mm^2)");
    EXPECT_EQ(grid.Cell(2, 1), "80000000");
    EXPECT_EQ(grid.Cell(2, 2), "");
    EXPECT_EQ(grid.Cell(4, 1), "15");
    EXPECT_EQ(grid.Cell(3, 250), "205000");
    EXPECT_EQ(grid.Cell(3, 1), "");
    for (int col = 2; col <= 4; ++col)
        for (int row = 1; row <= 250; ++row) grid.SetCell(col, row, "");
    ClearLoadRowEdits();
}

}  // namespace
