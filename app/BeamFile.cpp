#include "BeamFile.h"
#include "BeamDrawing.h"
#include "BeamFileFields.h"
#include "BinFile.h"
#include "Global.h"
#include "ResultTexts.h"
#include "RunError.h"
#include "SigFig.h"

namespace {

// Head offsets of the counts that shape the current layout.
constexpr size_t NumSpansAt = 684, NumLoadcasesAt = 688, IntervalsAt = 704, TwentiethAt = 708;
constexpr size_t HeadBytes = 712;
constexpr size_t LineBytes = 76;
// Old layout offsets.
constexpr size_t OldNumSpansAt = 43365, OldNumLoadcasesAt = 43369;
constexpr int OldMaxSpans = 10;

[[noreturn]] void RaiseShort() { throw RunError("Read beyond end of file"); }

void Need(const std::vector<uint8_t>& bytes, size_t n) {
    if (bytes.size() < n) RaiseShort();
}

void InRange(int64_t v, int64_t lo, int64_t hi) {
    if (v < lo || v > hi) RaiseRangeCheck();
}

// Line 0 of a support text as stored: its count, an empty line counting 0.
int StoredCount(const uint8_t* p) {
    ShortString<75> line;
    line.FromBytes(p);
    return line.empty() ? 0 : StrToInt(line.str());
}

}  // namespace

std::vector<uint8_t> BeamDataFileBytes() {
    FieldWriter w;
    BeamFileV4Fields(w);
    for (int i = 0; i < 100; ++i) w.Str(FileMark);
    return std::move(w.Bytes);
}

void WriteBeamDataFile(BinFile& f) {
    const std::vector<uint8_t> bytes = BeamDataFileBytes();
    f.Write(bytes.data(), bytes.size());
}

void SaveBeamDataFile(const std::string& name) {
    const std::vector<uint8_t> bytes = BeamDataFileBytes();
    BinFile f(name, BinFile::Mode::Create);
    f.Write(bytes.data(), bytes.size());
    f.Close();
}

int64_t BeamFileV4Size(const std::vector<uint8_t>& bytes) {
    Need(bytes, HeadBytes);
    const int64_t nS = GetInt32(&bytes[NumSpansAt]);
    const int64_t nLC = GetInt32(&bytes[NumLoadcasesAt]);
    const int64_t P = GetInt32(&bytes[IntervalsAt]);
    const int64_t T = GetInt32(&bytes[TwentiethAt]);
    InRange(nS, 1, MaxSpans);
    InRange(nLC, 0, MaxLoadcases);
    InRange(P, nLC > 0 ? 1 : 0, 200);
    if (nLC > 0) InRange(T, 0, P / 20);
    Need(bytes, HeadBytes + 3 * LineBytes * nLC);
    int64_t supportLines = 0;
    for (int64_t lc = 1; lc <= nLC; ++lc) {
        const int c = StoredCount(&bytes[HeadBytes + LineBytes * (2 * nLC + lc - 1)]);
        InRange(c, 0, 100);
        supportLines += c;
    }
    return 44151 + 3864 * nLC + 8 * nLC * nS * (P + 1) + 84 * nLC * nS + 16 * nLC * (P + 1) + 76 * supportLines;
}

BeamFileLayout BeamFileLayoutOf(const std::vector<uint8_t>& bytes) {
    Need(bytes, BeamFileVersionBytes);
    ShortString<25> version;
    version.FromBytes(bytes.data());
    if (version.len >= 4) return BeamFileLayout::Old;
    const std::string text = version.str();
    size_t i = text.find_first_not_of(' ');
    int v = 0;
    bool digits = false;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        v = v * 10 + (text[i] - '0');
        digits = true;
    }
    return digits && v == 4 ? BeamFileLayout::V4 : BeamFileLayout::Unknown;
}

std::vector<uint8_t> ReadFileBytes(const std::string& name) {
    BinFile f(name, BinFile::Mode::Read);
    std::vector<uint8_t> bytes(static_cast<size_t>(f.Size()));
    f.Read(bytes.data(), bytes.size());
    f.Close();
    return bytes;
}

void CheckBeamFileV4(const std::vector<uint8_t>& bytes) {
    // The trailer of file marks is not needed to read the file.
    Need(bytes, static_cast<size_t>(BeamFileV4Size(bytes)) - 100 * 26);
}

void ReadBeamFileV4(const std::vector<uint8_t>& bytes) {
    CheckBeamFileV4(bytes);
    FieldReader r(bytes);
    BeamFileV4Fields(r);
}

void CheckBeamFileOld(const std::vector<uint8_t>& bytes) {
    Need(bytes, OldBeamFileBytes);
    InRange(GetInt32(&bytes[OldNumSpansAt]), 1, OldMaxSpans);
    InRange(GetInt32(&bytes[OldNumLoadcasesAt]), 0, MaxLoadcases);
}

namespace {

int32_t OldEndKind(int32_t kind) { return kind == 1 ? SupportFixed : kind == -1 ? SupportSimple : kind; }

void RebuildUniformSectionText() {
    const auto& span = BeamGeometryTable[1];
    UniformSectionText[1] = std::string(" ").append(SpanDescription[1].str());
    UniformSectionText[2] = " Ixx = " + SigFig4(span[GIxx] / Factor_Sect_I) + " " + Unit_Sect_I.str();
    UniformSectionText[3] = "  E  = " + SigFig4(span[GE] / Factor_Sect_E) + " " + Unit_Sect_E.str();
    UniformSectionText[4] = "  y  = " + SigFig3(span[GY] / Factor_Sect_L) + " " + Unit_Sect_L.str();
    UniformSectionText[0] = "4";
}

}  // namespace

void ReadBeamFileOld(const std::vector<uint8_t>& bytes) {
    CheckBeamFileOld(bytes);
    FieldReader r(bytes);
    OldEnds ends;
    BeamFileOldFields(r, ends);
    SupportTypes[0] = OldEndKind(ends.Left);
    SupportTypes[25] = OldEndKind(ends.Right);
    for (int k = 1; k <= 9; ++k) SupportTypes[k] = SupportSimple;
    SpanDescription[RHC] = SpanDescription[11];
    IsFileFactored();
    SelfWeightScope = -1;
    Material = SectionFamily == "Timber" ? "Timber" : SectionFamily == "Misc" || SectionFamily == "Junk" ? "Misc" : "HRS";
    if (SameForAllSpans == 1) RebuildUniformSectionText();
}

void IsFileFactored() {
    FactoredLoads = -1;
    for (int lc = 1; lc <= MaxLoadcases; ++lc)
        for (int slot = 1; slot <= LoadSlots; ++slot)
            if (LoadTable[lc][slot][LFactor] > 1.0f) FactoredLoads = 1;
}
