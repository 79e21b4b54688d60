// Rows of the hollow section tables (RHS, CHS): every field they fill.
#pragma once
#include "RowRecords.h"

struct HollowRow {
    std::string_view Designation, Kind;
    float Depth, Width, WebThk, FlangeThk, RootRad, Outstand, WebDepth, Grade, E;
    float Area, Ixx, Iyy, Rxx, Ryy, XFibre, YFibre, TorsionK, TorsionT, Sxx, Syy;
};

constexpr SectionRecord ToRecord(const HollowRow& h) {
    SectionRecord r;
    SetText(r.Designation, h.Designation);
    SetText(r.Kind, h.Kind);
    r.Depth = h.Depth, r.Width = h.Width, r.WebThk = h.WebThk, r.FlangeThk = h.FlangeThk;
    r.RootRad = h.RootRad, r.Outstand = h.Outstand, r.WebDepth = h.WebDepth, r.Grade = h.Grade, r.E = h.E;
    r.Area = h.Area, r.Ixx = h.Ixx, r.Iyy = h.Iyy, r.Rxx = h.Rxx, r.Ryy = h.Ryy;
    r.XFibre = h.XFibre, r.YFibre = h.YFibre, r.TorsionK = h.TorsionK, r.TorsionT = h.TorsionT;
    r.Sxx = h.Sxx, r.Syy = h.Syy;
    return r;
}
