// The loads window's picture of the beam and the loads of one loadcase.
#pragma once
#include "gui.h"

// The applied loads of loadcase lc on a W x H picture.
void DrawLoadsPreviewOn(gui::Canvas& c, int W, int H, int lc);
// The beam line, supports and span lengths; nothing when there is no beam.
void DrawBeamPreviewOn(gui::Canvas& c, int W, int H);
