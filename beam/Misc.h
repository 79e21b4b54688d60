// The editor of the user's own sections, kept in "Misc.sct".
#pragma once
#include "gui.h"

class TMiscFrm : public gui::Form {
public:
    TMiscFrm();
};

extern TMiscFrm* MiscFrm;
