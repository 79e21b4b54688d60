// The loads window's layout, showing, sizing and clearing.
#include "LoadData.h"
#include "Global.h"
#include "RunError.h"

TLoadDataFrm* LoadDataFrm = nullptr;

namespace {

const gui::Font RowFont{"MS Sans Serif", 8, 17};

struct Heading {
    const char* Caption;
    int X, Y;
    gui::Color Colour = gui::clBlack;
};

// Column headings above the load rows, each clear of the rule at its left.
const Heading Headings[] = {
    {"Max No of loads = 50", 8, 160, gui::clBlue},
    {"If load factor left blank then load factor = 1", 8, 184, gui::clBlue},
    {"Point", 176, 160}, {"Load", 176, 176},
    {"Distance", 248, 160}, {"from LH end", 248, 176}, {"of beam", 248, 192},
    {"UDL", 352, 160}, {"start rate", 352, 176},
    {"UDL", 432, 160}, {"finish rate", 432, 176},
    {"Cover", 512, 160},
    {"Load", 592, 160}, {"factor", 592, 176}, {"(optional)", 592, 192},
};

// The vertical rules between the columns.
const int RuleX[] = {168, 240, 344, 424, 504, 584, 664};

int PanelTop(int n) { return 240 + 35 * (n - 1) + (n >= 18 ? 5 : 0); }

}  // namespace

LoadRowControls::LoadRowControls(gui::Container& parent, int n)
    : Panel_(parent),
      Edit_nn(Panel_, (n < 10 ? "   " : " ") + std::to_string(n)),
      OptionP(Panel_, "Point"),
      OptionUDL(Panel_, n == 28 ? "UDL." : "UDL"),
      Edit_PL(Panel_), Edit_Dist(Panel_), Edit_UDLS(Panel_), Edit_UDLF(Panel_), Edit_Cover(Panel_),
      Edit_LF(Panel_),
      Check(Panel_, "Apply") {
    Panel_.SetBounds(2, PanelTop(n), 745, n == 17 ? 40 : 35);
    Panel_.SetVisible(n <= 5);
    Edit_nn.SetBounds(8, 6, 33, 23);
    Edit_nn.SetFont(RowFont);
    Edit_nn.SetReadOnly(true);
    Edit_nn.SetHint("Load No - DoubleClick to reset row");
    OptionP.SetBounds(48, 8, 57, 17);
    OptionUDL.SetBounds(112, 8, 57, 17);
    const int x[] = {176, 264, 360, 440, 520, 608};
    auto edits = ValueEdits();
    for (size_t i = 0; i < edits.size(); ++i) {
        edits[i]->SetBounds(x[i], 6, i == 5 ? 40 : 50, 21);
        edits[i]->SetVisible(false);
    }
    Check.SetBounds(675, 8, 60, 17);
}

std::vector<gui::Edit*> LoadRowControls::ValueEdits() {
    return {&Edit_PL, &Edit_Dist, &Edit_UDLS, &Edit_UDLF, &Edit_Cover, &Edit_LF};
}

void LoadRowControls::Empty() {
    OptionP.SetCheckedQuietly(false);
    OptionUDL.SetCheckedQuietly(false);
    for (gui::Edit* e : ValueEdits()) {
        e->SetText("");
        e->SetVisible(false);
    }
    Check.SetCheckedQuietly(false);
}

TLoadDataFrm::TLoadDataFrm() : gui::Form("Load Data") {
    SetBorder(gui::Border::Single);
    SetStayOnTop(true);
    SetFont({"MS Sans Serif", 8, 13});
    SetBounds(0, 0, 801, 560);

    Image_Beam.SetBounds(2, 8, 743, 145);
    Image_Beam.SetSize(743, 145);
    lbl_Length.SetBounds(336, 128, 200, 16);
    LayOutHeadings();

    for (int n = 1; n <= MaxLoadRows; ++n) {
        rows_.push_back(std::make_unique<LoadRowControls>(*this, n));
        LoadRowControls& r = *rows_.back();
        r.OptionP.OnClick = [this, n] { ShowLoadRowFields(n); };
        r.OptionUDL.OnClick = [this, n] { ShowLoadRowFields(n); };
        r.Edit_nn.OnDblClick = [this, n] { Edit_DblClick(n); };
        r.Check.OnClick = [this, n] { CheckClick(n); };
    }

    Panel_Cmds.SetBounds(0, ClientHeight() - 65, ClientWidth(), 65);
    const std::pair<gui::Button*, int> buttons[] = {
        {&cmdBack, 342}, {&Button4, 424}, {&cmd_Clear, 512}, {&cmd_Cancel, 592}, {&cmd_Next, 672}};
    for (auto [b, x] : buttons) {
        b->SetBounds(x, 20, 75, 25);
        b->SetFont(RowFont);
    }
    Frame_SWt.SetBounds(8, 8, 321, 49);
    Frame_SWt.SetVisible(false);
    Check_Swt.SetBounds(8, 20, 60, 17);
    lbl_Swt.SetBounds(72, 22, 150, 16);
    Label1.SetBounds(232, 22, 20, 16);
    Edit_LF.SetBounds(256, 18, 40, 21);

    cmdBack.OnClick = [this] { cmdBackClick(); };
    Button4.OnClick = [this] { Button4Click(); };
    cmd_Clear.OnClick = [this] { cmd_ClearClick(); };
    cmd_Cancel.OnClick = [this] { cmd_CancelClick(); };
    cmd_Next.OnClick = [this] { cmd_NextClick(); };
    cmd_Next.SetDefault(true);
    SetDialogKeys(&cmd_Cancel);
    Check_Swt.OnClick = [this] { Check_SwtClick(); };
    UpDown_Case.OnClick = [this] { UpDown_CaseClick(); };
    OnShow = [this] { FormShow(); };
    FormCreate();
}

