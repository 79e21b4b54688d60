// The engineer's whole road through the windows: a beam typed into the beam
// data window, loads typed into the loads window, the analysis started by
// Next, the results saved, cleared by New and opened again.
#include <gtest/gtest.h>
#include <cstdio>
#include <filesystem>
#include <random>
#include <sstream>
#include "BeamDrawing.h"
#include "BeamFile.h"
#include "Global.h"
#include "GuiTest.h"
#include "Index.h"
#include "LoadData.h"
#include "OldBeamFile.h"
#include "Pdf.h"
#include "Point.h"
#include "PointResults.h"
#include "Preferences.h"
#include "Print.h"
#include "PrintDevice.h"
#include "ResultsBeam.h"
#include "TempDir.h"
#include "UnitSettings.h"
#include "AppTest.h"
#include "beam/BeamTest.h"
#include "beam/ChooseUnits.h"
#include "loads/LoadsTest.h"

namespace {

// Puts the windows back as start-up left them, the main window hidden, and
// no saved defaults.
class MainRoad : public results_test::BeamWindowsAndFiles {
protected:
    void TearDown() override {
        std::filesystem::remove(ProgramFolder() / "kvl3_Unit2.dim");
        IndexFrm->Hide();
        BeamWindowsAndFiles::TearDown();
    }
    TempDir jobs;
};

TEST_F(MainRoad, TypedBeamAndLoadsAreAnalysedSavedAndOpenedAgain) {
    using namespace beamtest;
    Fresh();
    // Two spans of 6 m, I = 10000 cm^4, E = 205000 N/mm^2 (default units m, kN, kN/m).
    OneSectionBeam({"6", "6"}, "10000", "205000", "100");
    BeamFrm->cmdNext.Click();
    ASSERT_EQ(Messages(), Lines_t{});
    ASSERT_TRUE(LoadDataFrm->Showing());
    EXPECT_EQ(BeamLength, 12000.0);

    // Loadcase 1: 10 kN/m over both spans. Loadcase 2: 50 kN at the middle of span 1.
    TLoadDataFrm& loads = *LoadDataFrm;
    loads.cmd_Clear.Click();
    loads.UpDown_Case.Step(-1);  // loadcase 1, as the spinner leaves it at its lower end
    ASSERT_EQ(loads.Edit_Case.Text(), "1");
    LoadsWindow::Udl(1, "0", "10", "10", "12");
    LoadsWindow::Point(2, "3", "50");
    loads.Row(1).Check.Click();
    loads.UpDown_Case.Step(1);
    loads.Row(2).Check.Click();
    loads.cmd_Next.Click();
    ASSERT_EQ(Messages(), Lines_t{});
    ASSERT_TRUE(IndexFrm->Showing());
    ASSERT_EQ(NumLoadcases, 2);
    ASSERT_EQ(ResultsReady, 1);

    // 3wL/8, 10wL/8, 3wL/8; and 13P/32, 22P/32, -3P/32.
    const double reactions[2][3] = {{22500, 75000, 22500}, {20312.5, 34375, -4687.5}};
    for (int lc = 1; lc <= 2; ++lc)
        for (int k = 1; k <= 3; ++k) EXPECT_NEAR(CaseReaction[lc][k], reactions[lc - 1][k - 1], 1e-2) << lc << " " << k;
    const std::vector<std::string> results = Items(IndexFrm->List_Results);
    ASSERT_FALSE(results.empty());

    const std::string path = (jobs.path() / "two spans.kvl").string();
    gui::SetFileDialogHook([&](const gui::FileDialog&) { return path; });
    IndexFrm->SaveAs1.Click();
    ASSERT_TRUE(std::filesystem::exists(path));
    IndexFrm->New1.Click();
    EXPECT_EQ(BeamLength, 0.0);
    BeamFrm->Hide();
    IndexFrm->Open1.Click();
    EXPECT_EQ(Messages(), Lines_t{});
    EXPECT_EQ(BeamLength, 12000.0);
    EXPECT_NEAR(CaseReaction[2][2], 34375, 1e-2);
    EXPECT_EQ(Items(IndexFrm->List_Results), results);
    EXPECT_TRUE(IndexFrm->Save1.Enabled());
    // The loads window shown after Open draws its distributed loads with their rates.
    IndexFrm->Loads1.Click();
    ASSERT_EQ(loads.Edit_Case.Text(), "1");
    EXPECT_EQ(UDLOutline[1][1][1][OutlineRate], 10.0f);
    loads.cmd_Cancel.Click();

    // Span 1 becomes 7 m and the loads window is cancelled: nothing of the
    // 6 m analysis is shown, listed, drawn or queried any more.
    IndexFrm->Beam1.Click();
    Type(BeamFrm->Grid_Lengths, 1, 1, "7");
    BeamFrm->cmdNext.Click();
    loads.cmd_Cancel.Click();
    ASSERT_EQ(BeamLength, 13000.0);
    EXPECT_EQ(ResultsReady, 0);
    const std::vector<std::string> stale = {"Analyse the beam first"};
    EXPECT_EQ(Items(IndexFrm->List_Results), stale);
    EXPECT_TRUE(Items(IndexFrm->List_CaseResults).empty());
    IndexFrm->Default1.Click();
    IndexFrm->UpDown1.Step(1);
    EXPECT_EQ(Items(IndexFrm->List_Results), stale);
    EXPECT_TRUE(Items(IndexFrm->List_CaseResults).empty());
    PointFrm->Show();
    PointFrm->Edit_Dist.SetText("3");
    PointFrm->cmd_Calc.Click();
    PointFrm->Hide();
    EXPECT_EQ(Messages(), stale);
    EXPECT_EQ(PointMoment[1], 0.0f);
    EXPECT_TRUE(PointFrm->List_Results.Count() == 0);

    EXPECT_EQ(Said([&] { IndexFrm->Analyse2.Click(); }), Lines_t{});
    EXPECT_EQ(ResultsReady, 1);
    // Three moments over 7 m and 6 m: M = P a (L1^2 - a^2) / (2 L1 (L1 + L2)).
    EXPECT_NEAR(CaseReaction[2][2], 31632.65, 1e-2);
    EXPECT_NE(Items(IndexFrm->List_Results), results);

    // Span 2 becomes 4 m and the loads window is cancelled: the 12 m load no
    // longer fits, so Analyse says so and analyses nothing.
    IndexFrm->Beam1.Click();
    Type(BeamFrm->Grid_Lengths, 2, 1, "4");
    BeamFrm->cmdNext.Click();
    loads.cmd_Cancel.Click();
    EXPECT_EQ(Said([&] { IndexFrm->Analyse2.Click(); }),
              Lines_t{"The beam cannot be analysed: load row 1 ends at 12 m, past the "
                      "end of the beam at 11 m."});
    EXPECT_EQ(ResultsReady, 0);
    EXPECT_EQ(Items(IndexFrm->List_Results), (Lines_t{"No results: the beam cannot be analysed, as",
                                                      "load row 1 ends at 12 m, past the end of the", "beam at 11 m"}));
    EXPECT_FALSE(IndexFrm->Save1.Enabled());
    IndexFrm->New1.Click();
}

// Opened again, the saved beam is as it was, and Save writes the same bytes.
void ExpectOpensAsSaved(const std::string& path) {
    const std::vector<uint8_t> saved = FileBytes(path);
    ASSERT_EQ(Said([] { IndexFrm->Open1.Click(); }), Lines_t{});
    EXPECT_TRUE(BeamDataFileBytes() == saved);
    IndexFrm->Save1.Click();
    EXPECT_TRUE(FileBytes(path) == saved);
}

constexpr int RandomBeams = RandomCases(12, 3);

// Random legal beams and loads typed through the windows in random units
// (cantilevers, fixed ends, a section per span, factors, negative ones too,
// rows applied nowhere, one of them past the end), analysed and saved; each
// file opens into the same model and results, and saving it again writes the
// same bytes.
TEST_F(MainRoad, RandomBeamsTypedThroughTheWindowsSaveAndOpenAsTheyWere) {
    using namespace beamtest;
    std::mt19937 random(20261207);
    auto pick = [&](size_t n) { return int(random() % n); };
    auto within = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(random); };
    auto text = [](double v) {
        char b[32];
        std::snprintf(b, sizeof b, "%.4g", v);
        return std::string(b);
    };
    TLoadDataFrm& loads = *LoadDataFrm;
    TBeamFrm& w = *BeamFrm;
    for (int i = 0; i < RandomBeams; ++i) {
        SCOPED_TRACE("beam " + std::to_string(i));
        const bool oneSection = pick(2);
        Fresh(oneSection);
        PreferencesFrm->Show();
        for (const QuantityUnits& q : UnitTable())
            if (!q.fixed) Option(*PreferencesFrm, q.id, q.Offered()[pick(q.Offered().size())].name).Click();
        if (pick(2)) PreferencesFrm->Check_Factor.Click();
        // Kept as the defaults, which New and Open read from the program
        // folder, though the file dialogs have moved to the folder of the files.
        PreferencesFrm->Check_SetDefault.SetCheckedQuietly(true);
        PreferencesFrm->Button2.Click();
        PreferencesFrm->Check_SetDefault.SetCheckedQuietly(false);

        const int spans = 1 + pick(4);
        if (pick(2)) w.Check_LHC.Click();
        if (pick(2)) w.Check_RHC.Click();
        if (!w.Check_LHC.Checked() && pick(2)) w.Check_LHF.Click();
        if (!w.Check_RHC.Checked() && pick(2)) w.Check_RHF.Click();
        for (int k = 1; k < spans; ++k) w.UpDown_Spans.Step(1);
        double length = 0;
        const int members = spans + w.Check_LHC.Checked() + w.Check_RHC.Checked();
        for (int column = 1; column <= members; ++column) {
            const std::string typed = text(within(500, 9000) / Factor_L);
            Type(w.Grid_Lengths, column, 1, typed);
            length += std::stod(typed) * Factor_L;
            if (oneSection && column > 1) continue;
            const std::string ixx = text(within(1e6, 1e9) / Factor_Sect_I), e = text(within(1e4, 2.1e5) / Factor_Sect_E),
                              y = text(within(50, 300) / Factor_Sect_L);
            if (oneSection) {
                Type(w.Edit_Ixx, ixx);
                Type(w.Edit_E, e);
                Type(w.Edit_Yrec, y);
            } else {
                Type(w.Grid_Spans, column, 3, ixx);
                Type(w.Grid_Spans, column, 4, e);
                Type(w.Grid_Spans, column, 5, y);
            }
        }
        w.cmdNext.Click();
        ASSERT_EQ(Messages(), Lines_t{});
        ASSERT_TRUE(loads.Showing());

        // Six rows on the beam with factors of either sign; row 6 lies past
        // the end and is applied nowhere.
        loads.cmd_Clear.Click();
        const char* factors[] = {"", "1.4", "-1", "0.9", "0", "1.6"};
        for (int n = 1; n <= 6; ++n) {
            LoadRowControls& row = loads.Row(n);
            const double at = n == 6 ? length * 1.5 : within(0, 0.6) * length;
            (pick(2) ? row.OptionP : row.OptionUDL).Click();
            row.Edit_Dist.SetText(text(at / Factor_L));
            row.Edit_PL.SetText(text(within(-50000, 100000) / Factor_PL));
            row.Edit_UDLS.SetText(text(within(1, 30) / Factor_R));
            row.Edit_UDLF.SetText(text(within(0, 30) / Factor_R));
            row.Edit_Cover.SetText(text(within(0.01, 0.35) * length / Factor_L));
            row.Edit_LF.SetText(factors[pick(std::size(factors))]);
        }
        const int cases = 1 + pick(3);
        for (int lc = 1; lc <= cases; ++lc) {
            loads.UpDown_Case.Step(lc - loads.UpDown_Case.Position());
            for (int n = 1; n <= 5; ++n)
                if (n == lc || pick(3) == 0) loads.Row(n).Check.Click();
            // Ticked and unticked again: applied nowhere still.
            if (pick(2)) {
                loads.Row(6).Check.Click();
                loads.Row(6).Check.Click();
            }
        }
        Messages().clear();
        loads.cmd_Next.Click();
        ASSERT_TRUE(IndexFrm->Showing()) << testing::PrintToString(Messages());
        ASSERT_EQ(ResultsReady, 1);

        const std::string path = (jobs.path() / ("beam " + std::to_string(i) + ".kvl")).string();
        gui::SetFileDialogHook([&](const gui::FileDialog&) { return path; });
        IndexFrm->SaveAs1.Click();
        const std::vector<std::string> results = Items(IndexFrm->List_Results);
        IndexFrm->New1.Click();
        BeamFrm->Hide();
        ExpectOpensAsSaved(path);
        EXPECT_EQ(Items(IndexFrm->List_Results), results);
    }
}

