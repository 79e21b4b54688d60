#include "BeamFileCheck.h"
#include <cfloat>
#include <cmath>
#include <sstream>
#include "BeamFile.h"
#include "Global.h"
#include "ResultTexts.h"
#include "RunError.h"
#include "UnitSettings.h"

namespace {

[[noreturn]] void Refuse(const std::string& why) { throw RunError(why); }

std::string Num(double v) {
    std::ostringstream s;
    s << v;
    return s.str();
}

std::string MemberName(int m) {
    if (m == LHC) return "the left cantilever";
    if (m == RHC) return "the right cantilever";
    if (m == RHC + 1) return "the spare geometry row";
    return "span " + std::to_string(m);
}

// Members the file holds: all rows of the current layout; rows 0 to 10 and
// the right cantilever of the old one (the others keep a new beam's zeros).
bool HeldRow(BeamFileLayout layout, int m) { return layout == BeamFileLayout::V4 || m <= 10 || m == RHC; }

// A present member has a positive length, E and Ixx and no negative y or
// area; an absent one has no length. Length, E and Ixx are what the beam
// window can hold: a single in the unit it shows them in, not rounded to 0.
// Returns the length it adds.
double CheckMember(int m, bool mustExist, bool mayExist) {
    const auto& row = BeamGeometryTable[m];
    const double flag = row[GPresent];
    const std::string name = MemberName(m);
    if (flag != 0.0 && flag != 1.0) Refuse(name + " has the present flag " + Num(flag) + "; it must be 0 or 1");
    if (flag == 0.0) {
        if (mustExist) Refuse(name + " is marked absent");
        if (row[GLength] != 0.0) Refuse(name + " is absent but has the length " + Num(row[GLength]) + " mm");
        return 0;
    }
    if (!mayExist) Refuse(name + " is marked present beyond the last span");
    const struct {
        GeomCol col;
        const char* what;
        bool zeroAllowed;
        const float* factor;
    } values[] = {{GLength, "length", false, &Factor_L}, {GE, "E", false, &Factor_Sect_E},
                  {GIxx, "Ixx", false, &Factor_Sect_I}, {GY, "extreme-fibre distance y", true, nullptr},
                  {GArea, "area", true, nullptr}};
    for (const auto& v : values) {
        const double value = row[v.col];
        if (value < 0 || (value == 0 && !v.zeroAllowed))
            Refuse("the " + std::string(v.what) + " of " + name + " is " + Num(value) +
                   (v.zeroAllowed ? "; it must not be less than 0" : "; it must be more than 0"));
        if (!v.factor) continue;
        const double shown = value / *v.factor;
        if (shown > FLT_MAX || static_cast<float>(shown) == 0)
            Refuse("the " + std::string(v.what) + " of " + name + " is " + Num(value) +
                   ", beyond the values the beam window takes");
    }
    return row[GLength];
}

void CheckGeometry(BeamFileLayout layout) {
    double sum = 0;
    for (int m = LHC; m <= RHC + 1; ++m) {
        if (!HeldRow(layout, m)) continue;
        const bool span = m >= 1 && m <= NumSpans;
        sum += CheckMember(m, span, span || m == LHC || m == RHC);
    }
    if (!(std::fabs(BeamLength - sum) <= 1e-9 * sum))
        Refuse("the beam length " + Num(BeamLength) + " mm is not the sum of its member lengths, " + Num(sum) + " mm");
}

void CheckSupports(BeamFileLayout layout) {
    auto code = [](int k) {
        const int32_t c = SupportTypes[k];
        if (c < SupportNone || c > 5)
            Refuse("the support code at node " + std::to_string(k) + " is " + std::to_string(c) + "; it must be 0 to 5");
        return c;
    };
    if (layout == BeamFileLayout::V4)
        for (int k = 0; k <= 25; ++k) code(k);
    for (int k : {0, 25})
        if (code(k) == SupportNone)
            Refuse(std::string("the beam has no support at its ") + (k == 0 ? "left" : "right") + " end");
    for (int k = 1; k < NumSpans; ++k) {
        const int32_t c = code(k);
        if (c == SupportNone || c == SupportFixed)
            Refuse("the support between spans " + std::to_string(k) + " and " + std::to_string(k + 1) + " has code " +
                   std::to_string(c) + ", which only the ends may have or no support has");
    }
}

// Kind and applied flag are exact values; a load lies on the beam; fields
// 0 to 5 are those of loadcase 1 in every loadcase.
void CheckLoads() {
    const double reach = BeamLength * (1 + 1e-6);
    for (int lc = 1; lc <= NumLoadcases; ++lc)
        for (int slot = 1; slot <= LoadSlots; ++slot) {
            const LoadRecord& r = LoadTable[lc][slot];
            const std::string name = (slot == SelfWeightSlot ? std::string("the self-weight load")
                                                              : "load row " + std::to_string(slot)) +
                                     " of loadcase " + std::to_string(lc);
            if (r[LKind] != 0 && r[LKind] != KindPoint && r[LKind] != KindUDL)
                Refuse(name + " is of kind " + Num(r[LKind]) + "; it must be 1, -1 or 0");
            if (r[LApplied] != 1 && r[LApplied] != 0 && r[LApplied] != -1)
                Refuse(name + " has the applied flag " + Num(r[LApplied]) + "; it must be 1, 0 or -1");
            for (int f = LKind; f <= LFactor; ++f)
                if (r[f] != LoadTable[1][slot][f]) Refuse(name + " differs from the same row of loadcase 1");
            if (r[LKind] == 0) continue;
            if (r[LDist] < 0 || r[LDist] > reach) Refuse(name + " starts at " + Num(r[LDist]) + " mm, off the beam");
            if (r[LFactor] < 0) Refuse(name + " has the load factor " + Num(r[LFactor]) + "; it must not be less than 0");
            if (r[LKind] == KindUDL && (r[LCover] < 0 || r[LDist] + double(r[LCover]) > reach))
                Refuse(name + " covers " + Num(r[LCover]) + " mm from " + Num(r[LDist]) + " mm, off the beam");
        }
    for (int lc = 1; lc <= NumLoadcases; ++lc)
        if (LoadcaseActive[lc] != 0 && LoadcaseActive[lc] != 1)
            Refuse("loadcase " + std::to_string(lc) + " has the active flag " + std::to_string(LoadcaseActive[lc]));
}

// The units every window converts with need a factor; the stress, area,
// weight and warping units may still be unset (0).
void CheckFactors(BeamFileLayout layout) {
    const struct {
        const float* factor;
        const char* quantity;
        bool unset;
    } stored[] = {{&Factor_L, "length", false},    {&Factor_PL, "point load", false}, {&Factor_R, "load rate", false},
                  {&Factor_Sect_E, "E", false},      {&Factor_Sect_I, "Ixx", false},     {&Factor_Sh, "shear", false},
                  {&Factor_Mom, "moment", false},    {&Factor_Def, "deflection", false}, {&Factor_St, "stress", true},
                  {&Factor_Sect_A, "area", true},    {&Factor_Wt, "weight", true},       {&Factor_H, "warping constant", true}};
    const int count = layout == BeamFileLayout::V4 ? 12 : 9;
    for (int i = 0; i < count; ++i) {
        const float f = *stored[i].factor;
        if (!FactorInRange(f) && !(f == 0 && stored[i].unset))
            Refuse("the " + std::string(stored[i].quantity) + " unit has the factor " + Num(f) + "; it must be from " +
                   Num(SmallestFactor) + " to " + Num(LargestFactor));
    }
}

void CheckSwitches() {
    auto oneOf = [](int32_t v, std::initializer_list<int32_t> allowed, const std::string& what) {
        std::string list;
        for (int32_t a : allowed) {
            if (v == a) return;
            list += (list.empty() ? "" : " or ") + std::to_string(a);
        }
        Refuse(what + " is " + std::to_string(v) + "; it must be " + list);
    };
    oneOf(ResultsReady, {0, 1}, "the results flag");
    oneOf(SameForAllSpans, {1, -1}, "the one-section flag");
    oneOf(DisplayMode, {-1, 0, 1}, "the display mode");
    FileCount(LoadCaseShown, 1, MaxLoadcases, "the loadcase shown");
    FileCount(SpanNoStored, 0, RHC + 1, "the member chosen");
}

void CheckTexts() {
    FileLineCount(UniformSectionText[0], 50, "the section text");
    FileLineCount(ReportText[0], 100, "the results report");
    FileLineCount(LoadingDataUDLText[0], 100, "the distributed loads text");
    FileLineCount(LoadingDataPointText[0], 100, "the point loads text");
    FileLineCount(MaximaText[0], 50, "the maxima text");
}

}  // namespace

