// The text of the error an action raises; empty when it raises none.
#pragma once
#include <functional>
#include <string>
#include "RunError.h"

inline std::string ErrorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const RunError& e) {
        return e.what();
    }
    return "";
}
