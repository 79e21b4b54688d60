// The loads window: load rows, loadcases and the load preview.
#pragma once
#include "gui.h"

class TLoadDataFrm : public gui::Form {
public:
    TLoadDataFrm();
};

extern TLoadDataFrm* LoadDataFrm;
