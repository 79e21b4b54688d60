// Re-expressing the values typed into the open windows when the display
// units change: each text keeps its physical value in the new unit.
#pragma once
#include <array>
#include <optional>
#include <string>
#include "FieldText.h"

class ValueEdit;
namespace gui {
class StringGrid;
}

// The factors in force when the preferences window was last shown.
enum OldFactorIndex {
    Old_L, Old_PL, Old_R, Old_Sh, Old_Mom, Old_Def, Old_St,
    Old_Sect_E, Old_Sect_I, Old_Sect_SZ, Old_Sect_A, Old_Sect_L
};
extern std::array<float, 12> OldFactors;
void SaveOldFactors();
// The old factor of member text t (1 length, 2 E, 3 Ixx, 4 y, 5 area).
float OldMemberFactor(int t);

// The value a text in the unit of oldFactor stands for, to re-express in
// the unit of newFactor: `held` where the program wrote the text and it is
// untouched, else the text's own value by `rule`; a blank text is a zero.
// None for a text that is no number or too large, which stays as typed for
// Next to refuse by name, or where a factor cannot convert.
std::optional<double> ValueToConvert(const std::string& text, std::optional<double> held, float oldFactor,
                                     float newFactor, FieldRule rule);
// A text no program wrote, re-expressed as FieldText shows its value in a
// field of `width` characters; a text that cannot be stays as it is.
std::string ConvertedText(const std::string& text, float oldFactor, float newFactor, FieldRule rule, int width);

// Re-expresses an edit's value; a zero shows as "0.0".
void ConvertEdit(ValueEdit& edit, float oldFactor, float newFactor);
// Re-expresses rows first..last of a grid column; a zero leaves the cell
// empty.
void ConvertGridColumn(gui::StringGrid& grid, int col, int first, int last, float oldFactor,
                       float newFactor);

// Labels that name the current units and modulus captions.
std::string PlasticModulusLabel();   // "Sxx/Syy = Plastic Modulus"
std::string ElasticModulusLabel();   // "Zxx/Zyy = Elastic Modulus"
std::string UnitInBrackets(const std::string& unit);

// Member text t of member m (SpanTextTable: 1 length, 2 E, 3 Ixx, 4 y,
// 5 area) from the unit of `from` to that of `to`, from the value it stands
// for; an empty text, one that is no number, or one whose unit is the same
// stays as it is.
void ConvertMemberText(int m, int t, float from, float to);
// Every member text, from its old factor to its factor.
void ConvertSpanTexts();
