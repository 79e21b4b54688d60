#include "ISection.h"

SectionRecord ToSectionRecord(const ISectionRow& row) {
    SectionRecord r;
    r.Designation = row.Designation;
    r.Kind = row.Kind;
    r.Depth = row.Depth;
    r.Width = row.Width;
    r.WebThk = row.WebThk;
    r.FlangeThk = row.FlangeThk;
    r.RootRad = row.RootRad;
    r.ToeRad = row.ToeRad;
    r.Outstand = row.Outstand;
    r.WebDepth = row.WebDepth;
    r.FlangeAngle = row.FlangeAngle;
    r.Grade = row.Grade;
    r.E = row.E;
    r.Area = row.Area;
    r.Ixx = row.Ixx;
    r.Iyy = row.Iyy;
    r.Rxx = row.Rxx;
    r.Ryy = row.Ryy;
    r.XFibre = row.XFibre;
    r.YFibre = row.YFibre;
    r.TorsionK = row.TorsionK;
    r.TorsionT = row.TorsionT;
    r.Sxx = row.Sxx;
    r.Syy = row.Syy;
    r.BucklingU = row.BucklingU;
    r.TorsionalIndex = row.TorsionalIndex;
    r.WarpingH = row.WarpingH;
    return r;
}

std::vector<SectionRecord> ToSectionRecords(std::span<const ISectionRow> rows) {
    std::vector<SectionRecord> records;
    records.reserve(rows.size());
    for (const ISectionRow& row : rows) records.push_back(ToSectionRecord(row));
    return records;
}
