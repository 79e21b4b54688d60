#include "DiagramFrame.h"
#include <algorithm>
#include <cmath>
#include "BeamDrawing.h"
#include "Picture.h"
#include "Global.h"
#include "PrintDevice.h"
#include "Pro_PrintHeader.h"
#include "ResultDiagrams.h"
#include "SigFig.h"
#include "TextPlace.h"

// ---- Grid ---------------------------------------------------------------------

DiagramGrid::DiagramGrid(const PrintDevice& device)
    : sx(static_cast<float>(device.DpiX() / 25.4L)), sy(static_cast<float>(device.DpiY() / 25.4L)),
      P(SupportPositions()) {
    XL = MmX(25);
    XR = MmX(190);
    YB = MmY(75);
    YS = MmY(125);
    YM = MmY(175);
    YD = MmY(230);
    Top = MmY(37);
    Right = MmX(200);
    Bottom = MmY(265);
}

int DiagramGrid::MmX(double mm) const { return Pixel(mm * sx); }
int DiagramGrid::MmY(double mm) const { return Pixel(mm * sy); }
int DiagramGrid::X(double p) const { return Pixel((XR - XL) * p / BeamLength + XL); }
int DiagramGrid::PointX(float dist) const { return Pixel(XL + (XR - XL) * dist / BeamLength); }

int DiagramGrid::Zero(Band b) const { return b == Band::Shear ? YS : b == Band::Moment ? YM : YD; }

int DiagramGrid::Y(Band b, double value) const {
    switch (b) {
    case Band::Shear: return YS - Pixel(value * ScaleShear);
    case Band::Moment: return YM - Pixel(value * ScaleMoment * BMConvention);
    default: return YD - Pixel(value * ScaleDeflection);
    }
}

// ---- Loads ----------------------------------------------------------------------

void PageLoads::Take(int loadcase, int slot, bool unique) {
    const LoadRecord& r = LoadTable[loadcase][slot];
    if (r[LApplied] != 1.0f) return;
    if (r[LKind] == KindUDL) {
        udls.push_back({r[LDist], r[LStart] * r[LFactor], r[LFinish] * r[LFactor], r[LCover]});
    } else if (r[LKind] == KindPoint) {
        const PointEntry p{r[LDist], r[LStart], r[LFactor]};
        auto same = [&](const PointEntry& e) { return e.dist == p.dist && e.load == p.load && e.factor == p.factor; };
        if (unique && std::any_of(points.begin(), points.end(), same)) return;
        points.push_back(p);
    }
}

bool DiagramsPrintable() { return DeflectionSummary[0][BeamRow][5] != 0 && BeamLength > 0; }

// ---- Page -----------------------------------------------------------------------

