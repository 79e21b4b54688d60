// Helpers of the channel, angle and hollow table tests: a table written into a
// fresh directory and read back, its significant bytes, and the moments of
// the plane figures the tables' relations are stated on.
#pragma once
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <utility>
#include <vector>
#include "SectionRecord.h"

namespace cah {

struct Written {
    std::vector<uint8_t> bytes;
    std::vector<SectionRecord> records;          // records[0] is record 1
    int Count() const { return static_cast<int>(records.size()); }
    const SectionRecord& operator[](int recNo) const { return records.at(recNo - 1); }
    const uint8_t* Raw(int recNo) const { return bytes.data() + (recNo - 1) * SectionRecordSize; }
};

// Runs the writer in a fresh directory and reads the named file back.
Written Write(void (*writer)(), const char* fileName);

// Every single of a record, by name and offset, reserved ones included.
struct Single { const char* name; int offset; };
const std::vector<Single>& Singles();
float SingleAt(const uint8_t* record, int offset);

// Byte offsets of fields a table fills; the rest of the singles must be 0.
std::vector<int> Offsets(std::initializer_list<const char*> names);

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
void ExpectStoredBytes(const Written& file, int recNo, const SectionRecord& expected);

// A blank record: every single 0 and the given designation and kind.
void ExpectBlank(const Written& file, int recNo, const std::string& designation, const std::string& kind);

std::string Trimmed(const SectionRecord& r);
double Rel(double value, double reference);
double UnitOfFifthFigure(double v);
bool FiveFigures(float v);          // nearest single to a decimal of at most five figures

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

}  // namespace cah
