#include <QDir>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QPointer>
#include <QStringList>
#include <filesystem>
#include "BinFile.h"
#include "QtCommon.h"
#include "RunError.h"

namespace gui {

namespace {
std::function<std::string(const FileDialog&)> dialogHook;

// "Text|*.a|All (*.*)|*.*" -> "Text (*.a);;All (*.*)": the patterns are
// added to a caption that does not show them already.
QString QtFilter(const std::string& filter) {
    QStringList parts = qt::Q(filter).split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = "(" + parts[i + 1].replace(';', ' ') + ")";
        out << (parts[i].contains(patterns) ? parts[i].trimmed() : parts[i] + " " + patterns);
    }
    return out.join(";;");
}

// Icons and types from an entry's kind and name alone: the toolkit's own
// read a file's first bytes to name its type, and a file that never answers
// (/proc/kmsg) would hang the dialog for good.
class NamesOnly : public QFileIconProvider {
public:
    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo& info) const override { return icon(info.isDir() ? Folder : File); }
    QString type(const QFileInfo& info) const override {
        if (!info.isFile()) return QFileIconProvider::type(info);
        return QMimeDatabase().mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension).comment();
    }
};

// The toolkit's own dialog, whatever the desktop offers: a desktop's dialog
// may read files to list them, and adds no extension to a name with a dot.
class Dialog : public QFileDialog {
public:
    Dialog(FileDialog::Kind kind, const FileDialog& d)
        : QFileDialog(qt::DialogOwner(), qt::Q(d.Title), QDir::currentPath(), QtFilter(d.Filter)), ext_(d.DefaultExt) {
        setOption(DontUseNativeDialog);
        setIconProvider(&names_);
        if (!d.FileName.empty()) selectFile(qt::Q(std::filesystem::path(d.FileName).filename().string()));
        setAcceptMode(kind == FileDialog::Kind::Open ? AcceptOpen : AcceptSave);
        setFileMode(kind == FileDialog::Kind::Open ? ExistingFile : AnyFile);
        // Asked below, of the name the file gets.
        setOption(DontConfirmOverwrite);
    }

    void accept() override {
        const QStringList files = selectedFiles();
        if (acceptMode() == AcceptSave && !files.isEmpty() && !QFileInfo(files.first()).isDir()) {
            std::string name;
            try {
                name = SaveFileName(qt::S(files.first()), ext_);
            } catch (const RunError& e) {
                QMessageBox::warning(this, windowTitle(), qt::Q(e.what()));
                return;
            }
            const QFileInfo named(qt::Q(name));
            if (named.exists() &&
                QMessageBox::warning(this, windowTitle(),
                                     tr("%1 already exists.\nDo you want to replace it?").arg(named.fileName()),
                                     QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
                return;
        }
        QFileDialog::accept();
    }

private:
    NamesOnly names_;
    std::string ext_;
};

std::string RunDialog(FileDialog::Kind kind, const FileDialog& d) {
    // Should the owner go while the dialog is open, the dialog goes with it.
    QPointer<Dialog> dialog = new Dialog(kind, d);
    qt::PutInFront(dialog);
    const bool chosen = dialog->exec() == QDialog::Accepted && dialog && !dialog->selectedFiles().isEmpty();
    const std::string path = chosen ? qt::S(dialog->selectedFiles().first()) : std::string();
    delete dialog;
    return path;
}
}  // namespace

void SetFileDialogHook(std::function<std::string(const FileDialog&)> hook) { dialogHook = std::move(hook); }

bool FileDialog::Execute() {
    ShowQueuedMessages();  // what was said before the dialog comes first
    const std::string chosen = dialogHook ? dialogHook(*this) : RunDialog(kind_, *this);
    if (chosen.empty()) return false;
    FileName = kind_ == Kind::Save ? SaveFileName(chosen, DefaultExt) : chosen;
    return true;
}

void FileDialog::EnterChosenFolder() const {
    const std::filesystem::path p(FileName);
    std::error_code ec;
    if (p.has_parent_path()) std::filesystem::current_path(p.parent_path(), ec);
}

}  // namespace gui
