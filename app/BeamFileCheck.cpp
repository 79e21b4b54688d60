#include "BeamFileCheck.h"
#include <cfloat>
#include <cmath>
#include <sstream>
#include "BeamFile.h"
#include "BeamRules.h"
#include "Convert.h"
#include "Global.h"
#include "RunError.h"
#include "UnitSettings.h"

namespace {

[[noreturn]] void Refuse(const std::string& why) { throw RunError(why); }

std::string Num(double v) {
    std::ostringstream s;
    s << v;
    return s.str();
}

// Every unit the file keeps needs a factor in range, or 0 where its quantity
// may be unset; a unit this program offers, its own factor (to a few units
// in the last place of a single).
void CheckFactors(BeamFileLayout layout) {
    const int count = layout == BeamFileLayout::V4 ? BeamFileUnits : OldBeamFileUnits;
    for (int place = 0; place < count; ++place) {
        const QuantityUnits& q = BeamFileQuantity(place);
        const DisplayUnit& unit = Unit(q.id);
        const float f = unit.Factor;
        if (!FactorInRange(f) && !(f == 0 && q.mayBeUnset))
            Refuse("the " + std::string(q.name) + " unit has the factor " + Num(f) + "; it must be from " +
                   Num(SmallestFactor) + " to " + Num(LargestFactor));
        const float own = OfferedFactor(q, unit.Name.str());
        if (own != 0 && !(std::fabs(f - own) <= 4 * FLT_EPSILON * own))
            Refuse("the " + std::string(q.name) + " unit \"" + unit.Name.str() + "\" has the factor " + Num(f) +
                   "; that unit's factor is " + Num(own));
    }
}

}  // namespace

float OfferedFactor(const QuantityUnits& q, const std::string& name) {
    for (const UnitChoice& c : q.Offered())
        if (name == c.name) return c.factor;
    return 0;
}

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
    int count = -1;
    try {
        count = LineCount(line0);
    } catch (const RunError&) {
    }
    if (count < 0 || count > max)
        Refuse("the line count of " + what + " is \"" + line0 + "\"; it must be a number from 0 to " +
               std::to_string(max));
    return count;
}

void CheckBeamTables(BeamFileLayout layout) {
    CheckFactors(layout);  // the geometry is judged in the units they give
    if (const std::string fault = AnalysisInputFault(); !fault.empty()) Refuse(fault);
    if (SameForAllSpans != 1 && SameForAllSpans != -1)
        Refuse("the one-section flag is " + std::to_string(SameForAllSpans) + "; it must be 1 or -1");
    if (layout == BeamFileLayout::V4 && ResultsReady != 0 && ResultsReady != 1)
        Refuse("the results flag is " + std::to_string(ResultsReady) + "; it must be 0 or 1");
}
