#include "ui/QtFileDialogs.h"

#include <QFileInfo>

namespace kelvane {

namespace {

// File names are the file system's bytes (UTF-8 here), not model text.
std::string FileSystemPath(const QFileInfo& file) { return QFile::encodeName(file.absoluteFilePath()).toStdString(); }

}  // namespace

QtFileDialogs::QtFileDialogs(QWidget* parent, Prompts& prompts)
    : prompts_(prompts), openDialog_(parent), saveDialog_(parent) {
    openDialog_.setAcceptMode(QFileDialog::AcceptOpen);
    openDialog_.setFileMode(QFileDialog::ExistingFile);
    openDialog_.setNameFilters({QString::fromLatin1(kConfigFileFilter), QString::fromLatin1(kAllFilesFilter)});
    openDialog_.setDefaultSuffix(QString::fromLatin1(kConfigFileExtension));

    saveDialog_.setAcceptMode(QFileDialog::AcceptSave);
    saveDialog_.setFileMode(QFileDialog::AnyFile);
    saveDialog_.setNameFilters({QString::fromLatin1(kConfigFileFilter)});
    saveDialog_.setDefaultSuffix(QString::fromLatin1(kConfigFileExtension));
    // Overwriting an existing file is confirmed by the dialog itself.
    saveDialog_.setOption(QFileDialog::DontConfirmOverwrite, false);
}

std::string QtFileDialogs::CreateQuestion(const std::string& path) {
    return path + "\nThis file does not exist.\nDo you want to create it?";
}

std::optional<std::string> QtFileDialogs::AskOpenPath() {
    if (openDialog_.exec() != QDialog::Accepted || openDialog_.selectedFiles().isEmpty()) return std::nullopt;
    return FileSystemPath(QFileInfo(openDialog_.selectedFiles().first()));
}

std::optional<std::string> QtFileDialogs::AskSavePath() {
    for (;;) {
        if (saveDialog_.exec() != QDialog::Accepted || saveDialog_.selectedFiles().isEmpty()) return std::nullopt;
        const QFileInfo chosen(saveDialog_.selectedFiles().first());
        const std::string path = FileSystemPath(chosen);
        if (chosen.exists()) return path;
        if (prompts_.Ask(PromptKind::Confirmation, CreateQuestion(path), PromptButtons::YesNo) == PromptAnswer::Yes)
            return path;
    }
}

}  // namespace kelvane
