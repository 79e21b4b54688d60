// The 200-byte record of every section table file.
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>
#include "BinFile.h"
#include "ShortString.h"

struct SectionRecord {
    ShortString<25> Designation;
    float Depth = 0, Width = 0, WebThk = 0, FlangeThk = 0, RootRad = 0, ToeRad = 0;
    float Outstand = 0, WebDepth = 0, FlangeAngle = 0;
    float Grade = 0, E = 0;
    ShortString<11> Kind;
    float Area = 0, Ixx = 0, Iyy = 0, Rxx = 0, Ryy = 0, Cx = 0, Cy = 0, XFibre = 0, YFibre = 0;
    float Iuu = 0, Ivv = 0, Ruu = 0, Rvv = 0, PrincipalAngle = 0;
    float TorsionK = 0, TorsionT = 0, ShearCentre = 0, Sxx = 0, Syy = 0;
    float BucklingU = 0, TorsionalIndex = 0, WarpingH = 0, ChannelPna = 0;
    int32_t RecNo = 0;
};

constexpr int SectionRecordSize = 200;
// A table file holds at most the sections of the user's table, more than any
// built-in table has.
constexpr int MaxTableSections = 250;

// Stores every field into buf; bytes that no field covers keep what buf held.
void EncodeSectionRecord(const SectionRecord& r, uint8_t* buf);
SectionRecord DecodeSectionRecord(const uint8_t* buf);

// Creates or truncates the named file and writes the
// records in order, numbering them 1..N. File errors are raised. A built-in
// table, written unasked, is made with CreateOwn.
void WriteSectionTable(const std::string& fileName, std::span<const SectionRecord> records,
                       BinFile::Mode mode = BinFile::Mode::Create);

// The whole records of an open table file; a file too large to be a table
// is refused, so that nothing reads it whole.
int TableSections(BinFile& f);

// Every whole record, in order, a trailing part ignored; file errors are raised.
std::vector<SectionRecord> ReadSectionTable(const std::string& fileName);
