#include "UnitSettings.h"
#include <cstring>
#include <filesystem>
#include "BinFile.h"
#include "FileFault.h"
#include "Global.h"
#include "RunError.h"

namespace {
// The fourteen unit pairs in file order.
struct UnitPair { ShortString<10>* name; float* factor; };
const UnitPair FileUnits[] = {
    {&Unit_L, &Factor_L},           {&Unit_Sect_L, &Factor_Sect_L}, {&Unit_PL, &Factor_PL},
    {&Unit_R, &Factor_R},           {&Unit_Sh, &Factor_Sh},         {&Unit_Mom, &Factor_Mom},
    {&Unit_Def, &Factor_Def},       {&Unit_St, &Factor_St},         {&Unit_Sect_E, &Factor_Sect_E},
    {&Unit_Sect_I, &Factor_Sect_I}, {&Unit_Sect_SZ, &Factor_Sect_SZ}, {&Unit_Sect_A, &Factor_Sect_A},
    {&Unit_Wt, &Factor_Wt},         {&Unit_H, &Factor_H},
};
ShortString<25>* const Captions[] = {&PlasticModXName, &ElasticModXName, &PlasticModYName, &ElasticModYName};

constexpr int PairBytes = 15;
constexpr int CaptionsAt = 14 * PairBytes;  // 210
constexpr int BMConventionAt = CaptionsAt + 4 * 26;  // 314
constexpr int FactoredLoadsAt = BMConventionAt + 4;  // 318

void Encode(uint8_t* b) {
    for (int i = 0; i < 14; ++i) {
        FileUnits[i].name->ToBytes(b + i * PairBytes);
        PutSingle(b + i * PairBytes + 11, *FileUnits[i].factor);
    }
    for (int i = 0; i < 4; ++i) Captions[i]->ToBytes(b + CaptionsAt + i * 26);
    PutInt32(b + BMConventionAt, BMConvention);
    PutInt32(b + FactoredLoadsAt, FactoredLoads);
}

// The factors lie in the range of the units offered; the switches are +1
// or -1. Anything else is damage.
bool Plausible(const uint8_t* b) {
    for (int i = 0; i < 14; ++i)
        if (!FactorInRange(GetSingle(b + i * PairBytes + 11))) return false;
    for (int at : {BMConventionAt, FactoredLoadsAt})
        if (const int32_t v = GetInt32(b + at); v != 1 && v != -1) return false;
    return true;
}

void Decode(const uint8_t* b) {
    for (int i = 0; i < 14; ++i) {
        FileUnits[i].name->FromBytes(b + i * PairBytes);
        *FileUnits[i].factor = GetSingle(b + i * PairBytes + 11);
    }
    for (int i = 0; i < 4; ++i) Captions[i]->FromBytes(b + CaptionsAt + i * 26);
    BMConvention = GetInt32(b + BMConventionAt);
    FactoredLoads = GetInt32(b + FactoredLoadsAt);
}
}  // namespace

bool ReadUnitSettingsFile() {
    uint8_t b[UnitSettingsBytes];
    try {
        BinFile f(UnitSettingsFileName, BinFile::Mode::Read);
        if (f.ReadSome(b, sizeof b) != sizeof b) return false;
        f.Close();
    } catch (const RunError&) {
        return false;
    }
    if (!Plausible(b)) return false;
    Decode(b);
    return true;
}

std::span<const DefaultUnit> DefaultUnits() {
    static const DefaultUnit defaults[] = {
        {&Unit_L, &Factor_L, "m", 1000.0f, true},           {&Unit_Sect_L, &Factor_Sect_L, "mm", 1.0f, false},
        {&Unit_PL, &Factor_PL, "kN", 1000.0f, true},        {&Unit_R, &Factor_R, "kN/m", 1.0f, true},
        {&Unit_Sh, &Factor_Sh, "kN", 0.001f, true},         {&Unit_Mom, &Factor_Mom, "kN-m", 1e-06f, true},
        {&Unit_Def, &Factor_Def, "mm", 1.0f, true},         {&Unit_St, &Factor_St, "N/mm^2", 1.0f, false},
        {&Unit_Sect_E, &Factor_Sect_E, "N/mm^2", 1.0f, true}, {&Unit_Sect_I, &Factor_Sect_I, "cm^4", 10000.0f, true},
        {&Unit_Sect_SZ, &Factor_Sect_SZ, "cm^3", 1000.0f, false}, {&Unit_Sect_A, &Factor_Sect_A, "cm^2", 100.0f, false},
        {&Unit_Wt, &Factor_Wt, "kg/m", 0.00785f, false},
    };
    return defaults;
}

void ApplyDefaultUnits() {
    for (const DefaultUnit& d : DefaultUnits()) {
        *d.name = d.unit;
        *d.factor = d.value;
    }
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
        ChangeDir(StartDir);
        uint8_t b[UnitSettingsBytes] = {};
        Encode(b);
        BinFile f(UnitSettingsFileName, BinFile::Mode::Create);
        f.Write(b, sizeof b);
        FileMark = "Junk";
        for (int i = 0; i < 25; ++i) f.WriteStr(FileMark);
        f.Close();
    } catch (const RunError& e) {
        throw RunError("Default units not saved to " + (std::filesystem::path(StartDir) / UnitSettingsFileName).string() +
                       ": " + WriteFault(e.what()));
    }
}

KeptUnitSettings::KeptUnitSettings() { Encode(bytes_); }
void KeptUnitSettings::Restore() const { Decode(bytes_); }
