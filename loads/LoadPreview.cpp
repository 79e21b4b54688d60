#include "LoadPreview.h"
#include <algorithm>
#include <vector>
#include "Convert.h"
#include "Global.h"
#include "LoadData.h"
#include "BeamDrawing.h"
#include "Picture.h"
#include "SigFig.h"
#include "TextPlace.h"

namespace {

constexpr gui::Color Grey = 0x808080, Magenta = 0xFF00FF;

// Strokes through a list of points.
void Polyline(gui::Canvas& c, std::initializer_list<std::pair<int, int>> pts) {
    c.MoveTo(pts.begin()->first, pts.begin()->second);
    for (auto p = pts.begin() + 1; p != pts.end(); ++p) c.LineTo(p->first, p->second);
}

// A value where nothing drawn crosses it, inside the picture up to its right edge `right`
// and not left of `leftmost`.
std::optional<gui::Rect> Value(gui::Canvas& c, gui::Color colour, int x, int y, const std::string& s, int dir,
                               int right, int leftmost = 0) {
    c.TextFont.Colour = colour;
    return PlaceText(c, x, y, s, dir, {.left = leftmost, .right = right});
}

std::string FactorSuffix(float factor) { return factor != 1.0f ? " x " + SigFig3Dec3(factor) : ""; }

// ---- Loads ----------------------------------------------------------------
struct Udl {
    long double a, w1, w2, c;
};
struct PointLoad {
    float d, p, factor;
};

// Factored intensity at 1000 points along the beam; [0] and [1001] stay 0.
std::vector<double> Samples(const std::vector<Udl>& udls, long double L) {
    std::vector<double> s(1002, 0.0);
    for (const Udl& u : udls) {
        int kstart = 0;
        for (int k = 1; k <= 1000; ++k) {
            long double xk = k * L / 1000;
            if (xk <= u.a) continue;
            if (kstart == 0) kstart = k;
            if (xk <= u.a + u.c) s[k] += double((u.w2 - u.w1) * (k - kstart) * L / (u.c * 1000) + u.w1);
        }
    }
    return s;
}

void DrawSelfWeight(gui::Canvas& c, int xL, int xR, int base) {
    SetPen(c, Magenta, 1);
    for (int i = 1; i <= 99; ++i) {
        int x = Pixel(i * (xR - xL) / 100.0L + xL);
        Line(c, x, base - 1, x, base - 11);
    }
    Polyline(c, {{xL, base - 1}, {xL, base - 11}, {xR, base - 11}, {xR, base - 1}});
}

void DrawIntensity(gui::Canvas& c, const std::vector<double>& s, int xL, int xR, int base) {
    double lo = 0, hi = 0;
    for (int k = 1; k <= 1001; ++k) {
        hi = std::max(hi, s[k]);
        lo = std::min(lo, s[k]);
    }
    double m = std::max(hi, -lo);
    if (m < 1e-6) m = 1e-6;
    long double scale = 32 / (long double)m;
    auto y = [&](double v) { return (base - 1) - Pixel(v * scale); };
    SetPen(c, gui::clRed, 1);
    long double dx = (xR - xL) / 1000.0L;
    int counter = -1;
    for (int k = 1; k <= 1001; ++k) {
        if (++counter == 20) {
            int x = Pixel((k - 1) * dx + xL);
            Line(c, x, base - 1, x, y(s[k]));
            counter = 0;
        }
        int xa = Pixel((k - 1) * dx) + xL, xb = Pixel(k * dx) + xL;
        Polyline(c, {{xa, y(s[k - 1])}, {xa, y(s[k])}, {xb, y(s[k])}});
    }
}

// The picture's x of the point d along the beam of length L drawn from xL to xR.
int AlongPixel(float d, int xL, int xR, long double L) { return Pixel((xR - xL) * (long double)d / L + xL); }

void DrawPointArrows(gui::Canvas& c, const std::vector<PointLoad>& loads, int xL, int xR, int base, long double L) {
    SetPen(c, gui::clYellow, 2);
    for (const PointLoad& p : loads) {
        int xp = AlongPixel(p.d, xL, xR, L);
        bool down = p.p >= 0;
        int tip = down ? base - 2 : base + 5, barb = down ? base - 15 : base + 15, tail = down ? base - 50 : base + 45;
        Line(c, xp, tip, xp - 5, barb);
        Line(c, xp, tip, xp + 5, barb);
        Line(c, xp, tip, xp, tail);
    }
}

void DrawPointValues(gui::Canvas& c, const std::vector<PointLoad>& loads, int xL, int xR, int W, long double L) {
    for (const PointLoad& p : loads)
        Value(c, gui::clYellow, AlongPixel(p.d, xL, xR, L) - 12, 19,
              SigFig3Dec3(p.p / Factor_PL) + FactorSuffix(p.factor), -1, W);
}

// Own rates at the ends of each applied UDL, and the stacked rates above them.
void DrawOutlineValues(gui::Canvas& c, const UDLOutlineCase& o, int xL, int xR, int W, long double L) {
    for (int i = 1; i <= MaxLoadRows; ++i) {
        float r1 = o[i][1][OutlineRate], r2 = o[i][2][OutlineRate];
        int x1p = AlongPixel(o[i][1][OutlineX], xL, xR, L), x2p = AlongPixel(o[i][2][OutlineX], xL, xR, L);
        std::optional<gui::Rect> near;
        if (r1 != 0.0f)
            near = Value(c, gui::clRed, x1p + 3, 36, SigFig4Dec3(r1 / Factor_R) + FactorSuffix(o[i][1][OutlineFactor]),
                         -1, W);
        if (r2 != 0.0f && r2 != r1) {
            std::string suffix = FactorSuffix(o[i][2][OutlineFactor]);
            const int after = StartOf(near);
            Value(c, gui::clRed, std::max(x2p - (suffix.empty() ? 32 : 66), after), 36,
                  SigFig4Dec3(r2 / Factor_R) + suffix, -1, W, after);
        }
        const int px[] = {0, x1p, x2p};
        for (int end = 1; end <= 2; ++end) {
            float stacked = o[i][end][OutlineStacked];
            if (stacked != 0.0f && stacked != o[i][end][OutlineRate])
                Value(c, gui::clWhite, px[end] - 12, 3,
                      std::string("(").append(SigFig3Dec3(stacked / Factor_R)).append(")"), 1, W);
        }
    }
}

// ---- Beam -----------------------------------------------------------------
void DrawSupport(gui::Canvas& c, int code, int xs, int y0, float pos, float scale, bool leftEnd) {
    switch (code) {
        case SupportSimple:
            SetPen(c, gui::clWhite, 1);
            Polyline(c, {{xs, y0 + 1}, {xs - 10, y0 + 15}, {xs + 10, y0 + 15}, {xs, y0 + 1}});
            break;
        case SupportFixed: {
            SetPen(c, gui::clWhite, 2);
            Line(c, xs, y0 - 25, xs, y0 + 25);
            SetPen(c, gui::clWhite, 1);
            int xh = Pixel((long double)pos * scale + (leftEnd ? -10 : 10)) + 25;
            for (int d = -25; d <= 15; d += 10) {
                int from = leftEnd ? d : d + 10;
                Line(c, xs, y0 + from, xh, y0 + from + (leftEnd ? 10 : -10));
            }
            break;
        }
        case SupportForkhead:
            SetPen(c, gui::clRed, 1);
            Line(c, xs - 8, y0 - 8, xs - 8, y0 - 5);
            Polyline(c, {{xs - 8, y0 + 5}, {xs - 8, y0 + 6}, {xs + 8, y0 + 6}, {xs + 8, y0 - 8}});
            Line(c, xs - 4, y0 + 6, xs - 4, y0 + 25);
            Line(c, xs + 4, y0 + 6, xs + 4, y0 + 25);
            break;
        case 4:
        case 5:
            SetPen(c, gui::clWhite, 4);
            Line(c, xs, y0 + 40, xs, code == 4 ? y0 - 7 : y0 - 40);
            SetPen(c, gui::clWhite, 2);
            Line(c, xs - 6, y0 + 6, xs + 6, y0 - 6);
            Line(c, xs + 6, y0 + 6, xs - 6, y0 - 6);
            break;
        default:
            break;
    }
}

}  // namespace

