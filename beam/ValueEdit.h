// An edit for a value in display units that keeps the value the program
// last wrote into it.
#pragma once
#include <optional>
#include "FieldText.h"
#include "gui.h"

class ValueEdit : public gui::Edit {
public:
    using gui::Edit::Edit;
    // `value` (N and mm) in the unit of `factor`, as FieldText shows it in
    // this edit; read back by `rule`.
    void ShowValue(double value, float factor, FieldRule rule, std::string (*format)(double) = nullptr);
    // The value the edit stores: the value the program wrote while the text
    // and unit are as it wrote them, else the text's (FieldStored).
    double Stored(float factor, FieldRule rule, const std::string& field, long double blank = 0) const;
    // The value the program wrote; none once the text is edited.
    std::optional<double> HeldValue(float factor) const { return held_.ValueOf(Text(), factor); }

private:
    HeldText held_;
};
