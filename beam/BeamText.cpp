#include "BeamText.h"
#include <cmath>
#include "BeamRules.h"
#include "Checked.h"
#include "Global.h"
#include "RunError.h"

double Shown(double value, float factor) { return ToDouble(Div(value, factor)); }

BArray2<HeldText, 0, 27, 1, 5> SpanTextHeld;

namespace {
// The characters of a cell of the members' overview grid.
constexpr int MemberTextWidth = 11;
}  // namespace

Quantity MemberQuantity(int t) {
    const Quantity quantities[] = {Quantity::Length, Quantity::E, Quantity::I, Quantity::SectionDimension, Quantity::Area};
    if (t < 1 || t > 5) RaiseRangeCheck();
    return quantities[t - 1];
}

float MemberFactor(int t) { return Unit(MemberQuantity(t)).Factor; }

void ShowMemberValue(int m, int t, double value, float factor, std::string (*format)(double)) {
    const std::string text = FieldText(value, factor, FieldRule::Member, MemberTextWidth, format);
    SpanTextTable[m][t] = text;
    SpanTextHeld[m][t].Hold(text, factor, value);
}

double MemberValue(int m, int t, const std::string& field) {
    const std::string& text = SpanTextTable[m][t];
    const std::optional<double> held = SpanTextHeld[m][t].ValueOf(text, MemberFactor(t));
    const double value = held ? *held : FieldStored(text, MemberFactor(t), FieldRule::Member, field);
    if (!HeldAsSingle(value)) throw RunError(field + ": '" + text + "' is too large");
    return value;
}

void CopyMemberText(int from, int to, int t) {
    SpanTextTable[to][t] = SpanTextTable[from][t];
    SpanTextHeld[to][t] = SpanTextHeld[from][t];
}

std::string MemberText(float stored, float factor, std::string (*format)(double)) {
    const double shown = Shown(stored, factor);
    const std::string text = format(shown);
    if (shown == 0 || (text != "#####" && TextNumber(text) != 0)) return text;
    return ReadBackMemberText(stored, factor, format);
}
