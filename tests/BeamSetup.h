// Builds beams and loadcases in the shared tables for the engine tests.
#pragma once
#include <gtest/gtest.h>
#include <cmath>
#include <functional>
#include <string>
#include <vector>
#include "Global.h"

namespace test {

constexpr double E = 205000, I = 1e8, L = 6000, w = 10, P = 50000;

// Clears the model and sets spans of the given lengths (mm), with optional
// cantilevers (length 0: none), all of E and I above, simple supports.
void SetBeam(const std::vector<double>& spans, double lhc = 0, double rhc = 0);

// A load in a slot, applied in the given loadcases (1-based).
void PointLoad(int slot, double d, double load, double factor, std::vector<int> cases = {1});
void Udl(int slot, double d, double w1, double w2, double cover, double factor, std::vector<int> cases = {1});
// A row of the loads window's rows (kind, distance, rates, cover, factor),
// ticked in loadcase lc.
inline void LoadRow(int row, float kind, float d, float w1, float w2, float cover, float f, int lc = 1) {
    const float v[] = {kind, d, w1, w2, cover, f};
    for (int i = 0; i < 6; ++i) LoadRows[row][i] = v[i];
    ApplyFlags[lc][row] = 1;
}
// LoadcaseActive, NumLoadcases and the outlines from the load table, as the
// loads window does.
void FinishLoads();

// The largest beam: both cantilevers, 25 spans (one of them over 0.4 of the
// beam, so 200 intervals), 25 loadcases of mixed point loads and partial
// trapezoidal loads in slots 1..50, a point load on a support, and the self
// weight in slot 51.
void LargestBeam();

// Support node k position (1..NumSpans+1).
double Node(int k);
// Runs the action and returns the messages shown meanwhile.
std::vector<std::string> MessagesOf(const std::function<void()>& action);
// Runs the analysis and returns the messages shown meanwhile.
std::vector<std::string> Analyse();

// Expects actual within rel of expected, and within 1e-6 of a zero.
inline void ExpectRel(double actual, double expected, double rel = 1e-6) {
    EXPECT_NEAR(actual, expected, std::fabs(expected) * rel + 1e-6);
}

}  // namespace test
