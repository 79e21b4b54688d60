// Beams and loads set up in the shared tables for the tests of the results
// on the main window (default display units: m, kN, kN/m, kN-m, mm).
#pragma once
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "BeamSetup.h"
#include "Global.h"
#include "GuiTest.h"

namespace results_test {

constexpr double E = 205000, I = 1e8, Y = 100;

// Default units, factored-loads preference off; spans of the given lengths
// (mm), optional cantilevers (length 0: none), simple supports, one section
// for all spans described by two lines; no loads.
void SetBeam(const std::vector<double>& spans, double lhc = 0, double rhc = 0);

// Loads and loadcases as the engine tests set them.
using test::FinishLoads;
using test::Udl;
inline void Point(int slot, double d, double load, double factor, const std::vector<int>& cases = {1}) {
    test::PointLoad(slot, d, load, factor, cases);
}

// Analyses through the main window; returns the messages shown.
std::vector<std::string> Analyse();

// Two spans of 5 m, 10 kN/m from the left end over the given length in the
// given loadcases (all of them alike), analysed without a message. Over both spans: reactions 3wL/8,
// 10wL/8, 3wL/8, support moment -wL^2/8, the largest deflection 1.651 mm at
// 0.45 L (Simpson's rule over 20 intervals, the unit load's kink inside a panel).
void TwoSpanUdl(double factor = 1.0, double length = 10000, const std::vector<int>& cases = {1});

// A 1 m left cantilever and spans of 4 and 6 m: 10 kN/m over the beam in
// loadcase 1, 20 kN at 3 m in loadcase 2 and, with three loadcases, a load of
// 0 in loadcase 3 (counted, not active); analysed without a message.
void CantileverAndTwoSpans(int loadcases = 2);

// Tests that analyse: afterwards the main window and the model are put back
// as start-up left them, for the window tests that expect start-up states.
class AnalysedBeam : public testing::Test {
protected:
    void TearDown() override;
};

// Tests that also open the beam and loads windows and answer file dialogs:
// afterwards those windows are hidden, the dialog hook, the folder, the main
// window's caption and spinner and the file name put back too.
class BeamWindowsAndFiles : public AnalysedBeam {
protected:
    void TearDown() override;
};

// Lines 1..count of a store, as the lists show them.
template <class Store>
std::vector<std::string> Lines(const Store& store) {
    std::vector<std::string> lines;
    const int n = store[0].empty() ? 0 : std::stoi(store[0].str());
    for (int i = 1; i <= n; ++i) lines.push_back(store[i].str());
    return lines;
}

}  // namespace results_test
