#include "UnitConversion.h"
#include <cmath>
#include "BeamRules.h"
#include "Checked.h"
#include "Global.h"
#include "RunError.h"
#include "SigFig.h"
#include "ValueEdit.h"
#include "gui.h"

double Displayed(double value, float factor) { return ToDouble(Div(value, factor)); }

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
    const std::string text = FieldText(value, factor, FieldRule::Member, CharactersFit(MemberTextWidth), format);
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
    const double shown = Displayed(stored, factor);
    const std::string text = format(shown);
    // Within the ladder the member takes the format's figures; beyond it or
    // below its zero, the figures that read back as the value stored.
    if (shown == 0 || (std::fabs(shown) <= LadderEnd(format) && TextNumber(text) != 0)) return text;
    return ReadBackMemberText(stored, factor, format);
}

std::array<float, QuantityCount> OldFactors{};

void SaveOldFactors() {
    for (size_t i = 0; i < OldFactors.size(); ++i) OldFactors[i] = Units[i].Factor;
}

bool UnitChanged(Quantity q) { return OldFactor(q) != Unit(q).Factor; }

namespace {
bool Usable(float f) { return f != 0.0f && std::isfinite(f); }

// The value a text in q's old unit stands for: `held` where the program
// wrote the text and it is untouched, else the text's own value by `rule`.
// None where the text or q's factors cannot be converted.
std::optional<double> ValueToConvert(const std::string& text, std::optional<double> held, Quantity q,
                                     FieldRule rule) {
    if (!Usable(OldFactor(q)) || !Usable(Unit(q).Factor)) return std::nullopt;
    return held ? held : TryFieldStored(text, OldFactor(q), rule);
}
}  // namespace

std::string ConvertedText(const std::string& text, Quantity q, FieldRule rule, const FieldFits& fits) {
    const std::optional<double> value = ValueToConvert(text, std::nullopt, q, rule);
    return value ? FieldText(*value, Unit(q).Factor, rule, fits) : text;
}

void ConvertEdit(ValueEdit& edit, Quantity q) {
    const std::optional<double> value =
        ValueToConvert(edit.Text(), edit.HeldValue(OldFactor(q)), q, FieldRule::Single);
    if (!value) return;
    if (*value == 0)
        edit.SetText(SigFig3(0));
    else
        edit.ShowValue(*value, Unit(q).Factor, FieldRule::Single);
}

FieldFits CellFits(const gui::StringGrid& grid, int col) {
    return [&grid, col](const std::string& t) { return grid.CellShows(col, t); };
}

void ConvertGridColumn(gui::StringGrid& grid, int col, int first, int last, Quantity q) {
    const FieldFits fits = CellFits(grid, col);
    for (int row = first; row <= last; ++row) {
        const std::string text = ConvertedText(grid.Cell(col, row), q, FieldRule::Single, fits);
        grid.SetCell(col, row, text == "0" ? std::string() : text);
    }
}

std::string PlasticModulusLabel() {
    return PlasticModXName.str() + "/" + PlasticModYName.str() + " = Plastic Modulus";
}

std::string ElasticModulusLabel() {
    return ElasticModXName.str() + "/" + ElasticModYName.str() + " = Elastic Modulus";
}

std::string UnitInBrackets(const std::string& unit) { return "(" + unit + ")"; }

void ConvertMemberText(int m, int t) {
    const std::string& text = SpanTextTable[m][t];
    const Quantity q = MemberQuantity(t);
    if (text.empty() || !UnitChanged(q)) return;
    const std::optional<double> value =
        ValueToConvert(text, SpanTextHeld[m][t].ValueOf(text, OldFactor(q)), q, FieldRule::Member);
    if (value) ShowMemberValue(m, t, *value, Unit(q).Factor);
}

void ConvertSpanTexts() {
    for (int t = 1; t <= 5; ++t)
        for (int m = 0; m <= 27; ++m) ConvertMemberText(m, t);
}
