#include "ui/platform/FileDialogStart.h"

#include <QFileInfo>

#include "ui/platform/QtFileDialogs.h"

namespace kelvane {

namespace {

QString FileSystemName(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

}  // namespace

std::unique_ptr<QFileDialog> NewFileKindDialog(QWidget* parent, const char* name, const char* title,
                                               const char* filter, const char* extension) {
    auto dialog = std::make_unique<QFileDialog>(parent);
    dialog->setObjectName(QString::fromLatin1(name));
    dialog->setWindowTitle(QString::fromLatin1(title));
    dialog->setNameFilters({QString::fromLatin1(filter), QString::fromLatin1(kAllFilesFilter)});
    dialog->setDefaultSuffix(QString::fromLatin1(extension));
    return dialog;
}

void StartFileDialog(QFileDialog& dialog, const std::string& current, const LastFolder& last) {
    if (!current.empty()) {
        const QFileInfo file(FileSystemName(current));
        dialog.setDirectory(file.absolutePath());
        dialog.selectFile(file.fileName());
        return;
    }
    const std::string folder = last.Path();
    if (!folder.empty()) dialog.setDirectory(FileSystemName(folder));
}

std::optional<std::string> RunFileDialog(QFileDialog& dialog, LastFolder& last) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    // File names are the file system's bytes (UTF-8 here), not model text.
    const std::string path =
        QFile::encodeName(QFileInfo(dialog.selectedFiles().first()).absoluteFilePath()).toStdString();
    last.RememberFolderOf(path);
    return path;
}

}  // namespace kelvane
