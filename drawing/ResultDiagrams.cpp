#include "ResultDiagrams.h"
#include <algorithm>
#include <cmath>
#include "AnalysisState.h"
#include "Global.h"
#include "ResultTexts.h"
#include "SigFig.h"

double ScaleShear = 0, ScaleMoment = 0, ScaleDeflection = 0;

namespace {

const gui::Color CaseColours[] = {gui::clYellow, gui::clRed, gui::clAqua, gui::clLime, gui::clBlue};

// The largest value of each kind over all loadcases spans a share of the
// picture's usable height, whichever loadcase is drawn.
void SetScales(const PictureFrame& frame) {
    const long double h1 = frame.Height - 200 - frame.CaseListHeight;
    ScaleShear = BandScale(0.09L * h1, ShearSummary[0][BeamRow][5], Factor_Sh);
    ScaleMoment = BandScale(0.09L * h1, MomentSummary[0][BeamRow][5], Factor_Mom);
    ScaleDeflection = BandScale(0.1L * h1, DeflectionSummary[0][BeamRow][5], Factor_Def);
}

// One diagram band: its base line, scale and display unit.
struct Band {
    int Base;
    double Scale;
    float Factor;
    const ShortString<10>& Unit;
    bool Mirrored = false;  // moments drawn the other way up

    std::string Text(double r) const { return SigFig3Dec3(r * Factor) + " " + Unit.str(); }
    // A value label at x: below the line when the shown value is 0 or less;
    // moved further from the curve where something is in its way.
    void Value(gui::Canvas& c, int x, double r) const {
        const bool positive = r * Factor > 0, above = positive != Mirrored;
        const int offset = Pixel(r * Scale);
        const int y = (Mirrored ? Base + offset : Base - offset) + (above ? -25 : 10);
        ValueLabel(c, x, y, positive ? gui::clYellow : gui::clAqua, Text(r), above ? -1 : 1);
    }
};

bool Visible(double r, float factor) { return std::fabs(r * factor) > 0.001; }

int LastCaseWithResults() {
    for (int lc = NumLoadcases; lc >= 1; --lc)
        if (CaseHasResults(lc)) return lc;
    return 0;
}

std::string ReactionText(double r) { return SigFig4Dec3(r * Factor_Sh) + " " + Unit_Sh.str(); }

// From the base line at x0 (or from the first point's height) through the
// points 1..count of a series: position fraction in [1], value in [2] drawn
// upwards, times sign.
void Polyline(gui::Canvas& c, const BeamAxis& axis, const Band& b, const auto& s, int count, float sign, bool fromFirst) {
    auto y = [&](int k) { return b.Base - Pixel(s[k][2] * sign * b.Scale); };
    c.MoveTo(axis.x0, fromFirst && count >= 1 ? y(1) : b.Base);
    for (int k = fromFirst ? 2 : 1; k <= count; ++k)
        c.LineTo(axis.x0 + Pixel(static_cast<long double>(axis.Width()) * s[k][1]), y(k));
}

// Title of a band's extreme at the left edge, with its value unless empty.
void Extreme(gui::Canvas& c, int y, gui::Color colour, const std::string& title, const std::string& value) {
    Label(c, 8, y, colour, title);
    if (!value.empty()) Label(c, 8, y + 15, colour, value);
}

// The diagrams of loadcase lc in the three bands of the picture.
struct Diagrams {
    gui::Canvas& c;
    const PictureFrame& frame;
    const int lc;
    const int h = frame.TileMode == 1 ? 650 : std::max(350, frame.Height - 50 - frame.CaseListHeight);
    const Band shear{Pixel(0.21L * h + 100), ScaleShear, Factor_Sh, Unit_Sh};
    const Band moment{Pixel(0.43L * h + 100), ScaleMoment, Factor_Mom, Unit_Mom, BMConvention == -1};
    // Deflection is drawn below the axis (the series' sign: Global.h).
    const Band deflection{Pixel(0.63L * h + 100), ScaleDeflection, Factor_Def, Unit_Def};
    const BeamAxis axis{frame};
    const SupportRow p = SupportPositions();
    const int d = Pixel(frame.Height / 40.0L);  // from a base line to its extremes
    const bool one = DisplayMode == -1, all = DisplayMode == 1, values = one || all;
    const int sc = all ? 0 : lc;  // summaries whose extremes are written

    int At(double mm) const { return axis.ByRatio(mm) - 20; }

    // The curves in the loadcase's colour, over white base lines.
    void DrawCurves() const {
        Label(c, 8, shear.Base - 5, gui::clWhite, "SHEAR", 9);
        SetPen(c, CaseColours[(lc - 1) % 5], 1);
        Polyline(c, axis, shear, ShearSeries[lc], PointCount(ShearSeries[lc]), 1, false);
        const int mirror = moment.Mirrored ? -1 : 1;
        Polyline(c, axis, moment, MomentSeries[lc], PointCount(MomentSeries[lc]), mirror, false);
        Polyline(c, axis, deflection, DeflectionSeries[lc], PointCount(DeflectionSeries[lc]), -1, true);
        SetPen(c, gui::clWhite, 2);
        for (const Band* b : {&shear, &moment, &deflection}) Line(c, axis.x0, b->Base, axis.x1, b->Base);
        Label(c, 8, 80, gui::clWhite, "LOADS", 9);
    }

