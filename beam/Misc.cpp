#include "Misc.h"

TMiscFrm* MiscFrm = nullptr;

TMiscFrm::TMiscFrm() : gui::Form("Miscellaneous Section Data") {
    SetBorder(gui::Border::Single);
    SetClientSize(593 + 50 - 2 * gui::FrameWidth, 369 + 150);
    CentreOnScreen();
}
