#include <chrono>
#include <cstdio>
#include <ctime>
#include "gui_testing.h"

namespace gui {

namespace {
std::function<std::pair<std::string, std::string>()> fixedClock;

std::tm Now() {
    std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm tm{};
    localtime_r(&t, &tm);
    return tm;
}
}  // namespace

void SetClock(std::function<std::pair<std::string, std::string>()> clock) { fixedClock = std::move(clock); }

std::string DateText() {
    if (fixedClock) return fixedClock().first;
    std::tm tm = Now();
    char b[32];
    std::snprintf(b, sizeof b, "%02d/%02d/%04d", tm.tm_mday, tm.tm_mon + 1, tm.tm_year + 1900);
    return b;
}

std::string TimeText() {
    if (fixedClock) return fixedClock().second;
    std::tm tm = Now();
    char b[32];
    std::snprintf(b, sizeof b, "%02d:%02d:%02d", tm.tm_hour, tm.tm_min, tm.tm_sec);
    return b;
}

}  // namespace gui
