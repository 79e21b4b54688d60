#include <gtest/gtest.h>
#include "Beam.h"
#include "Global.h"
#include "Misc.h"
#include "UnitConversion.h"
#include "ChooseUnits.h"
#include "UnitsGuard.h"

namespace {

// Each test keeps the units and leaves the loads window's value edits empty.
struct UnitConversionWindows : ::testing::Test {
    void TearDown() override { ClearLoadRowEdits(); }
    const UnitsGuard guard;
};

TEST_F(UnitConversionWindows, TimberCalculatorAndModulusLabels) {
    ChooseUnits({{Quantity::E, "N/mm^2"}, {Quantity::SectionDimension, "mm"}});
    BeamFrm->Edit_Timber_E.SetText("205000");
    BeamFrm->Edit_Timber_H.SetText("");
    IndexFrmShown = 1;
    PreferencesFrm->Show();
    PreferencesFrm->Option_ZPlastic.Click();
    ChooseUnits({{Quantity::E, "KSI"}, {Quantity::SectionDimension, "cm"}});
    EXPECT_EQ(BeamFrm->Edit_Timber_E.Text(), "29732.724");  // 29700 would be another E
    EXPECT_EQ(BeamFrm->Label_TimE.Caption(), "KSI");
    EXPECT_EQ(BeamFrm->lbl_Wunit.Caption(), "cm");
    EXPECT_EQ(BeamFrm->Edit_Timber_H.Text(), "0.0");
    EXPECT_EQ(BeamFrm->lbl_Hunit.Caption(), "cm");
    EXPECT_EQ(BeamFrm->lbl_S.Caption(), "Zxx/Zyy = Plastic Modulus");
    EXPECT_EQ(BeamFrm->lbl_Z.Caption(), "Sxx/Syy = Elastic Modulus");
    PreferencesFrm->Option_SPlastic.SetCheckedQuietly(true);
    for (gui::Edit* e : {&BeamFrm->Edit_Timber_E, &BeamFrm->Edit_Timber_W, &BeamFrm->Edit_Timber_H}) e->SetText("");
}

// The member texts, the grids and the section edits move together, so
// that Next and a key in the grid both see the new units.
TEST_F(UnitConversionWindows, MemberValuesOfTheBeamWindow) {
    ChooseUnits({{Quantity::Length, "m"}, {Quantity::I, "cm^4"}});
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
    ChooseUnits({{Quantity::Length, "mm"}, {Quantity::I, "mm^4"}});
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
}

TEST_F(UnitConversionWindows, MiscellaneousSections) {
    ChooseUnits({{Quantity::I, "cm^4"}, {Quantity::SectionDimension, "mm"}});
    gui::StringGrid& grid = MiscFrm->Grid;
    grid.SetCell(2, 1, "8000");
    grid.SetCell(2, 2, "0");
    grid.SetCell(2, 3, "1.23456");
    grid.SetCell(3, 250, "205000");
    IndexFrmShown = 1;
    ChooseUnits({{Quantity::I, "mm^4"}, {Quantity::SectionDimension, "cm"}});
    EXPECT_EQ(grid.Cell(2, 0), "     Ixx (mm^4)");
    EXPECT_EQ(grid.Cell(3, 0), "     E (N/mm^2)");
    EXPECT_EQ(grid.Cell(2, 1), "80000000");
    EXPECT_EQ(grid.Cell(2, 2), "");
    EXPECT_EQ(grid.Cell(2, 3), "12345.6");  // as Save reads 1.23456 cm^4
    EXPECT_EQ(grid.Cell(3, 250), "205000");
    EXPECT_EQ(grid.Cell(3, 1), "");
    for (int col = 2; col <= 4; ++col)
        for (int row = 1; row <= 250; ++row) grid.SetCell(col, row, "");
}

// A change of one quantity's unit re-expresses the texts of that quantity,
// by the ratio of its factors, and no other text.
TEST_F(UnitConversionWindows, EachTextFollowsItsOwnQuantity) {
    using Q = Quantity;
    LoadRowControls& row = LoadDataFrm->Row(1);
    const std::pair<ValueEdit*, Q> edits[] = {
        {&BeamFrm->Edit_Timber_W, Q::SectionDimension}, {&BeamFrm->Edit_Timber_H, Q::SectionDimension},
        {&BeamFrm->Edit_Timber_E, Q::E}, {&row.Edit_PL, Q::PointLoad}, {&row.Edit_Dist, Q::Length},
        {&row.Edit_UDLS, Q::LoadRate}, {&row.Edit_UDLF, Q::LoadRate}, {&row.Edit_Cover, Q::Length}};
    const std::pair<int, Q> miscColumns[] = {{2, Q::I}, {3, Q::E}, {4, Q::SectionDimension}};
    const Q memberTexts[] = {Q::Length, Q::E, Q::I, Q::SectionDimension, Q::Area};  // texts 1..5
    const auto fill = [&](const char* text) {
        for (auto [edit, q] : edits) edit->SetText(text);
        for (auto [col, q] : miscColumns) MiscFrm->Grid.SetCell(col, 1, text);
        for (int t = 1; t <= 5; ++t) SpanTextTable[1][t] = text;
    };
    IndexFrmShown = 1;
    for (const QuantityUnits& changed : UnitTable()) {
        fill("1");
        SaveOldFactors();
        OldFactors[Index(changed.id)] *= 4;
        PreferencesFrm->OnUnitsChanged();
        const auto expected = [&](Q q) { return q == changed.id ? "4" : "1"; };
        for (auto [edit, q] : edits) EXPECT_EQ(edit->Text(), expected(q)) << changed.name;
        for (auto [col, q] : miscColumns) EXPECT_EQ(MiscFrm->Grid.Cell(col, 1), expected(q)) << changed.name;
        for (int t = 1; t <= 5; ++t) EXPECT_EQ(SpanTextTable[1][t], expected(memberTexts[t - 1])) << changed.name;
    }
    fill("");
}

}  // namespace