void DrawLoadsPreviewOn(gui::Canvas& c, int W, int H, int lc, Layer layer) {
    long double L = BeamLength;
    if (L == 0) return;  // no beam: nothing to scale the loads to
    std::vector<Udl> udls;
    std::vector<PointLoad> points;
    for (int row = 1; row <= MaxLoadRows; ++row) {
        if (ApplyFlags[lc][row] != 1.0f) continue;
        const LoadRecord& r = LoadRows[row];
        if (r[LKind] == KindUDL)
            udls.push_back({r[LDist], (long double)r[LStart] * r[LFactor], (long double)r[LFinish] * r[LFactor], r[LCover]});
        else if (r[LKind] == KindPoint)
            points.push_back({r[LDist], r[LStart], r[LFactor]});
    }
    int xL = 25, xR = W - 26, base = H / 2 + 24;
    if (layer != Layer::Labels) {
        if (ApplyFlags[lc][SelfWeightSlot] == 1.0f) DrawSelfWeight(c, xL, xR, base);
        DrawIntensity(c, Samples(udls, L), xL, xR, base);
        DrawPointArrows(c, points, xL, xR, base, L);
    }
    if (layer == Layer::Strokes) return;
    DrawPointValues(c, points, xL, xR, W, L);
    DrawOutlineValues(c, UDLOutline[lc], xL, xR, W, L);
}

