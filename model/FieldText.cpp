#include "FieldText.h"
#include <cmath>
#include <cstdio>
#include <algorithm>
#include "Convert.h"
#include "RunError.h"

double FieldStored(const std::string& text, float factor, FieldRule rule, const std::string& field,
                   long double blank) {
    if (rule == FieldRule::Single) return FieldSingle(text, factor, field, blank);
    const float typed = static_cast<float>(FieldNumber(text, field, blank));
    return static_cast<double>(static_cast<long double>(typed) * factor);
}

std::optional<double> TryFieldStored(const std::string& text, float factor, FieldRule rule) {
    try {
        return FieldStored(text, factor, rule, "");
    } catch (const RunError&) {
        return std::nullopt;
    }
}

namespace {
// x in `figures` significant figures, without an exponent ("0.000125",
// "3400") or with one ("1.25e-30", "3.4e38").
std::string Figures(long double x, int figures, bool withExponent) {
    char buf[400];
    if (withExponent) {
        std::snprintf(buf, sizeof buf, "%.*Le", figures - 1, x);
        const std::string text = buf;
        const size_t e = text.find('e');
        return text.substr(0, e) + "e" + std::to_string(std::stoi(text.substr(e + 1)));
    }
    const int exponent = x == 0 ? 0 : static_cast<int>(std::floor(std::log10(std::fabs(x))));
    const int decimals = figures - 1 - exponent;
    if (decimals >= 0) {
        std::snprintf(buf, sizeof buf, "%.*Lf", decimals, x);
    } else {
        const long double unit = std::pow(10.0L, -decimals);
        std::snprintf(buf, sizeof buf, "%.0Lf", std::round(x / unit) * unit);
    }
    return buf;
}

std::string WithoutTrailingZeros(std::string text) {
    const size_t e = std::min(text.find('e'), text.size());
    if (text.find('.') > e) return text;
    size_t end = text.find_last_not_of('0', e - 1) + 1;
    if (text[end - 1] == '.') --end;
    return text.erase(end, e - end);
}
}  // namespace

FieldFits CharactersFit(int width) {
    return [width](const std::string& t) { return static_cast<int>(t.size()) <= width; };
}

std::string FieldText(double value, float factor, FieldRule rule, const FieldFits& fits,
                      std::string (*format)(double)) {
    const long double shown = value == 0 ? 0.0L : static_cast<long double>(value) / factor;
    const auto exact = [&](const std::string& t) { return TryFieldStored(t, factor, rule) == value; };
    if (format) {
        const std::string t = format(static_cast<double>(shown));
        if (fits(t) && exact(t)) return t;
    }
    // An exponent only where no figure fits without one.
    const bool withExponent = !fits(Figures(shown, 1, false));
    std::string widest;
    for (int figures = 1; figures <= 9; ++figures) {
        const std::string t = Figures(shown, figures, withExponent);
        if (!fits(t)) break;
        if (exact(t)) return t;
        if (figures <= 7) widest = t;
    }
    return WithoutTrailingZeros(widest.empty() ? Figures(shown, 7, withExponent) : widest);
}

void HeldText::Hold(const std::string& shown, float factor, double value) {
    text_ = shown;
    factor_ = factor;
    value_ = value;
}

std::optional<double> HeldText::ValueOf(const std::string& shown, float factor) const {
    if (factor_ == 0 || factor != factor_ || shown != text_) return std::nullopt;
    return value_;
}