namespace {

// A support symbol as strokes of millimetre offsets from the support point.
struct Stroke {
    int pen;
    std::vector<std::pair<double, double>> pts;
};

std::vector<Stroke> SupportStrokes(int kind, SupportPlace place) {
    const std::vector<Stroke> cross = {{3, {{-2, 2}, {2, -2}}}, {3, {{2, 2}, {-2, -2}}}};
    std::vector<Stroke> s;
    switch (kind) {
    case 1: s = {{2, {{0, 0.25}, {-2, 3}, {2, 3}, {0, 0.25}}}}; break;
    case 2:
        if (place == SupportPlace::Inner) break;
        s = {{4, {{0, -6}, {0, 6}}}};
        for (int d = -6; d <= 4; d += 2) {
            if (place == SupportPlace::Left) s.push_back({2, {{0, d}, {-2, d + 2}}});
            else s.push_back({2, {{0, d + 2}, {2, d}}});
        }
        break;
    case 3: {
        const double a = place == SupportPlace::Left ? 2 : -2;
        s = {{3, {{a, -2}, {a, -1.25}}}, {3, {{a, 1.25}, {a, 1.5}, {-a, 1.5}, {-a, -2}}},
             {3, {{-1, 1.5}, {-1, 6}}}, {3, {{1, 1.5}, {1, 6}}}};
        break;
    }
    case 4: s = {{place == SupportPlace::Left ? 4 : 6, {{0, 20}, {0, -2}}}}; break;
    case 5: s = {{6, {{0, 20}, {0, -20}}}}; break;
    default: break;
    }
    if (kind == 4 || kind == 5) s.insert(s.end(), cross.begin(), cross.end());
    return s;
}

double SeriesValue(Band b, int loadcase, int i) {
    switch (b) {
    case Band::Shear: return ShearSeries[loadcase][i][2];
    case Band::Moment: return MomentSeries[loadcase][i][2];
    default: return DeflectionSeries[loadcase][i][2];
    }
}

double SeriesFraction(Band b, int loadcase, int i) {
    switch (b) {
    case Band::Shear: return ShearSeries[loadcase][i][1];
    case Band::Moment: return MomentSeries[loadcase][i][1];
    default: return DeflectionSeries[loadcase][i][1];
    }
}

int SeriesCount(Band b, int loadcase) {
    switch (b) {
    case Band::Shear: return PointCount(ShearSeries[loadcase]);
    case Band::Moment: return PointCount(MomentSeries[loadcase]);
    default: return PointCount(DeflectionSeries[loadcase]);
    }
}

const BArray2<MemberSummary, 0, 25, 0, 27>& Summary(Band b) {
    return b == Band::Shear ? ShearSummary : b == Band::Moment ? MomentSummary : DeflectionSummary;
}

// Shown = internal x factor.
float UnitFactor(Band b) { return b == Band::Shear ? Factor_Sh : b == Band::Moment ? Factor_Mom : Factor_Def; }

// A value beside a scale rule, at y, for its tick at tick; the zero label
// stays on its line.
struct RuleLabel {
    int y, tick;
    std::string text;
    bool zero;
};

// The labels in the order of their ticks, moved apart to at least `pitch`
// from one another: a small extreme's label would otherwise print on the
// zero label or the other extreme's. The zero label, else the top one, stays;
// the others move away from it, so a value close above the zero line keeps
// its label above the zero label.
std::vector<RuleLabel> Spread(std::vector<RuleLabel> labels, int pitch) {
    std::vector<RuleLabel*> order;
    for (RuleLabel& l : labels) order.push_back(&l);
    std::stable_sort(order.begin(), order.end(),
                     [](const RuleLabel* a, const RuleLabel* b) { return a->tick < b->tick; });
    const auto fixed = std::find_if(order.begin(), order.end(), [](const RuleLabel* l) { return l->zero; });
    const size_t anchor = fixed == order.end() ? 0 : size_t(fixed - order.begin());
    for (size_t i = anchor + 1; i < order.size(); ++i) order[i]->y = std::max(order[i]->y, order[i - 1]->y + pitch);
    for (size_t i = anchor; i-- > 0;) order[i]->y = std::min(order[i]->y, order[i + 1]->y - pitch);
    return labels;
}

// Device units per unit of a band: its height over the largest magnitude of
// all loadcases, less 5 % for each span. From 15 spans on the bands keep the
// height of 15 spans, so long beams still show their curves and rule labels.
double PageScale(double heightMm, float sy, Band b) {
    const double spans = 1 - 0.05 * std::min<int>(NumSpans, 15);
    return BandScale(heightMm * sy, Summary(b)[0][BeamRow][5], UnitFactor(b)) * spans;
}

// Lines a row of values below the beam takes where its values stand clear at
// their own x, and the most it takes where they do not.
constexpr int RowLines = 3, MostRowLines = 10;

}  // namespace

DiagramPage::DiagramPage(PrintDevice& device, const DiagramLayout& layout)
    : device_(device), c_(device.Canvas()), g_(device), layout_(layout) {}

void DiagramPage::Text(int x, int y, const std::string& text, int size) {
    c_.TextFont.Size = size;
    c_.TextOut(x, y, text);
}

