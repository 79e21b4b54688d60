#include <gtest/gtest.h>
#include <sys/stat.h>
#include <cmath>
#include <filesystem>
#include <functional>
#include <limits>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <unistd.h>
#include "AnalysisState.h"
#include "AppTest.h"
#include "Beam.h"
#include "BeamFile.h"
#include "BinFile.h"
#include "CanvasLog.h"
#include "ErrorOf.h"
#include "Print.h"
#include "printing/PrintTest.h"
#include "FileSizeLimit.h"
#include "GuiTest.h"
#include "Index.h"
#include "LoadData.h"
#include "OldBeamFile.h"
#include "ResultTexts.h"
#include "ResultsBeam.h"
#include "RunError.h"
#include "SetHeader.h"
#include "TempDir.h"
#include "Unit1.h"
#include "UnitSettings.h"
#include "beam/BeamTest.h"
#include "beam/ChooseUnits.h"
#include "beam/UnitsGuard.h"
#include "loads/LoadsTest.h"

using namespace results_test;
namespace fs = std::filesystem;

namespace {

class FileMenu : public BeamWindowsAndFiles {
protected:
    // The dialogs answer with this path ("" cancels) and count their runs.
    void Choose(const std::string& path) {
        gui::SetFileDialogHook([this, path](const gui::FileDialog& d) {
            ++dialogs;
            lastKind = d.DialogKind();
            lastFilter = d.Filter;
            return path;
        });
    }
    // Opens the file through the menu; the messages it shows.
    Lines_t Open(const std::string& path) {
        Choose(path);
        return Said([] { IndexFrm->Open1.Click(); });
    }
    TIndexFrm& f = *IndexFrm;
    int dialogs = 0;
    gui::FileDialog::Kind lastKind{};
    std::string lastFilter;
    TempDir dir;
};

// Everything a reader sees of the results: texts, lists, summaries, envelope.
struct Shown {
    std::vector<Lines_t> texts;
    Lines_t results, cases;
    decltype(ShearSummary) shear;
    decltype(MomentSummary) moment;
    decltype(DeflectionSummary) deflection;
    decltype(EnvelopeMoment) envelope;
    std::vector<float> momentSeries;

    bool operator==(const Shown&) const = default;
    static Shown Take() {
        Shown s;
        for (int lc = 1; lc <= NumLoadcases; ++lc) {
            s.texts.push_back(Lines(CaseLoadsText[lc]));
            s.texts.push_back(Lines(CaseSupportText[lc]));
            s.texts.push_back(Lines(CaseSpanDataText[lc]));
            s.texts.push_back({CaseStressLine[lc].str()});
        }
        s.texts.push_back(Lines(EnvelopeText));
        s.texts.push_back(Lines(ReportText));
        s.texts.push_back(Lines(MaximaText));
        s.texts.push_back({MaxStressLine.str()});
        s.results = Items(IndexFrm->List_Results);
        s.cases = Items(IndexFrm->List_CaseResults);
        s.shear = ShearSummary;
        s.moment = MomentSummary;
        s.deflection = DeflectionSummary;
        s.envelope = EnvelopeMoment;
        for (int i = 0; i <= int(MomentSeries[1][0][1]); ++i) s.momentSeries.push_back(MomentSeries[1][i][2]);
        return s;
    }
};

TEST_F(FileMenu, SaveThenOpenShowsTheSameResultsWithoutAnAnalysis) {
    CantileverAndTwoSpans(3);
    const Shown before = Shown::Take();
    ASSERT_FALSE(before.texts[0].empty());
    const std::string path = (dir.path() / "three.kvl").string();
    Choose(path);
    f.SaveAs1.Click();
    EXPECT_EQ(lastKind, gui::FileDialog::Kind::Save);
    EXPECT_EQ(lastFilter, "Brastel  (*.kvl)|*.kvl|All Files  (*.*)|*.*");
    EXPECT_EQ(f.Caption(), path);
    EXPECT_EQ(int64_t(fs::file_size(path)), int64_t(BeamDataFileBytes().size()));

    f.New1.Click();
    ASSERT_EQ(BeamLength, 0.0);
    EXPECT_FALSE(f.Save1.Enabled());
    EXPECT_EQ(f.List_Results.Count(), 0);

    EXPECT_EQ(Open(path), Lines_t{});
    EXPECT_EQ(lastKind, gui::FileDialog::Kind::Open);
    EXPECT_EQ(lastFilter, "Brastel  Beam Data   (*.kvl)|*.kvl");
    EXPECT_EQ(f.Caption(), path);
    EXPECT_EQ(BeamFileName, path);
    EXPECT_EQ(BeamLength, 11000.0);
    EXPECT_EQ(NumLoadcases, 3);
    EXPECT_EQ(ResultsReady, 1);
    EXPECT_TRUE(f.Save1.Enabled());
    EXPECT_TRUE(f.SaveAs1.Enabled());
    EXPECT_TRUE(f.Print1.Enabled());
    EXPECT_TRUE(f.UpDown1.Enabled());
    EXPECT_EQ(f.UpDown1.Max(), 3);
    EXPECT_EQ(f.lbl_Case.Caption(), "All");
    EXPECT_EQ(f.ShownCase, 0);

    EXPECT_TRUE(Shown::Take() == before);
}

// A folder the program may not write in, while it lives: its mode, and
// for root, whom modes do not stop, another user's rights (with root's
// groups, so the group may search it too).
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const fs::path& folder) : folder_(folder) {
        fs::permissions(folder_.parent_path(), fs::perms::group_exec | fs::perms::others_exec, fs::perm_options::add);
        fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                     fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
        if (::geteuid() == 0) dropped_ = ::seteuid(65534) == 0;
    }
    ~ReadOnlyFolder() {
        if (dropped_) (void)::seteuid(0);
        fs::permissions(folder_, fs::perms::owner_all);
    }

private:
    fs::path folder_;
    bool dropped_ = false;
};

TEST_F(FileMenu, SaveWithoutANameAsksForOneAndAFailedSaveKeepsTheOldFileAndSaysSo) {
    f.New1.Click();
    const std::string path = (dir.path() / "new.kvl").string();
    Choose(path);
    f.SaveBeamFile();
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(Messages(), Lines_t{});
    EXPECT_EQ(BeamFileName, path);
    EXPECT_EQ(f.Caption(), path);
    ASSERT_TRUE(fs::exists(path));
    EXPECT_EQ(fs::file_size(path), 44151u);

    // With a name, Save writes without asking.
    f.SaveBeamFile();
    EXPECT_EQ(dialogs, 1);

    // A path longer than the 100 characters a page header prints is opened
    // and saved whole.
    CantileverAndTwoSpans(3);
    const fs::path deep = dir.path() / std::string(60, 'd') / std::string(60, 'e');
    fs::create_directories(deep);
    const std::string longPath = (deep / "long.kvl").string();
    ASSERT_GT(longPath.size(), 100u);
    SaveBeamDataFile(longPath);
    Open(longPath);
    EXPECT_EQ(BeamFileName, longPath);
    Header_Ref = "R2";
    f.SaveBeamFile();
    EXPECT_TRUE(FileBytes(longPath) == BeamDataFileBytes());
    EXPECT_FALSE(fs::exists(longPath.substr(0, 100)));

    // A target that cannot be replaced keeps every name's content and gets no
    // temporary beside it; one message names it, and Save then falls back to
    // Save As (cancelled here); the current folder stays. A link is written
    // through to its file.
    const fs::path folder = dir.path() / "jobs";
    fs::create_directory(folder);
    const std::string old = (folder / "old.kvl").string();
    SaveBeamDataFile(old);
    Header_Ref = "R3";
    const std::vector<uint8_t> newBytes = BeamDataFileBytes();
    const auto named = [&](const char* name) { return (folder / name).string(); };
    const struct {
        const char* target;
        std::function<std::string()> make;  // the name saved to
        bool saveAs;
        std::string reason;                 // empty: written
    } cases[] = {
        {"full disk", [&] { return old; }, false, "the disk is full"},
        {"full disk, Save As", [&] { return old; }, true, "the disk is full"},
        {"read-only folder", [&] { fs::permissions(old, fs::perms::all); return old; }, false,
         "the folder may not be written"},
        {"read-only file", [&] { fs::permissions(old, fs::perms::owner_read | fs::perms::group_read); return old; },
         false, "the file is read-only"},
        {"hard link",
         [&] {
             fs::permissions(old, fs::perms::owner_read | fs::perms::owner_write);
             fs::create_hard_link(old, named("twin.kvl"));
             return old;
         },
         false,
         "the file has other names (hard links), which would keep the old content"},
        {"link loop", [&] { fs::create_symlink("loop.kvl", named("loop.kvl")); return named("loop.kvl"); }, false,
         "the file is a link that leads back to itself"},
        {"over-long name", [&] { return named(std::string(300, 'n').c_str()) + ".kvl"; }, true, "the name is too long"},
        {"system folder", [&] { return std::string("/proc/x.kvl"); }, true, "the folder may not be written"},
        {"dangling link", [&] { fs::create_symlink("later.kvl", named("link.kvl")); return named("link.kvl"); }, false, ""},
    };
    const fs::path working = fs::current_path();
    for (const auto& c : cases) {
        const std::string name = c.make();
        std::map<fs::path, std::vector<uint8_t>> before;
        for (const auto& e : fs::directory_iterator(folder)) before[e.path()] = FileBytes(e.path());
        BeamFileName = name;
        Messages().clear();
        dialogs = 0;
        Choose(c.saveAs ? name : "");
        {
            std::optional<FileSizeLimit> full;
            std::optional<ReadOnlyFolder> locked;
            if (std::string(c.target).starts_with("full disk")) full.emplace();
            if (std::string(c.target) == "read-only folder") locked.emplace(folder);
            if (c.saveAs)
                f.SaveAs1.Click();
            else
                f.SaveBeamFile();
        }
        EXPECT_EQ(dialogs, c.saveAs || !c.reason.empty() ? 1 : 0) << c.target;
        EXPECT_EQ(fs::current_path(), working) << c.target;
        if (c.reason.empty()) {
            EXPECT_EQ(Messages(), Lines_t{}) << c.target;
            EXPECT_TRUE(fs::is_symlink(name)) << c.target;
            EXPECT_TRUE(FileBytes(fs::canonical(name)) == newBytes) << c.target;
            continue;
        }
        EXPECT_EQ(Messages(), Lines_t{"File Saving Error\n" + name + ": " + c.reason}) << c.target;
        std::map<fs::path, std::vector<uint8_t>> after;
        for (const auto& e : fs::directory_iterator(folder)) after[e.path()] = FileBytes(e.path());
        EXPECT_TRUE(after == before) << c.target;
    }
}

