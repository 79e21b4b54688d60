#include "BeamRules.h"
#include <cfloat>
#include <cmath>
#include <sstream>
#include <utility>

namespace {

std::string Num(double v, int figures = 6) {
    std::ostringstream s;
    s.precision(figures);
    s << v;
    return s.str();
}

// A value held in N and mm as the user reads it: in the display unit of its
// quantity, or in N and mm while that unit is not set.
std::string Shown(double value, Quantity q, const char* internal, int figures = 6) {
    const DisplayUnit& unit = Unit(q);
    if (unit.Factor == 0) return Num(value, figures) + internal;
    return Num(value / unit.Factor, figures) + " " + unit.Name.str();
}

std::string Length(double mm, int figures = 6) { return Shown(mm, Quantity::Length, " mm", figures); }

// Two lengths in the fewest figures, 6 up to `most`, that tell them apart:
// more would show the noise of a unit factor (56 ft as 56.00000224 ft).
std::pair<std::string, std::string> LengthsApart(double a, double b, int most) {
    for (int figures = 6;; ++figures)
        if (Length(a, figures) != Length(b, figures) || figures == most)
            return {Length(a, figures), Length(b, figures)};
}

std::string MemberName(int m) {
    if (m == LHC) return "the left cantilever";
    if (m == RHC) return "the right cantilever";
    return "span " + std::to_string(m);
}

std::string MemberFault(const GeometryTable& geometry, int m, bool mustExist, bool mayExist) {
    const auto& row = geometry[m];
    const double flag = row[GPresent];
    const std::string name = MemberName(m);
    if (flag != 0.0 && flag != 1.0) return name + " has the present flag " + Num(flag) + "; it must be 0 or 1";
    if (flag == 0.0) {
        if (mustExist) return name + " is marked absent";
        if (row[GLength] != 0.0) return name + " is absent but has the length " + Length(row[GLength]);
        return "";
    }
    if (!mayExist) return name + " is marked present beyond the last span";
    // y and the area may take any sign, as the beam window takes them.
    const struct {
        GeomCol col;
        const char* what;
        Quantity quantity;
        const char* unit;   // internal
        bool positive;
        const float* factor;
    } values[] = {{GLength, "length", Quantity::Length, " mm", true, &Factor_L},
                  {GE, "E", Quantity::E, " N/mm^2", true, &Factor_Sect_E},
                  {GIxx, "Ixx", Quantity::I, " mm^4", true, &Factor_Sect_I},
                  {GY, "extreme-fibre distance y", Quantity::SectionDimension, " mm", false, nullptr},
                  {GArea, "area", Quantity::Area, " mm^2", false, nullptr}};
    for (const auto& v : values) {
        const double value = row[v.col];
        const std::string said = "the " + std::string(v.what) + " of " + name + " is " + Shown(value, v.quantity, v.unit);
        if (v.positive && !(value > 0)) return said + "; it must be more than 0";
        if (v.col == GLength && value < LeastLength)
            return said + "; it must be at least " + Shown(LeastLength, v.quantity, v.unit);
        if (!HeldAsSingle(value)) return said + "; it is too large";
        if (!v.factor) continue;
        const double shown = value / *v.factor;
        if (shown > FLT_MAX || static_cast<float>(shown) == 0)
            return said + ", beyond the values the beam window takes";
    }
    return "";
}

// Only the nodes between spans are judged: an end of any other code than
// fixed is analysed as simply supported, as old files keep their end kinds,
// and nodes past the last span are no nodes of the beam.
std::string SupportFault(const BeamShape& beam) {
    for (int k = 1; k < beam.Spans; ++k) {
        const int32_t c = beam.Supports[k];
        if (c <= SupportNone || c == SupportFixed || c > 5)
            return "the support code at node " + std::to_string(k) + " is " + std::to_string(c) +
                   "; between spans it must be 1, 3, 4 or 5";
    }
    return "";
}

// Up to 27 additions in single precision, each rounding by half a unit.
constexpr double LengthSumTolerance = 16 * double(FLT_EPSILON);

std::string SlotName(int slot) {
    return slot == SelfWeightSlot ? std::string("the self-weight load") : "load row " + std::to_string(slot);
}

// A new beam before its first Next: no member and no length.
bool NoBeamYet(const BeamShape& beam) {
    if (beam.Length != 0) return false;
    for (int m = LHC; m <= RHC; ++m)
        if (beam.Geometry[m][GPresent] != 0 || beam.Geometry[m][GLength] != 0) return false;
    return true;
}

}  // namespace

BeamShape ModelBeam() { return {BeamGeometryTable, NumSpans, BeamLength, SupportTypes}; }

