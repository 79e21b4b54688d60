#include "SectionFiles.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <sstream>
#include "SectionTables.h"
#include "TempDir.h"

namespace sect {

std::vector<uint8_t> ReadAllBytes(const std::string& name) {
    BinFile f(name, BinFile::Mode::Read);
    std::vector<uint8_t> bytes(static_cast<size_t>(f.Size()));
    f.Read(bytes.data(), bytes.size());
    return bytes;
}

const std::vector<BuiltIn>& BuiltIns() {
    static const std::vector<BuiltIn> tables = {
        {"UB.sct", WriteUbTable, 95},        {"UC.sct", WriteUcTable, 37},       {"RSJ.sct", WriteRsjTable, 9},
        {"IPE.sct", WriteIpeTable, 92},      {"HE.sct", WriteHeTable, 124},      {"WsBeam.sct", WriteWsBeamTable, 208},
        {"WsCol.sct", WriteWsColTable, 66},  {"RSC.sct", WriteRscTable, 17},     {"PFC.sct", WritePfcTable, 16},
        {"UPN.sct", WriteUpnTable, 24},      {"EqRSA.sct", WriteEqRsaTable, 66}, {"UnEqRSA.sct", WriteUnEqRsaTable, 43},
        {"EqL.sct", WriteEqLTable, 17},      {"UnEqL.sct", WriteUnEqLTable, 34}, {"RHS.sct", WriteRhsTable, 193},
        {"CHS.sct", WriteChsTable, 89},      {"C.sct", WriteCTable, 37}};
    return tables;
}

const TableFile& Written(const std::string& file) {
    static const std::map<std::string, TableFile> written = [] {
        TempDir dir;
        std::map<std::string, TableFile> m;
        for (const BuiltIn& t : BuiltIns()) {
            t.write();
            m[t.file] = {ReadAllBytes(t.file), ReadSectionTable(t.file)};
        }
        return m;
    }();
    return written.at(file);
}

std::vector<int> SingleOffsets() {
    std::vector<int> offsets;
    for (int off = Offset::Depth; off <= 192; off += 4)
        if (off < 88 || off >= 100) offsets.push_back(off);   // the kind lies at 88..99
    return offsets;
}

std::vector<std::string> Split(const std::string& text) {
    std::vector<std::string> out;
    std::stringstream in(text);
    for (std::string item; std::getline(in, item, '|');) out.push_back(item == "-" ? "" : item);
    return out;
}

std::vector<double> Numbers(const std::string& designation) {
    std::vector<double> n;
    for (const char* p = designation.c_str(); *p; ++p)
        if (std::isdigit(static_cast<unsigned char>(*p))) {
            char* end;
            n.push_back(std::strtod(p, &end));
            p = end - 1;
        }
    return n;
}

void ExpectRecord(const TableFile& file, int recNo, const std::string& designation, const std::string& kind,
                  const Singles& singles) {
    uint8_t want[SectionRecordSize] = {uint8_t(designation.size())};
    std::memcpy(want + 1, designation.data(), designation.size());
    for (const auto& [offset, value] : singles) PutSingle(want + offset, value);
    want[88] = uint8_t(kind.size());
    std::memcpy(want + 89, kind.data(), kind.size());
    want[196] = uint8_t(recNo);
    const uint8_t* got = file.Raw(recNo);
    auto same = [&](int from, int to) {
        for (int i = from; i < to; ++i)
            EXPECT_EQ(got[i], want[i]) << "record " << recNo << " byte " << i;
    };
    same(0, 1 + want[0]);
    same(28, 88);
    same(88, 89 + want[88]);
    same(100, 200);
}

void ExpectReferenceRows(const std::string& kind, std::span<const int> columns, std::span<const ReferenceRow> rows) {
    for (const ReferenceRow& row : rows) {
        SCOPED_TRACE(row.file);
        ASSERT_EQ(row.values.size(), columns.size()) << "record " << row.recNo;
        Singles singles;
        for (size_t i = 0; i < columns.size(); ++i) singles.push_back({columns[i], row.values[i]});
        ExpectRecord(Written(row.file), row.recNo, row.designation, kind, singles);
    }
}

void ExpectBlank(const TableFile& file, int recNo, const std::string& designation, const std::string& kind) {
    const SectionRecord& r = file[recNo];
    EXPECT_EQ(r.Designation.str(), designation) << "record " << recNo;
    EXPECT_EQ(r.Kind.str(), kind) << "record " << recNo;
    EXPECT_EQ(r.RecNo, recNo);
    ExpectFilled(file, recNo, {});
}

void ExpectFilled(const TableFile& file, int recNo, const std::vector<int>& filled) {
    for (int off : SingleOffsets()) {
        if (std::find(filled.begin(), filled.end(), off) != filled.end())
            EXPECT_NE(file.Single(recNo, off), 0.f) << "record " << recNo << " offset " << off;
        else
            EXPECT_EQ(GetInt32(file.Raw(recNo) + off), 0) << "record " << recNo << " offset " << off;
    }
}

void ExpectLayout(const TableFile& file, const Layout& layout) {
    ASSERT_EQ(file.bytes.size(), SectionRecordSize * layout.designations.size());
    ASSERT_EQ(file.Count(), int(layout.designations.size()));
    auto padded = [&](const std::string& d) { return layout.padded ? d + std::string(25 - d.size(), ' ') : d; };
    for (int k = 1; k <= file.Count(); ++k) {
        const std::string& d = layout.designations[k - 1];
        if (d.empty()) {
            ExpectBlank(file, k, padded(""), layout.blankKind(k));
            continue;
        }
        EXPECT_EQ(file[k].RecNo, k);
        EXPECT_EQ(file[k].Designation.str(), padded(d));
        EXPECT_EQ(file[k].Kind.str(), layout.kind) << d;
        ExpectFilled(file, k, layout.filled);
    }
}

std::string Trimmed(const SectionRecord& r) {
    std::string s = r.Designation.str();
    return s.substr(0, s.find_last_not_of(' ') + 1);
}

void ForEachSection(const TableFile& file, const std::function<void(int recNo, const SectionRecord&)>& check) {
    for (int k = 1; k <= file.Count(); ++k) {
        if (file.IsBlank(k)) continue;
        SCOPED_TRACE("record " + std::to_string(k) + " \"" + Trimmed(file[k]) + "\"");
        check(k, file[k]);
    }
}

double Rel(double value, double reference) { return std::fabs(value - reference) / std::fabs(reference); }

double UnitOf(double v, int figure) { return std::pow(10.0, std::floor(std::log10(std::fabs(v))) - figure + 1); }

double UnitsOff(double v, double rule, int figure) { return std::fabs(v - rule) / UnitOf(v, figure); }

int Figures(float v) {
    char text[32];
    for (int p = 1; p < 10; ++p) {
        std::snprintf(text, sizeof text, "%.*g", p, double(v));
        if (std::strtof(text, nullptr) == v) return p;
    }
    return 10;
}

double IndexFromWarping(const SectionRecord& r) {
    return 1.132 * std::sqrt(double(r.Area) * r.WarpingH / (double(r.Iyy) * r.TorsionK));
}

double BucklingFromWarping(const SectionRecord& r) {
    const double g = 1 - double(r.Iyy) / r.Ixx;
    return std::pow(double(r.Iyy) * r.Sxx * r.Sxx * g / (double(r.Area) * r.Area * r.WarpingH), 0.25);
}

Moments& Moments::operator+=(const Moments& m) {
    a += m.a, x += m.x, y += m.y, xx += m.xx, yy += m.yy, xy += m.xy;
    return *this;
}

Moments& Moments::operator-=(const Moments& m) {
    a -= m.a, x -= m.x, y -= m.y, xx -= m.xx, yy -= m.yy, xy -= m.xy;
    return *this;
}

Moments Rectangle(double x0, double y0, double x1, double y1) {
    Moments m;
    double w = x1 - x0, h = y1 - y0;
    m.a = w * h;
    m.x = m.a * (x0 + x1) / 2;
    m.y = m.a * (y0 + y1) / 2;
    m.xx = h * (x1 * x1 * x1 - x0 * x0 * x0) / 3;
    m.yy = w * (y1 * y1 * y1 - y0 * y0 * y0) / 3;
    m.xy = (x1 * x1 - x0 * x0) * (y1 * y1 - y0 * y0) / 4;
    return m;
}

Moments Fillet(double cx, double cy, int sx, int sy, double r) {
    // In corner coordinates u, v >= 0: the unit square less the quarter disc
    // centred on (r, r), scaled by r.
    double area = (1 - Pi / 4) * r * r, first = (5.0 / 6 - Pi / 4) * r * r * r;
    double second = (1 - 5 * Pi / 16) * r * r * r * r, product = (19.0 / 24 - Pi / 4) * r * r * r * r;
    Moments m;
    m.a = area;
    m.x = cx * area + sx * first;
    m.y = cy * area + sy * first;
    m.xx = cx * cx * area + 2 * cx * sx * first + second;
    m.yy = cy * cy * area + 2 * cy * sy * first + second;
    m.xy = cx * cy * area + (cx * sy + cy * sx) * first + sx * sy * product;
    return m;
}

}  // namespace sect
