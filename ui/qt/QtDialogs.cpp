#include <QFileDialog>
#include <QPointer>
#include <QStringList>
#include <filesystem>
#include "QtCommon.h"

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

// The dialog adds the default extension itself, before it asks whether to
// replace an existing file.
std::string RunDialog(FileDialog::Kind kind, const FileDialog& d) {
    // Should the owner go while the dialog is open, the dialog goes with it.
    QPointer<QFileDialog> dialog =
        new QFileDialog(qt::DialogOwner(), qt::Q(d.Title), qt::Q(d.FileName), QtFilter(d.Filter));
    dialog->setAcceptMode(kind == FileDialog::Kind::Open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog->setFileMode(kind == FileDialog::Kind::Open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (kind == FileDialog::Kind::Save) dialog->setDefaultSuffix(qt::Q(d.DefaultExt));
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
    const std::filesystem::path p(chosen);
    FileName = p.string();
    std::error_code ec;
    if (p.has_parent_path()) std::filesystem::current_path(p.parent_path(), ec);
    return true;
}

}  // namespace gui
