#include "BeamFile.h"
#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include "AnalysisState.h"
#include "BeamFileCheck.h"
#include "BeamFileFields.h"
#include "BeamRules.h"
#include "BinFile.h"
#include "FieldText.h"
#include "FileFault.h"
#include "Global.h"
#include "LoadData.h"
#include "LoadOutline.h"
#include "LoadingDataText.h"
#include "NewBeam.h"
#include "ResultTexts.h"
#include "RunError.h"
#include "SigFig.h"
#include "StoredResults.h"
#include "Units.h"

namespace {

// Head offsets of the counts that shape the current layout.
constexpr size_t NumSpansAt = 684, NumLoadcasesAt = 688, IntervalsAt = 704, TwentiethAt = 708;
constexpr size_t HeadBytes = 712;
constexpr size_t LineBytes = 76;
// Old layout offsets.
constexpr size_t OldHeadLines = 18, OldUnitsAt = 1830;  // the header lines and member descriptions, then units
constexpr size_t OldNumSpansAt = 43365, OldNumLoadcasesAt = 43369;
constexpr int OldMaxSpans = 10;

// The largest file of the current layout: 25 loadcases and spans at 200
// intervals with full support texts; nothing longer is read.
constexpr int64_t MaxBeamFileBytes = 2'000'000;

[[noreturn]] void RaiseShort() { throw RunError("Read beyond end of file"); }

// Whether the check raises nothing.
template <class Check>
bool Passes(Check check) {
    try {
        check();
        return true;
    } catch (const RunError&) {
        return false;
    }
}

void Need(const std::vector<uint8_t>& bytes, size_t n) {
    if (bytes.size() < n) RaiseShort();
}

}  // namespace

std::vector<uint8_t> BeamDataFileBytes() {
    FieldWriter w;
    BeamFileV4Fields(w);
    BeamFileV4Trailer(w);
    return std::move(w.Bytes);
}

BeamFileImage KeepableBeamImage(std::string& dropped) {
    // Results held are always an analysis's of the beam as it stands.
    dropped = ResultsReady != 1 && NumLoadcases > 0 ? NoResultsReason() : "";
    if (ResultsReady == 1) return {BeamFileLayout::V4, BeamDataFileBytes()};
    // Without results: every result zero, at a division the layout allows.
    const auto kept = std::make_unique<StoredResultTables>();
    struct PutBack {
        const StoredResultTables& tables;
        ~PutBack() { tables.PutBack(); }
    } putBack{*kept};
    StoredResultTables::Clear();
    return {BeamFileLayout::V4, BeamDataFileBytes()};
}

namespace {

// The loads as far as the user typed or chose them: a row's kind, and of a
// load its values, factor and ticks; of the self weight its factor and
// ticks where it is applied somewhere. What the program puts into a row
// itself (the spare field, the factor an empty row reads as, the self
// weight's rate and extent) is left at 0, and so is a flag not applied,
// which a file may hold as -1 and a window writes as NotApplied.
void KeepUsersLoads(LoadTables& table) {
    const bool selfWeight = AppliedInSomeLoadcase(table, SelfWeightSlot, MaxLoadcases);
    for (int lc = 1; lc <= MaxLoadcases; ++lc) {
        for (int slot = 1; slot <= MaxLoadRows; ++slot) {
            LoadRecord& r = table[lc][slot];
            if (r[LKind] == 0) r.Fill(0);
            if (r[LApplied] != 1.0f) r[LApplied] = NotApplied;
            r[LSpare] = 0;
        }
        LoadRecord& self = table[lc][SelfWeightSlot];
        const float factor = self[LFactor], applied = self[LApplied];
        self.Fill(0);
        if (!selfWeight) continue;
        self[LFactor] = factor;
        self[LApplied] = applied == 1.0f ? 1.0f : NotApplied;
    }
}

}  // namespace

std::vector<uint8_t> BeamContentBytes() {
    const auto kept = std::make_unique<LoadTables>(LoadTable);
    struct PutBack {
        const LoadTables& loads;
        ~PutBack() { LoadTable = loads; }
    } putBack{*kept};
    KeepUsersLoads(LoadTable);
    FieldWriter w;
    w.UsersOnly = true;
    BeamFileV4Fields(w);
    // Kept by the file in its report of a beam of a section per member.
    if (SameForAllSpans == -1 && MemberPresent(LHC)) w.Str(SpanDescription[LHC]);
    return std::move(w.Bytes);
}

std::string SaveBeamDataFile(const std::string& name) {
    std::string dropped;
    const BeamFileImage image = KeepableBeamImage(dropped);
    // Nothing is written that Open would refuse.
    CheckBeamImage(image);
    BinFile f(name, BinFile::Mode::Create);
    f.Write(image.Bytes.data(), image.Bytes.size());
    f.Close();
    return dropped;
}

