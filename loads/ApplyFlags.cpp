// Which loads act in each loadcase: the Apply boxes, the loadcase spinner,
// Cancel and the restoring of rows and flags from the load table.
#include "Convert.h"
#include "Global.h"
#include "LoadData.h"

void TLoadDataFrm::ShowApplyFlags() {
    int lc = Loadcase();
    for (int n = 1; n <= MaxLoadRows; ++n) Row(n).Check.SetCheckedQuietly(ApplyFlags[lc][n] == 1.0f);
    Check_Swt.SetCheckedQuietly(ApplyFlags[lc][SelfWeightSlot] == 1.0f);
}

void TLoadDataFrm::StoreApplyFlags() {
    ClearApplyOfEmptyRows();
    int lc = Loadcase();
    for (int n = 1; n <= MaxLoadRows; ++n) ApplyFlags[lc][n] = Row(n).Check.Checked() ? 1.0f : NotApplied;
    float v = Check_Swt.Checked() ? 1.0f : NotApplied;
    if (SelfWeightScope == 0) {
        for (int c = 1; c <= MaxLoadcases; ++c) ApplyFlags[c][SelfWeightSlot] = v;
    } else {
        ApplyFlags[lc][SelfWeightSlot] = v;
    }
}

// Unticking a box counts as its click: the row's Apply action runs (it does
// nothing while the program is filling the window).
void TLoadDataFrm::ClearApplyOfEmptyRows() {
    for (int n = 1; n <= MaxLoadRows; ++n) {
        LoadRowControls& r = Row(n);
        if (r.OptionP.Checked() || r.OptionUDL.Checked() || !r.Check.Checked()) continue;
        r.Check.SetCheckedQuietly(false);
        CheckClick(n);
    }
}

void TLoadDataFrm::ResetLoadcases() {
    for (int lc = 1; lc <= MaxLoadcases; ++lc)
        for (int n = 1; n <= MaxLoadRows; ++n) ApplyFlags[lc][n] = NotApplied;
    Edit_Case.SetText("1");
    CurrentLoadcase = 1;
    SavedLoadcase = 1;   // and the window opens on it next time
    UpDown_Case.SetPosition(1);
}

void TLoadDataFrm::RestoreLoadRows() {
    for (int lc = 1; lc <= MaxLoadcases; ++lc)
        for (int s = 1; s <= SelfWeightSlot; ++s) ApplyFlags[lc][s] = LoadTable[lc][s][LApplied];
    for (int s = 1; s <= SelfWeightSlot; ++s)
        for (int f = LKind; f <= LFactor; ++f) LoadRows[s][f] = LoadTable[Loadcase()][s][f];
    SavedRowsShown = LoadRowsShown;
    SavedLoadcase = LoadCaseShown;
    ClearEdited();  // the rows are the model's
}

void TLoadDataFrm::UpDown_CaseClick() {
    FillingScope filling(FillingForm);
    CurrentLoadcase = StrToInt(Edit_Case.Text());
    LoadCaseShown = CurrentLoadcase;
    ShowApplyFlags();
    RedrawPreview();
}

void TLoadDataFrm::CheckClick(int) {
    if (FillingForm == 1) return;
    ReadLoadRows();
    StoreApplyFlags();
    CheckLoadPositions();
    RedrawPreview();
}

void TLoadDataFrm::Check_SwtClick() {
    if (FillingForm == 1) return;
    ReadLoadRows();
    StoreApplyFlags();
    RedrawPreview();
}

void TLoadDataFrm::WithdrawSelfWeight() {
    Frame_SWt.SetVisible(false);
    Check_Swt.SetCheckedQuietly(false);
    LoadRows[SelfWeightSlot][LApplied] = 0.0f;
    for (int lc = 1; lc <= MaxLoadcases; ++lc) ApplyFlags[lc][SelfWeightSlot] = NotApplied;
}

void TLoadDataFrm::cmd_CancelClick() {
    RestoreLoadRows();
    Hide();
}
