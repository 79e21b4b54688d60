// Results at a point of the beam.
#pragma once
#include "gui.h"

class TPointFrm : public gui::Form {
public:
    TPointFrm();
};

extern TPointFrm* PointFrm;
