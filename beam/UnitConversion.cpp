#include "UnitConversion.h"
#include <cmath>
#include "BeamText.h"
#include "Global.h"
#include "RunError.h"
#include "SigFig.h"
#include "ValueEdit.h"
#include "gui.h"

std::array<float, 12> OldFactors{};

void SaveOldFactors() {
    OldFactors = {Factor_L, Factor_PL, Factor_R, Factor_Sh, Factor_Mom, Factor_Def, Factor_St,
                  Factor_Sect_E, Factor_Sect_I, Factor_Sect_SZ, Factor_Sect_A, Factor_Sect_L};
}

namespace {
bool Usable(float f) { return f != 0.0f && std::isfinite(f); }
}  // namespace

std::optional<double> ValueToConvert(const std::string& text, std::optional<double> held, float oldFactor,
                                     float newFactor, FieldRule rule) {
    if (!Usable(oldFactor) || !Usable(newFactor)) return std::nullopt;
    return held ? held : TryFieldStored(text, oldFactor, rule);
}

std::string ConvertedText(const std::string& text, float oldFactor, float newFactor, FieldRule rule, int width) {
    const std::optional<double> value = ValueToConvert(text, std::nullopt, oldFactor, newFactor, rule);
    return value ? FieldText(*value, newFactor, rule, width) : text;
}

void ConvertEdit(ValueEdit& edit, float oldFactor, float newFactor) {
    const std::optional<double> value =
        ValueToConvert(edit.Text(), edit.HeldValue(oldFactor), oldFactor, newFactor, FieldRule::Single);
    if (!value) return;
    if (*value == 0)
        edit.SetText(SigFig3(0));
    else
        edit.ShowValue(*value, newFactor, FieldRule::Single);
}

void ConvertGridColumn(gui::StringGrid& grid, int col, int first, int last, float oldFactor,
                       float newFactor) {
    const int width = FieldWidth(grid.ColWidth(col));
    for (int row = first; row <= last; ++row) {
        const std::string text = ConvertedText(grid.Cell(col, row), oldFactor, newFactor, FieldRule::Single, width);
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

float OldMemberFactor(int t) {
    const OldFactorIndex old[] = {Old_L, Old_Sect_E, Old_Sect_I, Old_Sect_L, Old_Sect_A};
    if (t < 1 || t > 5) RaiseRangeCheck();
    return OldFactors[old[t - 1]];
}

void ConvertMemberText(int m, int t, float from, float to) {
    const std::string& text = SpanTextTable[m][t];
    if (text.empty() || from == to) return;
    const std::optional<double> value =
        ValueToConvert(text, SpanTextHeld[m][t].ValueOf(text, from), from, to, FieldRule::Member);
    if (value) ShowMemberValue(m, t, *value, to);
}

void ConvertSpanTexts() {
    for (int t = 1; t <= 5; ++t)
        for (int m = 0; m <= 27; ++m) ConvertMemberText(m, t, OldMemberFactor(t), MemberFactor(t));
}
