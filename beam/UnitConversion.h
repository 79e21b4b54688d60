// Re-expressing the values typed into the open windows when the display
// units change: each text keeps its physical value in the new unit.
#pragma once
#include <array>
#include <string>
#include "FieldText.h"
#include "Units.h"

class ValueEdit;
namespace gui {
class StringGrid;
}

// The factors in force when the preferences window was last shown, by
// quantity; a conversion takes a text from its quantity's old factor to its
// current one.
extern std::array<float, QuantityCount> OldFactors;
inline float OldFactor(Quantity q) { return OldFactors[Index(q)]; }
void SaveOldFactors();
bool UnitChanged(Quantity q);

// A text no program wrote, re-expressed as FieldText shows its value in a
// field of `width` characters. A text that is no number or too large stays
// as typed for Next to refuse by name, as does one whose factors cannot
// convert; a blank text is a zero.
std::string ConvertedText(const std::string& text, Quantity q, FieldRule rule, int width);
// Re-expresses an edit's value, the value the program wrote while it is
// untouched; a zero shows as "0.0".
void ConvertEdit(ValueEdit& edit, Quantity q);
// Re-expresses rows first..last of a grid column; a zero leaves the cell
// empty.
void ConvertGridColumn(gui::StringGrid& grid, int col, int first, int last, Quantity q);

// Labels that name the current units and modulus captions.
std::string PlasticModulusLabel();   // "Sxx/Syy = Plastic Modulus"
std::string ElasticModulusLabel();   // "Zxx/Zyy = Elastic Modulus"
std::string UnitInBrackets(const std::string& unit);

// Member text t of member m (SpanTextTable: 1 length, 2 E, 3 Ixx, 4 y,
// 5 area) re-expressed from the value it stands for; an empty text, one that
// is no number, or one whose unit is the same stays as it is.
void ConvertMemberText(int m, int t);
// Every member text.
void ConvertSpanTexts();
