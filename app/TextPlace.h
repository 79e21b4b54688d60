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

// Draws the label in the canvas's font at the first of the tops (its y, at
// x) where nothing drawn crosses it; else the same moved a little over half
// its width to the right, then to the left; else all that in a size one,
// then two points smaller. Where no place is free it goes at the first top
// in the smallest size. A label never starts left of the canvas, and is
// drawn without a background. The font size is left as it was.
void PlaceLines(gui::Canvas& c, int x, const std::vector<int>& tops, const std::vector<LabelLine>& lines);

// How many label heights a label may move up or down.
constexpr int LabelReach = 4;

// Tops of a label at y, then in steps of a quarter of its height in the
// direction dir (-1 up, +1 down), then the other way, each up to `reach`
// label heights away; tops above the canvas or reaching below `bottom` are
// left out. A label that meets another thus moves just clear of it, into a
// row of its own.
std::vector<int> Rows(const gui::Canvas& c, int y, int dir, const std::vector<LabelLine>& lines,
                      int reach = LabelReach, int bottom = INT_MAX);

// One line at (x, y), or moved clear of what is in its way, preferably in
// the direction dir.
inline void PlaceText(gui::Canvas& c, int x, int y, const std::string& text, int dir, int bottom = INT_MAX) {
    const std::vector<LabelLine> lines = {{0, text}};
    PlaceLines(c, x, Rows(c, y, dir, lines, LabelReach, bottom), lines);
}
