// Texts of values held in N and mm, as the fields of the windows show them,
// and the values those fields store for their texts.
#pragma once
#include <functional>
#include <optional>
#include <string>

// How a field turns its text into the value it stores.
enum class FieldRule {
    Single,  // typed x factor, stored as a single (loads, sections, timber)
    Member,  // typed as a single, x factor, stored as a double (beam members)
};

// The value a field stores for its text typed in the unit of `factor`; a
// blank text is `blank`. A text that is no number, or a value too large to
// store, is refused with a message naming the field.
double FieldStored(const std::string& text, float factor, FieldRule rule, const std::string& field,
                   long double blank = 0);
// The same, none where it would be refused.
std::optional<double> TryFieldStored(const std::string& text, float factor, FieldRule rule);

// Whether a field shows a text whole.
using FieldFits = std::function<bool(const std::string&)>;
// A field of `width` characters.
FieldFits CharactersFit(int width);

// The text a field shows for a stored value in the unit of `factor`:
// `format`'s text where the field reads it back as the value and it fits,
// else the shortest text that does; where none fits, the value in as many
// figures as fit, at most seven, without trailing zeros.
std::string FieldText(double value, float factor, FieldRule rule, const FieldFits& fits,
                      std::string (*format)(double) = nullptr);

// A stored value in display units as a text that reads back, as FieldSingle
// reads it, as the same single: the formatted text where it does, else the
// shortest that does; so that showing a value and reading it again changes
// nothing.
std::string ReadBackText(float stored, float factor, std::string (*format)(double));

// A member value of the beam window (stored in N and mm as a double from a
// text read as a single, times the factor) as a text that reads back as the
// same double; where no text can, the one that reads back as the same single.
std::string ReadBackMemberText(double stored, float factor, std::string (*format)(double));

// A text the program wrote into a field, with the value it stands for: while
// the text stays as written and the unit as it was, the field stores that
// value in all its figures, however few the text shows.
class HeldText {
public:
    void Hold(const std::string& shown, float factor, double value);
    // The held value of `shown` in the unit of `factor`; none once edited.
    std::optional<double> ValueOf(const std::string& shown, float factor) const;

private:
    std::string text_;
    float factor_ = 0;
    double value_ = 0;
};
