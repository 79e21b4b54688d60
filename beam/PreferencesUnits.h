// The unit choices of the preferences window as data: one row per quantity
// group and one per radio button, in their order on screen.
#pragma once
#include <span>
#include "ShortString.h"

struct UnitGroup {
    const char* caption;
    int tab;                 // page of the page control
    int left, top, width;    // group box; its height follows from the options
    ShortString<10>* unit;   // the unit pair the group sets
    float* factor;
};

struct UnitOption {
    int group;               // row of UnitGroupTable()
    const char* control;     // control name
    const char* caption;
    const char* name;        // unit name stored
    float factor;            // factor stored
    const char* note;        // small line under the button, or nullptr
    bool designChecked;      // checked when the window is created
};

// Groups in the order OK takes them: length, point load, load rate, shear,
// moment, deflection, stress, E, I, section modulus, area, section
// dimension, weight per length.
std::span<const UnitGroup> UnitGroupTable();
std::span<const UnitOption> UnitOptionTable();
