#include "ui/platform/QtFileDialogs.h"

#include <QFileInfo>

#include "ui/platform/FileDialogStart.h"

namespace kelvane {

QtFileDialogs::QtFileDialogs(QWidget* parent, Prompts& prompts, UserSettings& settings)
    : parent_(parent), prompts_(prompts), lastFolder_(settings) {}

std::unique_ptr<QFileDialog> QtFileDialogs::OpenDialog() const {
    auto dialog = std::make_unique<QFileDialog>(parent_);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setNameFilters({QString::fromLatin1(kConfigFileFilter), QString::fromLatin1(kAllFilesFilter)});
    dialog->setDefaultSuffix(QString::fromLatin1(kConfigFileExtension));
    return dialog;
}

std::unique_ptr<QFileDialog> QtFileDialogs::SaveDialog() const {
    auto dialog = std::make_unique<QFileDialog>(parent_);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilters({QString::fromLatin1(kConfigFileFilter)});
    dialog->setDefaultSuffix(QString::fromLatin1(kConfigFileExtension));
    // Overwriting an existing file is confirmed by the dialog itself.
    dialog->setOption(QFileDialog::DontConfirmOverwrite, false);
    return dialog;
}

std::string QtFileDialogs::CreateQuestion(const std::string& path) {
    return path + "\nThis file does not exist.\nDo you want to create it?";
}

std::optional<std::string> QtFileDialogs::AskOpenPath() {
    const std::unique_ptr<QFileDialog> dialog = OpenDialog();
    StartFileDialog(*dialog, {}, lastFolder_);
    return RunFileDialog(*dialog, lastFolder_);
}

std::optional<std::string> QtFileDialogs::AskSavePath(const std::string& current) {
    const std::unique_ptr<QFileDialog> dialog = SaveDialog();
    StartFileDialog(*dialog, current, lastFolder_);
    for (;;) {
        std::optional<std::string> path = RunFileDialog(*dialog, lastFolder_);
        if (!path || QFileInfo::exists(QFile::decodeName(QByteArray::fromStdString(*path)))) return path;
        if (prompts_.Ask(PromptKind::Confirmation, CreateQuestion(*path), PromptButtons::YesNo) ==
            PromptAnswer::Yes)
            return path;
    }
}

}  // namespace kelvane
