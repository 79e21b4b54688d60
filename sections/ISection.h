// Rows of the I and H section tables (UB, UC, RSJ, IPE, HE, W shapes): every
// field these tables fill, as stored, and their conversion to section records.
#pragma once
#include <span>
#include <vector>
#include "SectionRecord.h"

struct ISectionRow {
    const char* Designation;   // padded with blanks to 25 characters
    const char* Kind;
    float Depth, Width, WebThk, FlangeThk, RootRad, ToeRad, Outstand, WebDepth, FlangeAngle;
    float Grade, E, Area, Ixx, Iyy, Rxx, Ryy, XFibre, YFibre;
    float TorsionK, TorsionT, Sxx, Syy, BucklingU, TorsionalIndex, WarpingH;
};

// A blank separator: 25 blanks and every single 0.
constexpr ISectionRow BlankRow(const char* kind) {
    ISectionRow row{};
    row.Designation = "                         ";
    row.Kind = kind;
    return row;
}

// Places each value in its record field; all other fields stay 0.
SectionRecord ToSectionRecord(const ISectionRow& row);
std::vector<SectionRecord> ToSectionRecords(std::span<const ISectionRow> rows);
