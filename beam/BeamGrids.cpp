// The editing grids, the check boxes and the member selector.
#include "Beam.h"
#include "Checked.h"
#include "Convert.h"
#include "Global.h"
#include "RunError.h"
#include "SigFig.h"
#include "UnitConversion.h"
#include <algorithm>

namespace {
// Grid_Spans rows and the member text each holds.
struct SpanRow {
    int row, text;
};
constexpr SpanRow ValueRows[] = {{2, TLength}, {3, TIxx}, {4, TE}, {5, TY}};

std::string MemberCaption(int member) {
    if (member == LHC) return " LHC ";
    if (member == RHC) return " RHC";
    return " Span " + std::to_string(member);
}

// The model's members, supports and section choice as the window's own
// texts and choices, in display units.
void TakeModelBeam() {
    for (int m = 0; m <= 26; ++m) SpanDescText[m] = SpanDescription[m].str();
    for (int i = 0; i <= 25; ++i) SupportChoice[i] = SupportTypes[i];
    for (int m = 0; m <= 27; ++m) {
        char flag[32];
        std::snprintf(flag, sizeof flag, "%1.0f", BeamGeometryTable[m][0]);
        SpanTextTable[m][TExists] = flag;
        for (int t = TLength; t <= TArea; ++t) ShowMemberValue(m, t, BeamGeometryTable[m][t], MemberFactor(t), SigFig4);
    }
    TimberW = TimberWStored;
    TimberH = TimberHStored;
    FamilyCode = SectionFamily.str();
    MaterialCode = Material.str();
    SpanNo = SpanNoStored;
}
}  // namespace

std::vector<TBeamFrm::MemberAt> TBeamFrm::Members() const {
    std::vector<MemberAt> m;
    const int lhc = Lhc();
    if (lhc) m.push_back({LHC, 1});
    for (int k = 1; k <= SpanCount; ++k) m.push_back({k, k + lhc});
    if (Rhc()) m.push_back({RHC, SpanCount + lhc + 1});
    return m;
}

void TBeamFrm::WriteMemberCaptions() {
    const int cols = SpanCount + Lhc() + Rhc() + 1;
    Grid_Spans.SetColCount(cols);
    Grid_Lengths.SetColCount(cols);
    for (const MemberAt& m : Members()) {
        Grid_Spans.SetCell(m.column, 0, MemberCaption(m.member));
        Grid_Lengths.SetCell(m.column, 0, MemberCaption(m.member));
    }
}

int TBeamFrm::TypedSpanCount() const {
    const std::string text = Edit_Spans.Text();
    int n = 0;
    try {
        n = StrToInt(text);
    } catch (const RunError&) {
    }
    if (n < 1 || n > MaxSpans)
        throw RunError("Number of spans: '" + text + "' is not a whole number from 1 to " + std::to_string(MaxSpans));
    return n;
}

void TBeamFrm::SetSpanCount(int n) {
    SpanCount = n;
    UpDown_Spans.SetPosition(n);
}

void TBeamFrm::RebuildSpanColumns() {
    SetSpanCount(TypedSpanCount());
    WriteMemberCaptions();
}

void TBeamFrm::ReadSpanGrid() {
    for (const MemberAt& m : Members()) {
        SpanDescText[m.member] = Grid_Spans.Cell(m.column, 1);
        for (const SpanRow& r : ValueRows) SpanTextTable[m.member][r.text] = Grid_Spans.Cell(m.column, r.row);
    }
}

void TBeamFrm::ShowMemberColumn(const MemberAt& m) {
    Grid_Spans.SetCell(m.column, 1, SpanDescText[m.member]);
    for (const SpanRow& r : ValueRows) Grid_Spans.SetCell(m.column, r.row, SpanTextTable[m.member][r.text]);
}

// One section for all: a member shows span 1's section, and takes it as its
// own so that what is shown is what Next reads.
void TBeamFrm::WriteSpanGrid() {
    for (const MemberAt& m : Members()) {
        if (Check_IE.Checked() && m.member != 1) {
            SpanDescText[m.member] = SpanDescText[1];
            for (int t : {TIxx, TE, TY}) CopyMemberText(1, m.member, t);
        }
        ShowMemberColumn(m);
    }
}

void TBeamFrm::ShowMemberTexts() {
    WriteSpanGrid();
    FillLengthsGrid();
    for (const MemberAt& m : Members()) Grid_SpanData.SetCell(m.member + 1, 2, SpanTextTable[m.member][TLength]);
}

void TBeamFrm::ShowSpan1Section() {
    lbl_Desc.SetCaption(SpanDescText[1]);
    Edit_Ixx.SetText(SpanTextTable[1][TIxx]);
    Edit_E.SetText(SpanTextTable[1][TE]);
    Edit_Yrec.SetText(SpanTextTable[1][TY]);
}

void TBeamFrm::FillLengthsGrid() {
    for (const MemberAt& m : Members()) Grid_Lengths.SetCell(m.column, 1, SpanTextTable[m.member][TLength]);
    ShowSpan1Section();
}

