#include "UnitConversion.h"
#include <cmath>
#include "BeamText.h"
#include "Global.h"
#include "SigFig.h"
#include "ValueEdit.h"
#include "gui.h"

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

std::string ConvertedText(const std::string& text, Quantity q, FieldRule rule, int width) {
    const std::optional<double> value = ValueToConvert(text, std::nullopt, q, rule);
    return value ? FieldText(*value, Unit(q).Factor, rule, width) : text;
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

void ConvertGridColumn(gui::StringGrid& grid, int col, int first, int last, Quantity q) {
    const int width = FieldWidth(grid.ColWidth(col));
    for (int row = first; row <= last; ++row) {
        const std::string text = ConvertedText(grid.Cell(col, row), q, FieldRule::Single, width);
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
