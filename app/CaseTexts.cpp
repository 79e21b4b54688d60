#include "CaseTexts.h"
#include <algorithm>
#include <array>
#include "AnalysisState.h"
#include "Cantilever.h"
#include "Deflection.h"
#include "LoadTables.h"
#include "ResultTexts.h"
#include "SpanForces.h"

namespace {

using Values = std::array<double, 4>;

// Writes member rows: each column's decimals by the digit rule over its own
// values, then every row aligned on the columns' points (rule A).
struct ValueTable {
    std::array<int, 4> Points;
    std::array<int, 4> Thresholds;
    std::array<DigitRule, 4> Rules{};

    void Take(const Values& v) {
        for (size_t i = 0; i < v.size(); ++i) Rules[i].Take(v[i]);
    }
    TextLine Row(const std::string& name, const Values& v) const {
        TextLine line(name);
        for (size_t i = 0; i < v.size(); ++i)
            line.Align(Points[i], Fixed(v[i], Rules[i].Decimals(Thresholds[i])), PointRule::A);
        return line;
    }
};

const LoadColumn UDLColumns[] = {{LDist, &Factor_L, 10, PointRule::B},
                                 {LStart, &Factor_R, 24, PointRule::A, DigitSlots::UDLs},
                                 {LFinish, &Factor_R, 38, PointRule::A},
                                 {LCover, &Factor_L, 52, PointRule::A},
                                 {LFactor, nullptr, 62, PointRule::A}};
const LoadColumn PointColumns[] = {{LStart, &Factor_PL, 10, PointRule::B},
                                   {LDist, &Factor_L, 24, PointRule::B},
                                   {LFactor, nullptr, 38, PointRule::B}};

void BuildLoadsText(int cc) {
    ReportStore& store = CaseLoadsText[cc];
    StoreWriter w(store);
    w.Write("LOADCASE " + std::to_string(cc));
    w.Write("");
    w.Write("");
    w.Write("APPLIED LOADS ");
    w.Write(" UDL");
    w.Write(" No    Distance     Start UDL     Finish UDL      Cover  Load Factor");
    w.Write(TextLine()
                .Centre(10, Bracketed(Unit_L.str()))
                .Centre(24, Bracketed(Unit_R.str()))
                .Centre(38, Bracketed(Unit_R.str()))
                .Centre(52, Bracketed(Unit_L.str())));
    const std::vector<int> udl = LoadColumnDecimals(cc, UDLColumns);
    for (int k = 1; k <= LoadSlots; ++k) {
        if (!AppliedAs(cc, k, -1)) continue;
        std::vector<int> decimals = udl;
        if (k == SelfWeightSlot) decimals[1] = decimals[2] = std::max(udl[1], udl[2]);
        w.Write(LoadRow(cc, k, UDLColumns, decimals));
    }
    w.Write("");
    w.Write(" Point Loads");
    w.Write(" No     Load       Distance    Load Factor");
    w.Write(TextLine("    ").Centre(10, Bracketed(Unit_PL.str())).Centre(24, Bracketed(Unit_L.str())));
    const std::vector<int> point = LoadColumnDecimals(cc, PointColumns);
    for (int k = 1; k < SelfWeightSlot; ++k)
        if (AppliedAs(cc, k, 1)) w.Write(LoadRow(cc, k, PointColumns, point));
    const int nf = w.Next();
    store[nf + 1] = "";
    w.SetCount(nf + 2);
}

// Span summary values of a member in display units.
Values SummaryValues(int cc, int m) {
    double shear = ShearSummary[cc][m][5], deflection = DeflectionSummary[cc][m][1];
    double largest, smallest;
    if (m == LHC || m == RHC) {
        const int c = m == LHC ? 1 : 2;
        largest = CantMomentMax[cc][c];
        smallest = CantMomentMin[cc][c];
    } else {
        largest = SpanMomentMax[cc][m];
        smallest = SpanMomentMin[cc][m];
        deflection = -deflection;
    }
    return {shear * Factor_Sh, largest * Factor_Mom, smallest * Factor_Mom, deflection * Factor_Def};
}

void SetSpanLabels(int cc) {
    SpanLabelText[cc][0] = BeamGeometryTable[LHC][GPresent] == 1.0 ? "LHC" : "";
    for (int s = 1; s <= NumSpans; ++s) SpanLabelText[cc][s] = std::to_string(s);
    SpanLabelText[cc][NumSpans + 1] = BeamGeometryTable[RHC][GPresent] == 1.0 ? "RHC" : "";
}

void BuildSupportText(int cc) {
    StoreWriter w(CaseSupportText[cc]);
    w.Write("SUPPORTS");
    w.Write(FactoredLoads == 1 ? " Support   Factored Reaction" : " Support       Reaction");
    w.Write(" No             (" + Unit_Sh.str() + ")");
    DigitRule reactions;
    for (int k = 1; k <= NumSpans + 1; ++k) reactions.Take(CaseReaction[cc][k] * Factor_Sh);
    for (int k = 1; k <= NumSpans + 1; ++k)
        w.Write(TextLine(SlotName(k)).Align(19, Fixed(CaseReaction[cc][k] * Factor_Sh, reactions.Decimals(5)),
                                            PointRule::B));
    w.Write("");
    w.Write("SPAN SUMMARY");
    w.Write(" Span     Max Shear    Max +ve Mom    Max -ve Mom    Max Deflection");
    w.Write(TextLine(" No")
                .Centre(15, Bracketed(Unit_Sh.str()))
                .Centre(29, Bracketed(Unit_Mom.str()))
                .Centre(43, Bracketed(Unit_Mom.str()))
                .Centre(57, Bracketed(Unit_Def.str())));
    SetSpanLabels(cc);
    ValueTable table{{15, 29, 43, 57}, {5, 5, 5, 5}};
    for (int m : DigitRuleMembers()) {
        Values v = SummaryValues(cc, m);
        if (m != LHC && m != RHC) v[3] = SpanMaxDeflection[cc][m] * Factor_Def;
        table.Take(v);
    }
    for (int m : ReportedMembers()) {
        if (m == RHC) continue;
        const std::string name = m == LHC ? " " + SpanLabelText[cc][0] : SlotName(m);
        w.Write(table.Row(name, SummaryValues(cc, m)));
    }
    // The right cantilever's line is kept whether or not it exists.
    if (BeamGeometryTable[RHC][GPresent] == 1.0)
        w.Write(table.Row(" RHC", SummaryValues(cc, RHC)));
    else
        w.Skip();
    w.SetCount(w.Next());
}

// Shear, moment and deflection of point j (1..21) of a member, display units.
Values SpanDataValues(int m, int j) {
    const int station = (j - 1) * TwentiethStep;
    const float length = static_cast<float>(BeamGeometryTable[m][GLength]);
    double shear, moment, deflection;
    if (m == LHC || m == RHC) {
        const int c = m == LHC ? 1 : 2;
        shear = CantShear[c][station + 1];
        moment = CantMoment[c][station + 1];
        deflection = CantDeflection[c][j];
    } else {
        shear = SpanShear[m][station];
        moment = SpanMoment[m][station];
        deflection = SpanDeflection[m][j];
    }
    const double distance = static_cast<double>((j - 1) / 20.0L * length / Factor_L);
    return {distance, shear * Factor_Sh, moment * Factor_Mom, deflection * Factor_Def};
}

void BuildSpanDataText(int cc) {
    StoreWriter w(CaseSpanDataText[cc]);
    w.Write("");
    w.Write("SPAN DATA at 1/20th SPAN INTERVALS");
    for (int m : ReportedMembers()) {
        w.Write(m == LHC ? "LHC" : m == RHC ? " RHC" : " Span " + std::to_string(m));
        w.Write(" Span     Distance       Shear         Moment      Deflection");
        w.Write(TextLine(" Interval")
                    .Centre(15, Bracketed(Unit_L.str()))
                    .Centre(29, Bracketed(Unit_Sh.str()))
                    .Centre(43, Bracketed(Unit_Mom.str()))
                    .Centre(57, Bracketed(Unit_Def.str())));
        ValueTable table{{15, 29, 43, 57}, {4, 5, 5, 4}};
        for (int j = 1; j <= 21; ++j) table.Take(SpanDataValues(m, j));
        for (int j = 1; j <= 21; ++j) w.Write(table.Row(SlotName(j), SpanDataValues(m, j)));
        if (m != RHC) w.Write(" ");
    }
    w.Write(" ");
    w.SetCount(w.Next());
}

}  // namespace

void BuildLoadcaseReport() {
    const int cc = CurrentCase;
    BuildLoadsText(cc);
    BuildSupportText(cc);
    BuildSpanDataText(cc);
}
