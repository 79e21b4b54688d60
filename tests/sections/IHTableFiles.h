// The seven I and H section tables as written to disk, read back whole.
#pragma once
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>
#include "BinFile.h"
#include "SectionRecord.h"

namespace ihtest {

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

// A table file: its bytes and its records decoded.
struct TableFile {
    std::vector<uint8_t> bytes;
    std::vector<SectionRecord> records;     // records[0] is record 1
    const uint8_t* Raw(int recNo) const { return bytes.data() + (recNo - 1) * SectionRecordSize; }
    float Single(int recNo, int offset) const { return GetSingle(Raw(recNo) + offset); }
    bool IsBlank(int recNo) const { return records[recNo - 1].Width == 0; }
};

std::vector<uint8_t> ReadAllBytes(const std::string& name);
TableFile ReadTableFile(const std::string& name);

// Every table written once into a fresh directory and read back.
const TableFile& WrittenTable(const std::string& file);

// Byte offsets of the record's singles.
namespace Offset {
constexpr int Depth = 28, Width = 32, WebThk = 36, FlangeThk = 40, RootRad = 44, ToeRad = 48, Outstand = 52,
              WebDepth = 56, FlangeAngle = 60, Grade = 80, E = 84, Area = 100, Ixx = 104, Iyy = 108, Rxx = 112,
              Ryy = 116, XFibre = 128, YFibre = 132, TorsionK = 156, TorsionT = 160, Sxx = 168, Syy = 172,
              BucklingU = 176, TorsionalIndex = 180, WarpingH = 184;
}

// Offsets of all singles from 28 to 192.
std::vector<int> SingleOffsets();

inline std::string TrimmedDesignation(const SectionRecord& r) {
    std::string s = r.Designation.str();
    return s.substr(0, s.find_last_not_of(' ') + 1);
}

}  // namespace ihtest
