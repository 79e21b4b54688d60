// What the drawings of the main window's picture share: the window sizes
// they are laid out from, the beam's horizontal axis, the support positions
// and the few canvas steps every drawing repeats. The support positions and
// the pixel rounding serve every other drawing and the printed pages too.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>
#include "Bounded.h"
#include "TextPlace.h"
#include "gui.h"

// Sizes of the main window that the picture is laid out from.
struct PictureFrame {
    int Width = 0;           // outer width of the window
    int Height = 0;          // outer height of the window
    int CaseListHeight = 0;  // height of List_CaseResults
    int32_t TileMode = 0;
};

// The beam runs from x0 = 150 to x1 = window width - 75.
struct BeamAxis {
    explicit BeamAxis(const PictureFrame& frame);
    int x0 = 150, x1 = 0;
    int Width() const { return x1 - x0; }
    // x of a distance d (mm) as x0 + round(d x scale), scale = width / BeamLength.
    int ByScale(double d) const;
    // x of a distance d (mm) as x0 + round(width x d / BeamLength).
    int ByRatio(double d) const;
};

// Distance of each support from the left end, from the member lengths, on
// screen and in print: 0 the left end of span 1 (the left cantilever's
// length), i the right end of span i, each the single nearest to the one
// before plus span i's length.
using SupportRow = BArray<float, 0, 25>;
SupportRow SupportPositions();

// A position or size in pixels: the nearest integer, ties to even. What lies
// beyond any picture's reach (a load typed far past the beam) is held at that
// reach, off the picture, and what is no number at 0, so that a drawing draws
// what it can and never raises.
int Pixel(long double v);

void SetPen(gui::Canvas& c, gui::Color colour, int width);
void Line(gui::Canvas& c, int x1, int y1, int x2, int y2);
// Text without a background, "Arial" of the size given.
void Label(gui::Canvas& c, int x, int y, gui::Color colour, const std::string& text, int size = 8);
// A value in "Arial" 8 put where nothing drawn crosses it (PlaceText): at
// (x, y), else moved clear, preferably in the direction dir (-1 up, +1 down).
// Returns the box it covers, none when left out; it never starts left of
// `leftmost`.
std::optional<gui::Rect> ValueLabel(gui::Canvas& c, int x, int y, gui::Color colour, const std::string& text, int dir,
                                    int leftmost = 0);
// A row of values in "Arial" 8 (PlaceRow).
int ValueRow(gui::Canvas& c, int y, int pitch, const std::vector<RowLabel>& labels, int lines);
