#include "ValueEdit.h"

// About six pixels a figure, inside a margin of four at each side.
int FieldWidth(int pixels) { return (pixels - 8) / 6; }

void ValueEdit::ShowValue(double value, float factor, FieldRule rule, std::string (*format)(double)) {
    SetHeldText(FieldText(value, factor, rule, FieldWidth(Width()), format), factor, value);
}

void ValueEdit::SetHeldText(const std::string& shown, float factor, double value) {
    SetText(shown);
    held_.Hold(shown, factor, value);
}

double ValueEdit::Stored(float factor, FieldRule rule, const std::string& field, long double blank) const {
    if (const std::optional<double> held = HeldValue(factor)) return *held;
    return FieldStored(Text(), factor, rule, field, blank);
}
