#include "Convert.h"
#include "RunError.h"

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
