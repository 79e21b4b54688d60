#include <gtest/gtest.h>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include "ErrorOf.h"
#include "Pdf.h"
#include "TempDir.h"
#include "gui_testing.h"

namespace {

class GridForm : public gui::Form {
public:
    GridForm() : gui::Form("Grid") {}
    gui::StringGrid Grid{*this};
    gui::PageControl Pages{*this};
    gui::TabSheet First{Pages, "First"};
    gui::TabSheet Second{Pages, "Second"};
    gui::Button OnSecond{Second, "OK"};
};

TEST(StringGrid, TypingLandsInTheCellBeforeTheKeyUpHandlerRuns) {
    GridForm f;
    f.Grid.SetColCount(28);
    f.Grid.SetRowCount(7);
    f.Grid.SetEditing(true);
    f.Grid.SetDefaultColWidth(75);
    f.Grid.SetColWidth(0, 150);
    EXPECT_EQ(f.Grid.ColWidth(0), 150);
    EXPECT_EQ(f.Grid.ColWidth(27), 75);
    f.Grid.SetCell(0, 1, " Length");
    std::string seen;
    f.Grid.OnKeyUp = [&] { seen = f.Grid.Cell(f.Grid.Col(), f.Grid.Row()); };
    f.Grid.SetCurrent(3, 2);
    gui::TypeText(f.Grid, "6.5");
    EXPECT_EQ(seen, "6.5");
    EXPECT_EQ(f.Grid.Cell(0, 1), " Length");
    f.Grid.SetRowCount(3);  // shrinking keeps what is left
    EXPECT_EQ(f.Grid.Cell(3, 2), "6.5");
}

TEST(PageControl, TheActiveTabPersistsWhileTheWindowIsHidden) {
    GridForm f;
    f.Show();
    f.Pages.SetActivePageIndex(1);
    f.Hide();
    f.Show();
    EXPECT_EQ(f.Pages.ActivePageIndex(), 1);
    EXPECT_EQ(f.OnSecond.OwnerForm(), &f);
    f.Hide();
}

struct KvlSave : gui::SaveDialog {
    KvlSave() {
        DefaultExt = "kvl";
        Filter = "Beam files (*.kvl)|*.kvl";
    }
};

// The hook stands for the dialog and the name the user types in it.
TEST(FileDialog, SaveEndsEveryNameInTheExtensionAndTheFolderMovesOnlyWhenTheFileIsDone) {
    TempDir dir;
    std::filesystem::create_directory("jobs");
    KvlSave save;
    const struct {
        const char *typed, *named;  // named "": refused, as file lists hide it
    } rows[] = {
        {"bridge", "bridge.kvl"},
        {"Beam 1.5m", "Beam 1.5m.kvl"},
        {"Pääpalkki B12 v1.3", "Pääpalkki B12 v1.3.kvl"},
        {"job.txt", "job.txt.kvl"},
        {"Old.KVL", "Old.KVL"},
        {"dotend.", "dotend.kvl"},
        {"dotend.kvl..", "dotend.kvl"},
        {".hidden", ""},
        {"...", ""},
    };
    for (const auto& r : rows) {
        gui::SetFileDialogHook([&](const gui::FileDialog& d) {
            EXPECT_EQ(d.DialogKind(), gui::FileDialog::Kind::Save);
            return (dir.path() / "jobs" / r.typed).string();
        });
        if (*r.named == 0) {
            EXPECT_EQ(ErrorOf([&] { save.Execute(); }),
                      "The name \"" + std::string(r.typed) +
                          "\" starts with a dot, and the file lists hide such files: give the file a name that "
                          "does not start with a dot.");
            continue;
        }
        ASSERT_TRUE(save.Execute());
        EXPECT_EQ(save.FileName, (dir.path() / "jobs" / r.named).string());
    }
    EXPECT_EQ(std::filesystem::current_path(), dir.path());
    save.EnterChosenFolder();
    EXPECT_EQ(std::filesystem::current_path(), dir.path() / "jobs");

    gui::SetFileDialogHook([](const gui::FileDialog&) { return std::string(); });
    gui::OpenDialog open;
    EXPECT_FALSE(open.Execute());
    gui::SetFileDialogHook(nullptr);
}

// The toolkit's own dialog as the user works it. It opens in the current
// folder, wherever the last one was closed, and names a file's type from its
// name alone: reading a file to name it hangs on one that never answers (in
// /proc).
TEST(FileDialog, TheDialogOpensInTheCurrentFolderAndListsItWithoutReadingItsFiles) {
    TempDir dir;
    std::filesystem::create_directory("jobs");
    for (const char* picture : {"picture", "jobs/picture"})
        std::ofstream(picture, std::ios::binary) << "\x89PNG\r\n\x1A\n";  // a PNG by its bytes alone
    KvlSave save;
    for (const char* folder : {".", "jobs"}) {
        std::filesystem::current_path(dir.path() / folder);
        std::string opened, type;
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            opened = d->directory().absolutePath().toStdString();
            const auto* model = d->findChild<QFileSystemModel*>();
            const QModelIndex picture = model->index(QDir::current().absoluteFilePath("picture"), 2);
            for (QDeadlineTimer listed(10000); model->data(picture).toString().isEmpty() && !listed.hasExpired();)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            type = model->data(picture).toString().toStdString();
            QLineEdit* name = d->findChild<QLineEdit*>("fileNameEdit");
            name->setText("Beam 1.5m");
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QCoreApplication::sendEvent(name, &enter);
        });
        ASSERT_TRUE(save.Execute());
        EXPECT_EQ(opened, std::filesystem::current_path().string());
        EXPECT_EQ(save.FileName, (std::filesystem::current_path() / "Beam 1.5m.kvl").string());
        EXPECT_FALSE(type.empty());
        EXPECT_EQ(type.find("PNG"), std::string::npos) << type;
    }
}

