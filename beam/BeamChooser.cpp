// The section chooser: the menu of section tables, the list of a table's
// sections, and a chosen section into the members.
#include <algorithm>
#include "Beam.h"
#include "BinFile.h"
#include "FileFault.h"
#include "Global.h"
#include "Misc.h"
#include "SectionLines.h"
#include "SigFig.h"
#include "UnitConversion.h"

namespace {
struct Family {
    const char* code;
    const char* group;  // caption of lbl_Group
    const char* file;
};
constexpr Family Families[] = {
    {"UB", "Beam", "UB.sct"},
    {"UC", "Universal Column", "UC.sct"},
    {"RSJ", "RSJ", "RSJ.sct"},
    {"IPE", "IPE", "IPE.sct"},
    {"HE", "HE Beam", "HE.sct"},
    {"WFB", "Wide Flanged Beam", "WsBeam.sct"},
    {"WFC", "Wide Flanged Column", "WsCol.sct"},
    {"RSC", "Rolled Steel Channel", "RSC.sct"},
    {"PFC", "Parallel Flanged Channel", "PFC.sct"},
    {"UPN", "Rolled Steel Channel", "UPN.sct"},
    {"C", "Rolled Steel Channel", "C.sct"},
    {"EqRSA", "Rolled Steel Angle", "EqRSA.sct"},
    {"UnEqRSA", "Rolled Steel Angle", "UnEqRSA.sct"},
    {"EqL", "Rolled Steel Angle", "EqL.sct"},
    {"UnEqL", "Rolled Steel Angle", "UnEqL.sct"},
    {"RHS", "Rectangular Hollow Section", "RHS.sct"},
    {"CHS", "Circular Hollow Section", "CHS.sct"},
    {"Misc", "Miscellaneous", "Misc.sct"},
};

// The chosen table file, named as the user sees it in a message.
std::string TablePath() { return ProgramFile(SectionFileName); }

[[noreturn]] void RaiseCannotRead(const RunError& e) {
    throw RunError("Cannot read the section table \"" + TablePath() + "\": " + FileFault(e.what()) + ".");
}

}  // namespace

void TBeamFrm::BindMenus() {
    const std::pair<gui::MenuItem*, const char*> items[] = {
        {&UniversalBeams1, "UB"}, {&UniversalColumns1, "UC"}, {&RSJ1, "RSJ"},         {&IPE1, "IPE"},
        {&HE1, "HE"},             {&WSectionBeams1, "WFB"},   {&WSectionColumns1, "WFC"}, {&RSC1, "RSC"},
        {&PFC1, "PFC"},           {&UPN1, "UPN"},             {&CShape1, "C"},         {&EqualRSA1, "EqRSA"},
        {&UnequalRSA1, "UnEqRSA"}, {&EqualL1, "EqL"},         {&UnequalL1, "UnEqL"},   {&RHS1, "RHS"},
        {&CHS1, "CHS"},           {&Miscellaneous1, "Misc"},
    };
    for (const auto& [item, code] : items) {
        const std::string c = code;
        item->OnClick = [this, c] { ChooseFamily(c); };
    }
    Timber1.OnClick = [this] { Timber1Click(); };
    EditMiscellaneousSections1.OnClick = [] { MiscFrm->Show(); };
}

void TBeamFrm::ChooseFamily(const std::string& code) {
    FamilyCode = code;
    if (code == "Misc") {
        // The user's sections are not steel: no self weight is offered.
        SectionShape = "Misc";
        MaterialCode = "Misc";
    } else {
        MaterialCode = "HRS";
    }
    LoadFamily(code);
}

void TBeamFrm::LoadFamily(const std::string& code) {
    for (const Family& f : Families) {
        if (code != f.code) continue;
        ShowFrame(Frame_Steel);
        lbl_Group.SetCaption(f.group);
        SectionFileName = f.file;
        LoadSectionList();
        return;
    }
}

