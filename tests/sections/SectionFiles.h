// Helpers of the section table tests: a table written into a fresh directory
// and read back, the record layout and its significant bytes, the seven I and
// H tables, and the moments of the plane figures the tables' relations are
// stated on.
#pragma once
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <utility>
#include <vector>
#include "BinFile.h"
#include "SectionRecord.h"

namespace sect {

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
TableFile ReadTableFile(const std::string& name);
// Runs the writer in a fresh directory and reads the named file back.
TableFile Write(void (*writer)(), const char* fileName);

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

using Field = float SectionRecord::*;
SectionRecord Expected(const char* designation, const char* kind, int recNo,
                       std::initializer_list<std::pair<Field, float>> values);

// The values placed in the fields in order, for reference rows given as columns.
SectionRecord Expected(const char* designation, const char* kind, int recNo, std::span<const Field> fields,
                       std::initializer_list<float> values);

// "a|b|-|c" as its items; "-" stands for a blank record and gives "".
std::vector<std::string> Split(const std::string& text);

// Compares every byte that the writer stores: designation (by its length),
// singles 28..87 and 100..195, the kind's length byte and text, RecNo.
void ExpectStoredBytes(const TableFile& file, int recNo, const SectionRecord& expected);
// The same against the bytes of a whole record: the lengths at 0 and 88 say how many are stored.
void ExpectStoredBytes(const TableFile& file, int recNo, const uint8_t* want);

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
double UnitOfFifthFigure(double v);
bool FiveFigures(float v);          // nearest single to a decimal of at most five figures

// ---- The seven I and H tables ----------------------------------------------
struct IHTable {
    const char* file;
    void (*write)();
    int records;
    std::vector<int> blanks;     // positions of the blank separator records
    const char* blankKind;       // kind of the blank records ("" or "Beam"); UB mixes both
    const char* first;           // first and last section designations
    const char* last;
};

const std::vector<IHTable>& IHTables();
const IHTable& IHTableNamed(const std::string& file);
// Every I and H table written once into a fresh directory and read back.
const TableFile& WrittenTable(const std::string& file);

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