// What the user has of the open beam's results: the picture, the spinner,
// the lists and the report printed with every section, as the PDF reads.
struct Results {
    std::vector<uint32_t> picture;
    int32_t shown = 0;
    int position = 0;
    std::string label, report;
    Lines_t results, cases;
    bool operator==(const Results&) const = default;

    static Results Take(const std::string& pdf) {
        TIndexFrm& f = *IndexFrm;
        Results r{{}, f.ShownCase, f.UpDown1.Position(), f.lbl_Case.Caption(), "", Items(f.List_Results),
                  Items(f.List_CaseResults)};
        for (int y = 0; y < f.Image1.Height(); ++y)
            for (int x = 0; x < f.Image1.Width(); ++x) r.picture.push_back(gui::PixelAt(f.Image1, x, y));
        EXPECT_EQ(Said([] { PrintFrm->Cmd_OK.Click(); }), Lines_t{"Report written to " + pdf});
        r.report = PdfText(pdf);
        return r;
    }
};

// The first line where two texts differ, with its number.
std::string FirstDifference(const std::string& a, const std::string& b) {
    std::istringstream x(a), y(b);
    std::string u, v;
    for (int line = 1;; ++line) {
        const bool more = bool(std::getline(x, u)), also = bool(std::getline(y, v));
        if (!more && !also) return "";
        if (!more || !also || u != v) return "line " + std::to_string(line) + ": \"" + u + "\" / \"" + v + "\"";
    }
}