void TBeamFrm::LoadSectionList() {
    List_Sect.Clear();
    listedSections_.clear();
    BinFile f;
    int n = 0;
    try {
        f.Open(TablePath(), BinFile::Mode::Read);
        n = TableSections(f);
    } catch (const RunError& e) {
        RaiseCannotRead(e);
    }
    uint8_t buf[SectionRecordSize];
    try {
        for (int i = 0; i < n; ++i) {
            f.Read(buf, sizeof buf);
            listedSections_.push_back(DecodeSectionRecord(buf).Designation.str());
            List_Sect.Add(listedSections_.back());
        }
    } catch (const RunError&) {
        // A table that cannot be read to its end lists what was read.
    }
}

void TBeamFrm::SectionTableSaved(const std::string& fileName) {
    if (fileName == SectionFileName && List_Sect.Count() > 0) LoadSectionList();
}

// The table is read whole, and its section taken only when the file still
// holds the sections listed, so that the section clicked is the one used.
void TBeamFrm::List_SectClick() {
    const int i = List_Sect.ItemIndex();
    if (i < 0) return;
    std::vector<SectionRecord> table;
    try {
        table = ReadSectionTable(TablePath());
    } catch (const RunError& e) {
        RaiseCannotRead(e);
    }
    // Designations as read, not as the list shows them: the list may show a
    // text that is not UTF-8 otherwise.
    bool listed = int(listedSections_.size()) == List_Sect.Count() && listedSections_.size() == table.size();
    for (size_t k = 0; listed && k < table.size(); ++k) listed = listedSections_[k] == table[k].Designation.str();
    if (!listed) {
        LoadSectionList();
        // No action: the clicked line stays current, so that nothing makes
        // the first line current and takes its section unasked.
        if (List_Sect.Count() > 0) List_Sect.SetItemIndex(std::min(i, List_Sect.Count() - 1));
        gui::ShowMessage("The section table \"" + TablePath() +
                         "\" has changed since its sections were listed. The list is shown again: choose the section again.");
        return;
    }
    const SectionRecord& r = table[static_cast<size_t>(i)];
    std::vector<std::string> lines;
    SectionTexts texts;
    std::string area;
    try {
        if (r.Width != 0) lines = SectionPropertyLines(r);
        area = MemberText(r.Area, Factor_Sect_A, SigFig5);
        texts = {SectionDescription(r), MemberText(r.Ixx, Factor_Sect_I, SigFig4), MemberText(r.E, Factor_Sect_E, SigFig4),
                 MemberText(r.YFibre, Factor_Sect_L, SigFig4), MemberText(r.Area, Factor_Sect_A, SigFig4)};
    } catch (const RunError&) {
        throw RunError("The section table \"" + TablePath() + "\" is damaged: section " + std::to_string(i + 1) + " (\"" +
                       SectionDescription(r) + "\") holds values that cannot be shown or used.");
    }
    List_Props.Clear();
    if (r.Width != 0) {
        SectionShape = r.Kind.str();
        for (const std::string& line : lines) List_Props.Add(line);
    }
    for (int m = 0; m <= 26; ++m) SpanTextTable[m][5] = area;
    SectionToMembers(texts, true);
}

void TBeamFrm::SectionToMembers(const SectionTexts& s, bool showEdits) {
    for (int col = 1; col <= 27; ++col) {
        Grid_SpanData.SetCell(col, 3, s.e);
        Grid_SpanData.SetCell(col, 4, s.ixx);
        Grid_SpanData.SetCell(col, 5, s.y);
        Grid_SpanData.SetCell(col, 6, s.area);
    }
    const bool all = Check_IE.Checked();
    for (int col = 1; col < Grid_Spans.ColCount(); ++col) {
        if (!all && col != SpanNo) continue;
        Grid_Spans.SetCell(col, 1, s.desc);
        Grid_Spans.SetCell(col, 3, s.ixx);
        Grid_Spans.SetCell(col, 4, s.e);
        Grid_Spans.SetCell(col, 5, s.y);
    }
    if (all || showEdits) {
        lbl_Desc.SetCaption(s.desc);
        Edit_Ixx.SetText(s.ixx);
        Edit_E.SetText(s.e);
        Edit_Yrec.SetText(s.y);
    }
    ReadSpanGrid();
}
