#include "ChannelAngleHollowFiles.h"
#include <gtest/gtest.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include "BinFile.h"
#include "TempDir.h"

namespace cah {

Written Write(void (*writer)(), const char* fileName) {
    TempDir dir;
    writer();
    std::ifstream in(fileName, std::ios::binary);
    Written w;
    w.bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    for (size_t off = 0; off + SectionRecordSize <= w.bytes.size(); off += SectionRecordSize)
        w.records.push_back(DecodeSectionRecord(w.bytes.data() + off));
    return w;
}

const std::vector<Single>& Singles() {
    static const std::vector<Single> all = {
        {"Depth", 28}, {"Width", 32}, {"WebThk", 36}, {"FlangeThk", 40}, {"RootRad", 44}, {"ToeRad", 48},
        {"Outstand", 52}, {"WebDepth", 56}, {"FlangeAngle", 60}, {"reserved64", 64}, {"reserved68", 68},
        {"reserved72", 72}, {"reserved76", 76}, {"Grade", 80}, {"E", 84}, {"Area", 100}, {"Ixx", 104},
        {"Iyy", 108}, {"Rxx", 112}, {"Ryy", 116}, {"Cx", 120}, {"Cy", 124}, {"XFibre", 128}, {"YFibre", 132},
        {"Iuu", 136}, {"Ivv", 140}, {"Ruu", 144}, {"Rvv", 148}, {"PrincipalAngle", 152}, {"TorsionK", 156},
        {"TorsionT", 160}, {"ShearCentre", 164}, {"Sxx", 168}, {"Syy", 172}, {"BucklingU", 176},
        {"TorsionalIndex", 180}, {"WarpingH", 184}, {"ChannelPna", 188}, {"reserved192", 192}};
    return all;
}

float SingleAt(const uint8_t* record, int offset) { return GetSingle(record + offset); }

std::vector<int> Offsets(std::initializer_list<const char*> names) {
    std::vector<int> out;
    for (const char* n : names)
        for (const Single& s : Singles())
            if (std::string(s.name) == n) out.push_back(s.offset);
    EXPECT_EQ(out.size(), names.size());
    return out;
}

SectionRecord Expected(const char* designation, const char* kind, int recNo,
                       std::initializer_list<std::pair<Field, float>> values) {
    SectionRecord r;
    r.Designation = designation;
    r.Kind = kind;
    r.RecNo = recNo;
    for (const auto& [field, value] : values) r.*field = value;
    return r;
}

SectionRecord Expected(const char* designation, const char* kind, int recNo, std::span<const Field> fields,
                       std::initializer_list<float> values) {
    SectionRecord r = Expected(designation, kind, recNo, {});
    EXPECT_EQ(values.size(), fields.size());
    auto f = fields.begin();
    for (float v : values) r.*(*f++) = v;
    return r;
}

std::vector<std::string> Split(const std::string& text) {
    std::vector<std::string> out;
    std::stringstream in(text);
    for (std::string item; std::getline(in, item, '|');) out.push_back(item == "-" ? "" : item);
    return out;
}

void ExpectStoredBytes(const Written& file, int recNo, const SectionRecord& expected) {
    uint8_t want[SectionRecordSize] = {};
    EncodeSectionRecord(expected, want);
    const uint8_t* got = file.Raw(recNo);
    auto same = [&](int from, int to) {
        for (int i = from; i < to; ++i)
            EXPECT_EQ(got[i], want[i]) << "record " << recNo << " byte " << i;
    };
    same(0, 1 + expected.Designation.len);
    same(28, 88);
    same(88, 89 + expected.Kind.len);
    same(100, 200);
}

void ExpectBlank(const Written& file, int recNo, const std::string& designation, const std::string& kind) {
    const SectionRecord& r = file[recNo];
    EXPECT_EQ(r.Designation.str(), designation) << "record " << recNo;
    EXPECT_EQ(r.Kind.str(), kind) << "record " << recNo;
    EXPECT_EQ(r.RecNo, recNo);
    for (const Single& s : Singles()) EXPECT_EQ(SingleAt(file.Raw(recNo), s.offset), 0.0f) << s.name;
}

std::string Trimmed(const SectionRecord& r) {
    std::string s = r.Designation.str();
    return s.substr(0, s.find_last_not_of(' ') + 1);
}

double Rel(double value, double reference) { return std::fabs(value - reference) / std::fabs(reference); }

double UnitOfFifthFigure(double v) { return std::pow(10.0, std::floor(std::log10(std::fabs(v))) - 4); }

bool FiveFigures(float v) {
    if (v == 0) return true;
    char text[32];
    std::snprintf(text, sizeof text, "%.4e", static_cast<double>(v));
    return std::strtof(text, nullptr) == v;
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
    const double pi = std::acos(-1.0);
    double area = (1 - pi / 4) * r * r, first = (5.0 / 6 - pi / 4) * r * r * r;
    double second = (1 - 5 * pi / 16) * r * r * r * r, product = (19.0 / 24 - pi / 4) * r * r * r * r;
    Moments m;
    m.a = area;
    m.x = cx * area + sx * first;
    m.y = cy * area + sy * first;
    m.xx = cx * cx * area + 2 * cx * sx * first + second;
    m.yy = cy * cy * area + 2 * cy * sy * first + second;
    m.xy = cx * cy * area + (cx * sy + cy * sx) * first + sx * sy * product;
    return m;
}

}  // namespace cah
