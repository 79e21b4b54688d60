#include "BeamDrawing.h"
#include <algorithm>
#include <array>
#include <vector>
#include "Global.h"
#include "SigFig.h"
#include "TextStore.h"

BArray<float, 0, 26> MemberLengthLabel;

namespace {

constexpr int BeamY = 96;
constexpr int LoadBaseY = 94;

enum class End { Left, Inner, Right };

void DrawSupport(gui::Canvas& c, int32_t kind, int xs, End end) {
    switch (kind) {
    case SupportSimple:
        SetPen(c, gui::clWhite, 1);
        c.MoveTo(xs, 97);
        c.LineTo(xs - 10, 111);
        c.LineTo(xs + 10, 111);
        c.LineTo(xs, 97);
        break;
    case SupportFixed:
        if (end == End::Inner) break;
        SetPen(c, gui::clWhite, 2);
        Line(c, xs, 71, xs, 121);
        SetPen(c, gui::clWhite, 1);
        for (int k = 0; k <= 4; ++k) {
            if (end == End::Left)
                Line(c, xs, 71 + 10 * k, xs - 10, 81 + 10 * k);
            else
                Line(c, xs, 81 + 10 * k, xs + 10, 71 + 10 * k);
        }
        break;
    case SupportForkhead: {
        // The arm on the span side is broken where the beam passes.
        const int a = end == End::Left ? xs + 8 : xs - 8, b = end == End::Left ? xs - 8 : xs + 8;
        SetPen(c, gui::clRed, 1);
        Line(c, a, 88, a, 91);
        c.MoveTo(a, 101);
        c.LineTo(a, 102);
        c.LineTo(b, 102);
        c.LineTo(b, 88);
        Line(c, xs - 4, 102, xs - 4, 121);
        Line(c, xs + 4, 102, xs + 4, 121);
        break;
    }
    case 4:
    case 5:
        SetPen(c, gui::clWhite, 4);
        Line(c, xs, 156, xs, kind == 4 ? 89 : 36);
        SetPen(c, gui::clWhite, 2);
        Line(c, xs - 6, 102, xs + 6, 90);
        Line(c, xs + 6, 102, xs - 6, 90);
        break;
    default:
        break;
    }
}

// Distributed load intensity of a loadcase at 1000 points along the beam
// (factored, N/mm); entries 0 and 1001 stay 0 so the outline closes.
using Profile = std::array<double, 1002>;

Profile UDLProfile(int lc) {
    Profile v{};
    for (int k = 1; k < SelfWeightSlot; ++k) {
        const LoadRecord& r = LoadTable[lc][k];
        if (r[LKind] != KindUDL || r[LApplied] != 1.0f) continue;
        const long double d = r[LDist], cover = r[LCover], w1 = static_cast<long double>(r[LStart]) * r[LFactor],
                          w2 = static_cast<long double>(r[LFinish]) * r[LFactor];
        int i0 = 0;
        for (int i = 1; i <= 1000; ++i) {
            const long double x = i * static_cast<long double>(BeamLength) / 1000;
            if (x <= d) continue;
            if (i0 == 0) i0 = i;
            if (x <= d + cover) v[i] += static_cast<double>(w1 + (w2 - w1) * (i - i0) * BeamLength / (cover * 1000));
        }
    }
    return v;
}

struct PointLoad {
    float Distance, Load, Factor;
};

std::string WithFactor(double value, float factor) {
    std::string text = SigFig3Dec3(value);
    if (FactoredLoads == 1) text += " x " + SigFig3Dec3(factor);
    return text;
}

void DrawArrow(gui::Canvas& c, int x, float load) {
    const int tip = load >= 0 ? 93 : 100, head = load >= 0 ? 80 : 110, tail = load >= 0 ? 45 : 140;
    Line(c, x, tip, x - 5, head);
    Line(c, x, tip, x + 5, head);
    Line(c, x, tip, x, tail);
}

// The outlines of the distributed loads, the self weight and the arrows of
// the loadcases first..last.
void DrawLoadStrokes(gui::Canvas& c, const BeamAxis& axis, int first, int last, const std::vector<PointLoad>& points) {
    const int w = axis.Width();
    // One vertical scale for the outlines of all active loadcases.
    std::vector<Profile> profiles(MaxLoadcases + 1, Profile{});
    double largest = 0;
    for (int lc = 1; lc <= NumLoadcases; ++lc) {
        if (LoadcaseActive[lc] == 0) continue;
        profiles[lc] = UDLProfile(lc);
        for (double v : profiles[lc]) largest = std::max(largest, std::max(v, -v));
    }
    if (largest <= 1e-06) largest = 1e-06;
    const long double k = 40.0L / largest;

    SetPen(c, gui::clRed, 1);
    for (int lc = first; lc <= last; ++lc) {
        if (LoadcaseActive[lc] == 0) continue;
        const Profile& v = profiles[lc];
        for (int i = 1; i <= 1001; ++i) {
            const int xa = axis.x0 + Pixel((i - 1) * static_cast<long double>(w) / 1000);
            const int xb = axis.x0 + Pixel(i * static_cast<long double>(w) / 1000);
            const int ya = LoadBaseY - Pixel(v[i - 1] * k), yb = LoadBaseY - Pixel(v[i] * k);
            Line(c, xa, ya, xa, yb);
            Line(c, xa, yb, xb, yb);
        }
    }

    SetPen(c, gui::clFuchsia, 1);
    for (int lc = first; lc <= last; ++lc) {
        if (LoadTable[lc][SelfWeightSlot][LApplied] != 1.0f) continue;
        for (int j = 1; j <= 99; ++j) {
            const int x = axis.x0 + Pixel(j * static_cast<long double>(w) / 100);
            Line(c, x, LoadBaseY, x, 84);
        }
        c.MoveTo(axis.x0, LoadBaseY);
        c.LineTo(axis.x0, 84);
        c.LineTo(axis.x1, 84);
        c.LineTo(axis.x1, LoadBaseY);
    }

    SetPen(c, gui::clYellow, 2);
    for (const PointLoad& pl : points) DrawArrow(c, axis.ByRatio(pl.Distance), pl.Load);
}

void LabelUDLs(gui::Canvas& c, const BeamAxis& axis, const UDLOutlineCase& outline) {
    for (int row = 1; row <= 50; ++row) {
        const auto& e1 = outline[row][1];
        const auto& e2 = outline[row][2];
        const float start = e1[OutlineRate], finish = e2[OutlineRate];
        std::optional<gui::Rect> near;
        if (start != 0)
            near = ValueLabel(c, axis.ByRatio(e1[OutlineX]) + 3, 32, gui::clRed,
                              WithFactor(start / Factor_R, e1[OutlineFactor]), -1);
        if (finish != 0 && finish != start) {
            const int after = StartOf(near);
            ValueLabel(c, std::max(axis.ByRatio(e2[OutlineX]) - (FactoredLoads == 1 ? 66 : 36), after), 32,
                       gui::clRed, WithFactor(finish / Factor_R, e2[OutlineFactor]), -1, after);
        }
        for (const auto* end : {&e1, &e2})
            if ((*end)[OutlineStacked] != 0 && (*end)[OutlineStacked] != (*end)[OutlineRate])
                ValueLabel(c, axis.ByRatio((*end)[OutlineX]) - 12, 3, gui::clWhite,
                           Bracketed(SigFig3Dec3((*end)[OutlineStacked] / Factor_R)), 1);
    }
}

}  // namespace

