#include "EnvelopeText.h"
#include <cstdio>
#include "ResultTexts.h"

namespace {

constexpr int DistanceAt = 10, ShearAt = 23, LargestAt = 40, SmallestAt = 57;

std::string Governing(float loadcase, bool rightCantilever) {
    char text[32];
    std::snprintf(text, sizeof text, "%2.0f", double(loadcase));
    return (rightCantilever ? "  (" : " (") + std::string(text) + ")";
}

template <class Writer>
void WriteSection(Writer& w, int m, const std::string& heading1, const std::string& heading2) {
    const double length = BeamGeometryTable[m][GLength];
    DigitRule distance, shear, largest, smallest;
    distance.Take(length / Factor_L);
    shear.Take(ShearSummary[0][m][5] * Factor_Sh);
    largest.Take(MomentSummary[0][m][3] * Factor_Mom);
    smallest.Take(MomentSummary[0][m][4] * Factor_Mom);
    const int dd = distance.Decimals(4), ds = shear.Decimals(5), dl = largest.Decimals(5), dm = smallest.Decimals(5);
    const bool rhc = m == RHC;
    w.Write(heading1);
    w.Write(heading2);
    for (int k = 1; k <= 21; ++k) {
        const EnvShearPoint& s = EnvelopeShear[0][m][k];
        const EnvMomentPoint& mo = EnvelopeMoment[0][m][k];
        char number[8];
        std::snprintf(number, sizeof number, "%3d", k);
        TextLine row(number);
        row.Align(DistanceAt, Fixed((k - 1) / 20.0 * length / Factor_L, dd), PointRule::A);
        row.Align(ShearAt, Fixed(s[0] * Factor_Sh, ds), PointRule::A).Add(Governing(s[1], rhc));
        if (mo[0] > 0) row.Align(LargestAt, Fixed(mo[0] * Factor_Mom, dl), PointRule::A).Add(Governing(mo[2], rhc));
        if (mo[1] < 0) row.Align(SmallestAt, Fixed(mo[1] * Factor_Mom, dm), PointRule::A).Add(Governing(mo[3], rhc));
        w.Write(row);
    }
}

}  // namespace

void BuildEnvelopeText() {
    const std::string heading1 = " Span  Distance    Max shear       +ve Moment      -ve Moment";
    const std::string heading2 = TextLine(" Int")
                                     .Centre(DistanceAt, Bracketed(Unit_L.str()))
                                     .Centre(ShearAt, Bracketed(Unit_Sh.str()))
                                     .Centre(LargestAt, Bracketed(Unit_Mom.str()))
                                     .Centre(SmallestAt, Bracketed(Unit_Mom.str()))
                                     .str();
    StoreWriter w(EnvelopeText);
    w.Write("RESULTS ENVELOPE at 1/20th SPAN INTERVALS");
    w.Write("");
    if (BeamGeometryTable[LHC][GPresent] == 1.0) {
        w.Write(" LH Cantilever ");
        WriteSection(w, LHC, heading1, heading2);
    }
    for (int s = 1; s <= NumSpans; ++s) {
        w.Write("");
        w.Write(" Span " + std::to_string(s));
        WriteSection(w, s, heading1, heading2);
    }
    w.Write("");
    if (BeamGeometryTable[RHC][GPresent] == 1.0) {
        w.Write(" RH Cantilever ");
        WriteSection(w, RHC, heading1, heading2);
    }
    w.SetCount(w.Next());
}
