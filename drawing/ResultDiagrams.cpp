#include "ResultDiagrams.h"
#include <cmath>
#include "Global.h"
#include "ResultTexts.h"
#include "SigFig.h"

double ScaleShear = 0, ScaleMoment = 0, ScaleDeflection = 0;

namespace {

const gui::Color CaseColours[] = {gui::clYellow, gui::clRed, gui::clAqua, gui::clLime, gui::clBlue};

double ScaleFor(long double share, float largest) { return largest == 0 ? 0 : static_cast<double>(share / largest); }

// One diagram band: its base line, scale and display unit.
struct Band {
    int Base;
    double Scale;
    float Factor;
    std::string Unit;
    bool Mirrored = false;  // moments drawn the other way up

    std::string Text(double r) const { return SigFig3Dec3(r * Factor) + " " + Unit; }
    // A value label at x: below the line when the shown value is 0 or less;
    // moved further from the curve where something is in its way.
    void Value(gui::Canvas& c, int x, double r) const {
        const bool positive = r * Factor > 0, above = positive != Mirrored;
        const int offset = Round(r * Scale);
        const int y = (Mirrored ? Base + offset : Base - offset) + (above ? -25 : 10);
        ValueLabel(c, x, y, positive ? gui::clYellow : gui::clAqua, Text(r), above ? -1 : 1);
    }
};

bool Shown(double r, float factor) { return std::fabs(r * factor) > 0.001; }

int LastActiveLoadcase() {
    int last = 0;
    for (int lc = 1; lc <= NumLoadcases; ++lc)
        if (LoadcaseActive[lc] != 0) last = lc;
    return last;
}

// From the base line at x0 (or from the first point's height) through the
// points 1..count of a series: position fraction in [1], value in [2].
void Polyline(gui::Canvas& c, const BeamAxis& axis, const Band& b, int count, auto point, bool fromFirst) {
    auto y = [&](int k) { return b.Base - Round(point(k)[2] * b.Scale); };
    c.MoveTo(axis.x0, fromFirst && count >= 1 ? y(1) : b.Base);
    for (int k = fromFirst ? 2 : 1; k <= count; ++k)
        c.LineTo(axis.x0 + Round(static_cast<long double>(axis.Width()) * point(k)[1]), y(k));
}

// Titles of a band's extremes at the left edge, with their values.
void Extreme(gui::Canvas& c, int y, gui::Color colour, const std::string& title, const std::string* value) {
    Label(c, 8, y, colour, title);
    if (value) Label(c, 8, y + 15, colour, *value);
}

}  // namespace

