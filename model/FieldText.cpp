#include "FieldText.h"
#include <cmath>
#include <cstdio>
#include <algorithm>
#include "Checked.h"
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

// How x is written in `figures` figures for a field that shows what `fits`
// takes: with an exponent only where no figure fits without one; for no
// field (null) as printf's "%g" writes it.
std::string Written(long double x, int figures, const FieldFits* fits) {
    if (fits) return Figures(x, figures, !(*fits)(Figures(x, 1, false)));
    char buf[400];
    std::snprintf(buf, sizeof buf, "%.*Lg", figures, x);
    return buf;
}

std::string WithoutTrailingZeros(std::string text) {
    const size_t e = std::min(text.find('e'), text.size());
    if (text.find('.') > e) return text;
    size_t end = text.find_last_not_of('0', e - 1) + 1;
    if (text[end - 1] == '.') --end;
    return text.erase(end, e - end);
}

// A single needs no more figures than this to be told apart, however large
// or small it is.
constexpr int MostFigures = 21;

// The value in display units.
long double Shown(double value, float factor) { return value == 0 ? 0.0L : static_cast<long double>(value) / factor; }

// The text of `value` in the unit of `factor` that a field showing what
// `field` takes (any text where null), reading it by `rule`, stores as
// `value`: `formatted` where it does and fits, else the fewest figures that
// do; none where no text that fits does.
std::optional<std::string> ReadBack(double value, float factor, FieldRule rule, const FieldFits* field,
                                    const std::string& formatted) {
    const long double shown = Shown(value, factor);
    const auto fits = [&](const std::string& t) { return !field || (*field)(t); };
    const auto exact = [&](const std::string& t) { return TryFieldStored(t, factor, rule) == value; };
    if (!formatted.empty() && fits(formatted) && exact(formatted)) return formatted;
    for (int figures = 1; figures <= MostFigures; ++figures) {
        const std::string t = Written(shown, figures, field);
        if (!fits(t)) break;
        if (exact(t)) return t;
    }
    return std::nullopt;
}
}  // namespace

FieldFits CharactersFit(int width) {
    return [width](const std::string& t) { return static_cast<int>(t.size()) <= width; };
}

std::string FieldText(double value, float factor, FieldRule rule, const FieldFits& fits,
                      std::string (*format)(double)) {
    const long double shown = Shown(value, factor);
    const std::string formatted = format ? format(static_cast<double>(shown)) : "";
    if (std::optional<std::string> text = ReadBack(value, factor, rule, &fits, formatted)) return *text;
    // None reads back: as many figures as fit, at most seven.
    std::string widest = Written(shown, 7, &fits);
    for (int figures = 1; figures <= 7 && fits(Written(shown, figures, &fits)); ++figures)
        widest = Written(shown, figures, &fits);
    return WithoutTrailingZeros(widest);
}

// These two format the quotient as a single and as a double, as the windows
// that use them always have.
std::string ReadBackText(float stored, float factor, std::string (*format)(double)) {
    return ReadBack(stored, factor, FieldRule::Single, nullptr, format(stored / factor))
        .value_or(Written(Shown(stored, factor), MostFigures, nullptr));
}

std::string ReadBackMemberText(double stored, float factor, std::string (*format)(double)) {
    if (std::optional<std::string> text = ReadBack(stored, factor, FieldRule::Member, nullptr, format(stored / factor)))
        return *text;
    return ReadBackText(ToSingle(stored), factor, format);
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
