#include "UnitSettings.h"
#include "BinFile.h"
#include "FileFault.h"
#include "Global.h"
#include "RunError.h"

namespace {
ShortString<25>* const Captions[] = {&PlasticModXName, &ElasticModXName, &PlasticModYName, &ElasticModYName};

// The units in the order of their table, each a name and a factor.
constexpr int PairBytes = 15;
constexpr int CaptionsAt = QuantityCount * PairBytes;  // 210
constexpr int BMConventionAt = CaptionsAt + 4 * 26;  // 314
constexpr int FactoredLoadsAt = BMConventionAt + 4;  // 318

void Encode(uint8_t* b) {
    for (int i = 0; i < QuantityCount; ++i) {
        Units[i].Name.ToBytes(b + i * PairBytes);
        PutSingle(b + i * PairBytes + 11, Units[i].Factor);
    }
    for (int i = 0; i < 4; ++i) Captions[i]->ToBytes(b + CaptionsAt + i * 26);
    PutInt32(b + BMConventionAt, BMConvention);
    PutInt32(b + FactoredLoadsAt, FactoredLoads);
}

// The factors lie in the range of the units offered; the switches are +1
// or -1. Anything else is damage.
bool Plausible(const uint8_t* b) {
    for (int i = 0; i < QuantityCount; ++i)
        if (!FactorInRange(GetSingle(b + i * PairBytes + 11))) return false;
    for (int at : {BMConventionAt, FactoredLoadsAt})
        if (const int32_t v = GetInt32(b + at); v != 1 && v != -1) return false;
    return true;
}

void Decode(const uint8_t* b) {
    for (int i = 0; i < QuantityCount; ++i) {
        Units[i].Name.FromBytes(b + i * PairBytes);
        Units[i].Factor = GetSingle(b + i * PairBytes + 11);
    }
    for (int i = 0; i < 4; ++i) Captions[i]->FromBytes(b + CaptionsAt + i * 26);
    BMConvention = GetInt32(b + BMConventionAt);
    FactoredLoads = GetInt32(b + FactoredLoadsAt);
}
}  // namespace

bool ReadUnitSettingsFile() {
    uint8_t b[UnitSettingsBytes];
    try {
        BinFile f(ProgramFile(UnitSettingsFileName), BinFile::Mode::Read);
        if (f.ReadSome(b, sizeof b) != sizeof b) return false;
        f.Close();
    } catch (const RunError&) {
        return false;
    }
    if (!Plausible(b)) return false;
    Decode(b);
    return true;
}

void ApplyDefaultUnits() {
    for (const QuantityUnits& q : UnitTable())
        if (!q.fixed) SetUnit(q.id, q.Default());
    ApplyDefaultCaptions();
}

void ApplyDefaultCaptions() {
    PlasticModXName = "Sxx";
    ElasticModXName = "Zxx";
    PlasticModYName = "Syy";
    ElasticModYName = "Zyy";
    BMConvention = 1;
}

void WriteUnitSettingsFile() {
    try {
        uint8_t b[UnitSettingsBytes] = {};
        Encode(b);
        BinFile f(ProgramFile(UnitSettingsFileName), BinFile::Mode::Create);
        f.Write(b, sizeof b);
        FileMark = "Junk";
        for (int i = 0; i < 25; ++i) f.WriteStr(FileMark);
        f.Close();
    } catch (const RunError& e) {
        throw RunError("Default units not saved to " + ProgramFile(UnitSettingsFileName) +
                       ": " + WriteFault(e.what()));
    }
}

KeptUnitSettings::KeptUnitSettings() { Encode(bytes_); }
void KeptUnitSettings::Restore() const { Decode(bytes_); }
