// Rows of the I and H section tables (UB, UC, RSJ, IPE, HE, W shapes): every
// field these tables fill, as stored, and their conversion to section records,
// done at compile time so that a writer only writes.
#pragma once
#include <array>
#include <cstddef>
#include <string_view>
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

template <int N>
constexpr void StoreText(ShortString<N>& s, std::string_view text) {
    s.len = static_cast<uint8_t>(text.size() < size_t(N) ? text.size() : size_t(N));
    for (int i = 0; i < s.len; ++i) s.chars[i] = text[i];
}

// Places each value in its record field; all other fields stay 0.
constexpr SectionRecord ToSectionRecord(const ISectionRow& row) {
    SectionRecord r;
    StoreText(r.Designation, row.Designation);
    StoreText(r.Kind, row.Kind);
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

template <std::size_t N>
constexpr std::array<SectionRecord, N> ToSectionRecords(const ISectionRow (&rows)[N]) {
    std::array<SectionRecord, N> records{};
    for (std::size_t i = 0; i < N; ++i) records[i] = ToSectionRecord(rows[i]);
    return records;
}
