#include "Point.h"
#include <cmath>
#include "AnalysisState.h"
#include "Global.h"
#include "Picture.h"
#include "PointResults.h"
#include "PrintDevice.h"
#include "Pro_PrintHeader.h"
#include "SigFig.h"
#include "TextStore.h"

TPointFrm* PointFrm = nullptr;

namespace {

const int ColumnWidths[] = {95, 65, 70, 80, 90};

// The four value texts of loadcase i (0: the maxima), each whole or, where
// its column is too narrow, a word that it stands whole in the list.
void SetValueCells(gui::StringGrid& grid, int row, int i) {
    const std::string texts[] = {SigFig4Dec3(PointShear[i] * Factor_Sh), SigFig4Dec3(PointMoment[i] * Factor_Mom),
                                 SigFig4Dec3(std::fabs(PointStress[i] * Factor_St)),
                                 SigFig4Dec3(PointDeflection[i] * Factor_Def)};
    for (int col = 1; col <= 4; ++col)
        grid.SetCell(col, row, grid.CellShows(col, texts[col - 1]) ? texts[col - 1] : "see list");
}

void EmptyValueCells(gui::StringGrid& grid, int lastRow) {
    for (int row = 2; row <= std::min(lastRow, grid.RowCount() - 1); ++row)
        for (int col = 1; col <= 4; ++col) grid.SetCell(col, row, "");
}

}  // namespace


TPointFrm::TPointFrm() : gui::Form("Results at point.") {
    SetBorder(gui::Border::Single);
    Label1.SetBounds(8, 12, 180, 17);
    Edit_Dist.SetBounds(192, 8, 81, 21);
    Label_Unit.SetBounds(280, 12, 60, 17);
    cmd_Calc.SetBounds(8, 40, 81, 25);
    cmd_Print.SetBounds(96, 40, 81, 25);
    cmd_OK.SetBounds(184, 40, 81, 25);
    cmd_OK.SetModalResult(gui::mrOk);
    cmd_Calc.SetDefault(true);
    SetDialogKeys();  // Escape closes, as OK does
    for (gui::StringGrid* g : {&Grid_RaP, &Grid_Max}) {
        g->SetColCount(5);
        g->SetFixedCols(1);
    }
    Grid_RaP.SetFixedRows(2);
    Grid_RaP.SetRowCount(7);
    Grid_RaP.SetBounds(8, 76, 425, 181);
    Grid_Max.SetRowCount(1);
    Grid_Max.SetFixedRows(0);
    Grid_Max.SetBounds(8, 76 + 185, 425, 33);
    Grid_Max.SetEnabled(false);
    List_Results.SetBounds(8, 304, 425, 200);
    List_Results.SetFont({"Courier New", 8});
    OnShow = [this] { FormShow(); };
    cmd_Calc.OnClick = [this] { cmd_CalcClick(); };
    cmd_Print.OnClick = [this] { cmd_PrintClick(); };
    SetResultsReplacedHandler([this] { ClearResults(); });
    SetWidth(450);
    SetHeight(545);
    CentreOnScreen();
}

TPointFrm::~TPointFrm() { SetResultsReplacedHandler(nullptr); }

void TPointFrm::ClearResults() {
    ClearPointResults();
    EmptyValueCells(Grid_RaP, Grid_RaP.RowCount() - 1);
    for (int col = 1; col <= 4; ++col) Grid_Max.SetCell(col, 0, "");
    List_Results.Clear();
}

void TPointFrm::FormShow() {
    Grid_RaP.SetRowCount(std::max(NumLoadcases + 2, 7));
    for (gui::StringGrid* g : {&Grid_RaP, &Grid_Max})
        for (int col = 0; col < 5; ++col) g->SetColWidth(col, ColumnWidths[col]);
    for (int row = 0; row <= 4; ++row) Grid_RaP.SetRowHeight(row, 25);
    Grid_Max.SetRowHeight(0, 25);
    const char* const headings[] = {" Loadcase", " Shear ", " Moment ", " Stress ", " Deflection "};
    const ShortString<10>* const units[] = {&Unit_Sh, &Unit_Mom, &Unit_St, &Unit_Def};
    for (int col = 0; col < 5; ++col) Grid_RaP.SetCell(col, 0, headings[col]);
    Grid_RaP.SetCell(0, 1, "         ");
    for (int col = 1; col < 5; ++col) Grid_RaP.SetCell(col, 1, std::string(" ").append(units[col - 1]->str()));
    EmptyValueCells(Grid_RaP, 8);
    const int n = std::max(NumLoadcases, 5);
    for (int lc = 1; lc <= n && lc + 1 < Grid_RaP.RowCount(); ++lc)
        Grid_RaP.SetCell(0, lc + 1, std::string(n < 10 ? "  " : " ").append(std::to_string(lc)));
    Grid_Max.SetCell(0, 0, " Max");
    Label_Unit.SetCaption(Unit_L.str());
    if (PointDistance == 0)
        Edit_Dist.SetText(" ");
    else
        Edit_Dist.ShowValue(PointDistance, Factor_L, FieldRule::Single, SigFig3);
}

void TPointFrm::cmd_CalcClick() {
    // Read as every typed field is read: a text that is no number is refused
    // by name, and a blank is no distance.
    const std::string field = "Distance from LH end of beam";
    const float typed = static_cast<float>(Edit_Dist.Stored(Factor_L, FieldRule::Single, field));
    if (BeamLength == 0) {
        const gui::Busy busy;
        ComputePointResults(0);
        return;
    }
    PointDistance = typed;
    const double x = TypedDistance(Edit_Dist.Text(), typed, Factor_L);
    const std::string refusal = [x] {
        const gui::Busy busy;
        return ComputePointResults(x);
    }();
    if (!refusal.empty()) {
        gui::ShowMessage(refusal);
        return;
    }
    FillGrids();
    BuildPointText(x);
    List_Results.Clear();
    const int count = StoreCount(PointResultText);
    for (int i = 1; i <= count; ++i) List_Results.Add(PointResultText[i].str());
}

void TPointFrm::FillGrids() {
    Grid_RaP.SetRowCount(NumLoadcases + 2);
    EmptyValueCells(Grid_RaP, 28);
    for (int lc = 1; lc <= NumLoadcases; ++lc) SetValueCells(Grid_RaP, lc + 1, lc);
    SetValueCells(Grid_Max, 0, 0);
}

void TPointFrm::cmd_PrintClick() {
    const int count = StoreCount(PointResultText);
    if (count == 0) return;
    PrintDevice& device = CurrentPrintDevice();
    const double pxX = device.DpiX() / 25.4, pxY = device.DpiY() / 25.4;
    PrintDocument(device, [&] {
        PrintPageHeader(device);
        gui::Canvas& c = device.Canvas();
        c.TextFont.Name = "Arial";
        c.TextFont.Size = 9;
        c.TextFont.Height = 0;
        const double columns[] = {15, 80, 145};
        int column = 0, slot = 12;
        for (int i = 1; i <= count; ++i) {
            const std::string line = PointResultText[i].str();
            if (slot > 65 && column < 2 && line.rfind(" LOADCASE", 0) == 0) {
                ++column;
                slot = 15;
            }
            if (slot < 0 || slot > 80) break;
            c.TextOut(Pixel(columns[column] * pxX), Pixel(3.5 * slot * pxY), line);
            ++slot;
        }
    });
}
