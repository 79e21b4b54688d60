// The beam data file (".kvl"): the current layout, written and read from one
// list of fields, and the older layout of at most 10 spans, read only.
// Open loads a file whole, then reads it into the model as a new beam under
// an undo log and checks the tables against the rules of the model: a file
// refused has every variable put back.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

class FieldUndo;

constexpr int BeamFileVersionBytes = 26;   // the version string at the start
constexpr int OldBeamFileBytes = 46081;

// The file as the current state would write it.
std::vector<uint8_t> BeamDataFileBytes();
// The file as the current state would write it, without results (all zero)
// when the beam has none as it stands: says why in `dropped` when it has
// loadcases, else leaves it empty.
struct BeamFileImage;
BeamFileImage KeepableBeamImage(std::string& dropped);
// What of the beam Save would write that the user typed or chose: neither
// what the windows showed nor what the program forms (an analysis's results
// and texts, what is worked out from the beam and its loads).
std::vector<uint8_t> BeamContentBytes();
// Writes the beam to the named file, which is replaced only once the whole
// file is written: on any failure the old file stays as it was. Raises the
// file's error, or what Open would refuse the file for, writing nothing.
// Results left out are not written: returns why, else "".
std::string SaveBeamDataFile(const std::string& name);

// Length the current layout takes for the counts held at the head of the
// given bytes, as the writer lays it out; raises "Read beyond end of file" when the bytes end before the
// counts, and says which count is out of its range.
int64_t BeamFileV4Size(const std::vector<uint8_t>& bytes);

enum class BeamFileLayout { Old, V4, Unknown };
// The layout of a file from its head and its length: a version string of up
// to three characters with a leading number of 4 is the current layout; a
// file of the old layout's length whose header lines, member descriptions and
// unit names are text of their fields' lengths the old one.
BeamFileLayout BeamFileLayoutOf(const std::vector<uint8_t>& bytes);

// Beam data file names end in ".kvl", in any letter case.
bool IsBeamFileName(const std::string& name);

struct BeamFileImage {
    BeamFileLayout Layout = BeamFileLayout::Unknown;
    std::vector<uint8_t> Bytes;
};
// "Cannot open "name": why.", what Open says of a file it refuses.
std::string CannotOpen(const std::string& name, const std::string& why);
// The file read whole and its layout known, every table left as it was;
// raises one RunError that names the file and what is wrong with it.
BeamFileImage LoadBeamFile(const std::string& name);
// Reads an image into the model as into a new beam: what it does not hold is
// as New leaves it. With an undo log every variable written is kept first.
void ReadNewBeam(const BeamFileImage& image, FieldUndo* undo = nullptr);
// ReadNewBeam, the tables then held to the rules of the model; raises what
// is wrong, every variable put back.
void ReadSoundBeam(const BeamFileImage& image);
// ReadSoundBeam with every variable put back after: raises what Open would
// refuse the image for.
void CheckBeamImage(const BeamFileImage& image);

// Read an image of each layout into the model; with an undo log every
// variable written is kept first. The current layout also sizes the loadcase
// result tables anew and sets SpanIntervals; the old one applies its fix-ups
// (supports, factored loads, material, section text).
void ReadBeamFileV4(const std::vector<uint8_t>& bytes, FieldUndo* undo = nullptr);
void ReadBeamFileOld(const std::vector<uint8_t>& bytes, FieldUndo* undo = nullptr);
// The checks the readers make first, without reading.
void CheckBeamFileV4(const std::vector<uint8_t>& bytes);
void CheckBeamFileOld(const std::vector<uint8_t>& bytes);

// FactoredLoads from the load table: 1 when some load factor exceeds 1.0.
void IsFileFactored();
