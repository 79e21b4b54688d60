// Re-expressing the values typed into the open windows when the display
// units change: each text keeps its physical value in the new unit.
#pragma once
#include <array>
#include <string>

namespace gui {
class Edit;
class StringGrid;
}

// The factors in force when the preferences window was last shown.
enum OldFactorIndex {
    Old_L, Old_PL, Old_R, Old_Sh, Old_Mom, Old_Def, Old_St,
    Old_Sect_E, Old_Sect_I, Old_Sect_SZ, Old_Sect_A, Old_Sect_L
};
extern std::array<float, 12> OldFactors;
void SaveOldFactors();

using NumberFormat = std::string (*)(double);
// A value typed in the unit of factor oldFactor as text in the unit of factor
// newFactor (input rule: internal = typed x factor), with the figures that
// read back as the same stored value, so that a change of units never changes
// a value. A blank text is a zero; a text that is no number, a value too
// large, or a zero or non-finite factor leave the text as it is.
std::string ConvertedText(const std::string& text, float oldFactor, float newFactor,
                          NumberFormat format);

// Re-expresses an edit's text with SigFig3.
void ConvertEdit(gui::Edit& edit, float oldFactor, float newFactor);
// Re-expresses rows first..last of a grid column with SigFig5; a zero
// leaves the cell empty.
void ConvertGridColumn(gui::StringGrid& grid, int col, int first, int last, float oldFactor,
                       float newFactor);

// Labels that name the current units and modulus captions.
std::string PlasticModulusLabel();   // "Sxx/Syy = Plastic Modulus"
std::string ElasticModulusLabel();   // "Zxx/Zyy = Elastic Modulus"
std::string UnitInBrackets(const std::string& unit);

// A member text of the beam being edited re-expressed exactly, only when its
// unit changed; an empty text, or one that is no number, stays as it is.
std::string ConvertedMemberText(const std::string& text, OldFactorIndex old, float newFactor);
// The member texts of SpanTextTable: length, E, Ixx, y and area.
void ConvertSpanTexts();

// Rewrites the texts of the beam data, loads and miscellaneous-sections
// windows from OldFactors to the current factors, with their unit labels.
void ConvertOpenData();
