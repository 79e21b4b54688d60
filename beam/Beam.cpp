#include "Beam.h"

TBeamFrm* BeamFrm = nullptr;

TBeamFrm::TBeamFrm() : gui::Form("Beam Data") {
    SetBorder(gui::Border::Single);
    SetStayOnTop(true);
    LayOut();
    BindHandlers();
    BindMenus();
    cmdNext.SetDefault(true);
    Frame_Timber.SetOwnButton(cmd_TimCalc);
    Frame_Data.SetOwnButton(cmd_HideData);
    SetDialogKeys(&cmdCancel);
    FormCreate();
}
