// Labels put where nothing drawn crosses them, on the screen and on paper.
#pragma once
#include <climits>
#include <optional>
#include <string>
#include <vector>
#include "gui.h"

// A label of one or more lines, each `dy` below the label's top.
struct LabelLine {
    int dy;
    std::string text;
};

// Where a label may stand: it starts no further left than `left` nor ends
// further right than `right`, being moved in where it would (where both
// cannot hold, `right` does: it is the canvas's edge), and it ends above
// `bottom` and below `top`.
struct LabelArea {
    int top = 0;
    int left = 0;
    int right = INT_MAX;
    int bottom = INT_MAX;
};

// Draws the label in the canvas's font with its top-left at (x, y) when
// nothing drawn crosses it there. Else it moves in steps of a quarter of its
// height up to four label heights in the direction dir (-1 up, +1 down), so
// that a label meeting another moves just clear of it, into a row of its
// own; else as far the other way, without passing over anything. Else all
// that a little over half its width to the right, then to the left; then,
// nearest first, in steps of a quarter of its height up to its width either
// way; else in a size one, then two points smaller. Where no place is free
// the label is left out, unless it is to be kept: it then moves the same
// ways further across, nearest first, as far as the area reaches (a kept
// label needs the area's top, right and bottom), in its size, then smaller;
// else four label heights at a time further up and down, over what lies
// between, at, beside and further across, in each size; only where strokes
// leave no room at all does it take the first of its places that crosses no
// other text. A value is never printed over another. A label stays in `area`; it
// is drawn without a background, and the font size is left as it was.
// Returns the box the label covers, none when left out.
std::optional<gui::Rect> PlaceLines(gui::Canvas& c, int x, int y, const std::vector<LabelLine>& lines, int dir,
                                    const LabelArea& area = {}, bool keep = false);

inline std::optional<gui::Rect> PlaceText(gui::Canvas& c, int x, int y, const std::string& text, int dir,
                                          const LabelArea& area = {}) {
    return PlaceLines(c, x, y, {{0, text}}, dir, area);
}

// Where a label that is to follow the label `placed` may start at the
// earliest: where that one starts (0 when none was placed). The far end's
// value of a load thus never stands before its near end's: it follows it on
// its line or, over a load too short for both, stands above it, rather than
// past the load's end where it would read as part of a neighbour's label.
int StartOf(const std::optional<gui::Rect>& placed);

// One value of a row of values along the beam, at its own x.
struct RowLabel {
    int x;
    std::string text;
    gui::Color colour = gui::clBlack;
};

// A row of values in the canvas's font, each kept by the point it belongs
// to: a value goes on the first of the row's lines (y, y + pitch, ...) where
// nothing drawn crosses it at its own x; else beside its x on those lines,
// nearest first, as far as its width either way; else on the `further`
// lines below them, at and beside its x. Where no place is clear the value
// is left out, unless the row is kept down to `keepTo` (the area then needs
// its right): it then goes further along all those lines, nearest first, as
// far as the area reaches; else it tries all those places a size, then two
// smaller; else the lines below the area's bottom, down to keepTo, at, beside
// and further along its x; only where strokes leave no room at all does it
// take the first place that crosses no other text. No value is printed over
// another text. Returns the top of the line after the last one used
// (y + pitch when all went on the first), where what follows the row may
// begin.
int PlaceRow(gui::Canvas& c, int y, int pitch, const std::vector<RowLabel>& labels, int lines,
             const LabelArea& area = {}, int further = 0, std::optional<int> keepTo = {});