void DrawBeamPreviewOn(gui::Canvas& c, int W, int H, Layer layer) {
    float L = float(BeamLength);
    if (L == 0) return;
    int xL = 25, xR = W - 25, y0 = H / 2 + 25;
    float scale = float((xR - xL) / L);
    auto pixel = [&](long double p) { return Pixel(p * scale) + 25; };
    if (layer != Layer::Labels) {
        const SupportRow pos = SupportPositions();
        SetPen(c, gui::clWhite, 4);
        Line(c, xL + 2, y0, xR - 2, y0);
        int left = SupportTypes[0], right = SupportTypes[25];
        if (left == SupportSimple || left == SupportFixed) DrawSupport(c, left, pixel(pos[0]), y0, pos[0], scale, true);
        for (int r = 1; r <= NumSpans - 1; ++r) {
            int code = SupportTypes[r];
            if (code != SupportFixed) DrawSupport(c, code, pixel(pos[r]), y0, pos[r], scale, false);
        }
        DrawSupport(c, right, pixel(pos[25]), y0, pos[25], scale, false);
    }
    if (layer == Layer::Strokes) return;
    // In lines of their own where short spans crowd them, each under its span.
    c.Brush.Clear = true;
    PlaceRow(c, y0 + 5, 13, MemberLengthRow(pixel, 22, 12, gui::clWhite), 3, {.right = W, .bottom = H});
}

void TLoadDataFrm::ClearPreview() {
    gui::Canvas& c = Image_Beam.GetCanvas();
    c.Brush.Clear = false;
    c.Brush.Colour = Grey;
    c.FillRect({0, 0, 800, 200});
    lbl_Length.SetVisible(false);
}

void TLoadDataFrm::DrawLoadsPreview(Layer layer) {
    int lc = StrToInt(Edit_Case.Text());
    DrawLoadsPreviewOn(Image_Beam.GetCanvas(), Image_Beam.Width(), Image_Beam.Height(), lc == 0 ? 1 : lc, layer);
}

void TLoadDataFrm::RedrawPreview() {
    BuildUDLOutline();
    ClearPreview();
    DrawLoadsPreview(Layer::Strokes);
    DrawBeamPreview(Layer::Strokes);
    DrawLoadsPreview(Layer::Labels);
    DrawBeamPreview(Layer::Labels);
}

void TLoadDataFrm::DrawBeamPreview(Layer layer) {
    if (BeamLength == 0) return;
    float L = float(BeamLength);
    gui::Canvas& c = Image_Beam.GetCanvas();
    // The length label goes with the strokes: it stands over the picture,
    // and the values keep clear of it.
    if (layer != Layer::Labels) {
        lbl_Length.SetVisible(L > 1.0f);
        if (L > 1.0f) {
            lbl_Length.SetTop(Image_Beam.Top() + Image_Beam.Height() / 2 + 25 + 22);
            lbl_Length.SetCaption("Length = " + SigFig3Dec3(L / Factor_L) + " " + Unit_L.str());
            const int left = lbl_Length.Left() - Image_Beam.Left(), top = lbl_Length.Top() - Image_Beam.Top();
            c.Block({left, top, left + c.TextWidth(lbl_Length.Caption()), top + lbl_Length.Height()});
        }
    }
    DrawBeamPreviewOn(c, Image_Beam.Width(), Image_Beam.Height(), layer);
}