// Where the fields of a saved CantileverAndTwoSpans(3) file lie.
struct V4Offsets {
    size_t nLC = 3, nS = 2, P = size_t(SavedSpanIntervals);
    size_t B4() const { return 712 + 228 * nLC; }
    size_t Geometry(int row, int col) const { return B4() + 3059 + (row * 20 + col) * 8; }
    size_t Support(int k) const { return B4() + 2843 + 4 * k; }
    size_t Load(int lc, int slot, int field) const { return B4() + 7539 + (lc - 1) * 1632 + (slot - 1) * 32 + 4 * field; }
    size_t Totals(int lc) const { return B4() + 7539 + 1632 * nLC + 12 * (lc - 1); }
    size_t Applied(int lc) const { return B4() + 2951 + 4 * (lc - 1); }
    size_t Results() const { return B4() + 7539 + 1644 * nLC; }
    // Station j (1..P + 1) of a span's shear; its moment follows.
    size_t Shear(int lc, int span, int j) const { return Results() + 8 * (((lc - 1) * nS + span - 1) * (P + 1) + j - 1); }
    size_t CantMoment(int lc, int c, int j) const {
        return Results() + 8 * nLC * nS * (P + 1) + 84 * nLC * nS + 8 * (((lc - 1) * 2 + c - 1) * (P + 1) + j - 1) + 4;
    }
    size_t CantDeflection(int lc, int c, int k) const {
        return Results() + 8 * nLC * nS * (P + 1) + 84 * nLC * nS + 16 * nLC * (P + 1) + 88 * ((lc - 1) * 2 + c - 1) +
               4 * (k - 1);
    }
    // SpanMomentMax; SpanMomentMin follows.
    size_t Peak(int lc, int span) const { return ResultsFlag() - 200 * (nLC + 1) + 200 * lc + 8 * (span - 1); }
    size_t ResultsFlag() const {
        return Results() + 8 * nLC * nS * (P + 1) + 84 * nLC * nS + 16 * nLC * (P + 1) + 192 * nLC + 200 * (nLC + 1);
    }
    size_t DisplayMode() const { return ResultsFlag() + 12 + 1600 * nLC; }
    size_t StressLine(int lc) const { return DisplayMode() + 4 + 61 * 51 + 4 * 27 + 76 * (lc - 1); }
    size_t SupportText() const { return StressLine(26) + 51; }
};

// What Open says of a file whose stored results an analysis does not give.
std::string FreshResults(const std::string& path, const std::string& differ) {
    return "The results shown for \"" + path + "\" are a fresh analysis of its beam and loads as read, which differs "
           "from the results stored with it in " + differ + ".";
}