TEST(Printer, WithoutAPrinterThePagesGoToAPdfFile) {
    TempDir dir;
    gui::Printer& p = gui::Printer::Get();
    gui::SetPrinterOutputFile((dir.path() / "report.pdf").string());
    p.BeginDoc("Korvela");
    EXPECT_TRUE(p.Printing());
    EXPECT_EQ(p.GetDeviceCaps(gui::LOGPIXELSX), 300);
    EXPECT_EQ(p.GetDeviceCaps(gui::LOGPIXELSY), 300);
    gui::Canvas& c = p.GetCanvas();
    gui::StartLog(c);
    c.TextFont.Name = "Arial";
    c.TextFont.Size = 12;
    c.TextOut(100, 100, "BEAM DATA");
    EXPECT_GT(c.TextWidth("BEAM DATA"), 150);  // measured at 300 dpi, not on the screen
    c.MoveTo(100, 200);
    c.Pen.Width = 3;
    c.LineTo(1000, 200);
    p.NewPage();
    EXPECT_EQ(p.PageNumber(), 2);
    c.TextOut(100, 100, "Page 2");
    p.EndDoc();
    EXPECT_FALSE(p.Printing());
    EXPECT_EQ(gui::Log(c).size(), 4u);
    const std::string text = PdfText((dir.path() / "report.pdf").string());
    EXPECT_NE(text.find("BEAM DATA"), std::string::npos);
    EXPECT_NE(text.find("Page 2"), std::string::npos);
    EXPECT_EQ(PdfPages((dir.path() / "report.pdf").string()), 2);
}

TEST(Clock, TestsMayFixTheDateAndTime) {
    EXPECT_EQ(gui::DateText().size(), 10u);
    EXPECT_EQ(gui::TimeText()[2], ':');
    gui::SetClock([] { return std::pair<std::string, std::string>("07/12/2026", "09:30:00"); });
    EXPECT_EQ(gui::DateText(), "07/12/2026");
    EXPECT_EQ(gui::TimeText(), "09:30:00");
    gui::SetClock(nullptr);
}

}  // namespace