namespace {

// What the writer writes for the counts and support texts at the head of the
// given bytes: the bytes up to its trailer, and in all.
struct V4Sizes {
    size_t Fields, Whole;
};
V4Sizes BeamFileV4Sizes(const std::vector<uint8_t>& bytes) {
    Need(bytes, HeadBytes);
    const int64_t nS = GetInt32(&bytes[NumSpansAt]);
    const int64_t nLC = GetInt32(&bytes[NumLoadcasesAt]);
    const int64_t P = GetInt32(&bytes[IntervalsAt]);
    const int64_t T = GetInt32(&bytes[TwentiethAt]);
    FileCount(nS, 1, MaxSpans, "the number of spans");
    FileCount(nLC, 0, MaxLoadcases, "the number of loadcases");
    if (nLC > 0) FileIntervals(P, T);
    Need(bytes, HeadBytes + 3 * LineBytes * nLC);
    FieldUndo undo;
    struct Restore {
        FieldUndo& undo;
        ~Restore() { undo.Undo(); }
    } restore{undo};
    for (int32_t* count : {&NumSpans, &NumLoadcases, &SavedSpanIntervals}) undo.Keep(*count);
    NumSpans = int32_t(nS), NumLoadcases = int32_t(nLC), SavedSpanIntervals = int32_t(P);
    for (int lc = 1; lc <= nLC; ++lc) {
        ShortString<75>& line = CaseSupportText[lc][0];
        undo.Keep(line);
        line.FromBytes(&bytes[HeadBytes + LineBytes * (2 * nLC + lc - 1)]);
        FileLineCount(line.str(), 100, "the support text of loadcase " + std::to_string(lc));
    }
    FieldWriter w;
    w.SizeOnly = true;
    BeamFileV4Fields(w);
    const size_t fields = w.Size;
    BeamFileV4Trailer(w);
    return {fields, w.Size};
}

}  // namespace

int64_t BeamFileV4Size(const std::vector<uint8_t>& bytes) { return static_cast<int64_t>(BeamFileV4Sizes(bytes).Whole); }

namespace {

// The version string a file starts with: up to three characters (four or
// more are a header line); none in a file shorter than its field.
std::optional<std::string> VersionText(const std::vector<uint8_t>& bytes) {
    if (bytes.size() < BeamFileVersionBytes || bytes[0] >= 4) return std::nullopt;
    ShortString<25> version;
    version.FromBytes(bytes.data());
    return version.str();
}

// The number the version text starts with, blanks skipped: "4.3" gives 4.
std::optional<int> VersionNumber(const std::string& text) {
    size_t i = text.find_first_not_of(' ');
    std::optional<int> v;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) v = v.value_or(0) * 10 + (text[i] - '0');
    return v;
}

// A string field at `at` of at least `least` and at most `capacity`
// characters, all of them text: no control character but the tab.
bool TextField(const std::vector<uint8_t>& bytes, size_t at, size_t capacity, size_t least = 0) {
    const size_t length = bytes[at];
    const auto text = [](uint8_t c) { return c >= ' ' || c == '\t'; };
    return length >= least && length <= capacity && std::all_of(&bytes[at + 1], &bytes[at + 1 + length], text);
}

// The old layout's head: its header lines and member descriptions are text,
// and so are its unit names, of which those every beam needs are not empty.
bool OldHead(const std::vector<uint8_t>& bytes) {
    for (size_t line = 0; line < OldHeadLines; ++line)
        if (!TextField(bytes, 101 * line, 100)) return false;
    for (int place = 0; place < OldBeamFileUnits; ++place)
        if (!TextField(bytes, OldUnitsAt + 11 * place, 10, BeamFileQuantity(place).Required() ? 1 : 0)) return false;
    return true;
}

}  // namespace

BeamFileLayout BeamFileLayoutOf(const std::vector<uint8_t>& bytes) {
    const std::optional<std::string> version = VersionText(bytes);
    const bool v4 = version && VersionNumber(*version) == 4;
    // A whole file of the current layout is never the old layout's length,
    // but one cut short may be, and then its head holds sound counts.
    if (bytes.size() == OldBeamFileBytes && OldHead(bytes) && !(v4 && Passes([&] { BeamFileV4Size(bytes); })))
        return BeamFileLayout::Old;
    return v4 ? BeamFileLayout::V4 : BeamFileLayout::Unknown;
}

bool IsBeamFileName(const std::string& name) { return HasExtension(name, "kvl"); }

