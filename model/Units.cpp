#include "Units.h"
#include <algorithm>
#include "RunError.h"

namespace {
constexpr const char* TonNote = "(2240 lbf)";

using Q = Quantity;
// In the order of the preferences window; the warping constant's one unit last.
// quantity, caption, name stored, factor stored, note, default
constexpr UnitChoice Choices[] = {
    {Q::Length, "mm", "mm", 1.0f, nullptr, false},
    {Q::Length, "cm", "cm", 10.0f, nullptr, false},
    {Q::Length, "m", "m", 1000.0f, nullptr, true},
    {Q::Length, "Inches", "in", 25.4f, nullptr, false},
    {Q::Length, "feet", "ft", 304.8f, nullptr, false},
    {Q::PointLoad, "N", "N", 1.0f, nullptr, false},
    {Q::PointLoad, "kN", "kN", 1000.0f, nullptr, true},
    {Q::PointLoad, "lbf", "lbf", 4.4482217f, nullptr, false},
    {Q::PointLoad, "Imperial ton (tonf)", "ton", 9964.0f, TonNote, false},
    {Q::PointLoad, "Kips", "Kips", 4448.22f, nullptr, false},
    {Q::LoadRate, "N/mm", "N/mm", 1.0f, nullptr, false},
    {Q::LoadRate, "kN/m", "kN/m", 1.0f, nullptr, true},
    {Q::LoadRate, "lbf/in", "lbf/in", 0.175127f, nullptr, false},
    {Q::LoadRate, "lbf/ft", "lbf/ft", 0.0145939f, nullptr, false},
    {Q::LoadRate, "Imp ton/ft", "Ton/ft", 32.690342f, nullptr, false},
    {Q::LoadRate, "Kips/ft", "Kips/ft", 14.593903f, nullptr, false},
    {Q::Shear, "N", "N", 1.0f, nullptr, false},
    {Q::Shear, "kN", "kN", 0.001f, nullptr, true},
    {Q::Shear, "lbf", "lbf", 0.224809f, nullptr, false},
    {Q::Shear, "Imperial ton (tonf)", "ton", 0.0001003611f, TonNote, false},
    {Q::Shear, "Kips", "Kips", 0.000224809f, nullptr, false},
    {Q::Moment, "N-mm", "N-mm", 1.0f, nullptr, false},
    {Q::Moment, "N-m", "N-m", 0.001f, nullptr, false},
    {Q::Moment, "kN-m", "kN-m", 1e-06f, nullptr, true},
    {Q::Moment, "lbf-in", "lbf-in", 0.00885075f, nullptr, false},
    {Q::Moment, "lbf-ft", "lbf-ft", 0.000737562f, nullptr, false},
    {Q::Deflection, "mm", "mm", 1.0f, nullptr, true},
    {Q::Deflection, "cm", "cm", 0.1f, nullptr, false},
    {Q::Deflection, "m", "m", 0.001f, nullptr, false},
    {Q::Deflection, "inches", "in", 0.03937008f, nullptr, false},
    {Q::Stress, "N/mm\u00b2", "N/mm^2", 1.0f, nullptr, true},
    {Q::Stress, "lbf/in\u00b2", "lbf/in^2", 145.03767f, nullptr, false},
    {Q::Stress, "KSI", "KSI", 0.14503768f, nullptr, false},
    {Q::E, "N/mm^2", "N/mm^2", 1.0f, nullptr, true},
    {Q::E, "lbf/in^2", "lbf/in^2", 0.00689476f, nullptr, false},
    {Q::E, "KSI", "KSI", 6.89476f, nullptr, false},
    {Q::I, "mm^4", "mm^4", 1.0f, nullptr, false},
    {Q::I, "cm^4", "cm^4", 10000.0f, nullptr, true},
    {Q::I, "inches^4", "in^4", 416231.44f, nullptr, false},
    {Q::SectionModulus, "mm^3", "mm^3", 1.0f, nullptr, false},
    {Q::SectionModulus, "cm^3", "cm^3", 1000.0f, nullptr, true},
    {Q::SectionModulus, "in^3", "in^3", 16387.064f, nullptr, false},
    {Q::Area, "mm^2", "mm^2", 1.0f, nullptr, false},
    {Q::Area, "cm^2", "cm^2", 100.0f, nullptr, true},
    {Q::Area, "in^2", "in^2", 645.16f, nullptr, false},
    {Q::SectionDimension, "mm", "mm", 1.0f, nullptr, true},
    {Q::SectionDimension, "cm", "cm", 10.0f, nullptr, false},
    {Q::SectionDimension, "inches", "in", 25.4f, nullptr, false},
    {Q::WeightPerLength, "kg / m", "kg/m", 0.00785f, nullptr, true},
    {Q::WeightPerLength, "lb / ft", "lb/ft", 0.005275f, nullptr, false},
    {Q::WarpingConstant, nullptr, "dm^6", 1e-12f, nullptr, true},
};

// id, name, checked at start, fixed, beam file place, may be unset
constexpr QuantityUnits Table[] = {
    {Q::Length, "length", true, false, 0, false},
    {Q::SectionDimension, "section dimension", true, false, -1, true},
    {Q::PointLoad, "point load", true, false, 1, false},
    {Q::LoadRate, "load rate", true, false, 2, false},
    {Q::Shear, "shear", true, false, 5, false},
    {Q::Moment, "moment", true, false, 6, false},
    {Q::Deflection, "deflection", true, false, 7, false},
    {Q::Stress, "stress", true, false, 8, true},
    {Q::E, "E", true, false, 3, false},
    {Q::I, "Ixx", true, false, 4, false},
    {Q::SectionModulus, "section modulus", true, false, -1, true},
    {Q::Area, "area", true, false, 9, true},
    {Q::WeightPerLength, "weight", false, false, 10, true},
    {Q::WarpingConstant, "warping constant", false, true, 11, true},
};
constexpr bool InOrder() {
    for (size_t i = 0; i < std::size(Table); ++i)
        if (Index(Table[i].id) != i) return false;
    return std::size(Table) == QuantityCount;
}
static_assert(InOrder(), "one row per quantity, at its id");
}  // namespace

std::span<const UnitChoice> QuantityUnits::Offered() const {
    const UnitChoice* first = std::find_if(std::begin(Choices), std::end(Choices), [&](auto& c) { return c.quantity == id; });
    return {first, std::find_if(first, std::end(Choices), [&](auto& c) { return c.quantity != id; })};
}

const UnitChoice& QuantityUnits::Default() const {
    for (const UnitChoice& c : Offered())
        if (c.isDefault) return c;
    RaiseRangeCheck();
}

std::span<const QuantityUnits> UnitTable() { return Table; }
const QuantityUnits& UnitsOf(Quantity q) { return Table[Index(q)]; }

void ApplyFixedUnits() {
    for (const QuantityUnits& q : Table)
        if (q.fixed) SetUnit(q.id, q.Default());
}

std::array<DisplayUnit, QuantityCount> Units;
static const bool FixedUnitsInForce = (ApplyFixedUnits(), true);

const QuantityUnits& BeamFileQuantity(int place) {
    for (const QuantityUnits& q : Table)
        if (q.beamFilePlace == place) return q;
    RaiseRangeCheck();
}
