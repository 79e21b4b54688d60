#include "IHTableFiles.h"
#include <map>
#include <stdexcept>
#include "SectionTables.h"
#include "TempDir.h"

namespace ihtest {

const std::vector<IHTable>& IHTables() {
    static const std::vector<IHTable> tables = {
        {"UB.sct", WriteUbTable, 95,
         {2, 4, 6, 8, 11, 15, 19, 23, 27, 31, 34, 39, 42, 47, 53, 59, 65, 70, 74, 79, 84, 88, 93},
         nullptr, "127 x 76 UB 13", "914 x 419 UB 388"},
        {"UC.sct", WriteUcTable, 37, {4, 10, 16, 24, 29, 37}, "Beam", "152 UC 23", "356 UC 634"},
        {"RSJ.sct", WriteRsjTable, 9, {}, "", "76 x 76 x 13 RSJ", "254 x 203 x 82 RSJ"},
        {"IPE.sct", WriteIpeTable, 92,
         {3, 6, 10, 14, 19, 24, 29, 34, 39, 44, 49, 54, 60, 66, 72, 78, 84},
         "Beam", "IPE 100 A", "IPE 750 x 222"},
        {"HE.sct", WriteHeTable, 124,
         {4, 8, 12, 17, 22, 27, 33, 38, 43, 48, 54, 59, 64, 69, 75, 81, 86, 91, 99, 104, 110, 115, 120},
         "Beam", "HE 100 AA", "HE 1000  M"},
        {"WsBeam.sct", WriteWsBeamTable, 208,
         {4, 7, 11, 15, 19, 22, 26, 29, 35, 39, 45, 49, 55, 67, 70, 84, 97, 111, 122, 137, 146, 160, 171, 185, 193,
          203, 204, 205, 206, 207, 208},
         "", "W 6 x 4 x 9", "W40 x 12 x 359"},
        {"WsCol.sct", WriteWsColTable, 66, {4, 11, 21, 40, 46}, "", "W 6 x 6 x 15", "W 14 x 16 x 730"},
    };
    return tables;
}

const IHTable& IHTableNamed(const std::string& file) {
    for (const IHTable& t : IHTables())
        if (file == t.file) return t;
    throw std::out_of_range(file);
}

std::vector<uint8_t> ReadAllBytes(const std::string& name) {
    BinFile f(name, BinFile::Mode::Read);
    std::vector<uint8_t> bytes(static_cast<size_t>(f.Size()));
    f.Read(bytes.data(), bytes.size());
    return bytes;
}

TableFile ReadTableFile(const std::string& name) {
    TableFile t;
    t.bytes = ReadAllBytes(name);
    for (size_t at = 0; at + SectionRecordSize <= t.bytes.size(); at += SectionRecordSize)
        t.records.push_back(DecodeSectionRecord(t.bytes.data() + at));
    return t;
}

const TableFile& WrittenTable(const std::string& file) {
    static const std::map<std::string, TableFile> written = [] {
        TempDir dir;
        std::map<std::string, TableFile> m;
        for (const IHTable& t : IHTables()) t.write();
        for (const IHTable& t : IHTables()) m[t.file] = ReadTableFile(t.file);
        return m;
    }();
    return written.at(file);
}

std::vector<int> SingleOffsets() {
    std::vector<int> offsets;
    for (int off = 28; off <= 192; off += 4)
        if (off != 88 && off != 92 && off != 96) offsets.push_back(off);
    return offsets;
}

}  // namespace ihtest
