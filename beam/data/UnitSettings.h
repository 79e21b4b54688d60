// The unit settings file "kvl3_Unit2.dim": 322 bytes of settings followed by
// 650 bytes of filler, 972 bytes as written.
#pragma once
#include <cstdint>
#include <string>
#include "ShortString.h"

constexpr const char* UnitSettingsFileName = "kvl3_Unit2.dim";
constexpr int UnitSettingsBytes = 322;

// Reads the settings from the program folder. A missing or unreadable
// file, one shorter than the settings, or one holding a factor outside the
// range of the units offered or a switch other than +1 or -1 changes nothing
// and returns false.
bool ReadUnitSettingsFile();

// Every unit offered has a factor between 1e-12 (the warping constant) and
// about 4e5 (in^4); a stored factor outside 1e-13 to 1e7 is damage.
constexpr float SmallestFactor = 1e-13f, LargestFactor = 1e7f;
inline bool FactorInRange(float f) { return f >= SmallestFactor && f <= LargestFactor; }

// The built-in display units, used when no settings file can be read; the
// warping unit and the factored-loads switch keep their values.
void ApplyDefaultUnits();
// The default modulus captions (Sxx, Zxx, Syy, Zyy) and moment convention.
void ApplyDefaultCaptions();

// Writes the settings into the program folder; every failure raises its
// file error, naming the file. Sets FileMark to "Junk", whose copies fill
// the rest of the file.
void WriteUnitSettingsFile();

// The settings as they stand (units, modulus captions, moment convention and
// factored loads), kept to be put back by Restore.
class KeptUnitSettings {
public:
    KeptUnitSettings();
    void Restore() const;

private:
    uint8_t bytes_[UnitSettingsBytes];
};
