#include "ui/platform/QtCsvFileDialogs.h"

#include "ui/platform/FileDialogStart.h"
#include "ui/platform/QtFileDialogs.h"

namespace kelvane {

QtCsvFileDialogs::QtCsvFileDialogs(QWidget* parent, UserSettings& settings)
    : parent_(parent), lastFolder_(settings) {}

std::unique_ptr<QFileDialog> QtCsvFileDialogs::MakeDialog(const char* name, const char* title) const {
    auto dialog = std::make_unique<QFileDialog>(parent_);
    dialog->setObjectName(QString::fromLatin1(name));
    dialog->setWindowTitle(QString::fromLatin1(title));
    dialog->setNameFilters({QString::fromLatin1(kCsvFileFilter), QString::fromLatin1(kAllFilesFilter)});
    dialog->setDefaultSuffix(QString::fromLatin1(kCsvFileExtension));
    return dialog;
}

std::optional<std::string> QtCsvFileDialogs::AskOpenPath() {
    const std::unique_ptr<QFileDialog> dialog = MakeDialog("ImportCsvDialog", kImportCsvTitle);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    StartFileDialog(*dialog, {}, lastFolder_);
    return RunFileDialog(*dialog, lastFolder_);
}

std::optional<std::string> QtCsvFileDialogs::AskSavePath(const std::string& current) {
    const std::unique_ptr<QFileDialog> dialog = MakeDialog("ExportCsvDialog", kExportCsvTitle);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    StartFileDialog(*dialog, current, lastFolder_);
    return RunFileDialog(*dialog, lastFolder_);
}

}  // namespace kelvane