std::optional<gui::Rect> DiagramPage::Value(int x, int y, const std::string& text, int dir,
                                            std::optional<Band> band, int leftmost) {
    return Values(x, y, {{0, text}}, dir, band, leftmost);
}

// Every value a page prints is kept, within its zone.
std::optional<gui::Rect> DiagramPage::Values(int x, int y, const std::vector<LabelLine>& lines, int dir,
                                             std::optional<Band> band, int leftmost) {
    const int shearMoment = (g_.YS + g_.YM) / 2, momentDeflection = (g_.YM + g_.YD) / 2;
    const auto [top, bottom] = !band                    ? std::pair{g_.Top, g_.YB}
                               : *band == Band::Shear  ? std::pair{rowsEnd_, shearMoment}
                               : *band == Band::Moment ? std::pair{shearMoment, momentDeflection}
                                                       : std::pair{momentDeflection, g_.Bottom};
    c_.TextFont.Size = 8;
    return PlaceLines(c_, x, y, lines, dir, {.top = top, .left = leftmost, .right = g_.Right, .bottom = bottom}, true);
}

int DiagramPage::Row(int top, int pitch, const std::vector<RowLabel>& row, int left, int bottom) {
    c_.TextFont.Size = 8;
    // The values keep clear of the shear curves as of all strokes. A value
    // with no place above `bottom`, where rows before took it, goes on down
    // to the zero line, the caption after it.
    return PlaceRow(c_, top, pitch, row, RowLines, {.left = left, .right = g_.Right, .bottom = bottom},
                    MostRowLines - RowLines, g_.YS);
}

void DiagramPage::Begin() {
    PrintPageHeader(device_);
    c_.TextFont.Name = "Arial";
    Text(g_.MmX(15), g_.MmY(40), layout_.title, 12);
    ScaleShear = PageScale(layout_.bandMm[0], g_.sy, Band::Shear);
    ScaleMoment = PageScale(layout_.bandMm[1], g_.sy, Band::Moment);
    ScaleDeflection = PageScale(layout_.bandMm[2], g_.sy, Band::Deflection);
    c_.TextFont.Size = 8;
    c_.Pen.Width = 9;
    c_.MoveTo(g_.XL, g_.YB);
    c_.LineTo(g_.XR, g_.YB);
}

void DiagramPage::Support(int kind, SupportPlace place, int x) {
    for (const Stroke& s : SupportStrokes(kind, place)) {
        c_.Pen.Width = s.pen;
        for (size_t i = 0; i < s.pts.size(); ++i) {
            const int px = x + g_.MmX(s.pts[i].first), py = g_.YB + g_.MmY(s.pts[i].second);
            if (i == 0) c_.MoveTo(px, py);
            else c_.LineTo(px, py);
        }
    }
}

void DiagramPage::LoadProfile(const PageLoads& loads) {
    BArray<float, 0, 1001> q;
    const double length = BeamLength;
    for (const UdlEntry& e : loads.udls) {
        int k0 = 0;
        for (int k = 1; k <= 1000; ++k) {
            const double xk = k * length / 1000;
            if (xk <= e.start) continue;
            if (k0 == 0) k0 = k;
            if (xk <= e.start + e.cover)
                q[k] = static_cast<float>(q[k] + e.w1 + (e.w2 - e.w1) * (k - k0) * length / (e.cover * 1000.0));
        }
    }
    float qmax = 0;
    for (int k = 1; k <= 1001; ++k) qmax = std::max({qmax, q[k], -q[k]});
    if (qmax < 1e-6f) qmax = 1;  // no intensity: the outline lies flat
    const double scale = 8 * g_.sy / qmax;
    const double u = (g_.XR - g_.XL) / 1000.0;
    auto h = [&](int k) { return g_.YB - 1 - Pixel(q[k] * scale); };
    auto x = [&](int k) { return Pixel(g_.XL + k * u); };
    c_.Pen.Width = 2;
    for (int k = 1; k <= 1001; ++k) {
        if (k % 20 == 1 && k > 1) {
            c_.MoveTo(x(k - 1), g_.YB - 1);
            c_.LineTo(x(k - 1), h(k));
        }
        c_.MoveTo(x(k - 1), h(k - 1));
        c_.LineTo(x(k - 1), h(k));
        c_.LineTo(x(k), h(k));
    }
}

