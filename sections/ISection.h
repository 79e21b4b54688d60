// Rows of the I and H section tables (UB, UC, RSJ, IPE, HE, W shapes): every
// field these tables fill, as stored, and their conversion to section records,
// done at compile time so that a writer only writes.
#pragma once
#include "RowRecords.h"

struct ISectionRow {
    std::string_view Designation;  // padded with blanks to 25 characters
    std::string_view Kind;
    float Depth, Width, WebThk, FlangeThk, RootRad, ToeRad, Outstand, WebDepth, FlangeAngle;
    float Grade, E, Area, Ixx, Iyy, Rxx, Ryy, XFibre, YFibre;
    float TorsionK, TorsionT, Sxx, Syy, BucklingU, TorsionalIndex, WarpingH;
};

// A blank separator: 25 blanks and every single 0.
constexpr ISectionRow BlankRow(std::string_view kind) {
    return SeparatorRow<ISectionRow>("                         ", kind);
}

// Places each value in its record field; all other fields stay 0.
constexpr SectionRecord ToRecord(const ISectionRow& row) {
    SectionRecord r;
    SetText(r.Designation, row.Designation);
    SetText(r.Kind, row.Kind);
    r.Depth = row.Depth, r.Width = row.Width, r.WebThk = row.WebThk, r.FlangeThk = row.FlangeThk;
    r.RootRad = row.RootRad, r.ToeRad = row.ToeRad, r.Outstand = row.Outstand, r.WebDepth = row.WebDepth;
    r.FlangeAngle = row.FlangeAngle, r.Grade = row.Grade, r.E = row.E;
    r.Area = row.Area, r.Ixx = row.Ixx, r.Iyy = row.Iyy, r.Rxx = row.Rxx, r.Ryy = row.Ryy;
    r.XFibre = row.XFibre, r.YFibre = row.YFibre;
    r.TorsionK = row.TorsionK, r.TorsionT = row.TorsionT, r.Sxx = row.Sxx, r.Syy = row.Syy;
    r.BucklingU = row.BucklingU, r.TorsionalIndex = row.TorsionalIndex, r.WarpingH = row.WarpingH;
    return r;
}
