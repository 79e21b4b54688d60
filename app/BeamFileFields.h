// The fields of both beam file layouts in file order, each layout one
// routine that a writer or a reader walks. Included by BeamFile.cpp alone.
#pragma once
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>
#include "AnalysisState.h"
#include "BeamDrawing.h"
#include "BinFile.h"
#include "FieldUndo.h"
#include "Global.h"
#include "LoadData.h"
#include "ResultTexts.h"
#include "RunError.h"

// The last load row that holds a load.
inline int32_t LastLoadedRow() {
    int32_t last = 0;
    for (int slot = 1; slot <= MaxLoadRows; ++slot)
        if (LoadTable[1][slot][LKind] != 0) last = slot;
    return last;
}

// The fields a beam file keeps of what the windows showed when it was
// written, which are no part of the beam: each with the values its window
// takes and the one it shows for a value out of them.
struct ViewField {
    int32_t& value;
    int32_t lo, hi;
    int32_t (*sound)();
};
inline const std::array<ViewField, 4>& ViewFields() {
    static const std::array<ViewField, 4> fields{{
        {LoadCaseShown, 1, MaxLoadcases, [] { return int32_t(1); }},
        {SpanNoStored, 0, RHC + 1, [] { return int32_t(1); }},  // the first member
        {LoadRowsShown, 0, MaxLoadRows, LastLoadedRow},
        {DisplayMode, -1, 1, [] { return int32_t(0); }},
    }};
    return fields;
}

// Appends each field to a byte image. The fields between ProgramsOwn and
// UsersOwn are the program's: its version and mark, what an analysis forms
// and what is worked out from the beam and its loads. With UsersOnly they
// are left out, and so are the view fields: what is written is what the
// user typed or chose. With SizeOnly every field is left out and its bytes
// are only counted in Size.
struct FieldWriter {
    static constexpr bool Reading = false;
    bool UsersOnly = false, SizeOnly = false;
    std::vector<uint8_t> Bytes;
    size_t Size = 0;

    void ProgramsOwn() { programs_ = true; }
    void UsersOwn() { programs_ = false; }
    template <int N> void Str(ShortString<N>& s) { s.ToBytes(Grow(N + 1)); }
    void Int(int32_t& v) {
        const bool view = std::any_of(ViewFields().begin(), ViewFields().end(),
                                      [&](const ViewField& f) { return &f.value == &v; });
        PutInt32(Grow(4, view), v);
    }
    void Single(float& v) { PutSingle(Grow(4), v); }
    void Double(double& v) { PutDouble(Grow(8), v); }
    void Result(float& v) { Single(v); }
    void Result(double& v) { Double(v); }
    void Skip(size_t n) { Grow(n); }

private:
    // Room for n bytes: at the end of the image, or aside for a field left out.
    uint8_t* Grow(size_t n, bool view = false) {
        if (SizeOnly) Size += n;
        if (SizeOnly || (UsersOnly && (programs_ || view))) {
            aside_.resize(n);
            return aside_.data();
        }
        Bytes.resize(Bytes.size() + n);
        return &Bytes[Bytes.size() - n];
    }
    bool programs_ = false;
    std::vector<uint8_t> aside_;
};

// Takes each field from a byte image, in place. A text longer than its
// field or a number that is not finite refuses the file, except in stored
// results, which Open judges against its beam, and in the outline of the
// distributed loads, which it builds again from them (stacked rates may lie
// beyond the singles); with an undo log every variable is kept before it is
// overwritten.
class FieldReader {
public:
    static constexpr bool Reading = true;
    explicit FieldReader(const std::vector<uint8_t>& bytes, FieldUndo* undo = nullptr) : bytes_(bytes), undo_(undo) {}

    const uint8_t* Take(size_t n) {
        if (pos_ + n > bytes_.size()) throw RunError("Read beyond end of file");
        pos_ += n;
        return &bytes_[pos_ - n];
    }
    template <int N> void Str(ShortString<N>& s) {
        const uint8_t* p = Take(N + 1);
        if (p[0] > N)
            throw RunError("the text at byte " + std::to_string(pos_ - N - 1) + " is " + std::to_string(p[0]) +
                           " characters long, more than its field holds (" + std::to_string(N) + ")");
        Keep(s);
        s.FromBytes(p);
    }
    void Int(int32_t& v) {
        const int32_t x = GetInt32(Take(4));
        Keep(v);
        v = x;
    }
    void Single(float& v) { Number(v, GetSingle(Take(4))); }
    void Double(double& v) { Number(v, GetDouble(Take(8))); }
    void Result(float& v) { Assign(v, GetSingle(Take(4))); }
    void Result(double& v) { Assign(v, GetDouble(Take(8))); }
    void Skip(size_t n) { Take(n); }
    void ProgramsOwn() {}
    void UsersOwn() {}
    template <class T> void Keep(T& v) {
        if (undo_) undo_->Keep(v);
    }

private:
    template <class T> void Number(T& v, T x) {
        if (!std::isfinite(x))
            throw RunError("the number at byte " + std::to_string(pos_ - sizeof x) + " is not a finite value");
        Assign(v, x);
    }
    template <class T> void Assign(T& v, T x) {
        Keep(v);
        v = x;
    }

