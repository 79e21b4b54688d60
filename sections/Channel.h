// Rows of the channel tables (RSC, PFC, UPN, C): every field they fill.
#pragma once
#include "RowRecords.h"

struct ChannelRow {
    std::string_view Designation, Kind;
    float Depth, Width, WebThk, FlangeThk, RootRad, ToeRad, Outstand, WebDepth, FlangeAngle;
    float Grade, E, Area, Ixx, Iyy, Rxx, Ryy, Cy, XFibre, YFibre;
    float TorsionK, TorsionT, ShearCentre, Sxx, Syy, BucklingU, TorsionalIndex, WarpingH, ChannelPna;
};

constexpr SectionRecord ToRecord(const ChannelRow& c) {
    SectionRecord r;
    SetText(r.Designation, c.Designation);
    SetText(r.Kind, c.Kind);
    r.Depth = c.Depth, r.Width = c.Width, r.WebThk = c.WebThk, r.FlangeThk = c.FlangeThk;
    r.RootRad = c.RootRad, r.ToeRad = c.ToeRad, r.Outstand = c.Outstand, r.WebDepth = c.WebDepth;
    r.FlangeAngle = c.FlangeAngle, r.Grade = c.Grade, r.E = c.E;
    r.Area = c.Area, r.Ixx = c.Ixx, r.Iyy = c.Iyy, r.Rxx = c.Rxx, r.Ryy = c.Ryy;
    r.Cy = c.Cy, r.XFibre = c.XFibre, r.YFibre = c.YFibre;
    r.TorsionK = c.TorsionK, r.TorsionT = c.TorsionT, r.ShearCentre = c.ShearCentre;
    r.Sxx = c.Sxx, r.Syy = c.Syy, r.BucklingU = c.BucklingU, r.TorsionalIndex = c.TorsionalIndex;
    r.WarpingH = c.WarpingH, r.ChannelPna = c.ChannelPna;
    return r;
}
