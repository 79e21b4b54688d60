#include "SectionRecord.h"
#include "BinFile.h"
#include "RunError.h"

namespace {
// Field offsets of the single-precision values, in record order.
struct SingleField { int offset; float SectionRecord::*field; };
constexpr SingleField Singles[] = {
    {28, &SectionRecord::Depth},     {32, &SectionRecord::Width},      {36, &SectionRecord::WebThk},
    {40, &SectionRecord::FlangeThk}, {44, &SectionRecord::RootRad},    {48, &SectionRecord::ToeRad},
    {52, &SectionRecord::Outstand},  {56, &SectionRecord::WebDepth},   {60, &SectionRecord::FlangeAngle},
    {80, &SectionRecord::Grade},     {84, &SectionRecord::E},          {100, &SectionRecord::Area},
    {104, &SectionRecord::Ixx},      {108, &SectionRecord::Iyy},       {112, &SectionRecord::Rxx},
    {116, &SectionRecord::Ryy},      {120, &SectionRecord::Cx},        {124, &SectionRecord::Cy},
    {128, &SectionRecord::XFibre},   {132, &SectionRecord::YFibre},    {136, &SectionRecord::Iuu},
    {140, &SectionRecord::Ivv},      {144, &SectionRecord::Ruu},       {148, &SectionRecord::Rvv},
    {152, &SectionRecord::PrincipalAngle}, {156, &SectionRecord::TorsionK}, {160, &SectionRecord::TorsionT},
    {164, &SectionRecord::ShearCentre}, {168, &SectionRecord::Sxx},    {172, &SectionRecord::Syy},
    {176, &SectionRecord::BucklingU}, {180, &SectionRecord::TorsionalIndex}, {184, &SectionRecord::WarpingH},
    {188, &SectionRecord::ChannelPna},
};
constexpr int ReservedZeros[] = {64, 68, 72, 76, 192};
}  // namespace

void EncodeSectionRecord(const SectionRecord& r, uint8_t* buf) {
    buf[0] = r.Designation.len;
    for (int i = 0; i < r.Designation.len; ++i) buf[1 + i] = static_cast<uint8_t>(r.Designation.chars[i]);
    for (const auto& f : Singles) PutSingle(buf + f.offset, r.*f.field);
    for (int off : ReservedZeros) PutSingle(buf + off, 0.0f);
    buf[88] = r.Kind.len;
    for (int i = 0; i < r.Kind.len; ++i) buf[89 + i] = static_cast<uint8_t>(r.Kind.chars[i]);
    PutInt32(buf + 196, r.RecNo);
}

SectionRecord DecodeSectionRecord(const uint8_t* buf) {
    SectionRecord r;
    r.Designation.FromBytes(buf);
    for (const auto& f : Singles) r.*f.field = GetSingle(buf + f.offset);
    r.Kind.FromBytes(buf + 88);
    r.RecNo = GetInt32(buf + 196);
    return r;
}

void WriteSectionTable(const std::string& fileName, std::span<const SectionRecord> records, BinFile::Mode mode) {
    BinFile f(fileName, mode);
    uint8_t buf[SectionRecordSize] = {};
    int32_t recNo = 0;
    for (const SectionRecord& r : records) {
        SectionRecord numbered = r;
        numbered.RecNo = ++recNo;
        EncodeSectionRecord(numbered, buf);
        f.Write(buf, sizeof buf);
    }
    f.Close();
}

int TableSections(BinFile& f) {
    const int64_t bytes = f.Size();
    if (bytes / SectionRecordSize > MaxTableSections)
        throw RunError("it is " + std::to_string(bytes) + " bytes long, and a table holds at most " +
                       std::to_string(MaxTableSections) + " sections (" +
                       std::to_string(MaxTableSections * SectionRecordSize) + " bytes)");
    return int(bytes / SectionRecordSize);
}

std::vector<SectionRecord> ReadSectionTable(const std::string& fileName) {
    BinFile f(fileName, BinFile::Mode::Read);
    std::vector<SectionRecord> records(static_cast<size_t>(TableSections(f)));
    uint8_t buf[SectionRecordSize];
    for (SectionRecord& r : records) {
        f.Read(buf, sizeof buf);
        r = DecodeSectionRecord(buf);
    }
    return records;
}