void DiagramPage::SelfWeight() {
    const int top = g_.YB - g_.MmY(3);
    c_.Pen.Width = 1;
    for (int i = 1; i <= 99; ++i) {
        const int x = Pixel(g_.XL + i * (g_.XR - g_.XL) / 100.0);
        c_.MoveTo(x, g_.YB - 1);
        c_.LineTo(x, top);
    }
    c_.MoveTo(g_.XL, g_.YB);
    c_.LineTo(g_.XL, top);
    c_.LineTo(g_.XR, top);
    c_.LineTo(g_.XR, g_.YB);
}

void DiagramPage::LengthsAndReactions(const std::vector<ReactionRow>& rows) {
    c_.TextFont.Size = 8;
    const double k = (g_.XR - g_.XL) / BeamLength;
    const int pitch = g_.MmY(4);
    // Down to where the loads caption under the rows ends above the shear
    // zero line, less the first lines of the rows after.
    auto bottom = [&](size_t rowsAfter) { return g_.YS - g_.MmY(8) - int(rowsAfter) * RowLines * pitch; };
    rowsEnd_ = Row(g_.YB + g_.MmY(2.5), g_.MmY(3.5),
                   MemberLengthRow([&](double d) { return Pixel(g_.XL + d * k); }, g_.MmX(6), g_.MmX(4), gui::clBlack),
                   0, bottom(rows.size()));
    // A row's title ends 6 mm left of the beam; its values keep right of it.
    const int titleEnd = g_.XL - g_.MmX(6);
    std::vector<int> tops;
    bool split = false;
    for (size_t i = 0; i < rows.size(); ++i) {
        std::vector<RowLabel> row;
        for (const auto& [support, text] : rows[i].texts)
            row.push_back({g_.X(g_.P[support - 1]) - g_.MmX(5), text + " " + Unit_Sh.str()});
        const int top = std::max(g_.YB + g_.MmY(rows[i].belowMm), rowsEnd_);
        rowsEnd_ = Row(top, pitch, row, rows[i].title.empty() ? 0 : titleEnd + g_.MmX(1), bottom(rows.size() - 1 - i));
        split = split || rowsEnd_ > top + pitch;
        tops.push_back(top);
    }
    if (!split) return;
    // Further left where a scale rule's value stands there.
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].title.empty()) continue;
        const gui::Rect box = c_.TextBox(0, tops[i], rows[i].title);
        const int gap = (box.Bottom - box.Top) / 4;
        int x = titleEnd - box.Right;
        while (x > 0 && !c_.FreeOfTexts({x - gap, box.Top, x + box.Right + gap, box.Bottom})) --x;
        Text(x, tops[i], rows[i].title);
    }
}

void DiagramPage::Arrows(const PageLoads& loads) {
    c_.Pen.Width = 3;
    for (const PointEntry& p : loads.points) {
        const int x = g_.PointX(p.dist);
        const int dir = p.load >= 0 ? -1 : 1;
        const int a = g_.YB + dir * g_.MmY(1), b = g_.YB + dir * g_.MmY(3), c = g_.YB + dir * g_.MmY(10);
        c_.MoveTo(x, a);
        c_.LineTo(x - g_.MmX(1), b);
        c_.MoveTo(x, a);
        c_.LineTo(x + g_.MmX(1), b);
        c_.MoveTo(x, a);
        c_.LineTo(x, c);
    }
}