// Whether its results came from Analyse or from Open of its file, a beam
// shows and prints the same and saves the same bytes: over two loadcases,
// with every load on a support, with a loadcase withheld (its reactions do
// not balance) and with a span whose smallest moment is a negative zero.
TEST_F(MainRoad, AnalyseAndOpenShowPrintAndSaveTheSame) {
    using namespace results_test;
    const struct {
        const char* beam;
        std::function<void()> load;
        Lines_t analysed;  // what Analyse says
    } beams[] = {
        {"two loadcases",
         [] {
             SetBeam({5000, 5000});
             Udl(1, 0, 10, 10, 10000, 1.0, {1});
             Point(2, 2500, 20000, 1.0, {2});
         },
         {}},
        {"every load on a support",
         [] {
             SetBeam({5000, 5000});
             Point(1, 0, 20000, 1.0, {1, 2});
             Point(2, 5000, 30000, 1.0, {2});
             Point(3, 10000, 10000, 1.4, {1});
         },
         {"Loadcase 1\rNo loads on beam", "Loadcase 2\rNo loads on beam"}},
        {"a withheld loadcase",
         [] {
             // Loadcase 1: 1000000 kN on support 2, which its reactions without
             // the load on span 1 balance.
             SetBeam({10000, 1e-6, 10000});
             Udl(1, 0, 10, 10, 10000, 1.0, {1});
             Point(2, 10000, 1e9, 1.0, {1});
             Point(3, 15000, 50000, 1.0, {2});
         },
         {" ERROR  \r Loadcase  1\r Total applied load / Total support reactions = 1.00"}},
        {"a negative zero minimum",
         [] {
             SetBeam({5000});
             Udl(1, 0, 1e-35, 1e-35, 5000, 1.0);
         },
         {}},
    };
    const std::string pdf = (jobs.path() / "report.pdf").string();
    gui::SetPrinterOutputFile(pdf);
    SetPrintDevice(nullptr);
    gui::SetClock([] { return std::pair<std::string, std::string>{"07/12/2026", "14:05:09"}; });
    auto tickAll = [](bool ticked) {
        for (gui::CheckBox* c : {&PrintFrm->Check_Beam, &PrintFrm->Check_Envelope, &PrintFrm->Check_Env20,
                                 &PrintFrm->Check_Case, &PrintFrm->Check_Case20})
            c->SetCheckedQuietly(ticked);
    };
    tickAll(true);
    TIndexFrm& f = *IndexFrm;
    for (const auto& b : beams) {
        SCOPED_TRACE(b.beam);
        f.New1.Click();
        BeamFrm->Hide();
        f.Default1.Click();
        b.load();
        FinishLoads();
        // Not applied written -1, as some files hold it: kept as read.
        for (int slot = 1; slot <= LoadSlots; ++slot)
            if (float& applied = LoadTable[NumLoadcases][slot][LApplied]; applied != 1.0f) applied = -1.0f;
        SetMemberLengthLabels();  // as Next of the beam data window
        EXPECT_EQ(Analyse(), b.analysed);
        const std::string path = (jobs.path() / (std::string(b.beam) + ".kvl")).string();
        gui::SetFileDialogHook([&](const gui::FileDialog&) { return path; });
        f.SaveAs1.Click();
        const std::vector<uint8_t> saved = FileBytes(path);
        const Results analysed = Results::Take(pdf);

        f.New1.Click();
        BeamFrm->Hide();
        EXPECT_EQ(Said([&] { f.Open1.Click(); }), Lines_t{});
        const Results opened = Results::Take(pdf);
        EXPECT_EQ(opened.shown, analysed.shown);
        EXPECT_EQ(opened.position, analysed.position);
        EXPECT_EQ(opened.label, analysed.label);
        EXPECT_EQ(opened.results, analysed.results);
        EXPECT_EQ(opened.cases, analysed.cases);
        EXPECT_TRUE(opened.picture == analysed.picture);
        EXPECT_TRUE(opened.report == analysed.report) << FirstDifference(opened.report, analysed.report);
        f.Save1.Click();
        EXPECT_TRUE(FileBytes(path) == saved);
    }
    tickAll(false);
    gui::SetClock(nullptr);
    f.New1.Click();
}

