#include "TextStore.h"
#include <cmath>
#include <cstdio>
#include "Func_FloatToInt.h"
#include "Global.h"
#include "SigFig.h"

namespace {

void AddBlanks(std::string& s, long long count) {
    if (count > 0) s.append(static_cast<size_t>(count), ' ');
}

}  // namespace

TextLine& TextLine::Add(std::string_view text) {
    s_ += text;
    return *this;
}

TextLine& TextLine::Centre(int column, std::string_view heading) {
    AddBlanks(s_, column - static_cast<long long>(s_.size()) - static_cast<long long>(heading.size() / 2));
    s_ += heading;
    return *this;
}

TextLine& TextLine::Align(int column, std::string_view number, PointRule rule) {
    const size_t dot = number.find('.');
    long long p;
    if (dot != std::string_view::npos)
        p = static_cast<long long>(dot) + 1;
    else
        p = static_cast<long long>(number.size()) + (rule == PointRule::A ? 1 : 0);
    // A line already past the column still keeps one blank before the
    // number, so that two numbers never read as one.
    const long long blanks = column - static_cast<long long>(s_.size()) - p;
    AddBlanks(s_, blanks > 0 || s_.empty() || s_.back() == ' ' ? blanks : 1);
    s_ += number;
    return *this;
}

TextLine& TextLine::PadTo(int length) {
    AddBlanks(s_, length - static_cast<long long>(s_.size()));
    return *this;
}

void DigitRule::Take(double value) {
    if (std::fabs(value) > largest_) largest_ = std::fabs(value);
}

int DigitRule::Decimals(int threshold) const {
    char digits[400];
    const int d = std::snprintf(digits, sizeof digits, "%.0f", WholePart(largest_));
    int decimals = 0;
    if (d < threshold) decimals = 1;
    if (d < threshold - 1) decimals = 2;
    if (d < threshold - 2) decimals = 3;
    return decimals;
}

std::string Fixed(double value, int decimals) {
    DecimalPlaces = decimals;
    return FixedDecimals(value);
}

std::string Bracketed(std::string_view text) {
    std::string heading("(");
    heading.append(text).append(")");
    return heading;
}

std::string SlotName(int number) { return (number < 10 ? "  " : " ") + std::to_string(number); }

std::vector<int> ReportedMembers() {
    std::vector<int> members;
    if (BeamGeometryTable[LHC][GPresent] == 1.0) members.push_back(LHC);
    for (int s = 1; s <= NumSpans; ++s) members.push_back(s);
    if (BeamGeometryTable[RHC][GPresent] == 1.0) members.push_back(RHC);
    return members;
}

std::vector<int> DigitRuleMembers() {
    std::vector<int> members{LHC};
    for (int s = 1; s <= NumSpans; ++s) members.push_back(s);
    members.push_back(RHC);
    return members;
}