    // The extremes of all loadcases are the same on every call: written
    // once, over the last loadcase's curves.
    void DrawReactions() const {
        // Each row in lines of its own, every value under its support.
        if (one) {
            std::vector<RowLabel> row;
            for (int j = 1; j <= NumSpans + 1; ++j) {
                const double r = CaseReaction[lc][j];
                row.push_back({At(p[j - 1]), ReactionText(r), r < 0 ? gui::clRed : gui::clYellow});
            }
            ValueRow(c, 125, 15, row, 3);
            Label(c, 5, 115, gui::clWhite, "Reactions");
        }
        if (!all) return;
        if (lc == LastCaseWithResults()) {
            std::vector<RowLabel> most, least;
            for (int j = 1; j <= NumSpans + 1; ++j) {
                const int x = At(p[j - 1]);
                if (ReactionMaxPos[j] != 0) most.push_back({x, ReactionText(ReactionMaxPos[j]), gui::clYellow});
                if (ReactionMaxNeg[j] != 0) least.push_back({x, ReactionText(ReactionMaxNeg[j]), gui::clRed});
            }
            ValueRow(c, std::max(130, ValueRow(c, 115, 15, most, 3)), 15, least, 3);
        }
        Label(c, 6, 107, gui::clWhite, "Max");
        Label(c, 6, 123, gui::clWhite, "Reactions");
    }

    void DrawShearValues() const {
        if (one) {
            if (BeamGeometryTable[LHC][GPresent] == 1.0 && Visible(ShearSummary[lc][LHC][2], Factor_Sh))
                shear.Value(c, At(p[0]), ShearSummary[lc][LHC][2]);
            for (int k = 1; k <= NumSpans; ++k) {
                shear.Value(c, At(p[k - 1]), ShearSummary[lc][k][1]);
                shear.Value(c, At(p[k]), ShearSummary[lc][k][2]);
            }
            if (BeamGeometryTable[RHC][GPresent] == 1.0 && Visible(ShearSummary[lc][RHC][1], Factor_Sh))
                shear.Value(c, At(p[25]), ShearSummary[lc][RHC][1]);
        }
        const float mx = ShearSummary[sc][BeamRow][3], mn = ShearSummary[sc][BeamRow][4];
        Extreme(c, shear.Base - d - 30, gui::clYellow, "Max +ve Shear", values && std::fabs(mx) > 1e-05 ? shear.Text(mx) : "");
        Extreme(c, shear.Base + d, gui::clAqua, "Max -ve Shear", values && std::fabs(mn) > 1e-05 ? shear.Text(mn) : "");
    }

    void DrawMomentValues() const {
        Label(c, 8, moment.Base - 5, gui::clWhite, "MOMENT", 9);
        if (one) {
            for (int j = 0; j <= NumSpans; ++j) {
                const float m = SupportMoment(lc, j);
                if (std::fabs(m) > 0.001) moment.Value(c, At(p[j]), m);
            }
            for (int k = 1; k <= NumSpans; ++k) {
                const float peak = MomentSummary[lc][k][1];
                if (Visible(peak, Factor_Mom)) moment.Value(c, At(p[k] - BeamGeometryTable[k][GLength] / 2), peak);
            }
        }
        const int above = moment.Base - d - 30, below = moment.Base + d;
        Extreme(c, moment.Mirrored ? below : above, gui::clYellow, "Max +ve Mom",
                values ? moment.Text(MomentSummary[sc][BeamRow][3]) : "");
        Extreme(c, moment.Mirrored ? above : below, gui::clAqua, "Max -ve Mom",
                values ? moment.Text(MomentSummary[sc][BeamRow][4]) : "");
    }

    void DrawDeflectionValues() const {
        Label(c, 8, deflection.Base - 5, gui::clWhite, "DEFLECTION", 9);
        if (one) {
            const float lhc = DeflectionSummary[lc][LHC][1], rhc = DeflectionSummary[lc][RHC][1];
            if (BeamGeometryTable[LHC][GPresent] == 1.0 && Visible(lhc, Factor_Def)) deflection.Value(c, axis.x0 - 20, lhc);
            for (int k = 1; k <= NumSpans; ++k)
                deflection.Value(c, At(p[k] - BeamGeometryTable[k][GLength] / 2), DeflectionSummary[lc][k][1]);
            if (BeamGeometryTable[RHC][GPresent] == 1.0 && Visible(rhc, Factor_Def)) deflection.Value(c, axis.x1 - 20, rhc);
        }
        if (!values) return;
        const float mx = DeflectionSummary[sc][BeamRow][3], mn = DeflectionSummary[sc][BeamRow][4];
        if (mx > 0) Extreme(c, deflection.Base - d - 30, gui::clYellow, "Max +ve Deflection", deflection.Text(mx));
        if (mn < 0) Extreme(c, deflection.Base + d, gui::clAqua, "Max -ve Deflection", deflection.Text(mn));
    }
};

}  // namespace

double BandScale(long double share, double largest, float factor) {
    if (largest == 0) return 0;
    return static_cast<double>(share / std::max(std::fabs(largest), 0.01 / std::fabs(factor)));
}

float SupportMoment(int lc, int j) {
    const float left = MomentSummary[lc][j][2], right = MomentSummary[lc][j + 1][0];
    return std::fabs(right) > std::fabs(left) ? right : left;
}

void DrawResultDiagrams(gui::Canvas& c, const PictureFrame& frame, int32_t lc) {
    if (DeflectionSummary[0][BeamRow][5] == 0) return;  // nothing deflects: no diagrams
    SetScales(frame);
    const Diagrams diagrams{c, frame, lc};
    diagrams.DrawCurves();
    // Lines first, then labels; the reactions first, as the bands' values yield to them.
    diagrams.DrawReactions();
    diagrams.DrawShearValues();
    diagrams.DrawMomentValues();
    diagrams.DrawDeflectionValues();
}
