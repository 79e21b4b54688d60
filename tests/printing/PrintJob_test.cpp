#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <vector>
#include "AnalysisState.h"
#include "FileSizeLimit.h"
#include "GuiTest.h"
#include "Index.h"
#include "Print.h"
#include "PrintPages.h"
#include "PrintTest.h"
#include "ResultTexts.h"
#include "TempDir.h"
#include "app/AppTest.h"
#include "app/ResultsBeam.h"

using namespace print_test;
using namespace results_test;

namespace {

// Two spans of 5 m: loadcase 1 a 10 kN/m UDL over both, loadcase 2 a 20 kN
// point load at 2.5 m.
class PrintJob : public AnalysedBeam {
protected:
    void SetUp() override {
        ProgramFolder();
        SetBeam({5000, 5000});
        Udl(1, 0, 10, 10, 10000, 1.0, {1});
        Point(2, 2500, 20000, 1.0, {2});
        FinishLoads();
        ASSERT_EQ(Analyse(), std::vector<std::string>{});
        f = PrintFrm;
        for (gui::CheckBox* c : Boxes()) c->SetCheckedQuietly(false);
        f->Option_10.SetCheckedQuietly(true);
        f->Show();
        Messages().clear();
    }
    void TearDown() override {
        f->Hide();
        for (gui::CheckBox* c : Boxes()) c->SetCheckedQuietly(false);
        AnalysedBeam::TearDown();
    }
    std::vector<gui::CheckBox*> Boxes() {
        return {&PrintFrm->Check_Beam, &PrintFrm->Check_Envelope, &PrintFrm->Check_Env20, &PrintFrm->Check_Case,
                &PrintFrm->Check_Case20};
    }
    // The text at the title place of each page.
    static std::vector<std::string> Titles(const LogDevice& d) {
        std::vector<std::string> out;
        for (const Page& p : d.Pages()) out.push_back(p.Body().empty() ? "" : p.Body()[0]);
        return out;
    }
    TPrintFrm* f = nullptr;
};

TEST_F(PrintJob, WithoutABeamOrWithResultsOutOfDateNothingIsPrinted) {
    struct Case {
        const char* name;
        std::function<void()> make;
        std::vector<std::string> messages;
    };
    const std::vector<Case> cases = {
        {"results out of date", [] { MarkResultsStale(); }, {"Analyse the beam first"}},
        {"no beam", [] { BeamLength = 0; }, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.make();
        for (gui::CheckBox* box : Boxes()) box->SetCheckedQuietly(true);
        Messages().clear();
        LogDevice d;
        f->Cmd_OK.Click();
        EXPECT_EQ(d.Documents(), 0);
        EXPECT_TRUE(f->Showing());
        EXPECT_EQ(Messages(), c.messages);
    }
}

TEST_F(PrintJob, NothingTickedHidesWithoutADocument) {
    LogDevice d;
    f->Cmd_OK.Click();
    EXPECT_EQ(d.Documents(), 0);
    EXPECT_FALSE(f->Showing());
}

// Every loadcase, whichever the main window shows, all of them (0) too.
TEST_F(PrintJob, LoadcaseDataAlonePrintsEveryLoadcase) {
    f->Check_Case20.SetCheckedQuietly(true);
    for (int32_t shown : {0, 1, 2}) {
        SCOPED_TRACE(shown);
        IndexFrm->ShownCase = shown;
        f->Show();
        LogDevice d;
        f->Cmd_OK.Click();
        EXPECT_EQ(d.Documents(), 1);
        EXPECT_FALSE(d.Open());
        EXPECT_EQ(Titles(d), (std::vector<std::string>{"LOADCASE 1", "LoadCase 1", "LOADCASE 2", "LoadCase 2"}));
        EXPECT_FALSE(f->Showing());
        EXPECT_FALSE(gui::Hourglass());
    }
}

TEST_F(PrintJob, SectionsInTheirOrderEachFromANewPage) {
    f->Check_Beam.SetCheckedQuietly(true);
    f->Check_Case.SetCheckedQuietly(true);
    LogDevice d;
    f->Cmd_OK.Click();
    EXPECT_EQ(Titles(d), (std::vector<std::string>{"Beam & Loading Data + Results Summary", " LOADCASE 1", " LOADCASE 2"}));
    ASSERT_EQ(d.Pages().size(), 3u);
    EXPECT_TRUE(d.Pages()[2].Has("Page 3"));

    IndexFrm->ShownCase = 1;
    for (gui::CheckBox* c : Boxes()) c->SetCheckedQuietly(true);
    LogDevice all;
    f->Cmd_OK.Click();
    EXPECT_EQ(Titles(all), (std::vector<std::string>{"Beam & Loading Data + Results Summary",
                                                     "  Envelope Diagrams ",
                                                     "Results Envelope at 1/10th Span Intervals",
                                                     " LOADCASE 1",
                                                     " LOADCASE 2",
                                                     "LOADCASE 1",
                                                     "LoadCase 1",
                                                     "LOADCASE 2",
                                                     "LoadCase 2"}));
    EXPECT_TRUE(Messages().empty());
}

TEST_F(PrintJob, EnvelopeIntervalFromTheRadioButtons) {
    PrintInterval = 0;
    f->Check_Beam.SetCheckedQuietly(true);
    LogDevice d;
    f->Cmd_OK.Click();
    EXPECT_EQ(PrintInterval, 0);
    f->Check_Env20.SetCheckedQuietly(true);
    f->Option_20.SetCheckedQuietly(true);
    f->Show();
    f->Cmd_OK.Click();
    EXPECT_EQ(PrintInterval, 20);
    ASSERT_GE(d.Pages().size(), 2u);
    EXPECT_TRUE(d.Pages()[1].Has("Results Envelope at 1/20th Span Intervals"));
    f->Option_10.SetCheckedQuietly(true);
    f->Show();
    f->Cmd_OK.Click();
    EXPECT_EQ(PrintInterval, 10);
}

TEST_F(PrintJob, AFailedJobLeavesAnEarlierPdfAsItWas) {
    struct Case {
        const char* name;
        std::function<void()> fail;  // makes the job fail half-way
        const char* error;
    };
    std::optional<FileSizeLimit> full;
    const std::vector<Case> cases = {
        // Every section but the last loadcase's data prints.
        {"damaged store", [] { CaseSupportText[2][0] = "x1"; }, "'x1' is not a valid integer value"},
        {"full disk", [&] { full.emplace(); }, "the disk is full"},
    };
    const std::string count = CaseSupportText[2][0];
    IndexFrm->ShownCase = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CaseSupportText[2][0] = count;
        TempDir dir;
        const std::filesystem::path pdf = dir.path() / "Korvela.pdf";
        std::ofstream(pdf) << "earlier report";
        gui::SetPrinterOutputFile(pdf.string());
        SetPrintDevice(nullptr);
        f->Check_Beam.SetCheckedQuietly(true);
        f->Check_Envelope.SetCheckedQuietly(true);
        f->Check_Case.SetCheckedQuietly(true);
        f->Check_Case20.SetCheckedQuietly(true);
        Messages().clear();
        c.fail();
        f->Cmd_OK.Click();
        full.reset();
        EXPECT_EQ(Messages(), std::vector<std::string>{"Report not written to " + pdf.string() + ": " + c.error});
        EXPECT_FALSE(gui::Printer::Get().Printing());
        EXPECT_FALSE(gui::Hourglass());
        EXPECT_TRUE(f->Showing());
        std::vector<std::filesystem::path> files;
        for (const auto& e : std::filesystem::directory_iterator(dir.path())) files.push_back(e.path());
        EXPECT_EQ(files, std::vector<std::filesystem::path>{pdf});
        std::ifstream in(pdf);
        const std::string kept(std::istreambuf_iterator<char>(in), {});
        EXPECT_TRUE(kept == "earlier report") << "replaced by " << kept.size() << " bytes";
    }
}

TEST_F(PrintJob, ReportOfTheAnalysedBeamOnThePrinter) {
    const std::string pdf = (std::filesystem::path(testing::TempDir()) / "report.pdf").string();
    std::filesystem::remove(pdf);
    gui::SetPrinterOutputFile(pdf);
    SetPrintDevice(nullptr);
    IndexFrm->ShownCase = 2;
    for (gui::CheckBox* c : Boxes()) c->SetCheckedQuietly(true);
    f->Cmd_OK.Click();
    EXPECT_EQ(Messages(), std::vector<std::string>{"Report written to " + pdf});
    // Beam data, envelope diagrams, envelope data, two loadcase diagrams and
    // per loadcase a support page and a span data page.
    EXPECT_EQ(PdfPages(pdf), 9);
    const std::string text = PdfText(pdf);
    for (const char* s : {"Beam & Loading Data + Results Summary", "Envelope Diagrams", "SHEAR ENVELOPE",
                          "Results Envelope at 1/10th Span Intervals", "LOADCASE 2", "APPLIED LOADS",
                          "(Units = kN)", "LoadCase 1", "SPAN DATA at 1/20th SPAN INTERVALS", "Page 9"})
        EXPECT_NE(text.find(s), std::string::npos) << s;
}

}  // namespace
