// The sketch of the beam being edited.
#include <algorithm>
#include <cfloat>
#include <optional>
#include "Beam.h"
#include "BeamRules.h"
#include "Global.h"
#include "Picture.h"
#include "SigFig.h"
#include "TextPlace.h"
#include "UnitConversion.h"

namespace {
constexpr int Margin = 25;

// A member's length in mm as Next reads it; none for a length Next refuses
// (no number, below 0, or beyond what the beam holds).
std::optional<double> SketchedLength(const std::string& text) {
    const std::optional<double> length = TryFieldStored(text, Factor_L, FieldRule::Member);
    if (!length || !(*length >= 0) || !HeldAsSingle(*length)) return std::nullopt;
    return length;
}

void SimpleSupport(gui::Canvas& c, int x, int y0) {
    c.Pen.Width = 1;
    c.MoveTo(x, y0 + 1);
    c.LineTo(x - 10, y0 + 15);
    c.LineTo(x + 10, y0 + 15);
    c.LineTo(x, y0 + 1);
}

// A wall with five hatch strokes on its outer side; side -1 left, +1 right.
void FixedEnd(gui::Canvas& c, int x, int y0, int side) {
    c.Pen.Width = 2;
    Line(c, x, y0 - 25, x, y0 + 25);
    c.Pen.Width = 1;
    for (int k = -25; k <= 15; k += 10) {
        if (side < 0)
            Line(c, x, y0 + k, x - 10, y0 + k + 10);
        else
            Line(c, x, y0 + k + 10, x + 10, y0 + k);
    }
}
}  // namespace

void TBeamFrm::ClearBeamSketch() {
    gui::Canvas& c = Image_Beam.GetCanvas();
    c.Brush.Colour = gui::clGray;
    c.FillRect({0, 0, Image_Beam.Width(), Image_Beam.Height()});
}

void TBeamFrm::DrawBeamSketch() {
    // Member lengths in mm, in beam order; a cantilever without length is none.
    // A refused length takes no room and has no label, and no total is
    // written: the rest of the beam is drawn to scale.
    std::vector<double> lengths;
    double lhc = 0, rhc = 0, total = 0;
    bool refused = false;
    for (const MemberAt& m : Members()) {
        const std::optional<double> sketched = SketchedLength(Grid_Spans.Cell(m.column, 2));
        refused = refused || !sketched;
        const double length = sketched.value_or(0);
        if (m.member == LHC)
            lhc = length;
        else if (m.member == RHC)
            rhc = length;
        else
            lengths.push_back(length);
    }
    total = lhc;
    for (double l : lengths) total += l;
    total += rhc;
    SketchLength = static_cast<float>(std::min(total, double(FLT_MAX)));  // a sum beyond a single stays one
    if (total == 0) {
        if (refused) ClearBeamSketch();  // no picture of an earlier length stays
        return;
    }

    gui::Canvas& c = Image_Beam.GetCanvas();
    const int w = Image_Beam.Width();
    const double scale = double(w - 2 * Margin) / total;
    const int y0 = Image_Beam.Height() / 2 - 10;
    auto px = [&](double position) { return Margin + Pixel(position * scale); };

    c.Brush.Colour = gui::clGray;
    c.FillRect({0, 0, w, Image_Beam.Height()});  // the lengths may take the picture's last lines
    c.Pen.Colour = gui::clWhite;
    c.Pen.Width = 4;
    Line(c, Margin, y0, w - 27, y0);

    // Supports at the member ends: the left end after the LHC, then after each span.
    double position = lhc;
    if (SupportChoice[0] == SupportFixed)
        FixedEnd(c, px(position), y0, -1);
    else if (SupportChoice[0] == SupportSimple)
        SimpleSupport(c, px(position), y0);
    const int spans = static_cast<int>(lengths.size());
    for (int k = 1; k <= spans; ++k) {
        position += lengths[k - 1];
        if (k < spans) {
            if (SupportChoice[k] == SupportSimple) SimpleSupport(c, px(position), y0);
        } else if (SupportChoice[25] == SupportFixed) {
            FixedEnd(c, px(position), y0, 1);
        } else if (SupportChoice[25] == SupportSimple) {
            SimpleSupport(c, px(position), y0);
        }
    }

    // The total first: the member lengths keep clear of it.
    c.Brush.Clear = true;
    if (total > 1 && !refused) {
        c.TextFont.Colour = gui::clBlack;
        c.TextOut(w / 2 - 40, y0 + 30, "Length = " + SigFig3Dec3(Displayed(total, Factor_L)) + " " + Unit_L.str());
    }
    // The lengths in lines of their own where short spans crowd them, each
    // under its member.
    std::vector<RowLabel> row;
    auto label = [&](double start, double length) {
        const std::string number = SigFig3Dec3(Displayed(length, Factor_L));
        if (number != "0.00") row.push_back({px(start + length / 2.0) - 22, number + " " + Unit_L.str(), gui::clWhite});
    };
    if (lhc > 0) label(0, lhc);
    position = lhc;
    for (double l : lengths) {
        label(position, l);
        position += l;
    }
    if (rhc > 0) label(position, rhc);
    PlaceRow(c, y0 + 12, 13, row, 3, {.bottom = Image_Beam.Height()});
    c.Brush.Clear = false;
}