void FileCount(int64_t value, int64_t lo, int64_t hi, const std::string& what) {
    if (value < lo || value > hi)
        Refuse(what + " is " + std::to_string(value) + "; it must be " + std::to_string(lo) + " to " +
               std::to_string(hi));
}

void FileIntervals(int64_t intervals, int64_t twentieth) {
    if (intervals != 40 && intervals != 60 && intervals != 100 && intervals != 200)
        Refuse("the results are stored at " + std::to_string(intervals) +
               " intervals per member; it must be 40, 60, 100 or 200");
    if (twentieth != intervals / 20)
        Refuse("the twentieth step is " + std::to_string(twentieth) + "; with " + std::to_string(intervals) +
               " intervals it must be " + std::to_string(intervals / 20));
}

int FileLineCount(const std::string& line0, int max, const std::string& what) {
    if (line0.empty()) return 0;
    int count = -1;
    try {
        count = StrToInt(line0);
    } catch (const RunError&) {
    }
    if (count < 0 || count > max)
        Refuse("the line count of " + what + " is \"" + line0 + "\"; it must be a number from 0 to " +
               std::to_string(max));
    return count;
}

void CheckBeamTables(BeamFileLayout layout) {
    CheckFactors(layout);  // the geometry is judged in the units they give
    CheckGeometry(layout);
    CheckSupports(layout);
    CheckLoads();
    FileCount(LoadRowsShown, 0, 50, "the number of load rows shown");
    if (layout == BeamFileLayout::V4) {
        CheckSwitches();
        CheckTexts();
    }
}
