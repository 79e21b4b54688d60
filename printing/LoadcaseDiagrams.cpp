// One diagram page per loadcase: its loads with their values, the reactions,
// and its shear, moment and deflection curves with their peak values; for a
// withheld loadcase its loads and why it has no results.
#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include "AnalysisState.h"
#include "DiagramFrame.h"
#include "Global.h"
#include "PrintDevice.h"
#include "PrintPages.h"
#include "ResultDiagrams.h"
#include "SigFig.h"
#include "TextStore.h"
#include "gui.h"

namespace {

const DiagramLayout CaseLayout{
    "",
    {14, 18, 18},
    {"APPLIED LOADS", 95, 15},
    {{"SHEAR", 100, 20}, {"MOMENT", 99, 22.5}, {"DEFLECTION", 98, 23.5}},
    {{"", 98, 24}, {"", 100, 26.5}, {"", 100, 27.5}},
};

std::string Factored(double factor, const char* lead) {
    return FactoredLoads == 1 ? lead + SigFig3Dec3(factor) : "";
}

void UdlTexts(DiagramPage& page, int c) {
    const DiagramGrid& g = page.Grid();
    const UDLOutlineCase& o = AcceptedUDLOutline[c];
    const int y = g.YB - g.MmY(12), stackedY = g.YB - g.MmY(22);
    auto own = [&](int row, int end) { return o[row][end][OutlineRate]; };
    auto stacked = [&](int row, int end) { return o[row][end][OutlineStacked]; };
    auto rateText = [&](int row, int end) {
        return SigFig4Dec3(own(row, end) / Factor_R) + Factored(o[row][end][OutlineFactor], " x ");
    };
    std::array<std::optional<gui::Rect>, 51> near;
    for (int row = 1; row <= 50; ++row)
        if (own(row, 1) != 0)
            near[row] = page.Value(g.X(o[row][1][OutlineX]) + g.MmX(0.5), y, rateText(row, 1), -1, AboveBeam);
    const double secondShift = FactoredLoads == 1 ? 16 : 8;
    for (int row = 1; row <= 50; ++row)
        if (own(row, 2) != 0 && own(row, 2) != own(row, 1)) {
            const int after = StartOf(near[row]);
            page.Value(std::max(g.X(o[row][2][OutlineX]) - g.MmX(secondShift), after), y, rateText(row, 2), -1,
                       AboveBeam, after);
        }
    for (int end = 1; end <= 2; ++end)
        for (int row = 1; row <= 50; ++row)
            if (stacked(row, end) != 0 && stacked(row, end) != own(row, end))
                page.Value(g.X(o[row][end][OutlineX]) - g.MmX(5), stackedY,
                           Bracketed(SigFig4Dec3(stacked(row, end) / Factor_R)), -1, AboveBeam);
}

void PointTexts(DiagramPage& page, const PageLoads& loads) {
    const DiagramGrid& g = page.Grid();
    for (const PointEntry& p : loads.points) {
        const int x = g.PointX(p.dist) - g.MmX(5);
        std::vector<LabelLine> lines = {{0, SigFig4Dec3(p.load / Factor_PL) + " " + Unit_PL.str()}};
        if (FactoredLoads == 1) lines.push_back({g.MmY(3), "x " + SigFig3Dec3(p.factor)});
        page.Values(x, g.YB - g.MmY(18), lines, -1, AboveBeam);
    }
}

// A peak value beside its curve: y from the value's point on the band, moved
// by `below` mm when the value is not positive and by `above` mm otherwise.
void Peak(DiagramPage& page, Band b, int x, double field, double factor, int digits, double below, double above,
          bool suppressZero) {
    const DiagramGrid& g = page.Grid();
    const double v = field * factor;
    if (suppressZero && v >= -0.001 && v <= 0.001) return;
    const bool mirrored = b == Band::Moment && BMConvention == -1;  // moments drawn the other way up
    const bool over = mirrored ? v <= 0 : v > 0;  // the text stands over its point of the curve
    const int y = g.Y(b, field) + (mirrored ? g.MmY(v <= 0 ? -5 : 3) : g.MmY(v <= 0 ? below : -above));
    page.Value(x, y, digits == 4 ? SigFig4Dec3(v) : SigFig3Dec3(v), over ? -1 : 1, b);
}

void PeakTexts(DiagramPage& page, int c) {
    const DiagramGrid& g = page.Grid();
    const bool lhc = BeamGeometryTable[LHC][GPresent] == 1.0, rhc = BeamGeometryTable[RHC][GPresent] == 1.0;
    const auto& sh = ShearSummary[c];
    const auto& mo = MomentSummary[c];
    const auto& de = DeflectionSummary[c];
    auto ends = [&](auto&& each) {
        double start = BeamGeometryTable[LHC][GLength];
        for (int s = 1; s <= NumSpans; ++s) {
            const double len = BeamGeometryTable[s][GLength];
            each(s, start, start + len / 2, start + len);
            start += len;
        }
        return start;
    };
    if (lhc) Peak(page, Band::Shear, g.X(g.P[0]) - g.MmX(5), sh[LHC][2], Factor_Sh, 4, 3, 5, true);
    const double end = ends([&](int s, double a, double, double b) {
        Peak(page, Band::Shear, g.X(a) + (s == 1 ? g.MmX(1) : -g.MmX(5)), sh[s][1], Factor_Sh, 4, 3, 5, false);
        Peak(page, Band::Shear, g.X(b) - g.MmX(4), sh[s][2], Factor_Sh, 4, 3, 5, false);
    });
    if (rhc) Peak(page, Band::Shear, g.X(end) - g.MmX(5), sh[RHC][1], Factor_Sh, 4, 3, 5, true);

    // At the left end the cantilever's root or a fixed end's wall moment.
    Peak(page, Band::Moment, g.X(g.P[0]) - g.MmX(4), SupportMoment(c, 0), Factor_Mom, 4, 3, 5, true);
    ends([&](int s, double, double mid, double b) {
        Peak(page, Band::Moment, g.X(mid) - g.MmX(4), mo[s][1], Factor_Mom, 4, 3, 5, true);
        Peak(page, Band::Moment, g.X(b) - g.MmX(4), mo[s][2], Factor_Mom, 4, 3, 5, true);
    });

    if (lhc) Peak(page, Band::Deflection, g.XL + g.MmX(1), de[LHC][1], Factor_Def, 3, 3, 5, true);
    ends([&](int s, double, double mid, double) {
        Peak(page, Band::Deflection, g.X(mid) - g.MmX(4), de[s][1], Factor_Def, 3, 2, 4, false);
    });
    if (rhc) Peak(page, Band::Deflection, g.XR - 20, de[RHC][1], Factor_Def, 3, 3, 5, true);
}

void PrintCasePage(PrintDevice& device, int c) {
    DiagramLayout layout = CaseLayout;
    layout.title = " LOADCASE " + std::to_string(c);
    DiagramPage page(device, layout);
    page.Begin();
    const DiagramGrid& g = page.Grid();
    page.Support(SupportTypes[0], SupportPlace::Left, g.X(g.P[0]));
    for (int s = 1; s <= NumSpans - 1; ++s)
        page.Support(SupportTypes[s], SupportPlace::Inner, g.X(g.P[s]));
    page.Support(SupportTypes[25], SupportPlace::Right, g.X(g.P[25]));

    PageLoads loads;
    for (int slot = 1; slot <= 50; ++slot) loads.Take(c, slot, true);
    page.LoadProfile(loads);
    if (LoadTable[c][SelfWeightSlot][LApplied] == 1.0f) page.SelfWeight();
    page.Arrows(loads);
    // A withheld loadcase has no results to print: its loads, and why.
    const bool withheld = CaseWithheld(c);
    if (!withheld) {
        for (Band b : Bands) page.Curve(b, c);
        page.ZeroLines();
        page.ScaleRules(c);
        page.BandCaptions();
    }
    // The values last, where no stroke or caption crosses them.
    UdlTexts(page, c);
    PointTexts(page, loads);
    std::vector<DiagramPage::ReactionRow> reactions;
    if (!withheld) {
        reactions.push_back({{}, 6, ""});
        for (int s = 1; s <= NumSpans + 1; ++s)
            reactions[0].texts.push_back({s, SigFig3Dec3(CaseReaction[c][s] * Factor_Sh)});
    }
    page.LengthsAndReactions(reactions);
    page.LoadsCaption();
    if (withheld) page.Text(g.XL, g.YS, WithheldReason, 10);
    else PeakTexts(page, c);
}

}  // namespace

void PrintLoadcaseDiagrams(PrintDevice& device) {
    if (!DiagramsPrintable() || NumLoadcases < 1) return;
    for (int c = 1; c <= NumLoadcases; ++c) {
        PrintCasePage(device, c);
        if (c < NumLoadcases) device.NewPage();
    }
}
