#include "Misc.h"
#include <cmath>
#include <filesystem>
#include <optional>
#include <vector>
#include "Beam.h"
#include "BinFile.h"
#include "FieldText.h"
#include "FileFault.h"
#include "Global.h"
#include "SectionRecord.h"
#include "SigFig.h"
#include "UnitConversion.h"

TMiscFrm* MiscFrm = nullptr;

namespace {
constexpr const char* MiscFile = "Misc.sct";
enum Col { CRef = 0, CDesc = 1, CIxx = 2, CE = 3, CY = 4 };

// The file, named as the user sees it in a message.
std::string MiscPath() { return ProgramFile(MiscFile); }
std::string QuotedMiscPath() { return '"' + MiscPath() + '"'; }

// A stored value in display units, in figures that read back as it; exactly
// 0 shows as an empty cell. A value no text can give back gives nothing.
std::optional<std::string> CellText(float value, float factor, std::string (*format)(double)) {
    if (!std::isfinite(value)) return std::nullopt;
    if (value == 0) return std::string();
    std::string text = ReadBackText(value, factor, format);
    try {
        if (FieldSingle(text, factor, "") == value) return text;
    } catch (const RunError&) {
    }
    return std::nullopt;
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
    cmd_ok.SetDefault(true);
    SetDialogKeys();  // Escape closes, as OK does
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
    // A file that is there but cannot be read is not offered for Save to
    // write over with the empty rows: the window closes with the error.
    try {
        ReadSections();
    } catch (const RunError& e) {
        Hide();
        throw RunError("Cannot read " + QuotedMiscPath() + ": " + FileFault(e.what()) + ".");
    }
}

// Rows take the records the file holds, cell by cell; the rows beyond them
// stay empty. A cell whose value cannot be shown stays empty and its record
// is named. A missing file is a first use; any other file error is raised.
void TMiscFrm::ReadSections() {
    for (int r = 1; r <= MiscSections; ++r)
        for (int c = CDesc; c <= CY; ++c) Grid.SetCell(c, r, "");
    read_ = DiskStampOf(MiscPath());
    std::error_code missing;
    if (!std::filesystem::exists(MiscPath(), missing)) return;
    BinFile f(MiscPath(), BinFile::Mode::Read);
    const int count = TableSections(f);
    struct Value { Col col; float SectionRecord::*field; const float* factor; std::string (*format)(double); };
    const Value values[] = {{CIxx, &SectionRecord::Ixx, &Factor_Sect_I, SigFig5Dec3},
                            {CE, &SectionRecord::E, &Factor_Sect_E, SigFig5Dec3},
                            {CY, &SectionRecord::YFibre, &Factor_Sect_L, SigFig3Dec3}};
    std::string damaged;
    uint8_t buf[SectionRecordSize];
    for (int r = 1; r <= count; ++r) {
        f.Read(buf, sizeof buf);
        const SectionRecord s = DecodeSectionRecord(buf);
        Grid.SetCell(CDesc, r, s.Designation);
        bool whole = true;
        for (const Value& v : values) {
            const std::optional<std::string> text = CellText(s.*v.field, *v.factor, v.format);
            if (text) Grid.SetCell(v.col, r, *text);
            whole = whole && text.has_value();
        }
        if (!whole) damaged += (damaged.empty() ? "" : ", ") + std::to_string(r);
    }
    f.Close();
    if (!damaged.empty())
        gui::ShowMessage(QuotedMiscPath() + " is damaged: the values that cannot be shown are left empty (Ref " +
                         damaged + ")");
}

// Every row is read before anything is written. A file changed since the
// rows were read (another user's Save) is replaced only when the user says so.
void TMiscFrm::cmd_SaveClick() {
    std::vector<SectionRecord> records(MiscSections);
    for (int r = 1; r <= MiscSections; ++r) {
        SectionRecord& s = records[r - 1];
        s.Designation = Grid.Cell(CDesc, r);
        const std::string row = "Section " + std::to_string(r);
        s.E = FieldSingle(Grid.Cell(CE, r), Factor_Sect_E, row + " E");
        s.Kind = " ";
        s.Ixx = FieldSingle(Grid.Cell(CIxx, r), Factor_Sect_I, row + " Ixx");
        s.YFibre = FieldSingle(Grid.Cell(CY, r), Factor_Sect_L, row + " y");
    }
    try {
        if (DiskStampOf(MiscPath()) != read_ &&
            !gui::AskYesNo(QuotedMiscPath() +
                           " has been changed by another user or program since this window read it.\n"
                           "Replace it with the sections shown here?"))
            return;
        const gui::Busy busy;
        WriteSectionTable(MiscPath(), records);
        read_ = DiskStampOf(MiscPath());
    } catch (const RunError& e) {
        throw RunError("Sections not saved to " + MiscPath() + ": " + WriteFault(e.what()));
    }
    if (BeamFrm) BeamFrm->SectionTableSaved(MiscFile);
}
