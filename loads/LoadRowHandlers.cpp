// What a load row does when its kind is chosen or its number double-clicked,
// Expand, Back and the load-factor column.
#include "Global.h"
#include "LoadData.h"

void TLoadDataFrm::ShowLoadRowFields(int n) {
    LoadRowControls& r = Row(n);
    bool point = r.OptionP.Checked();
    r.Edit_PL.SetVisible(point);
    r.Edit_Dist.SetVisible(true);
    for (gui::Edit* e : {&r.Edit_UDLS, &r.Edit_UDLF, &r.Edit_Cover}) e->SetVisible(!point);
    if (FactoredLoads == 1) r.Edit_LF.SetVisible(true);
    if (n < 5) return;
    if (n == MaxLoadRows || n > FormRowsShown) {
        FormRowsShown = n;
        ShowLoadRowPanels();
    }
}

// A ticked row runs its Apply action once emptied, as a click on its box would,
// so that it leaves the current loadcase and the preview.
void TLoadDataFrm::Edit_DblClick(int n) {
    LoadRowControls& r = Row(n);
    bool ticked = r.Check.Checked();
    r.Empty();
    if (ticked) CheckClick(n);
    r.Panel_.SetFocus();
}

void TLoadDataFrm::Button4Click() { ShowLoadRowFields(MaxLoadRows); }

void TLoadDataFrm::cmdBackClick() {
    OnBack();
    Hide();
}

void TLoadDataFrm::ShowLoadFactorColumn() {
    if (FactoredLoads != 1 && FactoredLoads != -1) return;
    for (int n = 1; n <= MaxLoadRows; ++n) Row(n).Edit_LF.SetVisible(FactoredLoads == 1);
}
