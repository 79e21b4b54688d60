#include "LoadData.h"

TLoadDataFrm* LoadDataFrm = nullptr;

TLoadDataFrm::TLoadDataFrm() : gui::Form("Load Data") {
    SetBorder(gui::Border::Single);
    SetStayOnTop(true);
    SetBounds(0, 0, 801, 560);
    SetFont({"MS Sans Serif", 8, 13});
}