TEST_F(FileMenu, EveryClassOfDamagedFileIsRefusedWithOneMessageAndTheOpenBeamKept) {
    // What the session holds that no beam file carries: settings unlike
    // those New reads (there is no settings file here) and loadcase 2 shown.
    const UnitsGuard guard;
    CantileverAndTwoSpans(3);
    Unit_Sect_L = "cm";
    Factor_Sect_L = 10;
    PlasticModXName = "Zxx";
    BMConvention = -1;
    FactoredLoads = 1;
    SelfWeightScope = -1;
    SpanDescription[LHC] = "Left end";
    ASSERT_TRUE(Analyse().empty());
    const std::vector<uint8_t> good = BeamDataFileBytes();
    const V4Offsets at;
    const float inf = std::numeric_limits<float>::infinity();
    using Bytes = std::vector<uint8_t>;
    // Notes of that many bytes.
    auto notes = [](size_t size) {
        return [size](Bytes& b) {
            const std::string line = "Notes on the beams of the new store, first floor.\n";
            b.clear();
            while (b.size() < size) b.insert(b.end(), line.begin(), line.end());
            b.resize(size);
        };
    };
    const struct {
        std::string name, reason;
        std::function<void(Bytes&)> damage;
    } cases[] = {
        {"empty", "it is not a beam data file", [](Bytes& b) { b.clear(); }},
        {"short text", "it is not a beam data file", [](Bytes& b) { b = {'h', 'i', '\n'}; }},
        {"zeros", "it is not a beam data file", [](Bytes& b) { b.assign(OldBeamFileBytes, 0); }},
        {"cut", "the file ends before its data is complete", [&](Bytes& b) { b.resize(at.B4() + 100); }},
        {"newer", "its version \"5.3\" is not one this program reads", [](Bytes& b) { b[1] = '5'; }},
        {"text", "it is not a beam data file", notes(50000)},
        {"text of the old layout's length", "it is not a beam data file", notes(OldBeamFileBytes)},
        {"spans", "the number of spans is 26; it must be 1 to 25", [](Bytes& b) { PutInt32(&b[684], 26); }},
        {"step", "the twentieth step is 99; with " + std::to_string(at.P) + " intervals it must be " +
                     std::to_string(at.P / 20),
         [](Bytes& b) { PutInt32(&b[708], 99); }},
        {"count", "the line count of the support text of loadcase 1 is \"SUPPORTS\"; it must be a number from 0 to 100",
         [](Bytes& b) { PutStr(b, 712 + 76 * 6, "SUPPORTS"); }},
        {"long", "the text at byte 78 is 200 characters long, more than its field holds (100)",
         [](Bytes& b) { b[78] = 200; }},
        {"zero", "the length of span 1 is 0 m; it must be more than 0",
         [&](Bytes& b) { PutDouble(&b[at.Geometry(1, GLength)], 0); }},
        {"negative", "the length of span 2 is -6 m; it must be more than 0",
         [&](Bytes& b) { PutDouble(&b[at.Geometry(2, GLength)], -6000); }},
        {"infinite", "the number at byte " + std::to_string(at.Geometry(2, GLength)) + " is not a finite value",
         [&](Bytes& b) { PutDouble(&b[at.Geometry(2, GLength)], inf); }},
        {"stiffness", "the E of span 1 is 0 N/mm^2; it must be more than 0",
         [&](Bytes& b) { PutDouble(&b[at.Geometry(1, GE)], 0); }},
        {"soft", "the E of span 1 is 1e-300 N/mm^2, beyond the values the beam window takes",
         [&](Bytes& b) { PutDouble(&b[at.Geometry(1, GE)], 1e-300); }},
        {"unit", "the moment unit has the factor 3e+38; it must be from 1e-13 to 1e+07",
         [&](Bytes& b) { PutSingle(&b[at.B4() + 2795 + 4 * 6], 3e38f); }},
        {"total", "the beam length 12 m is not the sum of its member lengths, 11 m",
         [&](Bytes& b) { PutDouble(&b[at.B4() + 3051], 12000); }},
        {"flag", "the right cantilever has the present flag 0.5; it must be 0 or 1",
         [&](Bytes& b) { PutDouble(&b[at.Geometry(RHC, GPresent)], 0.5); }},
        {"support", "the support code at node 1 is 7; between spans it must be 1, 3, 4 or 5",
         [&](Bytes& b) { PutInt32(&b[at.Support(1)], 7); }},
        {"fixed", "the support code at node 1 is 2; between spans it must be 1, 3, 4 or 5",
         [&](Bytes& b) { PutInt32(&b[at.Support(1)], SupportFixed); }},
        {"kind", "load row 1 of loadcase 2 is of kind 2; it must be 1, -1 or 0",
         [&](Bytes& b) { PutSingle(&b[at.Load(2, 1, LKind)], 2); }},
        {"applied", "load row 2 of loadcase 1 has the applied flag 0.5; it must be 1, 0 or -1",
         [&](Bytes& b) { PutSingle(&b[at.Load(1, 2, LApplied)], 0.5f); }},
        {"off", "load row 2 ends at 20 m, past the end of the beam at 11 m",
         [&](Bytes& b) {
             for (int lc = 1; lc <= 3; ++lc) PutSingle(&b[at.Load(lc, 2, LDist)], 20000);
         }},
        // In feet: no noise of the unit factor past the figures that tell the two apart.
        {"feet", "load row 2 ends at 65.6168 ft, past the end of the beam at 36.0892 ft",
         [&](Bytes& b) {
             PutStr(b, at.B4() + 2795 - 11 * BeamFileUnits, "ft");
             PutSingle(&b[at.B4() + 2795], 304.8f);
             for (int lc = 1; lc <= 3; ++lc) PutSingle(&b[at.Load(lc, 2, LDist)], 20000);
         }},
        {"results", "the results flag is 3; it must be 0 or 1", [&](Bytes& b) { PutInt32(&b[at.ResultsFlag()], 3); }},
        {"huge", "the length of span 2 is 1e+38 m; it is too large",
         [&](Bytes& b) {
             PutDouble(&b[at.Geometry(2, GLength)], 1e41);
             PutDouble(&b[at.B4() + 3051], 1e41);
         }},
        {"long", "the beam length 6e+35 m is too large",
         [&](Bytes& b) {
             for (int span : {1, 2}) PutDouble(&b[at.Geometry(span, GLength)], 3e38);
             PutDouble(&b[at.B4() + 3051], 6e38 + 1000);
         }},
        {"cover", "load row 1 ends at 11.002 m, past the end of the beam at 11 m",
         [&](Bytes& b) {
             for (int lc = 1; lc <= 3; ++lc) PutSingle(&b[at.Load(lc, 1, LCover)], 11002);
         }},
        // A ten-millionth of the beam past its end is allowed, not two.
        {"reach", "load row 1 ends at 11.000002 m, past the end of the beam at 11 m",
         [&](Bytes& b) {
             for (int lc = 1; lc <= 3; ++lc) PutSingle(&b[at.Load(lc, 1, LCover)], 11000.002f);
         }},
        {"sum", "the beam length 11.00002 m is not the sum of its member lengths, 11 m",
         [&](Bytes& b) { PutDouble(&b[at.B4() + 3051], 11000 * (1 + 2e-6)); }},
        {"warping", "the warping constant unit has the factor -1; it must be from 1e-13 to 1e+07",
         [&](Bytes& b) { PutSingle(&b[at.B4() + 2795 + 4 * 11], -1); }},
        {"unit name", "the length unit \"m\" has the factor 1; that unit's factor is 1000",
         [&](Bytes& b) { PutSingle(&b[at.B4() + 2795], 1); }},
    };
    // Files that open with an analysis's results of their beam and loads,
    // saying where the stored ones differ visibly.
    const struct {
        std::string name, differ;  // empty: no difference is told
        std::function<void(Bytes&)> change;
    } opening[] = {
        {"inactive", "", [&](Bytes& b) { PutInt32(&b[at.Totals(2)], 0); }},
        // Loadcase 3 is inactive: its totals are formed again.
        {"old totals", "",
         [&](Bytes& b) {
             PutDouble(&b[at.Totals(3) + 4], 20000);
             PutSingle(&b[at.Applied(3)], 20000);
         }},
        // The beam has no right cantilever.
        {"absent cantilever", "the moments and deflections of loadcase 1",
         [&](Bytes& b) {
             for (int k = 1; k <= 22; ++k) PutSingle(&b[at.CantDeflection(1, 2, k)], -5);
             PutSingle(&b[at.CantMoment(1, 2, 1)], -40e6f);
         }},
        {"stale outline", "", [&](Bytes& b) { PutSingle(&b[at.ResultsFlag() + 12], 3.4e38f); }},
        {"no outline", "",
         [&](Bytes& b) { std::fill_n(b.begin() + at.ResultsFlag() + 12, 1600 * at.nLC, uint8_t(0)); }},
        {"single length", "", [&](Bytes& b) { PutDouble(&b[at.B4() + 3051], std::nextafter(11000.0f, 12000.0f)); }},
        {"node 10", "", [&](Bytes& b) { PutInt32(&b[at.Support(10)], -1); }},
        {"end kind 0", "", [&](Bytes& b) { PutInt32(&b[at.Support(0)], 0); }},
        {"absent member", "", [&](Bytes& b) { PutDouble(&b[at.Geometry(5, GE)], 1e300); }},
        {"spare row", "",
         [&](Bytes& b) {
             PutDouble(&b[at.Geometry(RHC + 1, GPresent)], 1);
             PutDouble(&b[at.Geometry(RHC + 1, GLength)], 5000);
             PutDouble(&b[at.Geometry(RHC + 1, GE)], -1e300);
         }},
        // What the windows showed is no part of the beam.
        {"member", "", [](Bytes& b) { PutInt32(&b[696], 28); }},
        {"loadcase shown", "", [](Bytes& b) { PutInt32(&b[692], 30); }},
        {"display mode", "", [&](Bytes& b) { PutInt32(&b[at.DisplayMode()], 7); }},
        {"load rows", "", [&](Bytes& b) { PutInt32(&b[at.B4() + 2947], -1); }},
        // Every text is built again from the beam and its results.
        {"texts", "",
         [&](Bytes& b) {
             const size_t report = b.size() - 2600 - 76 * 51 - 238 * 101, maxima = b.size() - 2600 - 76 * 51;
             PutStr(b, report, "REPORT");
             PutStr(b, report + 238 * 3, "Beam Length = 99 m");
             PutStr(b, report + 238 * 5 + 76 + 86, " P1    9.000 99.00  1 2");
             PutStr(b, report + 238 * 6 + 76, " U1  0 99  10  11 1");
             PutStr(b, maxima + 76 * 2, " Max shear = 9 kN");
             PutStr(b, at.StressLine(1), " Max stress for loadcase 1 = 9 N/mm^2");
             PutStr(b, at.StressLine(26), " Max stress = 9 N/mm^2");
             PutStr(b, at.SupportText() + 76 * 2, " 1 99 kN");
             PutStr(b, at.DisplayMode() + 4 + 61 * 2, " Ixx = 99 cm^4");
         }},
        // Every moment within a billionth of its loadcase's largest, the
        // round-off at ends and supports, of the other sign: which column of
        // the envelope holds it follows the sign.
        {"sign flips", "",
         [&](Bytes& b) {
             for (int lc = 1; lc <= 3; ++lc) {
                 std::vector<size_t> moments;
                 for (size_t j = 1; j <= at.P + 1; ++j)
                     for (int m = 1; m <= 2; ++m)
                         moments.insert(moments.end(), {at.Shear(lc, m, j) + 4, at.CantMoment(lc, m, j)});
                 float largest = 0;
                 for (size_t m : moments) largest = std::max(largest, std::fabs(GetSingle(&b[m])));
                 for (size_t m : moments)
                     if (std::fabs(GetSingle(&b[m])) <= 1e-9f * largest) PutSingle(&b[m], -GetSingle(&b[m]));
             }
         }},
        // Loadcase 3 a copy of loadcase 1 with its shears and moments a
        // rounding further from 0: where the two tie, loadcase 1 governs.
        {"tie", "",
         [&](Bytes& b) {
             const size_t deflections = at.Results() + 8 * at.nLC * at.nS * (at.P + 1);
             const std::pair<size_t, size_t> firstCase[] = {{at.Load(1, 1, 0), at.Load(2, 1, 0)},
                                                             {at.Totals(1), at.Totals(2)},
                                                             {at.Applied(1), at.Applied(2)},
                                                             {at.Shear(1, 1, 1), at.Shear(2, 1, 1)},
                                                             {deflections, deflections + 84 * at.nS},
                                                             {at.CantMoment(1, 1, 1) - 4, at.CantMoment(2, 1, 1) - 4},
                                                             {at.CantDeflection(1, 1, 1), at.CantDeflection(2, 1, 1)}};
             for (const auto& [from, end] : firstCase)
                 std::copy(b.begin() + from, b.begin() + end, b.begin() + from + 2 * (end - from));
             for (size_t i = at.Shear(3, 1, 1); i < at.Shear(4, 1, 1); i += 4)
                 if (const float v = GetSingle(&b[i]); v != 0)
                     PutSingle(&b[i], std::nextafter(v, std::copysign(std::numeric_limits<float>::infinity(), v)));
         }},
        {"nan", "the reactions and shear forces of loadcase 1",
         [&](Bytes& b) { PutSingle(&b[at.Results()], std::nanf("")); }},
        {"doubled", "the load totals of loadcase 2", [&](Bytes& b) { PutDouble(&b[at.Totals(2) + 4], 40000); }},
        {"shear", "the reactions and shear forces of loadcase 1",
         [&](Bytes& b) { PutSingle(&b[at.Results()], 2 * GetSingle(&b[at.Results()])); }},
        {"fixed end",
         "the reactions, shear forces, moments and deflections of loadcase 1 and the reactions, shear forces, "
         "moments and deflections of loadcase 2",
         [&](Bytes& b) { PutInt32(&b[at.Support(25)], SupportFixed); }},
        {"moved load", "the reactions, shear forces, moments and deflections of loadcase 2",
         [&](Bytes& b) {
             for (int lc = 1; lc <= 3; ++lc) PutSingle(&b[at.Load(lc, 2, LDist)], 2);
         }},
    };
    f.UpDown1.Step(2);
    const Bytes before = BeamDataFileBytes();
    const Lines_t results = Items(f.List_Results), caseResults = Items(f.List_CaseResults);
    auto refused = [&](const std::string& path, const std::string& reason) {
        EXPECT_EQ(Open(path), Lines_t{"Cannot open \"" + path + "\": " + reason + "."});
        EXPECT_TRUE(BeamDataFileBytes() == before) << path;
        EXPECT_EQ(Items(f.List_Results), results);
        EXPECT_EQ(Items(f.List_CaseResults), caseResults);
        EXPECT_EQ(f.ShownCase, 2);
        EXPECT_EQ(f.Caption(), "Korvela");
        EXPECT_TRUE(f.Save1.Enabled());
        EXPECT_EQ(ResultsReady, 1);
        EXPECT_EQ(Unit_Sect_L, "cm");
        EXPECT_EQ(Factor_Sect_L, 10.0f);
        EXPECT_EQ(PlasticModXName, "Zxx");
        EXPECT_EQ(BMConvention, -1);
        EXPECT_EQ(FactoredLoads, 1);
        EXPECT_EQ(SelfWeightScope, -1);
        EXPECT_EQ(SpanDescription[LHC], "Left end");
    };
    for (const auto& c : cases) {
        Bytes b = good;
        c.damage(b);
        refused(WriteFile(dir.path() / (c.name + ".kvl"), b), c.reason);
    }
    // Names and things that are not beam data files.
    const fs::path folder = dir.path() / "folder.kvl", pipe = dir.path() / "pipe.kvl";
    fs::create_directory(folder);
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    refused((dir.path() / "missing.kvl").string(), "the file does not exist");
    refused(folder.string(), "it is not an ordinary file, or it may not be read");
    refused(pipe.string(), "it is not an ordinary file, or it may not be read");
    refused(WriteFile(dir.path() / "beam.txt", good), "its name does not end in \".kvl\"");

    // The extension in any letter case.
    const std::string upper = WriteFile(dir.path() / "BEAM.KVL", good);
    EXPECT_EQ(Open(upper), Lines_t{});
    EXPECT_EQ(f.Caption(), upper);
    EXPECT_EQ(BeamLength, 11000.0);
    EXPECT_EQ(Items(f.List_Results), results);
    const Bytes openedGood = BeamDataFileBytes();

    // Each opens with what an analysis shows, is saved and opened again
    // with its results.
    for (const auto& c : opening) {
        SCOPED_TRACE(c.name);
        Bytes b = good;
        c.change(b);
        const std::string path = WriteFile(dir.path() / (c.name + ".kvl"), b);
        EXPECT_EQ(Open(path), c.differ.empty() ? Lines_t{} : Lines_t{FreshResults(path, c.differ)});
        EXPECT_EQ(f.Caption(), path);
        EXPECT_EQ(ResultsReady, 1);
        const Shown shown = Shown::Take();
        const Bytes shownBytes = BeamDataFileBytes();
        Messages().clear();
        f.Analyse2.Click();
        EXPECT_TRUE(Shown::Take() == shown);
        if (c.name == "texts" || c.name == "old totals" || c.name == "absent cantilever") {
            EXPECT_TRUE(shownBytes == openedGood);
        }
        f.SaveBeamFile();
        f.Open1.Click();
        EXPECT_EQ(Messages(), Lines_t{});
        EXPECT_EQ(ResultsReady, 1);
        const Bytes opened = BeamDataFileBytes();
        f.SaveBeamFile();
        EXPECT_TRUE(FileBytes(path) == opened);
    }
}

