#include "Misc.h"
#include <vector>
#include "BeamText.h"
#include "BinFile.h"
#include "Checked.h"
#include "Global.h"
#include "SectionRecord.h"
#include "SigFig.h"

TMiscFrm* MiscFrm = nullptr;

namespace {
constexpr const char* MiscFile = "Misc.sct";
enum Col { CRef = 0, CDesc = 1, CIxx = 2, CE = 3, CY = 4 };

// A value shown in display units; exactly 0 shows as an empty cell.
std::string CellText(float value, float factor, std::string (*format)(double)) {
    const double shown = Shown(value, factor);
    return shown == 0 ? std::string() : format(shown);
}

float Typed(const std::string& text, float factor) {
    return ToSingle(Real(ToSingle(TextNumber(text))) * Real(factor));
}
}  // namespace

TMiscFrm::TMiscFrm() : gui::Form("Miscellaneous Section Data") {
    SetBorder(gui::Border::Single);
    SetStayOnTop(true);
    Grid.SetBounds(25, 16, 593, 369);
    Grid.SetColCount(5);
    Grid.SetRowCount(MiscSections + 1);
    Grid.SetFixedCols(1);
    Grid.SetFixedRows(1);
    const int widths[] = {35, 206, 113, 112, 77};
    for (int c = 0; c < 5; ++c) Grid.SetColWidth(c, widths[c]);
    Grid.SetEditing(true);
    Grid.SetRowMoving(true);
    const gui::Font blue{"MS Sans Serif", 8, 0, gui::clBlue};
    int top = 392;
    for (gui::Label* l : {&Label1, &Label4, &Label2, &Label3}) {
        l->SetBounds(25, top, 480, 18);
        l->SetFont(blue);
        top += 22;
    }
    cmd_Save.SetBounds(538, 400, 80, 28);
    cmd_ok.SetBounds(538, 450, 80, 28);
    OnShow = [this] { FormShow(); };
    cmd_Save.OnClick = [this] { cmd_SaveClick(); };
    cmd_ok.OnClick = [this] { Hide(); };
    FormCreate();
}

void TMiscFrm::FormCreate() {
    SetClientSize(Grid.Width() + 50 - 2 * gui::FrameWidth, Grid.Height() + 150);
    CentreOnScreen();
}

void TMiscFrm::FormShow() {
    Grid.SetCell(CRef, 0, " Ref");
    Grid.SetCell(CDesc, 0, "     Description");
    Grid.SetCell(CIxx, 0, "     Ixx  (" + Unit_Sect_I.str() + ")");
    Grid.SetCell(CE, 0, "\t     E  (" + Unit_Sect_E.str() + ")");
    Grid.SetCell(CY, 0, "\t     y  (" + Unit_Sect_L.str() + ")");
    for (int r = 1; r <= MiscSections; ++r) Grid.SetCell(CRef, r, std::to_string(r));
    ReadSections();
}

// A missing file, or one of fewer than 250 sections, shows an empty table.
void TMiscFrm::ReadSections() {
    try {
        ChangeDir(StartDir);
        BinFile f(MiscFile, BinFile::Mode::Read);
        uint8_t buf[SectionRecordSize];
        std::vector<SectionRecord> records;
        for (int r = 1; r <= MiscSections; ++r) {
            f.Read(buf, sizeof buf);
            records.push_back(DecodeSectionRecord(buf));
        }
        f.Close();
        for (int r = 1; r <= MiscSections; ++r) {
            const SectionRecord& s = records[r - 1];
            Grid.SetCell(CDesc, r, s.Designation);
            Grid.SetCell(CIxx, r, CellText(s.Ixx, Factor_Sect_I, SigFig5Dec3));
            Grid.SetCell(CE, r, CellText(s.E, Factor_Sect_E, SigFig5Dec3));
            Grid.SetCell(CY, r, CellText(s.YFibre, Factor_Sect_L, SigFig3Dec3));
        }
    } catch (const RunError&) {
        for (int r = 1; r <= MiscSections; ++r)
            for (int c = CDesc; c <= CY; ++c) Grid.SetCell(c, r, "");
    }
}

void TMiscFrm::cmd_SaveClick() {
    gui::SetHourglass(true);
    std::vector<SectionRecord> records(MiscSections);
    for (int r = 1; r <= MiscSections; ++r) {
        SectionRecord& s = records[r - 1];
        s.Designation = Grid.Cell(CDesc, r);
        s.E = Typed(Grid.Cell(CE, r), Factor_Sect_E);
        s.Kind = " ";
        s.Ixx = Typed(Grid.Cell(CIxx, r), Factor_Sect_I);
        s.YFibre = Typed(Grid.Cell(CY, r), Factor_Sect_L);
    }
    ChangeDir(StartDir);
    WriteSectionTable(MiscFile, records);
    gui::SetHourglass(false);
}
