#include "Convert.h"
#include <algorithm>
#include <cmath>
#include <cctype>
#include <cstdlib>
#include "Checked.h"
#include "RunError.h"
#include <charconv>
#include <optional>

int32_t StrToInt(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    if (i == text.size()) RaiseInvalidInteger(text);
    int64_t v = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') RaiseInvalidInteger(text);
        v = v * 10 + (text[i] - '0');
        if (v > int64_t(INT32_MAX) + 1) RaiseInvalidInteger(text);
    }
    if (negative) v = -v;
    if (v > INT32_MAX || v < INT32_MIN) RaiseInvalidInteger(text);
    return static_cast<int32_t>(v);
}

int32_t LineCount(const std::string& line0) { return line0.empty() ? 0 : StrToInt(line0); }

long double StrToFloat(const std::string& text) {
    size_t b = text.find_first_not_of(' ');
    size_t e = text.find_last_not_of(' ');
    std::string t = b == std::string::npos ? std::string() : text.substr(b, e - b + 1);
    auto digits = [&t](size_t& i) {
        size_t start = i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i;
        return i - start;
    };
    size_t i = 0;
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) ++i;
    size_t n = digits(i);
    if (i < t.size() && t[i] == '.') n += digits(++i);
    bool ok = n > 0;
    if (ok && i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '-' || t[i] == '+')) ++i;
        ok = digits(i) > 0;
    }
    // from_chars reads "." whatever the locale; it takes no plus sign.
    long double v = 0;
    if (ok && i == t.size()) {
        size_t from = t[0] == '+' ? 1 : 0;
        if (std::from_chars(t.data() + from, t.data() + t.size(), v).ec == std::errc()) return v;
    }
    throw RunError("'" + text + "' is not a valid floating point value");
}

long double LastFigureUnit(const std::string& text) {
    const size_t point = text.find('.'), e = text.find_first_of("eE");
    long double decimals = 0;
    if (point != std::string::npos)
        decimals = std::min(text.find_first_not_of("0123456789", point + 1), text.size()) - point - 1;
    // strtol saturates an exponent of any length.
    if (e != std::string::npos) decimals -= std::strtol(text.c_str() + e + 1, nullptr, 10);
    return std::pow(10.0L, -decimals);
}

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

namespace {
// A typed field's value of any size: a blank text reads as `blank`; a text
// that is not wholly a number is refused with a message naming the field.
long double FieldValue(const std::string& text, const std::string& field, long double blank) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return blank;
    try {
        return StrToFloat(text);
    } catch (const RunError&) {
        // Quoted as typed, less the spaces around it.
        const std::string typed = text.substr(first, text.find_last_not_of(' ') + 1 - first);
        throw RunError(field + ": '" + typed + "' is not a number");
    }
}

[[noreturn]] void RaiseTooLarge(const std::string& text, const std::string& field) {
    throw RunError(field + ": '" + text + "' is too large");
}

// A typed value times its unit factor, as the single it is stored as; none
// where the product lies beyond single precision. The typed value itself may
// lie beyond it: a unit smaller than the internal one shows larger numbers.
std::optional<float> StoredSingle(long double typed, float factor) {
    const long double product = typed * factor;
    if (!HeldAsSingle(product)) return std::nullopt;
    return static_cast<float>(product);
}
}  // namespace

long double FieldNumber(const std::string& text, const std::string& field, long double blank) {
    const long double v = FieldValue(text, field, blank);
    if (!HeldAsSingle(v)) RaiseTooLarge(text, field);
    return v;
}

float FieldSingle(const std::string& text, float factor, const std::string& field, long double blank) {
    const std::optional<float> stored = StoredSingle(FieldValue(text, field, blank), factor);
    if (!stored) RaiseTooLarge(text, field);
    return *stored;
}
