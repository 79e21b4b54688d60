// The beam data file (".kvl"): the current layout, written and read from one
// list of fields, and the older layout of at most 10 spans, read only.
// Both readers check the whole file before they change any table, so a
// short or damaged file raises its error and leaves the model as it was.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

class BinFile;

constexpr int BeamFileVersionBytes = 26;   // the version string at the start
constexpr int OldBeamFileBytes = 46081;

// The file as the current state would write it.
std::vector<uint8_t> BeamDataFileBytes();
// Writes BeamDataFileBytes() to a file the caller opened for writing.
void WriteBeamDataFile(BinFile& f);
// Creates or truncates the file and writes the beam into it; the image is
// made before the file is opened, so a fault in it leaves an existing file
// as it was. Raises the file's error.
void SaveBeamDataFile(const std::string& name);

// Length the current layout takes for the counts held at the head of the
// given bytes; raises "Read beyond end of file" when the bytes end before the
// counts, "Range check error" when a count exceeds its capacity.
int64_t BeamFileV4Size(const std::vector<uint8_t>& bytes);

enum class BeamFileLayout { Old, V4, Unknown };
// The layout named by the version string in the first 26 bytes: four or more
// characters is the old layout (whose first field is a header line), a
// leading number of 4 the current one.
BeamFileLayout BeamFileLayoutOf(const std::vector<uint8_t>& bytes);

// Whole file contents; raises the file's error.
std::vector<uint8_t> ReadFileBytes(const std::string& name);

// Read a checked image of each layout into the model. The current layout
// also sizes the loadcase result tables and sets SpanIntervals; the old one
// applies its fix-ups (supports, factored loads, material, section text).
void ReadBeamFileV4(const std::vector<uint8_t>& bytes);
void ReadBeamFileOld(const std::vector<uint8_t>& bytes);
// The checks the readers make first, without reading.
void CheckBeamFileV4(const std::vector<uint8_t>& bytes);
void CheckBeamFileOld(const std::vector<uint8_t>& bytes);

// FactoredLoads from the load table: 1 when some load factor exceeds 1.0.
void IsFileFactored();
