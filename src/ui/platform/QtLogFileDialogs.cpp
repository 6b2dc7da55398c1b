#include "ui/platform/QtLogFileDialogs.h"

#include "ui/platform/FileDialogStart.h"
#include "ui/platform/QtUserSettings.h"

namespace kelvane {

QtLogFileDialogs::QtLogFileDialogs(QWidget* parent, UserSettings* settings)
    : parent_(parent),
      ownSettings_(settings ? nullptr : std::make_unique<QtUserSettings>()),
      lastFolder_(settings ? *settings : *ownSettings_) {}

std::unique_ptr<QFileDialog> QtLogFileDialogs::OpenLogDialog() const {
    std::unique_ptr<QFileDialog> dialog =
        NewFileKindDialog(parent_, "OpenLogDialog", kLoadLogTitle, kLogFileFilter, kLogFileExtension);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    return dialog;
}

std::unique_ptr<QFileDialog> QtLogFileDialogs::SaveLogDialog() const {
    std::unique_ptr<QFileDialog> dialog =
        NewFileKindDialog(parent_, "SaveLogDialog", kSaveLogTitle, kLogFileFilter, kLogFileExtension);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setOption(QFileDialog::DontConfirmOverwrite, true);
    return dialog;
}

std::optional<std::string> QtLogFileDialogs::AskOpenPath() {
    const std::unique_ptr<QFileDialog> dialog = OpenLogDialog();
    StartFileDialog(*dialog, {}, lastFolder_);
    return RunFileDialog(*dialog, lastFolder_);
}

std::optional<std::string> QtLogFileDialogs::AskSavePath(const std::string& current) {
    const std::unique_ptr<QFileDialog> dialog = SaveLogDialog();
    StartFileDialog(*dialog, current, lastFolder_);
    return RunFileDialog(*dialog, lastFolder_);
}

}  // namespace kelvane