// Grid_SpanData rows 1 and 2: which members exist and their lengths.
void TBeamFrm::MarkExistingMembers() {
    for (int col = 1; col <= 27; ++col) Grid_SpanData.SetCell(col, 1, " No");
    for (const MemberAt& m : Members()) Grid_SpanData.SetCell(m.member + 1, 1, " Yes");
}

void TBeamFrm::LengthsToSpanData() {
    for (const MemberAt& m : Members()) {
        const std::string length = Grid_Lengths.Cell(m.column, 1);
        Grid_Spans.SetCell(m.column, 2, length);
        Grid_SpanData.SetCell(m.member + 1, 2, length);
    }
    MarkExistingMembers();
    ReadSpanGrid();
    ReadFixityChecks();
    DrawBeamSketch();
}

void TBeamFrm::Grid_SpansKeyUp() {
    ReadSpanGrid();
    ReadFixityChecks();
    DrawBeamSketch();
    MarkExistingMembers();
    for (const MemberAt& m : Members()) {
        const std::string length = Grid_Spans.Cell(m.column, 2);
        Grid_SpanData.SetCell(m.member + 1, 2, length);
        Grid_Lengths.SetCell(m.column, 1, length);
    }
}

void TBeamFrm::ReadFixityChecks() {
    SupportChoice.Fill(SupportSimple);
    if (Check_LHF.Checked()) SupportChoice[0] = SupportFixed;
    if (Check_RHF.Checked()) SupportChoice[25] = SupportFixed;
}

// The selector shows member v: 0 the LHC, SpanCount + 1 the RHC.
void TBeamFrm::ShowSelector(int v) {
    const bool rhc = Rhc() == 1;
    UpDown_SpanNo.SetMax(SpanCount + Rhc());
    UpDown_SpanNo.SetPosition(v);
    Edit_SpanNo.SetText(std::to_string(v));
    if (v == 0)
        lbl_SpanNo.SetCaption("LHC");
    else if (rhc && v == SpanCount + 1)
        lbl_SpanNo.SetCaption("RHC");
    else
        lbl_SpanNo.SetCaption(std::to_string(v));
    SpanNo = v + Lhc();
}

void TBeamFrm::SetSpanNoRange() {
    int v = StrToInt(Edit_SpanNo.Text());
    if (lbl_SpanNo.Caption() == "RHC" && Rhc() == 1) v = SpanCount + 1;
    if (v > SpanCount + Rhc()) v = SpanCount + Rhc();
    // Without the LHC the selector must not stay on it.
    if (v < 1 && Lhc() == 0) v = 1;
    if (v < 0) v = 0;
    ShowSelector(v);
}

void TBeamFrm::ShowSpanNo() {
    int v = StrToInt(Edit_SpanNo.Text());
    if (SpanCount == 0) SpanCount = 1;
    if (Lhc() == 0 && v < 1) v = 1;
    if (Rhc() == 0 && v > SpanCount) v = SpanCount;
    ShowSelector(v);
}

void TBeamFrm::RefreshMembers() {
    RebuildSpanColumns();
    SetSpanNoRange();
    WriteSpanGrid();
    FillLengthsGrid();
    ReadFixityChecks();
    DrawBeamSketch();
}

// A cantilever and a fixed support exclude each other at one end: ticking
// one unticks the other.
void TBeamFrm::EndBoxClick(gui::CheckBox& box, gui::CheckBox& otherBox) {
    if (box.Focused()) {
        if (box.Checked()) otherBox.SetCheckedQuietly(false);
        RefreshMembers();
    }
    if (Showing()) cmdNext.SetFocus();
}

void TBeamFrm::UpDown_SpansClick() {
    RebuildSpanColumns();
    WriteSpanGrid();
    FillLengthsGrid();
    DrawBeamSketch();
    SetSpanNoRange();
}

void TBeamFrm::SectionEditKeyUp(int text, int row, const gui::Edit& edit) {
    const std::string t = edit.Text();
    for (int m = 0; m <= 26; ++m) SpanTextTable[m][text] = t;
    for (int col = 1; col <= 27 && col < Grid_Spans.ColCount(); ++col) Grid_Spans.SetCell(col, row, t);
}

// One section for all: the member's cell of the lengths grid, or the
// section's edit; else the member's cell of the per-member grid.
void TBeamFrm::FocusMemberValue(int member, int text) {
    const std::vector<MemberAt> members = Members();
    const int column =
        std::find_if(members.begin(), members.end(), [&](const MemberAt& m) { return m.member == member; })->column;
    const int row =
        std::find_if(std::begin(ValueRows), std::end(ValueRows), [&](const SpanRow& r) { return r.text == text; })->row;
    // The current cell set runs no handler.
    if (!Check_IE.Checked()) {
        Grid_Spans.SetCurrent(column, row);
        Grid_Spans.SetFocus();
    } else if (text == TLength) {
        Grid_Lengths.SetCurrent(column, 1);
        Grid_Lengths.SetFocus();
    } else {
        (text == TIxx ? Edit_Ixx : Edit_E).SetFocus();
    }
}