std::string BeamFault(const BeamShape& beam) {
    if (beam.Spans < 1 || beam.Spans > MaxSpans)
        return "the number of spans is " + std::to_string(beam.Spans) + "; it must be 1 to 25";
    if (NoBeamYet(beam)) return "";
    double sum = 0;
    // The spare row after the right cantilever is no member.
    for (int m = LHC; m <= RHC; ++m) {
        const bool span = m >= 1 && m <= beam.Spans;
        if (std::string f = MemberFault(beam.Geometry, m, span, span || m == LHC || m == RHC); !f.empty()) return f;
        sum += beam.Geometry[m][GLength];
    }
    // The beam length may be a single-precision sum of the member lengths.
    if (!(std::fabs(beam.Length - sum) <= LengthSumTolerance * sum)) {
        const auto [held, total] = LengthsApart(beam.Length, sum, 12);
        return "the beam length " + held + " is not the sum of its member lengths, " + total;
    }
    if (!HeldAsSingle(beam.Length)) return "the beam length " + Length(beam.Length) + " is too large";
    return SupportFault(beam);
}

bool PastBeamEnd(const LoadRecord& row, double beamLength) {
    return (long double)row[LDist] + row[LCover] > 1.0000001L * beamLength;
}

bool NegativeLength(const LoadRecord& row) { return row[LDist] < 0 || row[LCover] < 0; }

std::string LoadTableFault(const LoadTables& table, int cases, const BeamShape& beam) {
    for (int lc = 1; lc <= cases; ++lc)
        for (int slot = 1; slot <= LoadSlots; ++slot) {
            const LoadRecord& r = table[lc][slot];
            const std::string name = SlotName(slot) + " of loadcase " + std::to_string(lc);
            if (r[LKind] != 0 && r[LKind] != KindPoint && r[LKind] != KindUDL)
                return name + " is of kind " + Num(r[LKind]) + "; it must be 1, -1 or 0";
            if (r[LApplied] != 1 && r[LApplied] != 0 && r[LApplied] != -1)
                return name + " has the applied flag " + Num(r[LApplied]) + "; it must be 1, 0 or -1";
            for (int f = LKind; f <= LFactor; ++f)
                if (r[f] != table[1][slot][f]) return name + " differs from the same row of loadcase 1";
        }
    if (cases < 1) return "";
    for (int slot = 1; slot <= LoadSlots; ++slot) {
        const LoadRecord& r = table[1][slot];
        if (NegativeLength(r))
            return SlotName(slot) + " starts at " + Length(r[LDist]) + " and covers " + Length(r[LCover]) +
                   "; neither may be negative";
        if (AppliedInSomeLoadcase(table, slot, cases) && PastBeamEnd(r, beam.Length)) {
            const auto [end, length] = LengthsApart(double(r[LDist]) + r[LCover], beam.Length, 10);
            return SlotName(slot) + " ends at " + end + ", past the end of the beam at " + length;
        }
    }
    if (beam.Supports[1] == SupportForkhead && !OneLoadFactor(table, cases))
        return "the applied loads carry different load factors, which a forkhead support does not allow";
    return "";
}

bool OneLoadFactor(const LoadTables& table, int cases) {
    const LoadRecord* previous = nullptr;
    for (int lc = 1; lc <= cases; ++lc)
        for (int s = 1; s <= SelfWeightSlot; ++s) {
            const LoadRecord& r = table[lc][s];
            if (r[LApplied] != 1.0f) continue;
            if (previous && r[LFactor] != (*previous)[LFactor]) return false;
            previous = &r;
        }
    return true;
}

bool LoadcaseLoaded(const CaseLoads& loads) {
    for (int s = 1; s <= SelfWeightSlot; ++s)
        if (loads[s][LApplied] == 1.0f && (loads[s][LStart] != 0 || loads[s][LFinish] != 0)) return true;
    return false;
}

std::string ActiveFlagsFault(const LoadTables& table, const BArray<int32_t, 0, 25>& active, int cases) {
    for (int lc = 1; lc <= cases; ++lc)
        if (active[lc] != (LoadcaseLoaded(table[lc]) ? 1 : 0))
            return "loadcase " + std::to_string(lc) + " has the active flag " + std::to_string(active[lc]) +
                   ", but " + (LoadcaseLoaded(table[lc]) ? "loads are" : "no load is") + " applied in it";
    return "";
}

std::string AnalysisInputFault() {
    const BeamShape beam = ModelBeam();
    std::string fault = BeamFault(beam);
    if (fault.empty()) fault = LoadTableFault(LoadTable, NumLoadcases, beam);
    if (fault.empty()) fault = ActiveFlagsFault(LoadTable, LoadcaseActive, NumLoadcases);
    return fault;
}
