// The rules a beam data file must keep, checked on the tables a read
// has filled. Each failed rule raises a RunError that says what is wrong.
#pragma once
#include <cstdint>
#include <string>

enum class BeamFileLayout;
struct QuantityUnits;

// The factor of a unit this program offers under the name, or 0.
float OfferedFactor(const QuantityUnits& q, const std::string& name);

// A count of the file that must lie in lo..hi.
void FileCount(int64_t value, int64_t lo, int64_t hi, const std::string& what);
// The intervals per member of the stored results and their twentieth step.
void FileIntervals(int64_t intervals, int64_t twentieth);
// The count in line 0 of a stored text: empty (0) or a whole number 0..max.
int FileLineCount(const std::string& line0, int max, const std::string& what);

// The tables the file filled: counts, members, beam length, supports, loads,
// flags, unit factors and text counts.
void CheckBeamTables(BeamFileLayout layout);