void TLoadDataFrm::LayOutHeadings() {
    for (const Heading& h : Headings) {
        headings_.push_back(std::make_unique<gui::Label>(*this, h.Caption));
        headings_.back()->SetBounds(h.X, h.Y, 80, 16);
        if (h.Colour != gui::clBlack) headings_.back()->SetFont({"MS Sans Serif", 8, 13, h.Colour});
    }
    headings_[0]->SetWidth(155);
    headings_[1]->SetBounds(8, 184, 129, 49);
    headings_[1]->SetWordWrap(true);
    headings_[1]->SetAlignment(gui::Align::Left);
    const std::pair<gui::Label*, int> units[] = {
        {&lbl_PL, 176}, {&lbl_PLdist, 248}, {&lbl_UDLS, 352}, {&lbl_UDLF, 432}, {&lbl_Cover, 512}};
    for (auto [l, x] : units) l->SetBounds(x, 216, 80, 16);
    Label2.SetBounds(680, 216, 60, 16);
    Edit_Case.SetBounds(696, 176, 25, 21);
    // The arrows alone choose the loadcase: a typed number would have the
    // preview draw one loadcase while Apply ticks another.
    Edit_Case.SetReadOnly(true);
    UpDown_Case.SetBounds(721, 176, 16, 21);
    UpDown_Case.SetMin(1);
    UpDown_Case.SetMax(25);
    UpDown_Case.SetPosition(1);
    Edit_Case.SetViewing();  // choosing a loadcase only shows it
    for (int x : RuleX) {
        shapes_.push_back(std::make_unique<gui::Panel>(*this));
        shapes_.back()->SetBounds(x, 152, 3, PanelTop(1) - 152);
    }
}

LoadRowControls& TLoadDataFrm::Row(int n) {
    if (n < 1 || n > MaxLoadRows) RaiseRangeCheck();
    return *rows_[static_cast<size_t>(n - 1)];
}

void TLoadDataFrm::FormCreate() {
    SetWidth(780);
    SetLeft((gui::ScreenWidth() - Width()) / 2);
    SetTop(0);
    FormRowsShown = 0;
}

void TLoadDataFrm::SetWindowHeight(int h) {
    SetHeight(h);
    Panel_Cmds.SetBounds(0, ClientHeight() - 65, ClientWidth(), 65);
}

void TLoadDataFrm::FormShow() {
    FillingScope filling(FillingForm);
    PositionCheckOnRead = 0.0f;
    const std::pair<gui::Label*, std::string> units[] = {
        {&lbl_PL, Unit_PL}, {&lbl_PLdist, Unit_L}, {&lbl_UDLS, Unit_R}, {&lbl_UDLF, Unit_R}, {&lbl_Cover, Unit_L}};
    for (const auto& [l, u] : units) l->SetCaption("(" + u + ")");
    if (SavedLoadcase < 1 || SavedLoadcase > 5) SavedLoadcase = 1;
    Edit_Case.SetText(std::to_string(SavedLoadcase));
    CurrentLoadcase = SavedLoadcase;
    ClearPreview();
    FormRowsShown = SavedRowsShown;
    ShowLoadRowPanels();
    if (FormRowsShown == 0) FormRowsShown = 5;
    UpDown_Case.SetPosition(SavedLoadcase);
    if (Material == "HRS" && SameForAllSpans == 1) {
        Frame_SWt.SetVisible(true);
    } else {
        WithdrawSelfWeight();
    }
    // Entries not yet taken (the window closed by its title bar, or left by
    // < Back) stay as typed; else the rows show the model's.
    if (Edited())
        ShowSelfWeightRate();
    else
        FillLoadRows();
    ShowApplyFlags();
    // After Open too, the distributed loads are drawn with their values.
    RedrawPreview();
}

void TLoadDataFrm::ShowLoadRowPanels() {
    for (int k = 5; k <= 49; ++k)
        if (FormRowsShown >= k) Row(k + 1).Panel_.SetVisible(true);
    int h = FormRowsShown * 35 + 380;
    if (h > Height()) SetWindowHeight(h);
}

void TLoadDataFrm::HideLoadRowPanels() {
    for (int n = 6; n <= MaxLoadRows; ++n) Row(n).Panel_.SetVisible(false);
}

void TLoadDataFrm::ClearLoadRows() {
    FillingForm = 1;
    for (int s = 1; s <= SelfWeightSlot; ++s) {
        LoadRows[s].Fill(0.0f);
        LoadRows[s][LApplied] = -1.0f;
    }
    for (UDLOutlineCase& c : UDLOutline) c = UDLOutlineCase{};
    for (int n = 1; n <= MaxLoadRows; ++n) Row(n).Empty();
    FormRowsShown = 6;
    FillingForm = 0;
    SetWindowHeight(6 * 40 + 380);
    UpDown_Case.SetPosition(1);
    Edit_Case.SetText("1");
    ClearEdited();
}

// The self-weight flags (slot 51) are kept, as the self-weight box keeps its tick.
void TLoadDataFrm::cmd_ClearClick() {
    const gui::Busy busy;
    for (int s = 1; s <= SelfWeightSlot; ++s)
        for (int f = LKind; f <= LApplied; ++f) LoadRows[s][f] = 0.0f;
    for (int lc = 1; lc <= MaxLoadcases; ++lc)
        for (int s = 1; s <= MaxLoadRows; ++s) ApplyFlags[lc][s] = 0.0f;
    UpDown_Case.SetPosition(1);
    ClearLoadRows();
    ClearPreview();
    ResetLoadcases();
    HideLoadRowPanels();
    ShowLoadRowPanels();
    DrawBeamPreview();
    MarkLoadedCases();
}
