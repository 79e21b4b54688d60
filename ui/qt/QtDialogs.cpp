#include <QFileDialog>
#include <QStringList>
#include <filesystem>
#include "QtCommon.h"

namespace gui {

namespace {
std::function<std::string(const FileDialog&)> dialogHook;

// "Text (*.a)|*.a|All (*.*)|*.*" -> "Text (*.a);;All (*.*)"
QString QtFilter(const std::string& filter) {
    QStringList parts = qt::Q(filter).split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) out << parts[i] + " (" + parts[i + 1].replace(';', ' ') + ")";
    return out.join(";;");
}
}  // namespace

void FileDialog::SetHook(std::function<std::string(const FileDialog&)> hook) { dialogHook = std::move(hook); }

bool FileDialog::Execute() {
    std::string chosen;
    if (dialogHook) {
        chosen = dialogHook(*this);
    } else {
        QString start = qt::Q(FileName);
        chosen = qt::S(kind_ == Kind::Open ? QFileDialog::getOpenFileName(nullptr, qt::Q(Title), start, QtFilter(Filter))
                                           : QFileDialog::getSaveFileName(nullptr, qt::Q(Title), start, QtFilter(Filter)));
    }
    if (chosen.empty()) return false;
    std::filesystem::path p(chosen);
    if (kind_ == Kind::Save && !DefaultExt.empty() && !p.has_extension()) p += "." + DefaultExt;
    FileName = p.string();
    std::error_code ec;
    if (p.has_parent_path()) std::filesystem::current_path(p.parent_path(), ec);
    return true;
}

}  // namespace gui