// Old-layout files at their edges open into a beam that is analysed, saved
// and opened again as it was saved, or are refused when opened.
TEST_F(MainRoad, OldFilesAtTheirEdgesOpenIntoBeamsThatSaveAndOpenAgain) {
    using Bytes = std::vector<uint8_t>;
    const struct {
        const char* edge;
        bool opens;
        std::function<void(Bytes&)> change;
    } edges[] = {
        {"as written", true, [](Bytes&) {}},
        {"ten spans", true,
         [](Bytes& b) {
             for (int s = 3; s <= 10; ++s)
                 for (int c = 0; c < 6; ++c) std::memcpy(&b[2085 + 48 * (s - 1) + 8 * c], &b[2085 + 8 * c], 8);
             PutInt32(&b[43365], 10);
             PutDouble(&b[2061], 10 * 5000 + 1500);
         }},
        {"25 loadcases", true,
         [](Bytes& b) {
             PutInt32(&b[43369], 25);
             PutSingle(&b[OldLoad(25, 4, LApplied)], 1);
             PutInt32(&b[43373 + 4 * 24], 1);
         }},
        {"eleventh kind fixed", true, [](Bytes& b) { PutInt32(&b[46037 + 40], 1); }},
        {"eleventh kind 6", true, [](Bytes& b) { PutInt32(&b[46037 + 40], 6); }},
        {"left end forkhead", true, [](Bytes& b) { PutInt32(&b[2077], SupportForkhead); }},
        {"left end none", true, [](Bytes& b) { PutInt32(&b[2077], 0); }},
        {"metre lengths", true,
         [](Bytes& b) {
             // Each length a single times the factor; the beam length their sum in single precision.
             float sum = 0;
             for (auto [at, metres] : {std::pair{2085 + 8, 2.7f}, {2085 + 48 + 8, 4.1f}, {2013 + 8, 0.9f}}) {
                 PutDouble(&b[at], double(metres) * 1000);
                 sum += metres * 1000.0f;
             }
             PutDouble(&b[2061], sum);
         }},
        {"one section per span", true, [](Bytes& b) { PutInt32(&b[43477], -1); }},
        {"one-section flag 2", false, [](Bytes& b) { PutInt32(&b[43477], 2); }},
        {"50 rows shown", true, [](Bytes& b) { PutInt32(&b[43473], 50); }},
        {"51 rows shown", true, [](Bytes& b) { PutInt32(&b[43473], 51); }},
        // Any E and Ixx above 0 and any y, as the beam window takes them (N, mm).
        {"E 0.0005", true, [](Bytes& b) { PutDouble(&b[2085 + 16], 0.0005); }},
        {"Ixx 5e-7", true, [](Bytes& b) { PutDouble(&b[2085 + 24], 5e-7); }},
        {"y -150", true, [](Bytes& b) { PutDouble(&b[2085 + 32], -150); }},
        {"a load at the end, another of factor -1", true,
         [](Bytes& b) {
             for (int lc = 1; lc <= 25; ++lc) {
                 PutSingle(&b[OldLoad(lc, 4, LDist)], 11500);
                 for (int f = 0; f < 8; ++f) std::memcpy(&b[OldLoad(lc, 6, f)], &b[OldLoad(lc, 4, f)], 4);
                 PutSingle(&b[OldLoad(lc, 6, LDist)], 1000);
                 PutSingle(&b[OldLoad(lc, 6, LFactor)], -1);
             }
         }},
        {"past the end, applied nowhere", true,
         [](Bytes& b) {
             for (int lc = 1; lc <= 25; ++lc) {
                 PutSingle(&b[OldLoad(lc, 5, LKind)], KindUDL);
                 PutSingle(&b[OldLoad(lc, 5, LDist)], 11000);
                 PutSingle(&b[OldLoad(lc, 5, LCover)], 2000);
             }
         }},
        {"past the end, applied", false, [](Bytes& b) { PutSingle(&b[OldLoad(3, 4, LDist)], 11600); }},
        {"timber", true, [](Bytes& b) { PutStr(b, 43481, "Timber"); }},
    };
    // The defaults New and Open read: factored loads, as the old files have them.
    ApplyDefaultUnits();
    FactoredLoads = 1;
    WriteUnitSettingsFile();
    for (const auto& e : edges) {
        SCOPED_TRACE(e.edge);
        Bytes b = OldFile();
        e.change(b);
        const std::string path = WriteFile(jobs.path() / (std::string(e.edge) + ".kvl"), b);
        gui::SetFileDialogHook([&](const gui::FileDialog&) { return path; });
        const std::string caption = IndexFrm->Caption();
        const std::vector<std::string> opened = Said([] { IndexFrm->Open1.Click(); });
        if (!e.opens) {
            EXPECT_EQ(opened.size(), 1u);
            EXPECT_EQ(IndexFrm->Caption(), caption);
            continue;
        }
        ASSERT_EQ(opened, Lines_t{});
        IndexFrm->Analyse2.Click();
        IndexFrm->Save1.Click();
        ASSERT_EQ(Messages(), Lines_t{});
        ASSERT_EQ(ResultsReady, 1);
        ASSERT_EQ(FileBytes(path).size(), size_t(BeamFileV4Size(FileBytes(path))));
        ExpectOpensAsSaved(path);
    }
}

}  // namespace
