#include "Beam.h"

TBeamFrm* BeamFrm = nullptr;

TBeamFrm::TBeamFrm() : gui::Form("Beam Data") {
    SetBorder(gui::Border::Single);
    SetStayOnTop(true);
    LayOut();
    BindHandlers();
    BindMenus();
    cmdNext.SetDefault(true);
    SetDialogKeys(&cmdCancel);
    FormCreate();
}
