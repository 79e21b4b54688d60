// The beam data window: spans, cantilevers, supports and member sections.
#pragma once
#include "gui.h"

class TBeamFrm : public gui::Form {
public:
    TBeamFrm();
};

extern TBeamFrm* BeamFrm;
