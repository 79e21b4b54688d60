#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>
#include "AppTest.h"
#include "Beam.h"
#include "BeamFile.h"
#include "BinFile.h"
#include "GuiTest.h"
#include "Index.h"
#include "LoadData.h"
#include "ResultTexts.h"
#include "ResultsBeam.h"
#include "SetHeader.h"
#include "TempDir.h"

using namespace results_test;
namespace fs = std::filesystem;
using Lines_t = std::vector<std::string>;

namespace {

class FileMenu : public AnalysedBeam {
protected:
    void TearDown() override {
        gui::FileDialog::SetHook(nullptr);
        fs::current_path(ProgramFolder());
        BeamFrm->Hide();
        LoadDataFrm->Hide();
        IndexFrm->SetCaption("Korvela");
        IndexFrm->UpDown1.SetEnabled(true);
        BeamFileName = "";
        AnalysedBeam::TearDown();
    }
    // The dialogs answer with this path ("" cancels) and count their runs.
    void Choose(const std::string& path) {
        gui::FileDialog::SetHook([this, path](const gui::FileDialog& d) {
            ++dialogs;
            lastKind = d.DialogKind();
            lastFilter = d.Filter;
            return path;
        });
    }
    int dialogs = 0;
    gui::FileDialog::Kind lastKind{};
    std::string lastFilter;
    TempDir dir;
};

Lines_t Items(const gui::ListBox& list) {
    Lines_t items;
    for (int i = 0; i < list.Count(); ++i) items.push_back(list.Item(i));
    return items;
}

// Everything a reader sees of the results: texts, lists, summaries, envelope.
struct Shown {
    std::vector<Lines_t> texts;
    Lines_t results, cases;
    decltype(ShearSummary) shear;
    decltype(MomentSummary) moment;
    decltype(DeflectionSummary) deflection;
    decltype(EnvelopeMoment) envelope;
    std::vector<float> momentSeries;

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

void ThreeCases() {
    SetBeam({4000, 6000}, 1000);
    Udl(1, 0, 10, 10, 11000, 1.0, {1});
    Point(2, 3000, 20000, 1.0, {2});
    Point(3, 8000, 0, 1.0, {3});  // counted, not active
    FinishLoads();
    ASSERT_TRUE(Analyse().empty());
}

TEST_F(FileMenu, SaveThenOpenShowsTheSameResultsWithoutAnAnalysis) {
    ThreeCases();
    TIndexFrm& f = *IndexFrm;
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

    Messages().clear();
    f.Open1.Click();
    EXPECT_EQ(Messages(), Lines_t{});
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

    const Shown after = Shown::Take();
    EXPECT_EQ(after.texts, before.texts);
    EXPECT_EQ(after.results, before.results);
    EXPECT_EQ(after.cases, before.cases);
    EXPECT_TRUE(after.shear == before.shear);
    EXPECT_TRUE(after.moment == before.moment);
    EXPECT_TRUE(after.deflection == before.deflection);
    EXPECT_TRUE(after.envelope == before.envelope);
    EXPECT_EQ(after.momentSeries, before.momentSeries);
}

TEST_F(FileMenu, OneLoadcaseOpensOnThatLoadcase) {
    SetBeam({5000});
    Udl(1, 0, 10, 10, 5000, 1.0);
    FinishLoads();
    ASSERT_TRUE(Analyse().empty());
    const std::string path = (dir.path() / "one.kvl").string();
    SaveBeamDataFile(path);
    Choose(path);
    IndexFrm->Open1.Click();
    EXPECT_EQ(IndexFrm->lbl_Case.Caption(), "1");
    EXPECT_EQ(DisplayMode, -1);
    EXPECT_EQ(Items(IndexFrm->List_CaseResults)[0], "LOADCASE 1");
}

TEST_F(FileMenu, AFileThatCannotBeReadLeavesTheOpenBeamAlone) {
    ThreeCases();
    TIndexFrm& f = *IndexFrm;
    const std::vector<uint8_t> good = BeamDataFileBytes();
    auto write = [&](const std::string& name, const std::vector<uint8_t>& bytes) {
        std::ofstream(dir.path() / name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        return (dir.path() / name).string();
    };
    std::vector<uint8_t> newer = good;
    newer[1] = '5';
    const struct {
        std::string path, message;
    } cases[] = {
        {write("cut.kvl", std::vector<uint8_t>(good.begin(), good.begin() + 20000)), "Read beyond end of file"},
        {write("newer.kvl", newer), "Unknown beam data file version"},
        {(dir.path() / "missing.kvl").string(), "File not found"},
    };
    for (const auto& c : cases) {
        Messages().clear();
        Choose(c.path);
        f.Open1.Click();
        EXPECT_EQ(Messages(), Lines_t{c.message}) << c.path;
        EXPECT_EQ(BeamLength, 11000.0);
        EXPECT_EQ(NumLoadcases, 3);
        EXPECT_EQ(f.Caption(), "Korvela");
        EXPECT_TRUE(f.Save1.Enabled());
    }

    // A name not ending in "kvl" resets the beam without a message.
    Messages().clear();
    Choose(write("beam.KVL", good));
    f.Open1.Click();
    EXPECT_EQ(Messages(), Lines_t{});
    EXPECT_EQ(BeamLength, 0.0);
    EXPECT_FALSE(f.Save1.Enabled());
}

TEST_F(FileMenu, SaveWithoutANameAsksForOneAndSaveAsReportsAFailure) {
    TIndexFrm& f = *IndexFrm;
    f.New1.Click();
    const std::string path = (dir.path() / "new.kvl").string();
    Choose(path.substr(0, path.size() - 4));  // the default extension is added
    f.SaveBeamFile();
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(BeamFileName, path);
    EXPECT_EQ(f.Caption(), path);
    ASSERT_TRUE(fs::exists(path));
    EXPECT_EQ(fs::file_size(path), 44151u);

    // With a name, Save writes without asking.
    f.SaveBeamFile();
    EXPECT_EQ(dialogs, 1);

    Messages().clear();
    const std::string bad = (dir.path() / "no-such-folder" / "b.kvl").string();
    Choose(bad);
    f.SaveAs1.SetEnabled(true);
    f.SaveAs1.Click();
    EXPECT_EQ(Messages(), Lines_t{"File Saving Error"});
    EXPECT_EQ(f.Caption(), bad);
    EXPECT_EQ(BeamFileName, bad);

    // Save to that name fails and falls back to Save As, here cancelled.
    Messages().clear();
    Choose("");
    f.SaveBeamFile();
    EXPECT_EQ(dialogs, 3);
    EXPECT_EQ(Messages(), Lines_t{});
}

TEST_F(FileMenu, NewResetsTheBeamTheLoadsAndTheUnits) {
    ThreeCases();
    TIndexFrm& f = *IndexFrm;
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
            EXPECT_EQ(LoadTable[lc][slot][LApplied], -1.0f);
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
}

}  // namespace