namespace {

std::vector<uint8_t> ReadBeamFileBytes(const std::string& name) {
    BinFile f(name, BinFile::Mode::Read);
    const int64_t size = f.Size();
    if (size > MaxBeamFileBytes)
        throw RunError("it is " + std::to_string(size) + " bytes long, longer than any beam data file");
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    f.Read(bytes.data(), bytes.size());
    f.Close();
    return bytes;
}

// ReadNewBeam held to the rules of the model; on any failure every variable
// is put back.
void ReadCheckedBeam(const BeamFileImage& image, FieldUndo& undo) {
    try {
        ReadNewBeam(image, &undo);
        CheckBeamTables(image.Layout);
    } catch (...) {
        undo.Undo();
        throw;
    }
}

}  // namespace

std::string CannotOpen(const std::string& name, const std::string& why) {
    return "Cannot open \"" + name + "\": " + why + ".";
}

BeamFileImage LoadBeamFile(const std::string& name) {
    try {
        if (!IsBeamFileName(name)) throw RunError("its name does not end in \".kvl\"");
        BeamFileImage image{BeamFileLayout::Unknown, ReadBeamFileBytes(name)};
        image.Layout = BeamFileLayoutOf(image.Bytes);
        if (image.Layout == BeamFileLayout::Unknown) {
            const std::optional<std::string> version = VersionText(image.Bytes);
            if (version && VersionNumber(*version))
                throw RunError("its version \"" + *version + "\" is not one this program reads");
            throw RunError("it is not a beam data file");
        }
        return image;
    } catch (const RunError& e) {
        throw RunError(CannotOpen(name, FileFault(e.what())));
    }
}

void CheckBeamImage(const BeamFileImage& image) {
    FieldUndo undo;
    ReadCheckedBeam(image, undo);
    undo.Undo();
}

void ReadSoundBeam(const BeamFileImage& image) {
    FieldUndo undo;
    ReadCheckedBeam(image, undo);
}

void ReadNewBeam(const BeamFileImage& image, FieldUndo* undo) {
    ClearBeamModel(undo);
    if (image.Layout == BeamFileLayout::V4)
        ReadBeamFileV4(image.Bytes, undo);
    else
        ReadBeamFileOld(image.Bytes, undo);
}

void CheckBeamFileV4(const std::vector<uint8_t>& bytes) {
    // The trailer of file marks is not needed to read the file.
    Need(bytes, BeamFileV4Sizes(bytes).Fields);
}

namespace {

// A loadcase store sized anew for loadcases 0..cases, every element fresh;
// with an undo log the old elements are kept aside.
template <class T>
void SizeForLoadcases(BDynArray<T>& store, int cases, FieldUndo* undo) {
    if (undo) undo->TakeAside(store);
    store.SetLength(cases + 1);
}

// What the loads decide is taken from them, not from the file: which
// loadcases carry load and the outline of their distributed loads. Every
// variable set here was read before.
void RebuildFromLoads(int cases) {
    for (int lc = 1; lc <= cases; ++lc) {
        LoadcaseActive[lc] = LoadcaseLoaded(LoadTable[lc]) ? 1 : 0;
        AcceptedUDLOutline[lc] = UDLOutlineOfLoads(LoadTable[lc]);
    }
}

// What the windows showed when the file was written is no part of the beam:
// a value out of range gives way to a sound one.
void TakeSoundViewState(FieldReader& r) {
    for (const ViewField& f : ViewFields()) {
        r.Keep(f.value);
        if (f.value < f.lo || f.value > f.hi) f.value = f.sound();
    }
}

// A line of the section text: the label, then a number and the name of a
// unit offered for the quantity; the number in that unit gives the value
// held to the four figures the text may show.
bool SectionLineAgrees(const ShortString<60>& line, std::string_view label, Quantity q, double value) {
    const std::string text = line.str();
    const size_t blank = text.rfind(' ');
    if (text.rfind(label, 0) != 0 || blank == std::string::npos || blank < label.size()) return false;
    const float factor = OfferedFactor(UnitsOf(q), text.substr(blank + 1));
    if (factor == 0) return false;
    const auto v = TryFieldStored(text.substr(label.size(), blank - label.size()), factor, FieldRule::Member);
    return v && std::fabs(*v - value) <= 1e-3 * std::fabs(value);
}

// Span 1's section as the text of a beam of one section, as the beam data
// window writes it; with `keep`, a line that already says so stays as it is.
void BuildSectionText(bool keep) {
    const auto& span = BeamGeometryTable[1];
    const std::string description = " " + SpanDescription[1].str();
    if (!keep || !(UniformSectionText[1] == ShortString<60>(description).str())) UniformSectionText[1] = description;
    const struct {
        int line;
        std::string_view label;
        Quantity quantity;
        double value;
        std::string (*format)(double);
    } lines[] = {{2, " Ixx = ", Quantity::I, span[GIxx], SigFig4},
                 {3, "  E  = ", Quantity::E, span[GE], SigFig4},
                 {4, "  y  = ", Quantity::SectionDimension, span[GY], SigFig3}};
    for (const auto& l : lines) {
        const DisplayUnit& unit = Unit(l.quantity);
        if (!keep || !SectionLineAgrees(UniformSectionText[l.line], l.label, l.quantity, l.value))
            UniformSectionText[l.line] = std::string(l.label) + l.format(l.value / unit.Factor) + " " + unit.Name.str();
    }
    UniformSectionText[0] = "4";
}

// A text whose line count cannot be read is rebuilt where its data are
// held, else left empty; so are the lines of the section text that are not
// the beam's.
void RebuildTexts() {
    auto sound = [](const auto& store, int max) { return Passes([&] { FileLineCount(store[0].str(), max, ""); }); };
    if (!sound(UniformSectionText, 50)) UniformSectionText[0] = "0";
    if (SameForAllSpans == 1) BuildSectionText(true);
    if (!sound(LoadingDataUDLText, 100) || !sound(LoadingDataPointText, 100)) BuildLoadingDataText();
    if (!sound(ReportText, 100)) ReportText[0] = "0";
    if (!sound(MaximaText, 50)) MaximaText[0] = "0";
}

}  // namespace

