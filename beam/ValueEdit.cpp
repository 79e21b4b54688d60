#include "ValueEdit.h"

void ValueEdit::ShowValue(double value, float factor, FieldRule rule, std::string (*format)(double)) {
    const std::string shown = FieldText(value, factor, rule, [this](const std::string& t) { return Shows(t); }, format);
    SetText(shown);
    held_.Hold(shown, factor, value);
}

double ValueEdit::Stored(float factor, FieldRule rule, const std::string& field, long double blank) const {
    if (const std::optional<double> held = HeldValue(factor)) return *held;
    return FieldStored(Text(), factor, rule, field, blank);
}
