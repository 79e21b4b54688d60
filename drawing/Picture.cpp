#include "Picture.h"
#include <algorithm>
#include <cmath>
#include "Func_FloatToInt.h"
#include "Global.h"
#include "TextPlace.h"

BeamAxis::BeamAxis(const PictureFrame& frame) : x1(frame.Width - 75) {}

int BeamAxis::ByScale(double d) const {
    if (BeamLength == 0) return x0;
    const long double scale = static_cast<long double>(Width()) / BeamLength;
    return x0 + Pixel(d * scale);
}

int BeamAxis::ByRatio(double d) const {
    if (BeamLength == 0) return x0;
    return x0 + Pixel(static_cast<long double>(Width()) * d / BeamLength);
}

SupportRow SupportPositions() {
    SupportRow p;
    p[0] = static_cast<float>(BeamGeometryTable[LHC][GLength]);
    for (int i = 1; i <= MaxSpans; ++i) p[i] = static_cast<float>(p[i - 1] + BeamGeometryTable[i][GLength]);
    return p;
}

int Pixel(long double v) {
    constexpr long double Reach = 1 << 20;
    if (std::isnan(v)) return 0;
    return FloatToInt(static_cast<double>(std::clamp(v, -Reach, Reach)));
}

void SetPen(gui::Canvas& c, gui::Color colour, int width) {
    c.Pen.Colour = colour;
    c.Pen.Width = width;
}

void Line(gui::Canvas& c, int x1, int y1, int x2, int y2) {
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}

void Label(gui::Canvas& c, int x, int y, gui::Color colour, const std::string& text, int size) {
    c.Brush.Clear = true;
    c.TextFont = {"Arial", size, 0, colour, false};
    c.TextOut(x, y, text);
}

std::optional<gui::Rect> ValueLabel(gui::Canvas& c, int x, int y, gui::Color colour, const std::string& text, int dir,
                                    int leftmost) {
    c.Brush.Clear = true;
    c.TextFont = {"Arial", 8, 0, colour, false};
    return PlaceText(c, x, y, text, dir, {.left = leftmost});
}

int ValueRow(gui::Canvas& c, int y, int pitch, const std::vector<RowLabel>& labels, int lines) {
    c.Brush.Clear = true;
    c.TextFont = {"Arial", 8, 0, gui::clWhite, false};
    return PlaceRow(c, y, pitch, labels, lines);
}
