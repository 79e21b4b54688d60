#include "BeamText.h"
#include <cctype>
#include <charconv>
#include <cmath>
#include "Checked.h"

double TextNumber(const std::string& text) {
    const char* s = text.c_str();
    size_t i = 0;
    while (s[i] == ' ') ++i;
    const size_t start = i;
    if (s[i] == '+' || s[i] == '-') ++i;
    const size_t intDigits = i;
    while (std::isdigit(static_cast<unsigned char>(s[i]))) ++i;
    bool digits = i > intDigits;
    if (s[i] == '.') {
        const size_t frac = ++i;
        while (std::isdigit(static_cast<unsigned char>(s[i]))) ++i;
        digits = digits || i > frac;
    }
    if (!digits) return 0;
    if (s[i] == 'e' || s[i] == 'E') {
        size_t j = i + 1;
        if (s[j] == '+' || s[j] == '-') ++j;
        if (std::isdigit(static_cast<unsigned char>(s[j]))) {
            while (std::isdigit(static_cast<unsigned char>(s[j]))) ++j;
            i = j;
        }
    }
    // from_chars takes no leading '+'; an extended value keeps a huge or tiny
    // text from failing, and the double it gives goes infinite or zero.
    const size_t from = s[start] == '+' ? start + 1 : start;
    long double v = 0;
    auto res = std::from_chars(s + from, s + i, v);
    if (res.ec == std::errc::result_out_of_range) {
        const bool tiny = text.find("e-") != std::string::npos || text.find("E-") != std::string::npos;
        return tiny ? 0.0 : s[start] == '-' ? -HUGE_VAL : HUGE_VAL;
    }
    return static_cast<double>(v);
}

double Shown(double value, float factor) { return ToDouble(Div(value, factor)); }