// Files of one loadcase whose stored results another program formed or
// someone changed: each opens on its loadcase with an analysis's results of
// its beam and loads, even a rounding apart, saying where they differ
// visibly; Save keeps what is shown.
TEST_F(FileMenu, FilesOpenWithTheResultsOfTheirBeamAndSaveWhatIsShown) {
    using Bytes = std::vector<uint8_t>;
    using Change = std::function<void(Bytes&, const V4Offsets&)>;
    // Two spans of 6 and 5 m, 10 kN/m over both, 200 kN at 8.513 m.
    auto design = [](double udlFactor, double pointFactor) {
        return [=] {
            SetBeam({6000, 5000});
            Udl(1, 0, 10, 10, 11000, udlFactor);
            if (pointFactor != 0) Point(2, 8513, 200000, pointFactor);
            FinishLoads();
        };
    };
    auto longBeam = [] {
        SetBeam(std::vector<double>(21, 1000));
        Udl(1, 0, 10, 10, 21000, 1.0);
        FinishLoads();
    };
    // Span moment peaks kept over both passes, the first unfactored at a
    // twentieth of each span, as that program keeps them.
    auto bothPasses = [](std::function<void()> unfactored) -> Change {
        return [=](Bytes& b, const V4Offsets& at) {
            unfactored();
            ASSERT_TRUE(Analyse().empty());
            for (int span = 1; span <= 2; ++span) {
                float largest = GetSingle(&b[at.Peak(1, span)]), smallest = GetSingle(&b[at.Peak(1, span) + 4]);
                for (size_t j = 1; j <= at.P + 1; j += at.P / 20) {
                    largest = std::max(largest, CaseMoment[1][span][j]);
                    smallest = std::min(smallest, CaseMoment[1][span][j]);
                }
                PutSingle(&b[at.Peak(1, span)], largest);
                PutSingle(&b[at.Peak(1, span) + 4], smallest);
            }
        };
    };
    // A moment of span 1 of loadcase 1, moved.
    auto moment = [](std::function<float(float, float)> moved) -> Change {
        return [=](Bytes& b, const V4Offsets& at) {
            float largest = 0;
            for (size_t j = 1; j <= at.P + 1; ++j)
                for (int span = 1; span <= 2; ++span)
                    largest = std::max(largest, std::fabs(GetSingle(&b[at.Shear(1, span, j) + 4])));
            uint8_t* m = &b[at.Shear(1, 1, 51) + 4];
            PutSingle(m, moved(GetSingle(m), largest));
        };
    };
    // Every shear and moment of loadcase 1 off by the share.
    auto off = [](double share) -> Change {
        return [=](Bytes& b, const V4Offsets& at) {
            for (int span = 1; span <= 21; ++span)
                for (size_t i = at.Shear(1, span, 1); i < at.Shear(1, span + 1, 1); i += 4)
                    PutSingle(&b[i], float(GetSingle(&b[i]) * (1 + share)));
        };
    };
    const struct {
        std::string name;
        std::function<void()> beam;
        Change change;
        std::string differ;  // what Open tells, "" nothing
    } cases[] = {
        {"peaks over both passes, 0.5", design(0.5, 0), bothPasses(design(1, 0)), ""},
        {"peaks over both passes, 1.35 and 1.5", design(1.35, 1.5), bothPasses(design(1, 1)), ""},
        {"a rounding apart", design(1.35, 1.5),
         moment([](float m, float) { return std::nextafter(m, std::numeric_limits<float>::infinity()); }), ""},
        {"9e-6 of the largest apart", design(1.35, 1.5), moment([](float m, float largest) { return m + 9e-6f * largest; }),
         ""},
        {"21 spans, 2e-5 apart", longBeam, off(2e-5), ""},
        {"21 spans, 1.3e-4 apart", longBeam, off(1.3e-4), "the reactions, shear forces and moments of loadcase 1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.beam();
        ASSERT_TRUE(Analyse().empty());
        const std::string path = (dir.path() / (c.name + ".kvl")).string();
        SaveBeamDataFile(path);
        Open(path);
        const Bytes opened = BeamDataFileBytes();
        Bytes b = opened;
        c.change(b, V4Offsets{size_t(NumLoadcases), size_t(NumSpans), size_t(SavedSpanIntervals)});
        ASSERT_FALSE(b == opened);
        WriteFile(path, b);
        EXPECT_EQ(Open(path), c.differ.empty() ? Lines_t{} : Lines_t{FreshResults(path, c.differ)});
        EXPECT_TRUE(BeamDataFileBytes() == opened);
        f.SaveBeamFile();
        EXPECT_TRUE(FileBytes(path) == opened);
        EXPECT_EQ(Open(path), Lines_t{});
        EXPECT_TRUE(BeamDataFileBytes() == opened);
        // One loadcase: it opens on that loadcase.
        EXPECT_EQ(f.lbl_Case.Caption(), "1");
        EXPECT_EQ(f.ShownCase, 1);
        EXPECT_EQ(Items(f.List_CaseResults)[0], "LOADCASE 1");
    }
}

// What the user sees of the open beam: its file, results or refusal, the
// tables and texts shown, windows and view.
struct OpenBeam {
    std::vector<uint8_t> bytes = BeamDataFileBytes();
    Shown tables = Shown::Take();
    std::string name = BeamFileName, caption = IndexFrm->Caption(), refusal = AnalysisRefusal,
                shownLabel = IndexFrm->lbl_Case.Caption();
    Lines_t results = Items(IndexFrm->List_Results), cases = Items(IndexFrm->List_CaseResults);
    int32_t ready = ResultsReady, shown = IndexFrm->ShownCase, tile = IndexFrm->TileMode;
    int listHeight = IndexFrm->List_Results.Height();
    bool save = IndexFrm->Save1.Enabled(), print = IndexFrm->Print1.Enabled(), beam = BeamFrm->Showing(),
         loads = LoadDataFrm->Showing();
    bool operator==(const OpenBeam&) const = default;
};

// A file refused as it is read, before or after its fields are taken (here
// an image cut short, and one whose tables break a rule), leaves the open
// beam as it was, and says why.
TEST_F(FileMenu, AFileRefusedLeavesTheOpenBeamAsItWas) {
    CantileverAndTwoSpans(3);
    const std::vector<uint8_t> good = BeamDataFileBytes();
    BeamFileImage flag{BeamFileLayout::V4, good};
    PutInt32(&flag.Bytes[700], 0);
    const struct {
        BeamFileImage image;
        std::string refusal;
    } files[] = {
        {{BeamFileLayout::V4, {good.begin(), good.begin() + 5000}},
         "Cannot open \"x.kvl\": the file ends before its data is complete."},
        {flag, "Cannot open \"x.kvl\": the one-section flag is 0; it must be 1 or -1."},
    };
    const std::function<void()> beams[] = {
        [&] {
            BeamFileName = "three.kvl";
            f.UpDown1.Step(2);
            f.Results1.Click();
            LoadDataFrm->Show();
        },
        [&] {
            SetBeam({5000});
            Point(1, 2500, 3e38, 1.0);
            FinishLoads();
            f.Analyse2.Click();
            BeamFrm->Show();
        },
    };
    for (const auto& beam : beams) {
        beam();
        ASSERT_EQ(ResultsReady == 1, AnalysisRefusal.empty());
        const OpenBeam before;
        for (const auto& file : files) {
            Messages().clear();
            EXPECT_EQ(ErrorOf([&] { f.OpenBeamImage(file.image, "x.kvl"); }), file.refusal);
            EXPECT_EQ(Messages(), Lines_t{});
            EXPECT_TRUE(OpenBeam() == before);
        }
    }
    f.Default1.Click();
}

TEST_F(FileMenu, SaveAsksBeforeOverwritingAFileChangedOnDiskSinceItWasOpenedOrSaved) {
    CantileverAndTwoSpans(3);
    const std::string path = (dir.path() / "shared.kvl").string();
    SaveBeamDataFile(path);
    Open(path);
    Header_Ref = "ours";
    const std::vector<uint8_t> ours = BeamDataFileBytes();
    std::vector<uint8_t> theirs = FileBytes(path);
    theirs[80] ^= 1;
    fs::rename(WriteFile(dir.path() / "theirs.kvl", theirs), path);  // another user's save
    const std::string question = path + " has changed on disk since it was opened or last saved here.\rOverwrite it?";
    for (bool yes : {false, true}) {
        QuestionAnswer() = yes;
        EXPECT_EQ(Said([&] { f.SaveBeamFile(); }), Lines_t{question});
        EXPECT_TRUE(FileBytes(path) == (yes ? ours : theirs)) << yes;
    }
    QuestionAnswer() = false;
    EXPECT_EQ(Said([&] { f.SaveBeamFile(); }), Lines_t{});  // saved here: known again
}

// A beam changed since it was last opened or saved is given up only after a
// question, whichever road gives it up: Cancel keeps it, Discard goes on,
// Save writes it first, and a save cancelled keeps it. Opened or saved and
// only looked at since, it goes without a question. Entries typed into a
// beam data or loads window that Next has not taken, shown or closed by its
// title bar, are asked about first: No keeps them, shown, and Yes goes on.
// A save that fails gives nothing up, and the beam is asked about again.
TEST_F(FileMenu, NewOpenAndExitAskBeforeAChangedBeamIsGivenUp) {
    using gui::SaveChoice;
    const std::string other = (dir.path() / "other.kvl").string(), mine = (dir.path() / "mine.kvl").string();
    const std::string missing = (dir.path() / "missing" / "mine.kvl").string();
    CantileverAndTwoSpans(3);
    SaveBeamDataFile(other);
    auto opened = [&] { return lastKind == gui::FileDialog::Kind::Open; };
    auto closed = [] { return !Form1->Showing(); };
    const struct {
        const char* road;
        std::function<void()> take;
        std::function<bool()> taken;  // the beam was given up
    } roads[] = {
        {"New", [&] { f.New1.Click(); },
         [] { return BeamLength == 0 && BeamFrm->Grid_Lengths.Cell(1, 1).empty(); }},
        {"Open", [&] { f.Open1.Click(); }, opened},
        {"File, Exit", [&] { f.ExitSolvane1.Click(); }, closed},
        {"start window, Exit", [] { Form1->Button1.Click(); }, closed},
        {"start window closed", [] { Form1->Close(); }, closed},
    };
    const struct {
        SaveChoice answer;
        std::string chosen;  // by the file dialogs, "" cancels
        bool givenUp;
    } answers[] = {
        {SaveChoice::Cancel, other, false},
        {SaveChoice::Discard, other, true},
        {SaveChoice::Save, "", false},
        {SaveChoice::Save, mine, true},
        {SaveChoice::Save, missing, false},
    };
    // Gives the beam up by the road, what was asked before forgotten.
    auto giveUp = [&](const auto& r) {
        Messages().clear();
        SaveQuestions().clear();
        lastKind = gui::FileDialog::Kind::Save;
        r.take();
    };
    int row = 0;
    for (const auto& r : roads)
        for (const auto& a : answers) {
            SCOPED_TRACE(std::string(r.road) + ", answer " + std::to_string(int(a.answer)) + " " + a.chosen);
            Form1->Show();
            SaveAnswer() = SaveChoice::Discard;
            CantileverAndTwoSpans(3);
            Header_Ref = std::to_string(++row);  // unlike any beam kept before
            BeamFileName = "";
            fs::remove(mine);
            const std::vector<uint8_t> before = BeamDataFileBytes();
            SaveAnswer() = a.answer;
            Choose(a.chosen);
            giveUp(r);
            EXPECT_EQ(SaveQuestions(), Lines_t{"The beam has not been saved.\rSave it?"});
            EXPECT_EQ(r.taken(), a.givenUp);
            EXPECT_TRUE(a.givenUp || BeamDataFileBytes() == before);
            EXPECT_EQ(fs::exists(mine), a.chosen == mine);
            EXPECT_TRUE(!fs::exists(mine) || FileBytes(mine) == before);
            if (a.givenUp) continue;
            SaveAnswer() = SaveChoice::Cancel;
            giveUp(r);
            EXPECT_EQ(SaveQuestions().size(), 1u);
        }

    const struct {
        const char* where;
        std::function<void()> type;  // "12345" where the window shows something else
        gui::Form* window;
        std::function<std::string()> shown;  // the entry typed into
        const char* question;                // none where nothing was typed
    } typings[] = {
        {"a new beam's data",
         [&] {
             f.New1.Click();
             BeamFrm->Grid_Lengths.SetCurrent(1, 1);
             gui::TypeText(BeamFrm->Grid_Lengths, "12345");
         },
         BeamFrm, [] { return BeamFrm->Grid_Lengths.Cell(1, 1); },
         "The Beam Data window holds entries that Next > has not taken.\rGive them up?"},
        {"an opened beam's data",
         [&] {
             f.Open1.Click();
             f.Beam1.Click();
             gui::TypeText(BeamFrm->Edit_Ixx, "12345");
         },
         BeamFrm, [] { return BeamFrm->Edit_Ixx.Text(); },
         "The Beam Data window holds entries that Next > has not taken.\rGive them up?"},
        {"an opened beam's loads",
         [&] {
             f.Open1.Click();
             f.Loads1.Click();
             gui::TypeText(LoadDataFrm->Row(1).Edit_Dist, "12345");
         },
         LoadDataFrm, [] { return LoadDataFrm->Row(1).Edit_Dist.Text(); },
         "The Load Data window holds entries that Next > has not taken.\rGive them up?"},
        {"an opened beam's data shown",
         [&] {
             f.Open1.Click();
             f.Beam1.Click();
         },
         BeamFrm, nullptr, nullptr},
        {"an opened beam's loads, on another loadcase",
         [&] {
             f.Open1.Click();
             f.Loads1.Click();
             LoadDataFrm->UpDown_Case.Step(1);
         },
         LoadDataFrm, nullptr, nullptr},
    };
    for (const auto& r : roads)
        for (const auto& t : typings)
            for (int answer = 0; answer < 4; ++answer) {
                const bool yes = answer & 1, closed = answer & 2;  // the window closed by its title bar
                if (closed && !t.question) continue;
                SCOPED_TRACE(std::string(r.road) + ", " + t.where + (closed ? ", closed" : "") +
                             (yes ? ", Yes" : ", No"));
                Form1->Show();
                SaveAnswer() = SaveChoice::Discard;
                QuestionAnswer() = true;
                Choose(other);
                t.type();
                if (closed) t.window->Close();
                QuestionAnswer() = yes;
                giveUp(r);
                EXPECT_EQ(Messages(), t.question ? Lines_t{t.question} : Lines_t{});
                EXPECT_EQ(SaveQuestions(), Lines_t{});
                EXPECT_EQ(r.taken(), yes || !t.question);
                EXPECT_TRUE(yes || !t.question || (t.window->Showing() && t.shown() == "12345"));
            }
    QuestionAnswer() = false;
    BeamFrm->Hide();
    LoadDataFrm->Hide();

    SaveAnswer() = SaveChoice::Cancel;  // a question holds the road up
    for (const auto& r : roads)
        for (bool saved : {false, true}) {
            SCOPED_TRACE(std::string(r.road) + (saved ? ", saved" : ", opened"));
            Form1->Show();
            CantileverAndTwoSpans(3);
            BeamFileName = "";
            Choose(saved ? mine : other);
            if (saved) {
                f.SaveBeamFile();
            } else {
                SaveAnswer() = SaveChoice::Discard;
                f.Open1.Click();
                SaveAnswer() = SaveChoice::Cancel;
            }
            f.UpDown1.Step(1);  // another loadcase shown
            Choose(other);
            giveUp(r);
            EXPECT_EQ(SaveQuestions(), Lines_t{});
            EXPECT_TRUE(r.taken());
        }

    Header_Ref = "changed";  // of the beam last saved
    f.Open1.Click();
    EXPECT_EQ(SaveQuestions(), Lines_t{"The beam has been changed since \"" + mine + "\" was opened or saved.\rSave the changes?"});
    EXPECT_EQ(Header_Ref, "changed");
    SaveAnswer() = SaveChoice::Discard;
    Form1->Hide();
}

// Saved beams of several kinds, each opened, viewed or stepped through and
// given up by one of the roads: nothing was typed or chosen, so nothing is
// asked, whatever the program formats again or an analysis forms. What the
// user changes is asked about, though the program forms it into a text.
TEST_F(FileMenu, ViewingOrSteppingThroughAnOpenedBeamAsksNothing) {
    using namespace beamtest;
    TBeamFrm& w = *BeamFrm;
    TLoadDataFrm& loads = *LoadDataFrm;
    f.WriteTables();
    const bool oneSection = w.Check_IE.Checked();
    auto typed = [&](bool sectionPerMember) {
        SaveAnswer() = gui::SaveChoice::Discard;
        f.New1.Click();
        if (w.Check_IE.Checked() == sectionPerMember) w.Check_IE.Click();
    };
    auto take = [&](const std::string& path) {
        Messages().clear();
        loads.cmd_Next.Click();
        ASSERT_EQ(Messages(), Lines_t{});
        Choose(path);
        f.SaveAs1.Click();
    };
    const struct {
        const char* name;
        std::function<void(const std::string&)> save;  // to the path
    } beams[] = {
        {"three", [&](const std::string& path) { CantileverAndTwoSpans(3); SaveBeamDataFile(path); }},
        {"not applied written -1",
         [&](const std::string& path) {
             CantileverAndTwoSpans(3);
             for (int lc = 1; lc <= NumLoadcases; ++lc)
                 for (int slot = 1; slot <= LoadSlots; ++slot)
                     if (float& applied = LoadTable[lc][slot][LApplied]; applied != 1.0f) applied = -1.0f;
             SaveBeamDataFile(path);
         }},
        {"table section in feet",
         [&](const std::string& path) {
             // An RHC, a fixed left end, a section from the table with its
             // self weight, a trapezoidal load and a row ticked and unticked.
             typed(false);
             ChooseUnits({{Quantity::Length, "ft"}, {Quantity::PointLoad, "Kips"}, {Quantity::LoadRate, "Kips/ft"}});
             w.Check_RHC.Click();
             w.Check_LHF.Click();
             w.UpDown_Spans.Step(1);
             for (int column : {1, 2, 3}) Type(w.Grid_Lengths, column, 1, column == 3 ? "4.5" : "13.1");
             w.UniversalBeams1.Click();
             w.List_Sect.SetItemIndex(40);
             gui::Dispatch(w.List_Sect.OnClick);
             w.cmdNext.Click();
             LoadsWindow::Udl(1, "2", "0.6", "1.35", "20");
             LoadsWindow::Point(2, "7.25", "12.5");
             LoadsWindow::Point(3, "30", "3");
             for (int row : {1, 3, 3}) loads.Row(row).Check.Click();
             loads.Check_Swt.Click();
             loads.UpDown_Case.Step(1);
             loads.Row(2).Check.Click();
             take(path);
         }},
        {"a section per member, cantilevers",
         [&](const std::string& path) {
             typed(true);
             ChooseUnits({{Quantity::Length, "mm"}, {Quantity::I, "mm^4"}});
             w.Check_LHC.Click();
             w.Check_RHC.Click();
             const char* cells[3][5] = {{"Stub", "850", "3.3e7", "205000", "101.6"},
                                        {"Main", "5333", "1.23456e8", "210000", "177.8"},
                                        {"Tip", "1200.5", "4.1e7", "205000", "120"}};
             for (int column : {1, 2, 3})
                 for (int row = 1; row <= 5; ++row) Type(w.Grid_Spans, column, row, cells[column - 1][row - 1]);
             w.cmdNext.Click();
             LoadsWindow::Udl(1, "0", "12.5", "12.5", "7383.5");
             LoadsWindow::Point(2, "425", "-7.5");
             LoadsWindow::Udl(3, "1000", "3", "0", "2500");
             for (int row : {1, 2}) loads.Row(row).Check.Click();
             loads.UpDown_Case.Step(2);
             for (int row : {3, 2, 2}) loads.Row(row).Check.Click();
             take(path);
         }},
        {"one span",
         [&](const std::string& path) {
             typed(false);
             OneSectionBeam({"6.35"}, "8123", "205000", "152.4");
             w.cmdNext.Click();
             LoadsWindow::Point(1, "2.2", "35");
             loads.Row(1).Check.Click();
             take(path);
         }},
        {"old layout", [](const std::string& path) { WriteFile(path, OldFile()); }},
    };
    auto stepSpans = [&] {
        f.Beam1.Click();
        if (w.UpDown_Spans.Position() == 1) w.UpDown_Spans.Step(-1);  // at its limit
    };
    const struct {
        const char* what;
        std::function<void()> view;
    } views[] = {
        {"Next >, Next >", [&] { f.Beam1.Click(); w.cmdNext.Click(); loads.cmd_Next.Click(); }},
        {"Next >, < Back", [&] { f.Beam1.Click(); w.cmdNext.Click(); loads.cmdBack.Click(); }},
        {"Next >, Next >, Loads, Next >",
         [&] { f.Beam1.Click(); w.cmdNext.Click(); loads.cmd_Next.Click(); f.Loads1.Click(); loads.cmd_Next.Click(); }},
        {"Loads, Expand", [&] { f.Loads1.Click(); loads.Button4.Click(); }},
        {"Loads, Expand, Next >", [&] { f.Loads1.Click(); loads.Button4.Click(); loads.cmd_Next.Click(); }},
        {"the span spinner stepped at its limit", stepSpans},
        {"Analyse", [&] { f.Analyse2.Click(); }},
    };
    const std::function<void()> roads[] = {[&] { f.New1.Click(); }, [&] { f.Open1.Click(); },
                                           [&] { f.ExitSolvane1.Click(); }, [] { Form1->Close(); }};
    int road = 0;
    auto pathOf = [&](const std::string& beam) { return (dir.path() / (beam + ".kvl")).string(); };
    for (const auto& b : beams) {
        const std::string path = pathOf(b.name);
        b.save(path);
        for (const auto& v : views) {
            SCOPED_TRACE(std::string(b.name) + ", " + v.what);
            Form1->Show();
            SaveAnswer() = gui::SaveChoice::Discard;
            ASSERT_EQ(Open(path), Lines_t{});
            v.view();
            SaveQuestions().clear();
            Messages().clear();
            SaveAnswer() = gui::SaveChoice::Cancel;
            QuestionAnswer() = false;
            roads[road++ % std::size(roads)]();
            EXPECT_EQ(SaveQuestions(), Lines_t{});
            EXPECT_EQ(Messages(), Lines_t{});
        }
    }

    const struct {
        const char* beam;
        const char* change;
        std::function<void()> make;
    } changes[] = {
        {"a section per member, cantilevers", "the left cantilever's description",
         [&] {
             f.Beam1.Click();
             Type(w.Grid_Spans, 1, 1, "Stub end");
             w.cmdNext.Click();
             loads.cmd_Next.Click();
         }},
        {"table section in feet", "the self weight",
         [&] {
             f.Loads1.Click();
             loads.Check_Swt.Click();
             loads.cmd_Next.Click();
         }},
        {"old layout", "a load",
         [&] {
             f.Loads1.Click();
             gui::TypeText(loads.Row(4).Edit_PL, "5");
             loads.cmd_Next.Click();
         }},
    };
    for (const auto& c : changes) {
        SCOPED_TRACE(c.change);
        SaveAnswer() = gui::SaveChoice::Discard;
        ASSERT_EQ(Open(pathOf(c.beam)), Lines_t{});
        c.make();
        SaveQuestions().clear();
        f.New1.Click();
        EXPECT_EQ(SaveQuestions().size(), 1u);
    }
    if (w.Check_IE.Checked() != oneSection) w.Check_IE.Click();
    Form1->Hide();
}

TEST_F(FileMenu, RefusedResultsAreLeftOutAndTheBeamIsSaved) {
    // Loads beyond what the analysis holds, on a beam not analysed before: a
    // point load whose results overflow, and two UDLs over the span whose
    // applied total and stacked rate do.
    const struct {
        bool stacked;
        std::string beyond;
        std::string label;  // drawn for the load: its value, or the stacked rate beyond the singles
        Lines_t listed;     // in the results list
    } beyond[] = {{false, "the results of loadcase 1 lie", "3.00E+35",
                   {"No results: the beam cannot be analysed, as", "the results of loadcase 1 lie beyond the",
                    "values the program can hold"}},
                  {true, "the applied load of loadcase 1 lies", "(#####)",
                   {"No results: the beam cannot be analysed, as", "the applied load of loadcase 1 lies beyond",
                    "the values the program can hold"}}};
    std::vector<uint8_t> b;
    for (const auto& r : beyond) {
        SCOPED_TRACE(r.beyond);
        const std::string why = "the beam cannot be analysed, as " + r.beyond + " beyond the values the program can hold";
        SetBeam({5000});
        if (r.stacked) {
            Udl(1, 0, 2e38, 2e38, 5000, 1.0);
            Udl(2, 0, 2e38, 2e38, 5000, 1.0);
        } else {
            Point(1, 2500, 3e38, 1.0);
        }
        FinishLoads();
        SavedSpanIntervals = 0;
        Messages().clear();
        f.Analyse2.Click();
        ASSERT_EQ(Messages().size(), 1u);
        EXPECT_EQ(Items(f.List_Results), r.listed);
        EXPECT_EQ(f.lbl_Case.Caption(), "1");
        EXPECT_EQ(f.ShownCase, 1);
        const auto typed = LoadTable;
        const std::string path = (dir.path() / "refused.kvl").string();
        Choose(path);
        EXPECT_EQ(Said([&] { f.SaveAs1.Click(); }), Lines_t{path + " was saved without its results: " + why + "."});
        f.New1.Click();
        BeamFrm->Hide();
        Messages().clear();
        gui::Canvas& c = f.Image1.GetCanvas();
        gui::StartLog(c);
        f.Open1.Click();
        gui::StopLog(c);
        EXPECT_EQ(Messages(), Lines_t{});
        EXPECT_EQ(BeamLength, 5000.0);
        EXPECT_TRUE(LoadTable == typed);
        // Shown as its loads window leaves it, on its one loadcase, and it can
        // be saved under another name as it stands.
        EXPECT_EQ(f.lbl_Case.Caption(), "1");
        EXPECT_EQ(f.UpDown1.Position(), 1);
        EXPECT_EQ(f.ShownCase, 1);
        EXPECT_TRUE(HasText(c, r.label));
        const std::string copy = (dir.path() / "copy.kvl").string();
        Choose(copy);
        f.SaveAs1.Click();
        EXPECT_EQ(Messages(), Lines_t{copy + " was saved without its results: the beam as it stands has not been "
                                             "analysed."});
        // Results stored for it are left out, and no analysis is advised.
        b = FileBytes(path);
        PutInt32(&b[V4Offsets{1, 1, size_t(SavedSpanIntervals)}.ResultsFlag()], 1);
        const std::string stored = WriteFile(dir.path() / "stored.kvl", b);
        EXPECT_EQ(Open(stored),
                  Lines_t{"\"" + stored + "\" was opened without its stored results: its " + why.substr(4) + "."});
        EXPECT_EQ(Items(f.List_Results), r.listed);
    }
    // Nor is it for results stored with no beam.
    f.New1.Click();
    BeamFrm->Hide();
    const std::string empty = (dir.path() / "empty.kvl").string();
    NumLoadcases = 1;
    SaveBeamDataFile(empty);
    b = FileBytes(empty);
    PutInt32(&b[V4Offsets{size_t(NumLoadcases), size_t(NumSpans), size_t(SavedSpanIntervals)}.ResultsFlag()], 1);
    EXPECT_EQ(Open(WriteFile(empty, b)), Lines_t{"\"" + empty +
                                                 "\" was opened without its stored results: the file holds results "
                                                 "but no beam."});
}

TEST_F(FileMenu, NewResetsTheBeamTheLoadsAndTheUnits) {
    CantileverAndTwoSpans(3);
    Header_Company = "Acme";
    Header_Project_1 = "Bridge";
    SetHeaderFrm->Edit_Ref.SetText("R1");
    FileMark = "Old";
    Unit_L = "ft";
    Unit_St = "ksi";
    FactoredLoads = 1;
    f.New1.Click();  // no settings file in the current directory

    EXPECT_EQ(f.Caption(), "Korvela");
    EXPECT_FALSE(f.Save1.Enabled());
    EXPECT_FALSE(f.SaveAs1.Enabled());
    EXPECT_FALSE(f.Print1.Enabled());
    EXPECT_FALSE(f.UpDown1.Enabled());
    EXPECT_TRUE(BeamFrm->Showing());
    EXPECT_EQ(BeamLength, 0.0);
    EXPECT_EQ(NumSpans, 1);
    EXPECT_EQ(NumLoadcases, 0);
    EXPECT_EQ(LoadCaseShown, 1);
    EXPECT_EQ(LoadRowsShown, 6);
    EXPECT_EQ(SupportTypes[0], 0);
    EXPECT_EQ(BeamGeometryTable[2][GLength], 0.0);
    EXPECT_EQ(SpanDescription[1], " ");
    for (int lc = 1; lc <= 3; ++lc)
        for (int slot : {1, 2, 51}) {
            EXPECT_EQ(LoadTable[lc][slot][LKind], 0.0f);
            EXPECT_EQ(LoadTable[lc][slot][LApplied], NotApplied);
        }
    EXPECT_EQ(MomentSummary[1][1][3], 0.0f);
    EXPECT_EQ(MomentSummary[0][27][3], 0.0f);
    EXPECT_EQ(StoreCount(CaseLoadsText[1]), 0);
    EXPECT_EQ(f.List_Results.Count(), 0);

    EXPECT_EQ(Header_Company, "Acme");
    EXPECT_EQ(Header_Project_1, "");
    EXPECT_EQ(SetHeaderFrm->Edit_Ref.Text(), "");
    EXPECT_EQ(FileMark, "KVL");
    EXPECT_EQ(BeamFileName, "");

    EXPECT_EQ(Unit_L, "m");
    EXPECT_EQ(Factor_L, 1000.0f);
    EXPECT_EQ(Unit_R, "kN/m");
    EXPECT_EQ(Unit_Sect_I, "cm^4");
    EXPECT_EQ(Factor_Sect_I, 10000.0f);
    EXPECT_EQ(Unit_Mom, "kN-m");
    EXPECT_EQ(Factor_Mom, 1e-06f);
    EXPECT_EQ(Unit_St, "ksi");  // not among the defaults
    EXPECT_EQ(FactoredLoads, -1);

    // Defaults saved in the program folder are read there, though a file
    // opened from another folder has made that the current one.
    const UnitsGuard guard;
    StartDir = guard.Dir().path().string();
    FactoredLoads = 1;
    WriteUnitSettingsFile();
    CantileverAndTwoSpans(3);
    const std::string path = (dir.path() / "elsewhere.kvl").string();
    SaveBeamDataFile(path);
    Open(path);
    ASSERT_EQ(fs::current_path(), dir.path());
    FactoredLoads = -1;
    f.New1.Click();
    EXPECT_EQ(FactoredLoads, 1);
}

// Random changes of a good file: byte changes (half of them
// in the head, the model block and the loads), truncations and splices.
void Mutate(std::vector<uint8_t>& b, std::mt19937& random) {
    auto below = [&](size_t n) { return n == 0 ? size_t(0) : size_t(random() % n); };
    const size_t front = 712 + 228 * 3 + 7539 + 1632 * 3;
    switch (random() % 10) {
        case 0: case 1:
            b.resize(below(b.size()));
            break;
        case 2: case 3: {
            const size_t n = 1 + below(300), from = below(b.size() - n), to = below(b.size() - n);
            if (random() % 2)
                std::copy_n(b.begin() + from, n, b.begin() + to);
            else
                b.insert(b.begin() + to, b.begin() + from, b.begin() + from + n);
            break;
        }
        case 4: {
            const size_t n = 1 + below(300), at = below(b.size() - n);
            b.erase(b.begin() + at, b.begin() + at + n);
            break;
        }
        default:
            for (size_t k = 1 + below(4); k > 0; --k) b[below(random() % 2 ? front : b.size())] = uint8_t(random());
    }
}


// Texts of the runtime that no user should meet.
bool Internal(const std::string& text) {
    for (const char* internal : {"Range check", "valid integer", "overflow", "Invalid floating", "division by zero",
                                 "stoll", "stoi"})
        if (text.find(internal) != std::string::npos) return true;
    return false;
}

constexpr int DamagedFiles = RandomCases(400, 60);

// What the user sees of a damaged file: it is refused with the open beam
// kept, or it opens (at most saying its results are left out) and is
// printed, analysed, printed and saved without an internal text, and what
// is saved opens again. A file that opens into a beam already walked would
// walk the same road again.
TEST_F(FileMenu, RandomlyDamagedFilesAreRefusedOrOpenAnalyseAndPrintCleanly) {
    CantileverAndTwoSpans(3);
    const std::vector<uint8_t> good = BeamDataFileBytes();
    const std::string path = (dir.path() / "mutant.kvl").string(), saved = (dir.path() / "saved.kvl").string();
    const std::string refusal = "Cannot open \"" + path + "\": ",
                      unshown = "\"" + path + "\" was opened without its stored results: ",
                      fresh = FreshResults(path, "").substr(0, 40);
    print_test::LogDevice printer;
    for (gui::CheckBox* c : {&PrintFrm->Check_Beam, &PrintFrm->Check_Envelope, &PrintFrm->Check_Env20,
                             &PrintFrm->Check_Case, &PrintFrm->Check_Case20})
        c->SetCheckedQuietly(true);
    auto clean = [](int i, const char* step) {
        for (const std::string& m : Messages()) EXPECT_FALSE(Internal(m)) << i << " " << step << ": " << m;
        Messages().clear();
    };
    Choose(path);
    std::mt19937 random(20261207);
    int refused = 0, opened = 0;
    std::set<std::vector<uint8_t>> walked;
    for (int i = 0; i < DamagedFiles; ++i) {
        std::vector<uint8_t> b = good;
        Mutate(b, random);
        WriteFile(path, b);
        const std::vector<uint8_t> before = BeamDataFileBytes();
        Messages().clear();
        f.Open1.Click();
        if (!Messages().empty() && Messages()[0].rfind(unshown, 0) != 0 && Messages()[0].rfind(fresh, 0) != 0) {
            ++refused;
            ASSERT_EQ(Messages().size(), 1u) << i;
            ASSERT_EQ(Messages()[0].rfind(refusal, 0), 0u) << i << ": " << Messages()[0];
            clean(i, "open");
            ASSERT_TRUE(BeamDataFileBytes() == before) << i;
            continue;
        }
        ++opened;
        ASSERT_LE(Messages().size(), 1u) << i;
        clean(i, "open");
        if (!walked.insert(BeamDataFileBytes()).second) continue;
        PrintFrm->Cmd_OK.Click();
        clean(i, "print");
        f.Analyse2.Click();
        clean(i, "analyse");
        PrintFrm->Cmd_OK.Click();
        clean(i, "print after analysis");
        try {
            SaveBeamDataFile(saved);
        } catch (const RunError& e) {
            ADD_FAILURE() << i << " save: " << e.what();
            continue;
        }
        EXPECT_EQ(ErrorOf([&] { CheckBeamImage(LoadBeamFile(saved)); }), "") << i;
    }
    EXPECT_GT(refused, DamagedFiles / 3);
    EXPECT_GT(opened, DamagedFiles / 10);
}

}  // namespace
