// Numbers typed into the beam windows, and re-expressing the values typed
// into the open windows when the display units change: each text keeps its
// physical value in the new unit.
#pragma once
#include <array>
#include <string>
#include "Bounded.h"
#include "Convert.h"  // TextNumber, FieldNumber
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
// field that shows what `fits`. A text that is no number or too large stays
// as typed for Next to refuse by name, as does one whose factors cannot
// convert; a blank text is a zero.
std::string ConvertedText(const std::string& text, Quantity q, FieldRule rule, const FieldFits& fits);
// What a cell of the grid's column col shows whole.
FieldFits CellFits(const gui::StringGrid& grid, int col);
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

// An internal value in display units: value / factor, checked.
double Displayed(double value, float factor);

// The member texts SpanTextTable[m][1..5]: length, E, Ixx, y and area.
// The quantity of member text t, and its unit factor.
Quantity MemberQuantity(int t);
float MemberFactor(int t);
// What the program last wrote into each member text.
extern BArray2<HeldText, 0, 27, 1, 5> SpanTextHeld;
// Member text t of member m written for `value` (N and mm) in the unit of
// `factor`, as the narrowest grid cell that shows it can hold it.
void ShowMemberValue(int m, int t, double value, float factor, std::string (*format)(double) = nullptr);
// The value Next stores for member text t of member m: the value the program
// wrote while the text is as written, else the text read as a single times
// the factor. A text that is no number, or a value no single holds, is
// refused naming `field`.
double MemberValue(int m, int t, const std::string& field);
// Member `to` takes member `from`'s text t with what it stands for.
void CopyMemberText(int from, int to, int t);
// A section value as the members take it: the format's figures where they
// are a number, else the figures that read back as the value, so that a
// value beyond the format's range is not lost. A value that is not finite
// is raised.
std::string MemberText(float stored, float factor, std::string (*format)(double));