void TBeamFrm::Check_IEClick() {
    if (!Check_IE.Focused()) return;
    if (!Check_IE.Checked()) {
        ShowEditingMode(false);
        if (Showing()) cmdNext.SetFocus();
        return;
    }
    ShowEditingMode(true);
    for (int col = 1; col <= 27 && col < Grid_Spans.ColCount(); ++col) {
        Grid_Spans.SetCell(col, 1, SpanDescText[1]);
        Grid_Spans.SetCell(col, 3, SpanTextTable[1][TIxx]);
        Grid_Spans.SetCell(col, 4, SpanTextTable[1][TE]);
        Grid_Spans.SetCell(col, 5, SpanTextTable[1][TY]);
    }
    for (int m = 0; m <= 26; ++m) {
        SpanDescText[m] = SpanDescText[1];
        for (int t : {TE, TIxx, TY}) CopyMemberText(1, m, t);
    }
    ShowSpan1Section();
}

// The section table of the stored family, or the timber frame, and the
// stored section's data.
void TBeamFrm::ShowStoredSection() {
    const bool timber = SectionFamily == "Timber";
    Frame_Timber.SetVisible(timber);
    Frame_Steel.SetVisible(!timber);
    if (timber) {
        Edit_Timber_W.ShowValue(TimberWStored, Factor_Sect_L, FieldRule::Single, SigFig3);
        Edit_Timber_H.ShowValue(TimberHStored, Factor_Sect_L, FieldRule::Single, SigFig3);
    } else {
        // A table that cannot be read leaves its list empty, not the beam unshown.
        try {
            LoadFamily(SectionFamily);
        } catch (const RunError&) {
            List_Sect.Clear();
        }
    }
    List_Props.Clear();
    const int n = LineCount(UniformSectionText[0].str());
    for (int i = 1; i <= n; ++i) List_Props.Add(UniformSectionText[i]);
}

void TBeamFrm::ShowEndChecks() {
    Check_LHF.SetCheckedQuietly(SupportChoice[0] == SupportFixed);
    Check_RHF.SetCheckedQuietly(SupportChoice[25] == SupportFixed);
    Check_LHC.SetCheckedQuietly(TextNumber(SpanTextTable[LHC][TExists]) == 1);
    Check_RHC.SetCheckedQuietly(TextNumber(SpanTextTable[RHC][TExists]) == 1);
}

void TBeamFrm::ShowBeamData() {
    ShowStoredSection();
    TakeModelBeam();
    SetSpanCount(std::max(1, int(NumSpans)));  // no beam yet: one span to fill in
    ShowEndChecks();
    WriteMemberCaptions();
    FillLengthsGrid();
    for (const MemberAt& m : Members()) ShowMemberColumn(m);
    if (SectionFamily == "Timber") {
        Edit_Timber_H.ShowValue(TimberH, Factor_Sect_L, FieldRule::Single, SigFig3);
        Edit_Timber_W.ShowValue(TimberW, Factor_Sect_L, FieldRule::Single, SigFig3);
        Edit_Timber_E.SetText(SpanTextTable[1][TE]);
    }
    ShowEditingMode(SameForAllSpans != -1);
    // The selector shows the member kept with the beam, within the members.
    Edit_SpanNo.SetText(std::to_string(SpanNo - Lhc()));
    SetSpanNoRange();
    ClearEdited();  // it shows the model
}

void TBeamFrm::ResetBeamForm() {
    List_Props.Clear();
    List_Sect.Clear();
    lbl_Group.SetCaption("");
    SetSpanCount(1);
    for (gui::CheckBox* b : {&Check_LHF, &Check_RHF, &Check_LHC, &Check_RHC}) b->SetCheckedQuietly(false);
    for (gui::Edit* e : {&Edit_Timber_W, &Edit_Timber_H, &Edit_Timber_E}) e->SetText("");
    lbl_Desc.SetCaption(" ");
    for (gui::Edit* e : {&Edit_Ixx, &Edit_E, &Edit_Yrec}) e->SetText("");
    for (gui::StringGrid* g : {&Grid_Spans, &Grid_Lengths}) {
        for (int col = 1; col < g->ColCount(); ++col)
            for (int row = 0; row < g->RowCount(); ++row) g->SetCell(col, row, "");
        g->SetColCount(2);
        g->SetCell(1, 0, " Span 1");
    }
    gui::Canvas& c = Image_Beam.GetCanvas();
    c.Brush.Colour = gui::clGray;
    c.FillRect({0, 0, 753, 73});
    SketchLength = 0;
    SectionShape.clear();
    MaterialCode.clear();
    FamilyCode.clear();
    ShowSelector(1);  // no member but span 1 is left to choose
    SupportChoice.Fill(0);
    for (int m = 0; m <= 26; ++m) SpanDescText[m].clear();
    for (auto& row : SpanTextTable) row.Fill("");
    for (auto& row : SpanTextHeld) row.Fill(HeldText{});
    ClearEdited();
}