void DiagramPage::BandCaptions() {
    for (int i = 0; i < 3; ++i)
        Text(g_.MmX(layout_.bands[i].xMm), g_.Zero(Bands[i]) + g_.MmY(layout_.bands[i].dyMm), layout_.bands[i].text, 10);
    const std::string units[3] = {Unit_Sh.str(), Unit_Mom.str(), Unit_Def.str()};
    for (int i = 0; i < 3; ++i)
        Text(g_.MmX(layout_.units[i].xMm), g_.Zero(Bands[i]) + g_.MmY(layout_.units[i].dyMm),
             "(Units = " + units[i] + ")", 8);
}

void DiagramPage::LoadsCaption() {
    const int y = std::max(g_.YB + g_.MmY(layout_.loads.dyMm), rowsEnd_);
    Text(g_.MmX(layout_.loads.xMm), y, layout_.loads.text, 10);
    c_.TextFont.Size = 8;
}

void DiagramPage::Curve(Band b, int loadcase, bool fromFirstPoint) {
    // DeflectionSeries holds deflection downwards positive.
    auto y = [&](double v) { return g_.Y(b, b == Band::Deflection ? -v : v); };
    const int n = SeriesCount(b, loadcase);
    c_.Pen.Width = 3;
    c_.MoveTo(g_.XL, fromFirstPoint ? y(SeriesValue(b, loadcase, 1)) : g_.Zero(b));
    for (int i = fromFirstPoint ? 2 : 1; i <= n; ++i)
        c_.LineTo(Pixel(g_.XL + (g_.XR - g_.XL) * SeriesFraction(b, loadcase, i)), y(SeriesValue(b, loadcase, i)));
}

void DiagramPage::ZeroLines() {
    c_.Pen.Width = 2;
    for (Band b : Bands) {
        c_.MoveTo(g_.XL, g_.Zero(b));
        c_.LineTo(g_.XR, g_.Zero(b));
    }
}

void DiagramPage::ScaleRules(int loadcase) {
    c_.Pen.Width = 1;
    c_.TextFont.Size = 8;
    const int tick = g_.XL - g_.MmX(3), textX = g_.XL - g_.MmX(10);
    for (Band b : Bands) {
        const MemberSummary& s = Summary(b)[loadcase][BeamRow];
        const double vmax = s[3], vmin = s[4];
        const int ymax = g_.Y(b, vmax), ymin = g_.Y(b, vmin), zero = g_.Zero(b);
        c_.MoveTo(g_.XL, ymax);
        c_.LineTo(g_.XL, ymin);
        for (int y : {ymax, ymin, zero}) {
            c_.MoveTo(tick, y);
            c_.LineTo(g_.XL, y);
        }
        const double factor = b == Band::Deflection ? -UnitFactor(b) : UnitFactor(b);
        const int gap = g_.MmY(b == Band::Moment ? 2 : 3);
        std::vector<RuleLabel> labels;
        const bool zeroLabel = b != Band::Deflection;
        // Each value once: an extreme on the zero line's tick or that reads 0
        // by the zero label alone, extremes that read alike by one label.
        const std::string zeroText = SigFig3Dec3(0);
        for (const auto& [y, v] : {std::pair{ymin, vmin}, std::pair{ymax, vmax}}) {
            const std::string text = SigFig3Dec3(v * factor);
            const bool said = zeroLabel ? y == zero || text == zeroText
                                        : std::any_of(labels.begin(), labels.end(),
                                                      [&](const RuleLabel& l) { return l.text == text; });
            if (!said) labels.push_back({y - gap, y, text, false});
        }
        if (zeroLabel) labels.push_back({zero - g_.MmY(3), zero, "0.0", true});
        // A wide value ends short of the ticks rather than run into them.
        for (const RuleLabel& l : Spread(labels, g_.MmY(3)))
            Text(std::min(textX, tick - g_.MmX(0.5) - c_.TextWidth(l.text)), l.y, l.text);
    }
}
