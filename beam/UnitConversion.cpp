#include "UnitConversion.h"
#include <cfloat>
#include <cmath>
#include <optional>
#include "BeamText.h"
#include "Global.h"
#include "RunError.h"
#include "SigFig.h"
#include "gui.h"

std::array<float, 12> OldFactors{};

void SaveOldFactors() {
    OldFactors = {Factor_L, Factor_PL, Factor_R, Factor_Sh, Factor_Mom, Factor_Def, Factor_St,
                  Factor_Sect_E, Factor_Sect_I, Factor_Sect_SZ, Factor_Sect_A, Factor_Sect_L};
}

namespace {
bool Usable(float f) { return f != 0.0f && std::isfinite(f); }

// The typed value of a text that can be re-expressed: none for a text that
// is no number or too large, which stays as typed for Next to refuse by name,
// or where a factor cannot convert; a blank text is a zero.
std::optional<long double> Convertible(const std::string& text, float oldFactor, float newFactor) {
    if (!Usable(oldFactor) || !Usable(newFactor)) return std::nullopt;
    try {
        const long double typed = FieldValue(text, "");
        if (!StoredSingle(typed, oldFactor)) return std::nullopt;
        return typed;
    } catch (const RunError&) {
        return std::nullopt;
    }
}
}  // namespace

// Stored as the windows read a text: the typed value times the factor, as a
// single.
std::string ConvertedText(const std::string& text, float oldFactor, float newFactor,
                          NumberFormat format) {
    const std::optional<long double> typed = Convertible(text, oldFactor, newFactor);
    if (!typed) return text;
    return ReadBackText(static_cast<float>(*typed * oldFactor), newFactor, format);
}

void ConvertEdit(gui::Edit& edit, float oldFactor, float newFactor) {
    edit.SetText(ConvertedText(edit.Text(), oldFactor, newFactor, SigFig3));
}

void ConvertGridColumn(gui::StringGrid& grid, int col, int first, int last, float oldFactor,
                       float newFactor) {
    for (int row = first; row <= last; ++row) {
        const std::string text = ConvertedText(grid.Cell(col, row), oldFactor, newFactor, SigFig5);
        grid.SetCell(col, row, text == SigFig5(0) ? std::string() : text);
    }
}

std::string PlasticModulusLabel() {
    return PlasticModXName.str() + "/" + PlasticModYName.str() + " = Plastic Modulus";
}

std::string ElasticModulusLabel() {
    return ElasticModXName.str() + "/" + ElasticModYName.str() + " = Elastic Modulus";
}

std::string UnitInBrackets(const std::string& unit) { return "(" + unit + ")"; }

// Stored as the beam window reads a member text: the text as a single, times
// the factor, as a double.
std::string ConvertedMemberText(const std::string& text, OldFactorIndex old, float newFactor) {
    if (text.empty() || OldFactors[old] == newFactor) return text;
    const std::optional<long double> typed = Convertible(text, OldFactors[old], newFactor);
    if (!typed || !(std::fabs(*typed) <= FLT_MAX)) return text;  // a member text is read as a single
    const double internal = static_cast<double>(static_cast<long double>(static_cast<float>(*typed)) * OldFactors[old]);
    return ReadBackMemberText(internal, newFactor, SigFig4);
}

void ConvertSpanTexts() {
    struct Column { int col; OldFactorIndex old; const float* factor; };
    const Column columns[] = {{1, Old_L, &Factor_L}, {2, Old_Sect_E, &Factor_Sect_E},
                              {3, Old_Sect_I, &Factor_Sect_I}, {4, Old_Sect_L, &Factor_Sect_L},
                              {5, Old_Sect_A, &Factor_Sect_A}};
    for (const Column& c : columns)
        for (int m = 0; m <= 26; ++m) {
            std::string& text = SpanTextTable[m][c.col];
            text = ConvertedMemberText(text, c.old, *c.factor);
        }
}