    const std::vector<uint8_t>& bytes_;
    FieldUndo* undo_;
    size_t pos_ = 0;
};

// Fields lo..hi of a table, one call per element.
template <class IO, class Table>
void Singles(IO& io, Table& t, int lo, int hi) {
    for (int i = lo; i <= hi; ++i) io.Single(t[i]);
}
template <class IO, class Table>
void Doubles(IO& io, Table& t, int lo, int hi) {
    for (int i = lo; i <= hi; ++i) io.Double(t[i]);
}
template <class IO, class Table>
void Results(IO& io, Table& t, int lo, int hi) {
    for (int i = lo; i <= hi; ++i) io.Result(t[i]);
}
template <class IO, class Store>
void Lines(IO& io, Store& store, int lo, int hi) {
    for (int i = lo; i <= hi; ++i) io.Str(store[i]);
}

// The first `count` display units of the beam file: all names, then all
// factors.
template <class IO>
void UnitFields(IO& io, int count) {
    for (int place = 0; place < count; ++place) io.Str(Unit(BeamFileQuantity(place).id).Name);
    for (int place = 0; place < count; ++place) io.Single(Unit(BeamFileQuantity(place).id).Factor);
}

inline ShortString<100>* const HeaderLines[] = {&Header_Company,   &Header_User,    &Header_Project_1,
                                                 &Header_Project_2, &Header_JobDesc, &Header_Ref};

// Line 0 of a loadcase's span data; a loadcase beyond the stores sized by
// the last analysis is written as an empty line.
inline ShortString<75>& SpanDataHead(int lc) {
    static ShortString<75> none;
    if (lc < CaseSpanDataText.Length()) return CaseSpanDataText[lc][0];
    none = "";
    return none;
}

template <class IO>
void BeamFileModelBlock(IO& io) {
    Lines(io, SpanDescription, 1, RHC);
    io.Str(Material);
    io.Str(SectionFamily);
    UnitFields(io, BeamFileUnits);
    for (int k = 0; k <= 25; ++k) io.Int(SupportTypes[k]);
    io.Int(LoadRowsShown);
    io.ProgramsOwn();
    Results(io, CaseAppliedLoad, 1, MaxLoadcases);
    io.UsersOwn();
    io.Double(BeamLength);
    for (int row = 0; row <= 27; ++row) Doubles(io, BeamGeometryTable[row], 0, 19);
}

