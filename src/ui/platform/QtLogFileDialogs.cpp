#include "ui/platform/QtLogFileDialogs.h"

#include "ui/platform/FileDialogStart.h"
#include "ui/platform/QtFileDialogs.h"
#include "ui/platform/QtUserSettings.h"

namespace kelvane {

namespace {

std::unique_ptr<QFileDialog> MakeLogDialog(QWidget* parent, const char* name, const char* title) {
    auto dialog = std::make_unique<QFileDialog>(parent);
    dialog->setObjectName(QString::fromLatin1(name));
    dialog->setWindowTitle(QString::fromLatin1(title));
    dialog->setNameFilters({QString::fromLatin1(kLogFileFilter), QString::fromLatin1(kAllFilesFilter)});
    dialog->setDefaultSuffix(QString::fromLatin1(kLogFileExtension));
    return dialog;
}

}  // namespace

QtLogFileDialogs::QtLogFileDialogs(QWidget* parent, UserSettings* settings)
    : parent_(parent),
      ownSettings_(settings ? nullptr : std::make_unique<QtUserSettings>()),
      lastFolder_(settings ? *settings : *ownSettings_) {}

std::unique_ptr<QFileDialog> QtLogFileDialogs::OpenLogDialog() const {
    std::unique_ptr<QFileDialog> dialog = MakeLogDialog(parent_, "OpenLogDialog", kLoadLogTitle);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    return dialog;
}

std::unique_ptr<QFileDialog> QtLogFileDialogs::SaveLogDialog() const {
    std::unique_ptr<QFileDialog> dialog = MakeLogDialog(parent_, "SaveLogDialog", kSaveLogTitle);
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
