#include "PointResults.h"
#include <cmath>
#include "Analysis.h"
#include "AnalysisState.h"
#include "Cantilever.h"
#include "Convert.h"
#include "Global.h"
#include "SigFig.h"
#include "SpanForces.h"
#include "TextStore.h"

BArray<float, 0, 25> PointShear, PointMoment, PointStress, PointDeflection;
BArray<ShortString<75>, 0, 200> PointResultText;

namespace {

const char* const NearSupport = "Cannot analyse point nearer then 1/1000 span of a support";

float Length(int m) { return static_cast<float>(BeamGeometryTable[m][GLength]); }

// Left end of member m: a0 for span 1, the end of the last span for the
// right cantilever; sums in single precision.
float LeftEnd(int m) {
    float a = MemberPresent(LHC) ? Length(LHC) : 0.0f;
    const int last = m == RHC ? NumSpans : m - 1;
    for (int s = 1; s <= last; ++s) a += Length(s);
    return m == LHC ? 0.0f : a;
}

// Deflection point k (1..21, left to right) of member m in loadcase lc.
float StoredDeflection(int lc, int m, int k) {
    if (m == LHC) return CaseCantDeflection[lc][1][22 - k];
    if (m == RHC) return CaseCantDeflection[lc][2][k];
    return CaseDeflection[lc][m][k];
}

void PointOfCase(int lc, const PointPlace& place, int p, int q) {
    CurrentCase = lc;
    SolveFinalPassAt(q);
    const int m = place.Member;
    // Cantilever rows run from the root, station j at index j + 1.
    if (m == LHC) {
        PointShear[lc] = -CantShear[1][q - p + 1];
        PointMoment[lc] = CantMoment[1][q - p + 1];
    } else if (m == RHC) {
        PointShear[lc] = CantShear[2][p + 1];
        PointMoment[lc] = CantMoment[2][p + 1];
    } else {
        PointShear[lc] = static_cast<float>(SpanShear[m][p]);
        PointMoment[lc] = static_cast<float>(SpanMoment[m][p]);
    }
    PointStress[lc] = static_cast<float>(PointMoment[lc] * BeamGeometryTable[m][GY] / SpanIxx[m]);
    const double at = 20.0 * p / q;
    const int i = static_cast<int>(at);
    const double t = at - i;
    const float d1 = StoredDeflection(lc, m, i + 1);
    const float d2 = t > 0 ? StoredDeflection(lc, m, i + 2) : d1;
    PointDeflection[lc] = static_cast<float>(d1 + (d2 - d1) * t);
}

void ZeroValues() {
    for (auto* values : {&PointShear, &PointMoment, &PointStress, &PointDeflection}) values->Fill(0);
}

void TakeLargest(BArray<float, 0, 25>& values) {
    for (int lc = 1; lc <= NumLoadcases; ++lc)
        if (std::fabs(values[lc]) > std::fabs(values[0])) values[0] = values[lc];
}

}  // namespace

double TypedDistance(const std::string& typed, double x, float factor) {
    if (x <= BeamLength) return x;
    const long double beyond = StrToFloat(typed) - static_cast<long double>(BeamLength) / factor;
    return beyond <= LastFigureUnit(typed) / 2 ? BeamLength : x;
}

std::string PointRefusal(double x) {
    if (x > BeamLength) return "Value exceeds length of beam";
    if (x == 0) return "Please enter point measured from LH end of beam";
    if (x < 0) return "Please use positive value";
    const float a0 = MemberPresent(LHC) ? Length(LHC) : 0.0f;
    if (MemberPresent(LHC) && x <= a0 && a0 - x < a0 / 1000) return NearSupport;
    float a = a0;
    for (int s = 1; s <= NumSpans; ++s) {
        const float start = a, L = Length(s);
        a += L;
        if ((x - start > 0 && x - start < L / 1000) || (x <= a && a - x < L / 1000)) return NearSupport;
    }
    if (MemberPresent(RHC) && x - a > 0 && x - a < Length(RHC) / 1000) return NearSupport;
    return "";
}

PointPlace PlaceOfPoint(double x) {
    if (MemberPresent(LHC) && x < Length(LHC)) return {LHC, x / Length(LHC)};
    for (int s = 1; s <= NumSpans; ++s) {
        const float start = LeftEnd(s);
        if (x < start + Length(s)) return {s, (x - start) / Length(s)};
    }
    const float end = LeftEnd(RHC);
    if (MemberPresent(RHC) && x > end) return {RHC, (x - end) / Length(RHC)};
    return {};
}

void NearestFraction(double f, int& p, int& q) {
    const float target = static_cast<float>(f);
    float best = 1.0f;
    p = q = 1;
    for (int qq = 3; qq <= 2000; ++qq)
        for (int pp = 1; pp <= qq; ++pp) {
            const float err = std::fabs(target - static_cast<float>(pp) / static_cast<float>(qq));
            if (err < best) {
                best = err;
                p = pp;
                q = qq;
            }
        }
}

std::string ComputePointResults(double x) {
    ZeroValues();
    if (BeamLength == 0) return "";
    if (ResultsReady != 1) return AnalyseFirstMessage;   // stored deflections of another beam
    std::string refusal = PointRefusal(x);
    const PointPlace place = PlaceOfPoint(x);
    if (refusal.empty() && place.Member < 0) refusal = NearSupport;
    if (!refusal.empty()) return refusal;
    int p = 0, q = 0;
    NearestFraction(place.Fraction, p, q);
    // A loadcase without results keeps its zeros, as in the analysis.
    for (int lc = 1; lc <= NumLoadcases; ++lc)
        if (CaseHasResults(lc)) PointOfCase(lc, place, p, q);
    for (auto* values : {&PointShear, &PointMoment, &PointStress, &PointDeflection}) TakeLargest(*values);
    return "";
}

namespace {

// The four lines of one loadcase or of the maxima.
void WriteValues(StoreWriter<BArray<ShortString<75>, 0, 200>>& w, int i, bool maxima) {
    const bool factored = FactoredLoads == 1;
    const std::string shear = factored ? "    Factored Shear = " : maxima ? "    Shear = " : "    Shear  = ";
    w.Write(shear + SigFig4Dec3(PointShear[i] * Factor_Sh) + " " + Unit_Sh.str());
    w.Write((factored ? "   Factored Moment = " : "    Moment = ") + SigFig4Dec3(PointMoment[i] * Factor_Mom) + " " +
            Unit_Mom.str());
    const std::string stress = SigFig4Dec3(std::fabs(PointStress[i] * Factor_St));
    if (stress != "0.000")
        w.Write((factored ? "   Factored Elastic Stress = " : "    Stress = ") + stress + " " + Unit_St.str());
    if (PointDeflection[i] != 0)
        w.Write("    Deflection = " + SigFig4Dec3(PointDeflection[i] * Factor_Def) + " " + Unit_Def.str());
}

}  // namespace

void BuildPointText(double x) {
    PointResultText.Fill({});
    StoreWriter w(PointResultText);
    w.Write("  RESULTS AT POINT ");
    w.Write("    Distance along beam = " + SigFig3(x / Factor_L) + " " + Unit_L.str());
    w.Skip();
    for (int lc = 1; lc <= NumLoadcases; ++lc) {
        w.Write(" LOADCASE " + std::to_string(lc));
        WriteValues(w, lc, false);
        w.Skip();
    }
    w.Write(" MAXIMA ");
    WriteValues(w, 0, true);
    w.SetCount(w.Next());
}

void ClearPointResults() {
    ZeroValues();
    PointResultText.Fill({});
}
