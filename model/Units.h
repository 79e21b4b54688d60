// The display units: for each of the 14 quantities the unit shown and typed,
// the units offered for it, its default and where the files keep it. Every
// list of units in the program is read from this one table.
#pragma once
#include <array>
#include <span>
#include "ShortString.h"

// In the order of the unit settings file.
enum class Quantity {
    Length, SectionDimension, PointLoad, LoadRate, Shear, Moment, Deflection, Stress,
    E, I, SectionModulus, Area, WeightPerLength, WarpingConstant
};
constexpr int QuantityCount = 14;
constexpr size_t Index(Quantity q) { return static_cast<size_t>(q); }

// A unit offered for a quantity, as the preferences window shows it.
struct UnitChoice {
    Quantity quantity;
    const char* caption;
    const char* name;     // unit name stored
    float factor;         // factor stored
    const char* note;     // small line under the button, or nullptr
    bool isDefault;       // the built-in default
};

// A unit in force. Input quantities (length, section dimension, point load,
// load rate, E, I, section modulus, area): internal = typed x factor;
// output quantities: shown = internal x factor.
struct DisplayUnit {
    ShortString<10> Name;
    float Factor = 0;
};

struct QuantityUnits {
    Quantity id;
    const char* name;      // as messages name it
    bool checkedAtStart;   // the preferences window is created with the default checked
    bool fixed;            // one unit, offered by no window, set by every OK
    int beamFilePlace;     // among the beam file's units; -1: not stored
    bool mayBeUnset;       // a beam file may hold the factor 0

    std::span<const UnitChoice> Offered() const;   // in their order on screen
    const UnitChoice& Default() const;
    // Stored in every beam file and needed by every window: New sets it and
    // the beam data window restores it when missing.
    bool Required() const { return beamFilePlace >= 0 && !mayBeUnset; }
};

// The rows in the order of the unit settings file.
std::span<const QuantityUnits> UnitTable();
const QuantityUnits& UnitsOf(Quantity q);

// The units in force, by quantity; each starts empty with the factor 0, the
// warping constant with its fixed unit.
extern std::array<DisplayUnit, QuantityCount> Units;
constexpr DisplayUnit& Unit(Quantity q) { return Units[Index(q)]; }
inline void SetUnit(Quantity q, const UnitChoice& c) {
    Unit(q).Name = c.name;
    Unit(q).Factor = c.factor;
}
// The fixed units, in force from the start and set again by every OK.
void ApplyFixedUnits();

// The beam file keeps the units of places 0..BeamFileUnits-1 (the old
// layout the first OldBeamFileUnits): all names, then all factors.
constexpr int BeamFileUnits = 12, OldBeamFileUnits = 9;
const QuantityUnits& BeamFileQuantity(int place);

// The names the readers use.
inline constinit ShortString<10>
    &Unit_L = Unit(Quantity::Length).Name, &Unit_Sect_L = Unit(Quantity::SectionDimension).Name,
    &Unit_PL = Unit(Quantity::PointLoad).Name, &Unit_R = Unit(Quantity::LoadRate).Name,
    &Unit_Sh = Unit(Quantity::Shear).Name, &Unit_Mom = Unit(Quantity::Moment).Name,
    &Unit_Def = Unit(Quantity::Deflection).Name, &Unit_St = Unit(Quantity::Stress).Name,
    &Unit_Sect_E = Unit(Quantity::E).Name, &Unit_Sect_I = Unit(Quantity::I).Name,
    &Unit_Sect_SZ = Unit(Quantity::SectionModulus).Name, &Unit_Sect_A = Unit(Quantity::Area).Name,
    &Unit_Wt = Unit(Quantity::WeightPerLength).Name, &Unit_H = Unit(Quantity::WarpingConstant).Name;
inline constinit float
    &Factor_L = Unit(Quantity::Length).Factor, &Factor_Sect_L = Unit(Quantity::SectionDimension).Factor,
    &Factor_PL = Unit(Quantity::PointLoad).Factor, &Factor_R = Unit(Quantity::LoadRate).Factor,
    &Factor_Sh = Unit(Quantity::Shear).Factor, &Factor_Mom = Unit(Quantity::Moment).Factor,
    &Factor_Def = Unit(Quantity::Deflection).Factor, &Factor_St = Unit(Quantity::Stress).Factor,
    &Factor_Sect_E = Unit(Quantity::E).Factor, &Factor_Sect_I = Unit(Quantity::I).Factor,
    &Factor_Sect_SZ = Unit(Quantity::SectionModulus).Factor, &Factor_Sect_A = Unit(Quantity::Area).Factor,
    &Factor_Wt = Unit(Quantity::WeightPerLength).Factor, &Factor_H = Unit(Quantity::WarpingConstant).Factor;