void SetMemberLengthLabels() {
    for (int m = LHC; m <= RHC; ++m) MemberLengthLabel[m] = static_cast<float>(BeamGeometryTable[m][GLength]);
}

std::vector<RowLabel> MemberLengthRow(const std::function<int(double)>& x, int shift, int rhcShift,
                                      gui::Color colour) {
    const SupportRow p = SupportPositions();
    std::vector<RowLabel> row;
    auto add = [&](int m, double centre, bool always) {
        const std::string number = SigFig3Dec3(BeamGeometryTable[m][GLength] / Factor_L);
        if (always || number != "0.00")
            row.push_back({x(centre) - (m == RHC ? rhcShift : shift), number + " " + Unit_L.str(), colour});
    };
    if (BeamGeometryTable[LHC][GPresent] == 1.0) add(LHC, p[0] / 2.0, true);
    for (int k = 1; k <= NumSpans; ++k) add(k, p[k] - BeamGeometryTable[k][GLength] / 2, false);
    if (BeamGeometryTable[RHC][GPresent] == 1.0) add(RHC, p[25] + BeamGeometryTable[RHC][GLength] / 2, false);
    return row;
}

void DrawBeam(gui::Canvas& c, const PictureFrame& frame, Layer layer) {
    if (BeamLength == 0) return;
    const SupportRow p = SupportPositions();
    const BeamAxis axis(frame);

    if (layer != Layer::Labels) {
        SetPen(c, gui::clWhite, 4);
        Line(c, 152, BeamY, axis.x1 - 2, BeamY);
        DrawSupport(c, SupportTypes[0], axis.ByScale(p[0]), End::Left);
        for (int i = 1; i <= NumSpans - 1; ++i) DrawSupport(c, SupportTypes[i], axis.ByScale(p[i]), End::Inner);
        DrawSupport(c, SupportTypes[25], axis.ByScale(p[25]), End::Right);
    }
    if (layer == Layer::Strokes) return;

    ValueRow(c, 101, 14, MemberLengthRow([&](double d) { return axis.ByScale(d); }, 22, 12, gui::clWhite), 2);
}

void DrawLoads(gui::Canvas& c, const PictureFrame& frame, int32_t shownCase, Layer layer) {
    if (BeamLength == 0) return;
    const int first = shownCase == 0 ? 1 : shownCase, last = shownCase == 0 ? MaxLoadcases : shownCase;
    const BeamAxis axis(frame);

    // Every applied point load of the loadcases drawn, 25 x 50 at most.
    std::vector<PointLoad> points;
    for (int lc = first; lc <= last; ++lc)
        for (int k = 1; k < SelfWeightSlot; ++k) {
            const LoadRecord& r = LoadTable[lc][k];
            if (r[LKind] == KindPoint && r[LApplied] == 1.0f) points.push_back({r[LDist], r[LStart], r[LFactor]});
        }

    if (layer != Layer::Labels) DrawLoadStrokes(c, axis, first, last, points);
    if (layer == Layer::Strokes || shownCase == 0) return;
    for (const PointLoad& pl : points)
        ValueLabel(c, axis.ByRatio(pl.Distance) - 12, 20, gui::clYellow, WithFactor(pl.Load / Factor_PL, pl.Factor),
                   -1);
    LabelUDLs(c, axis, AcceptedUDLOutline[shownCase]);
}
