// Rows of the angle tables (EqRSA, UnEqRSA, EqL, UnEqL): every field they fill.
#pragma once
#include "RowRecords.h"

struct AngleRow {
    std::string_view Designation, Kind;
    float Depth, Width, WebThk, FlangeThk, RootRad, ToeRad, E;
    float Area, Ixx, Iyy, Rxx, Ryy, Cx, Cy, XFibre, YFibre;
    float Iuu, Ivv, Ruu, Rvv, PrincipalAngle, TorsionK, TorsionT;
};

constexpr SectionRecord ToRecord(const AngleRow& a) {
    SectionRecord r;
    SetText(r.Designation, a.Designation);
    SetText(r.Kind, a.Kind);
    r.Depth = a.Depth, r.Width = a.Width, r.WebThk = a.WebThk, r.FlangeThk = a.FlangeThk;
    r.RootRad = a.RootRad, r.ToeRad = a.ToeRad, r.E = a.E;
    r.Area = a.Area, r.Ixx = a.Ixx, r.Iyy = a.Iyy, r.Rxx = a.Rxx, r.Ryy = a.Ryy;
    r.Cx = a.Cx, r.Cy = a.Cy, r.XFibre = a.XFibre, r.YFibre = a.YFibre;
    r.Iuu = a.Iuu, r.Ivv = a.Ivv, r.Ruu = a.Ruu, r.Rvv = a.Rvv, r.PrincipalAngle = a.PrincipalAngle;
    r.TorsionK = a.TorsionK, r.TorsionT = a.TorsionT;
    return r;
}
