#include "Beam.h"

TBeamFrm* BeamFrm = nullptr;

TBeamFrm::TBeamFrm() : gui::Form("Beam Data") {
    SetBorder(gui::Border::Single);
    SetStayOnTop(true);
    SetClientSize(800, 560);
    CentreOnScreen();
}
