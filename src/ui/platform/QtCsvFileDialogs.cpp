#include "ui/platform/QtCsvFileDialogs.h"

#include "ui/platform/FileDialogStart.h"

namespace kelvane {

QtCsvFileDialogs::QtCsvFileDialogs(QWidget* parent, UserSettings& settings)
    : parent_(parent), lastFolder_(settings) {}

std::optional<std::string> QtCsvFileDialogs::AskOpenPath() {
    const std::unique_ptr<QFileDialog> dialog =
        NewFileKindDialog(parent_, "ImportCsvDialog", kImportCsvTitle, kCsvFileFilter, kCsvFileExtension);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    StartFileDialog(*dialog, {}, lastFolder_);
    return RunFileDialog(*dialog, lastFolder_);
}

std::optional<std::string> QtCsvFileDialogs::AskSavePath(const std::string& current) {
    const std::unique_ptr<QFileDialog> dialog =
        NewFileKindDialog(parent_, "ExportCsvDialog", kExportCsvTitle, kCsvFileFilter, kCsvFileExtension);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    StartFileDialog(*dialog, current, lastFolder_);
    return RunFileDialog(*dialog, lastFolder_);
}

}  // namespace kelvane
