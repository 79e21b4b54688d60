#include "Point.h"

TPointFrm* PointFrm = nullptr;

TPointFrm::TPointFrm() : gui::Form("Results at point.") {
    SetBorder(gui::Border::Single);
    SetClientSize(480, 420);
    CentreOnScreen();
}
