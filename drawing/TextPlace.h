// Labels put where nothing drawn crosses them, on the screen and on paper.
#pragma once
#include <climits>
#include <string>
#include <vector>
#include "gui.h"

// A label of one or more lines, each `dy` below the label's top.
struct LabelLine {
    int dy;
    std::string text;
};

// Draws the label in the canvas's font with its top-left at (x, y) when
// nothing drawn crosses it there. Else it moves in steps of a quarter of its
// height up to four label heights in the direction dir (-1 up, +1 down), so
// that a label meeting another moves just clear of it, into a row of its
// own; else as far the other way, without passing over anything. Else all
// that a little over half its width to the right, then to the left; else in
// a size one, then two points smaller. Where no place is free it goes at
// (x, y) in the smallest size. A label never starts left of the canvas or
// above it, nor reaches below `bottom`; it is drawn without a background,
// and the font size is left as it was.
void PlaceLines(gui::Canvas& c, int x, int y, const std::vector<LabelLine>& lines, int dir, int bottom = INT_MAX);

inline void PlaceText(gui::Canvas& c, int x, int y, const std::string& text, int dir, int bottom = INT_MAX) {
    PlaceLines(c, x, y, {{0, text}}, dir, bottom);
}
