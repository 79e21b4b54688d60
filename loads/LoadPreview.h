// The loads window's picture of the beam and the loads of one loadcase.
#pragma once
#include "BeamDrawing.h"
#include "gui.h"

// The applied loads of loadcase lc on a W x H picture, with their values.
void DrawLoadsPreviewOn(gui::Canvas& c, int W, int H, int lc, Layer layer = Layer::All);
// The beam line, supports and span lengths; nothing when there is no beam.
void DrawBeamPreviewOn(gui::Canvas& c, int W, int H, Layer layer = Layer::All);
