#include "ResultsReport.h"
#include "ResultTexts.h"
#include "SigFig.h"

namespace {

std::string RowName(int member) {
    if (member == LHC) return " LHC";
    if (member == RHC) return " RHC";
    return "  " + std::to_string(member);
}

std::string Length(double mm) { return SigFig4Dec3(mm / Factor_L) + " " + Unit_L.str(); }

// One table column of the member rows: a geometry column in display units.
struct MemberColumn {
    int Geometry;
    const float* Factor;
    int Point;
    int Threshold;
};

double Value(const MemberColumn& c, int member) { return BeamGeometryTable[member][c.Geometry] / *c.Factor; }

// Member rows, each column with its own decimals from the digit rule; a
// description follows once the row is descriptionAt characters long.
template <class Writer, size_t N>
void WriteMemberRows(Writer& w, const MemberColumn (&columns)[N], int descriptionAt) {
    int decimals[N];
    for (size_t i = 0; i < N; ++i) {
        DigitRule rule;
        for (int m : DigitRuleMembers()) rule.Take(Value(columns[i], m));
        decimals[i] = rule.Decimals(columns[i].Threshold);
    }
    for (int m : ReportedMembers()) {
        TextLine line(RowName(m));
        for (size_t i = 0; i < N; ++i) line.Align(columns[i].Point, Fixed(Value(columns[i], m), decimals[i]), PointRule::A);
        if (descriptionAt > 0) line.PadTo(descriptionAt).Add(SpanDescription[m].str());
        w.Write(line);
    }
}

void WriteBeamData(StoreWriter<ReportStore>& w) {
    w.Write("BEAM DATA");
    w.Write(" Length = " + Length(BeamLength));
    w.Skip();
    const int n = StoreCount(UniformSectionText);
    for (int i = 1; i <= n; ++i) w.Write(UniformSectionText[i].str());
    w.Skip();
    w.Write(TextLine(" Span").Centre(14, "Length (" + Unit_L.str() + ")"));
    static const MemberColumn columns[] = {{GLength, &Factor_L, 14, 4}};
    WriteMemberRows(w, columns, 0);
}

void WriteSpanData(StoreWriter<ReportStore>& w) {
    w.Write("Beam Length = " + Length(BeamLength));
    w.Write(" ");
    w.Write("SPAN DATA");
    w.Write(TextLine(" Span")
                .Centre(12, "Length (" + Unit_L.str() + ")")
                .Centre(24, "E (" + Unit_Sect_E.str() + ")")
                .Centre(36, "Ixx (" + Unit_Sect_I.str() + ")")
                .Centre(46, "y (" + Unit_Sect_L.str() + ")")
                .PadTo(51)
                .Add(" Description"));
    static const MemberColumn columns[] = {{GLength, &Factor_L, 11, 4},
                                           {GE, &Factor_Sect_E, 28, 5},
                                           {GIxx, &Factor_Sect_I, 37, 5},
                                           {GY, &Factor_Sect_L, 47, 3}};
    WriteMemberRows(w, columns, 52);
}

std::string Shear(float s) { return SigFig4Dec3(double(s) * Factor_Sh) + " " + Unit_Sh.str(); }

void WriteMaxima() {
    const bool factored = FactoredLoadCount != 0;
    StoreWriter w(MaximaText);
    w.Write("MAXIMA");
    w.Write((factored ? " Max factored shear = " : " Max shear = ") + Shear(ShearSummary[0][BeamRow][5]));
    w.Write((factored ? " Max factored bending moment = " : " Max bending moment = ") +
            SigFig4Dec3(double(MomentSummary[0][BeamRow][5]) * Factor_Mom) + " " + Unit_Mom.str());
    w.Write(" Max deflection = " + SigFig4Dec3(double(DeflectionSummary[0][BeamRow][5]) * Factor_Def) + " " +
            Unit_Def.str());
    float largest = 0, smallest = 0;
    for (int j = 1; j <= NumSpans + 1; ++j) {
        if (ReactionMaxPos[j] > largest) largest = ReactionMaxPos[j];
        if (ReactionMaxNeg[j] < smallest) smallest = ReactionMaxNeg[j];
    }
    w.Write((factored ? " Max positive factored support reaction = " : " Max positive support reaction = ") +
            Shear(largest));
    if (smallest != 0)
        w.Write((factored ? " Max negative factored support reaction = " : " Max negative support reaction = ") +
                Shear(smallest));
    w.Write(MaxStressLine.str());
    w.SetCount(w.Next());
}

}  // namespace

void BuildResultsReport() {
    StoreWriter w(ReportText);
    w.Write("RESULTS");
    w.Write(" ");
    if (SameForAllSpans == 1) {
        WriteBeamData(w);
        w.SetCount(w.Next());
    } else if (SameForAllSpans == -1) {
        WriteSpanData(w);
        w.SetCount(w.Next());
    }
    WriteMaxima();
}