void ReadBeamFileV4(const std::vector<uint8_t>& bytes, FieldUndo* undo) {
    CheckBeamFileV4(bytes);
    const int32_t nLC = GetInt32(&bytes[NumLoadcasesAt]);
    SizeForLoadcases(CaseSpanDataText, nLC, undo);
    SizeForLoadcases(ShearSeries, nLC, undo);
    SizeForLoadcases(MomentSeries, nLC, undo);
    SizeForLoadcases(DeflectionSeries, nLC, undo);
    FieldReader r(bytes, undo);
    r.Keep(SpanIntervals);
    BeamFileV4Fields(r);
    SpanIntervals = SavedSpanIntervals;
    RebuildFromLoads(NumLoadcases);
    TakeSoundViewState(r);
    RebuildTexts();
}

void CheckBeamFileOld(const std::vector<uint8_t>& bytes) {
    Need(bytes, OldBeamFileBytes);
    FileCount(GetInt32(&bytes[OldNumSpansAt]), 1, OldMaxSpans, "the number of spans");
    FileCount(GetInt32(&bytes[OldNumLoadcasesAt]), 0, MaxLoadcases, "the number of loadcases");
}

namespace {

// The old layout's support kinds: 1 fixed, -1 simple; others as they are.
int32_t OldSupportKind(int32_t kind) { return kind == 1 ? SupportFixed : kind == -1 ? SupportSimple : kind; }

}  // namespace

void ReadBeamFileOld(const std::vector<uint8_t>& bytes, FieldUndo* undo) {
    CheckBeamFileOld(bytes);
    FieldReader r(bytes, undo);
    OldEnds ends;
    BeamFileOldFields(r, ends);
    r.Keep(SupportTypes);
    r.Keep(SpanDescription[RHC]);
    r.Keep(FactoredLoads);
    r.Keep(SelfWeightScope);
    r.Keep(Material);
    r.Keep(UniformSectionText);
    r.Keep(BeamGeometryTable);
    r.Keep(AcceptedUDLOutline);
    SupportTypes[0] = OldSupportKind(ends.Left);
    SupportTypes[25] = OldSupportKind(ends.Right);
    // The tenth keeps the kind read last.
    for (int k = 1; k <= 9; ++k) SupportTypes[k] = SupportSimple;
    // What the file does not hold is as a new beam has it.
    for (int k = 11; k <= 24; ++k) SupportTypes[k] = SupportNone;
    for (int m = 11; m <= RHC + 1; ++m)
        if (m != RHC)
            for (int col = GPresent; col <= 6; ++col) BeamGeometryTable[m][col] = 0;
    RebuildFromLoads(MaxLoadcases);
    TakeSoundViewState(r);
    SpanDescription[RHC] = SpanDescription[11];
    IsFileFactored();
    SelfWeightScope = -1;
    Material = SectionFamily == "Timber" ? "Timber" : SectionFamily == "Misc" || SectionFamily == "Junk" ? "Misc" : "HRS";
    if (SameForAllSpans == 1) BuildSectionText(false);
}

void IsFileFactored() {
    FactoredLoads = -1;
    for (int lc = 1; lc <= MaxLoadcases; ++lc)
        for (int slot = 1; slot <= LoadSlots; ++slot)
            if (LoadTable[lc][slot][LFactor] > 1.0f) FactoredLoads = 1;
}
