#include "ui/QtLogFileDialogs.h"

#include "ui/QtFileDialogs.h"

namespace kelvane {

namespace {

void SetUp(QFileDialog& dialog, const char* name, const char* title) {
    dialog.setObjectName(QString::fromLatin1(name));
    dialog.setWindowTitle(QString::fromLatin1(title));
    dialog.setNameFilters({QString::fromLatin1(kLogFileFilter), QString::fromLatin1(kAllFilesFilter)});
    dialog.setDefaultSuffix(QString::fromLatin1(kLogFileExtension));
}

std::optional<std::string> ChosenPath(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    // File names are the file system's bytes, not log text.
    return QFile::encodeName(QFileInfo(dialog.selectedFiles().first()).absoluteFilePath()).toStdString();
}

}  // namespace

QtLogFileDialogs::QtLogFileDialogs(QWidget* parent) : openLogDialog_(parent), saveLogDialog_(parent) {
    SetUp(openLogDialog_, "OpenLogDialog", kLoadLogTitle);
    openLogDialog_.setAcceptMode(QFileDialog::AcceptOpen);
    openLogDialog_.setFileMode(QFileDialog::ExistingFile);
    SetUp(saveLogDialog_, "SaveLogDialog", kSaveLogTitle);
    saveLogDialog_.setAcceptMode(QFileDialog::AcceptSave);
    saveLogDialog_.setFileMode(QFileDialog::AnyFile);
    saveLogDialog_.setOption(QFileDialog::DontConfirmOverwrite, true);
}

std::optional<std::string> QtLogFileDialogs::AskOpenPath() {
    return ChosenPath(openLogDialog_);
}

std::optional<std::string> QtLogFileDialogs::AskSavePath() {
    return ChosenPath(saveLogDialog_);
}

}  // namespace kelvane