// The current layout up to its trailer. Counts are taken from the fields as
// they pass, so a reader sizes the loadcase tables from what it has read.
template <class IO>
void BeamFileV4Fields(IO& io) {
    io.ProgramsOwn();
    io.Str(VersionNo);
    io.Str(VersionSub);
    io.Str(FileMark);
    io.UsersOwn();
    for (ShortString<100>* h : HeaderLines) io.Str(*h);
    io.Int(NumSpans);
    io.Int(NumLoadcases);
    io.Int(LoadCaseShown);
    io.Int(SpanNoStored);
    io.Int(SameForAllSpans);
    io.ProgramsOwn();
    io.Int(SavedSpanIntervals);
    io.Int(TwentiethStep);

    const int nLC = NumLoadcases, nS = NumSpans, stations = SavedSpanIntervals + 1;
    for (int lc = 1; lc <= nLC; ++lc) io.Str(SpanDataHead(lc));
    for (int lc = 1; lc <= nLC; ++lc) io.Str(CaseLoadsText[lc][0]);
    for (int lc = 1; lc <= nLC; ++lc) io.Str(CaseSupportText[lc][0]);
    io.UsersOwn();
    BeamFileModelBlock(io);
    for (int lc = 1; lc <= nLC; ++lc)
        for (int slot = 1; slot <= LoadSlots; ++slot) Singles(io, LoadTable[lc][slot], 0, 7);
    io.ProgramsOwn();
    for (int lc = 1; lc <= nLC; ++lc) {
        io.Int(LoadcaseActive[lc]);
        io.Result(CaseLoadTotal[lc]);
    }
    for (int lc = 1; lc <= nLC; ++lc)
        for (int s = 1; s <= nS; ++s)
            for (int j = 1; j <= stations; ++j) {
                io.Result(CaseShear[lc][s][j]);
                io.Result(CaseMoment[lc][s][j]);
            }
    for (int lc = 1; lc <= nLC; ++lc)
        for (int s = 1; s <= nS; ++s) Results(io, CaseDeflection[lc][s], 1, 21);
    for (int lc = 1; lc <= nLC; ++lc)
        for (int c = 1; c <= 2; ++c)
            for (int j = 1; j <= stations; ++j) {
                io.Result(CaseCantShear[lc][c][j]);
                io.Result(CaseCantMoment[lc][c][j]);
            }
    for (int lc = 1; lc <= nLC; ++lc)
        for (int c = 1; c <= 2; ++c) Results(io, CaseCantDeflection[lc][c], 1, 22);
    for (int lc = 1; lc <= nLC; ++lc)
        for (int c = 1; c <= 2; ++c) {
            io.Result(CantMomentMin[lc][c]);
            io.Result(CantMomentMax[lc][c]);
        }
    for (int lc = 0; lc <= nLC; ++lc)
        for (int s = 1; s <= MaxSpans; ++s) {
            io.Result(SpanMomentMax[lc][s]);
            io.Result(SpanMomentMin[lc][s]);
        }
    io.Int(ResultsReady);
    io.UsersOwn();
    io.Single(TimberWStored);
    io.Single(TimberHStored);
    io.ProgramsOwn();
    for (int lc = 1; lc <= nLC; ++lc)
        for (int row = 1; row <= 50; ++row)
            for (int end = 1; end <= 2; ++end) Results(io, AcceptedUDLOutline[lc][row][end], 1, 4);
    io.Int(DisplayMode);
    Lines(io, UniformSectionText, 0, 50);
    Singles(io, MemberLengthLabel, 0, RHC);
    Lines(io, CaseStressLine, 1, MaxLoadcases);
    io.Str(MaxStressLine);
    for (int lc = 1; lc <= nLC; ++lc) {
        const int count = StoreCount(CaseSupportText[lc]);
        if (count > 100) RaiseRangeCheck();
        Lines(io, CaseSupportText[lc], 1, count);
    }
    for (int i = 0; i <= 100; ++i) {
        io.Str(ReportText[i]);
        io.Str(LoadingDataUDLText[i]);
        io.Str(LoadingDataPointText[i]);
    }
    Lines(io, MaximaText, 0, 50);
    io.UsersOwn();
}

// The trailer of the current layout: the file mark 100 times, which no
// reader reads.
template <class IO>
void BeamFileV4Trailer(IO& io) {
    for (int i = 0; i < 100; ++i) io.Str(FileMark);
}

// The two end support kinds of the old layout, as stored.
struct OldEnds {
    int32_t Left = 0, Right = 0;
};

template <class IO>
void BeamFileOldFields(IO& io, OldEnds& ends) {
    for (ShortString<100>* h : HeaderLines) io.Str(*h);
    Lines(io, SpanDescription, 0, 11);
    io.Skip(12);
    UnitFields(io, OldBeamFileUnits);
    Doubles(io, BeamGeometryTable[LHC], 0, 5);
    Doubles(io, BeamGeometryTable[RHC], 0, 5);
    io.Double(BeamLength);
    io.Skip(8);
    io.Int(ends.Left);
    io.Int(ends.Right);
    for (int row = 1; row <= 10; ++row) Doubles(io, BeamGeometryTable[row], 0, 5);
    for (int lc = 1; lc <= MaxLoadcases; ++lc)
        for (int slot = 1; slot <= LoadSlots; ++slot) Singles(io, LoadTable[lc][slot], 0, 7);
    io.Int(NumSpans);
    io.Int(NumLoadcases);
    for (int lc = 1; lc <= MaxLoadcases; ++lc) io.Int(LoadcaseActive[lc]);
    io.Int(LoadRowsShown);
    io.Int(SameForAllSpans);
    io.Str(SectionFamily);
    io.Single(TimberWStored);
    io.Single(TimberHStored);
    for (int i = 0; i < 97; ++i) io.Str(FileMark);
    for (int k = 0; k <= 10; ++k) io.Int(SupportTypes[k]);
}