void DrawResultDiagrams(gui::Canvas& c, const PictureFrame& frame, int32_t& shownCase) {
    if (DeflectionSummary[0][BeamRow][5] == 0) return;  // nothing deflects: no diagrams
    const long double h1 = frame.Height - 200 - frame.CaseListHeight;
    ScaleShear = ScaleFor(0.09L * h1, ShearSummary[0][BeamRow][5]);
    ScaleMoment = ScaleFor(0.09L * h1, MomentSummary[0][BeamRow][5]);
    ScaleDeflection = ScaleFor(0.1L * h1, DeflectionSummary[0][BeamRow][5]);
    int h = frame.Height - 50 - frame.CaseListHeight;
    if (h < 350) h = 350;
    if (frame.TileMode == 1) h = 650;
    const int sign = BMConvention == -1 ? -1 : 1;
    const Band shear{Round(0.21L * h + 100), ScaleShear, Factor_Sh, Unit_Sh.str()};
    const Band moment{Round(0.43L * h + 100), ScaleMoment, Factor_Mom, Unit_Mom.str(), sign == -1};
    // Deflection is drawn below the axis (the series' sign: Global.h).
    const Band deflection{Round(0.63L * h + 100), ScaleDeflection, Factor_Def, Unit_Def.str()};
    const BeamAxis axis(frame);
    const std::array<float, 26> p = SupportPositions();
    const int d = Round(frame.Height / 40.0L);

    Label(c, 8, shear.Base - 5, gui::clWhite, "SHEAR", 9);
    if (shownCase == 0) shownCase = 1;
    const int lc = shownCase;
    SetPen(c, CaseColours[(lc - 1) % 5], 1);
    const ShearSeriesCase& ss = ShearSeries[lc];
    Polyline(c, axis, shear, Round(ss[0][1]), [&](int k) { return ss[k]; }, false);
    const MomentSeriesCase& ms = MomentSeries[lc];
    Polyline(c, axis, moment, Round(ms[0][1]), [&](int k) {
        SeriesPoint q = ms[k];
        q[2] *= static_cast<float>(sign);
        return q;
    }, false);
    const DeflectionSeriesCase& ds = DeflectionSeries[lc];
    Polyline(c, axis, deflection, Round(ds[0][0]), [&](int k) {
        SeriesPoint q = ds[k];
        q[2] = -q[2];
        return q;
    }, true);
    SetPen(c, gui::clWhite, 2);
    for (const Band* b : {&shear, &moment, &deflection}) Line(c, axis.x0, b->Base, axis.x1, b->Base);
    Label(c, 8, 80, gui::clWhite, "LOADS", 9);

    auto at = [&](double mm) { return axis.ByRatio(mm) - 20; };
    const bool one = DisplayMode == -1, all = DisplayMode == 1;
    const int sc = all ? 0 : lc;  // summaries whose extremes are written

    // Reactions, before the values of the bands, which yield to them. The
    // extremes of all loadcases are the same on every call: written once,
    // over the last loadcase's curves.
    auto reaction = [](double r) { return SigFig4Dec3(r * Factor_Sh) + " " + Unit_Sh.str(); };
    if (one) {
        for (int j = 1; j <= NumSpans + 1; ++j) {
            const double r = CaseReaction[lc][j];
            ValueLabel(c, at(p[j - 1]), 125, r < 0 ? gui::clRed : gui::clYellow, reaction(r), 1);
        }
        Label(c, 5, 115, gui::clWhite, "Reactions");
    }
    for (int n = 1; n <= NumLoadcases; ++n)
        for (int j = 1; j <= NumSpans + 1; ++j) {
            if (NodeSkipFlag[n][j] == -1) continue;
            const float r = static_cast<float>(CaseReaction[n][j]);
            if (r > ReactionMaxPos[j]) ReactionMaxPos[j] = r;
            if (r < ReactionMaxNeg[j]) ReactionMaxNeg[j] = r;
        }
    if (all) {
        if (lc == LastActiveLoadcase()) {
            for (int j = 1; j <= NumSpans + 1; ++j)
                if (ReactionMaxPos[j] != 0)
                    ValueLabel(c, at(p[j - 1]), 115, gui::clYellow, reaction(ReactionMaxPos[j]), 1);
            for (int j = 1; j <= NumSpans + 1; ++j)
                if (ReactionMaxNeg[j] != 0)
                    ValueLabel(c, at(p[j - 1]), 130, gui::clRed, reaction(ReactionMaxNeg[j]), 1);
        }
        Label(c, 6, 107, gui::clWhite, "Max");
        Label(c, 6, 123, gui::clWhite, "Reactions");
    }

    // Shear.
    if (one) {
        if (BeamGeometryTable[LHC][GPresent] == 1.0 && Shown(ShearSummary[lc][LHC][2], Factor_Sh))
            shear.Value(c, at(p[0]), ShearSummary[lc][LHC][2]);
        for (int k = 1; k <= NumSpans; ++k) {
            shear.Value(c, at(p[k - 1]), ShearSummary[lc][k][1]);
            shear.Value(c, at(p[k]), ShearSummary[lc][k][2]);
        }
        if (BeamGeometryTable[RHC][GPresent] == 1.0 && Shown(ShearSummary[lc][RHC][1], Factor_Sh))
            shear.Value(c, at(p[25]), ShearSummary[lc][RHC][1]);
    }
    {
        const float mx = ShearSummary[sc][BeamRow][3], mn = ShearSummary[sc][BeamRow][4];
        const std::string tmx = shear.Text(mx), tmn = shear.Text(mn);
        const bool values = one || all;
        Extreme(c, shear.Base - d - 30, gui::clYellow, "Max +ve Shear", values && std::fabs(mx) > 1e-05 ? &tmx : nullptr);
        Extreme(c, shear.Base + d, gui::clAqua, "Max -ve Shear", values && std::fabs(mn) > 1e-05 ? &tmn : nullptr);
    }

    // Moment.
    Label(c, 8, moment.Base - 5, gui::clWhite, "MOMENT", 9);
    if (one) {
        for (int j = 0; j <= NumSpans; ++j) {
            // The larger of the two member-end moments that meet at the support.
            const float left = MomentSummary[lc][j][2], right = MomentSummary[lc][j + 1][0];
            const float m = std::fabs(right) > std::fabs(left) ? right : left;
            if (std::fabs(m) > 0.001) moment.Value(c, at(p[j]), m);
        }
        for (int k = 1; k <= NumSpans; ++k) {
            const float peak = MomentSummary[lc][k][1];
            if (Shown(peak, Factor_Mom)) moment.Value(c, at(p[k] - BeamGeometryTable[k][GLength] / 2), peak);
        }
    }
    {
        const std::string tmx = moment.Text(MomentSummary[sc][BeamRow][3]);
        const std::string tmn = moment.Text(MomentSummary[sc][BeamRow][4]);
        const bool values = one || all;
        const int above = moment.Base - d - 30, below = moment.Base + d;
        Extreme(c, sign == 1 ? above : below, gui::clYellow, "Max +ve Mom", values ? &tmx : nullptr);
        Extreme(c, sign == 1 ? below : above, gui::clAqua, "Max -ve Mom", values ? &tmn : nullptr);
    }

    // Deflection.
    Label(c, 8, deflection.Base - 5, gui::clWhite, "DEFLECTION", 9);
    if (one) {
        const float lhc = DeflectionSummary[lc][LHC][1], rhc = DeflectionSummary[lc][RHC][1];
        if (BeamGeometryTable[LHC][GPresent] == 1.0 && Shown(lhc, Factor_Def)) deflection.Value(c, axis.x0 - 20, lhc);
        for (int k = 1; k <= NumSpans; ++k)
            deflection.Value(c, at(p[k] - BeamGeometryTable[k][GLength] / 2), DeflectionSummary[lc][k][1]);
        if (BeamGeometryTable[RHC][GPresent] == 1.0 && Shown(rhc, Factor_Def)) deflection.Value(c, axis.x1 - 20, rhc);
    }
    if (one || all) {
        const float mx = DeflectionSummary[sc][BeamRow][3], mn = DeflectionSummary[sc][BeamRow][4];
        const std::string tmx = deflection.Text(mx), tmn = deflection.Text(mn);
        if (mx > 0) Extreme(c, deflection.Base - d - 30, gui::clYellow, "Max +ve Deflection", &tmx);
        if (mn < 0) Extreme(c, deflection.Base + d, gui::clAqua, "Max -ve Deflection", &tmn);
    }
}
