// Helpers of the section table tests: the built-in tables written into a
// fresh directory and read back, the record layout and its significant bytes,
// and the moments of the plane figures the tables' relations are stated on.
#pragma once
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <utility>
#include <vector>
#include "BinFile.h"
#include "SectionRecord.h"

namespace sect {

constexpr double Pi = 3.14159265358979323846;

// A table file: its bytes and its records decoded.
struct TableFile {
    std::vector<uint8_t> bytes;
    std::vector<SectionRecord> records;          // records[0] is record 1
    int Count() const { return static_cast<int>(records.size()); }
    const SectionRecord& operator[](int recNo) const { return records.at(recNo - 1); }
    const uint8_t* Raw(int recNo) const { return bytes.data() + (recNo - 1) * SectionRecordSize; }
    float Single(int recNo, int offset) const { return GetSingle(Raw(recNo) + offset); }
    bool IsBlank(int recNo) const { return records[recNo - 1].Width == 0; }
};

std::vector<uint8_t> ReadAllBytes(const std::string& name);

// The seventeen built-in tables, in the order the program writes them.
struct BuiltIn {
    const char* file;
    void (*write)();
    int records;
};
const std::vector<BuiltIn>& BuiltIns();
// Every built-in table written once by its own writer into a fresh directory and read back.
const TableFile& Written(const std::string& file);

// Byte offsets of the record's singles, as the file format fixes them.
namespace Offset {
constexpr int Depth = 28, Width = 32, WebThk = 36, FlangeThk = 40, RootRad = 44, ToeRad = 48, Outstand = 52,
              WebDepth = 56, FlangeAngle = 60, Grade = 80, E = 84, Area = 100, Ixx = 104, Iyy = 108, Rxx = 112,
              Ryy = 116, Cx = 120, Cy = 124, XFibre = 128, YFibre = 132, Iuu = 136, Ivv = 140, Ruu = 144, Rvv = 148,
              PrincipalAngle = 152, TorsionK = 156, TorsionT = 160, ShearCentre = 164, Sxx = 168, Syy = 172,
              BucklingU = 176, TorsionalIndex = 180, WarpingH = 184, ChannelPna = 188;
}
// Offsets of every single of a record, the reserved ones (64..76, 192) included.
std::vector<int> SingleOffsets();

// Singles by offset; a record's other singles are 0.
using Singles = std::vector<std::pair<int, float>>;

// Compares every byte that the writer stores with bytes made here: the
// designation as given (its length byte and text), the singles, the kind's
// length byte and text, and recNo.
void ExpectRecord(const TableFile& file, int recNo, const std::string& designation, const std::string& kind,
                  const Singles& singles);
// A record of a built-in table whose singles are given in the order of a table's columns.
struct ReferenceRow {
    const char* file;
    int recNo;
    const char* designation;
    std::vector<float> values;
};
void ExpectReferenceRows(const std::string& kind, std::span<const int> columns, std::span<const ReferenceRow> rows);

// "a|b|-|c" as its items; "-" stands for a blank record and gives "".
std::vector<std::string> Split(const std::string& text);
// The decimal numbers a designation states, in order.
std::vector<double> Numbers(const std::string& designation);

// A blank record: every single 0 and the given designation and kind.
void ExpectBlank(const TableFile& file, int recNo, const std::string& designation, const std::string& kind);

// Expects the singles at the given offsets nonzero in record recNo and every other single 0.
void ExpectFilled(const TableFile& file, int recNo, const std::vector<int>& filled);

// What every record of a table holds: record k numbered k, with designation
// designations[k - 1] (padded to 25 characters or as it is), the kind and the
// filled singles; "" stands for a blank record of the blank designation (25
// blanks or "") and the kind blankKind gives.
struct Layout {
    std::vector<std::string> designations;
    const char* kind;
    std::vector<int> filled;
    bool padded = true;
    std::function<std::string(int recNo)> blankKind = [](int) { return ""; };
};
void ExpectLayout(const TableFile& file, const Layout& layout);

std::string Trimmed(const SectionRecord& r);   // the designation without trailing blanks
// Runs the check on every section of the file, blank records passed over,
// traced by its record number and designation.
void ForEachSection(const TableFile& file, const std::function<void(int recNo, const SectionRecord&)>& check);
double Rel(double value, double reference);
// The unit of the given significant figure of v, and how many of them v lies off the rule.
double UnitOf(double v, int figure = 5);
double UnitsOff(double v, double rule, int figure = 5);
// Fewest significant figures of a decimal whose nearest single is v.
int Figures(float v);

// Torsional index and buckling parameter from the stored warping constant.
double IndexFromWarping(const SectionRecord& r);
double BucklingFromWarping(const SectionRecord& r);

// ---- Plane figures -----------------------------------------------------------
// Integrals of a plane figure about the origin: area, first and second moments.
struct Moments {
    double a = 0, x = 0, y = 0, xx = 0, yy = 0, xy = 0;
    Moments& operator+=(const Moments& m);
    Moments& operator-=(const Moments& m);
    double Cx() const { return x / a; }
    double Cy() const { return y / a; }
    double Ixx() const { return yy - a * Cy() * Cy(); }       // about the centroidal axis parallel to x
    double Iyy() const { return xx - a * Cx() * Cx(); }
    double Ixy() const { return xy - a * Cx() * Cy(); }
};
Moments Rectangle(double x0, double y0, double x1, double y1);
// The piece between a right-angled corner (cx, cy) and a quarter circle of
// radius r tangent to both sides; it lies towards (cx + sx r, cy + sy r).
Moments Fillet(double cx, double cy, int sx, int sy, double r);

}  // namespace sect
