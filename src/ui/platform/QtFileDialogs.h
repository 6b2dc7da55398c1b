#pragma once
#include <QFileDialog>
#include <memory>

#include "core/Prompts.h"
#include "core/UserSettings.h"
#include "file/LastFolder.h"
#include "ui/platform/FileDialogs.h"

namespace kelvane {

inline constexpr const char* kConfigFileFilter = "Kelvane Configuration  File (*.KCF)";
// Every file, also one whose name has no dot.
inline constexpr const char* kAllFilesFilter = "All Files (*)";
inline constexpr const char* kConfigFileExtension = "KCF";

// The configuration file dialogs. Each opens in the last folder in which a
// file was chosen (kept in `settings`), Save As in the folder and with the
// name of the file being saved again. A dialog is made afresh each time, so
// that no name typed into an earlier one is offered again.
class QtFileDialogs : public FileDialogs {
public:
    QtFileDialogs(QWidget* parent, Prompts& prompts, UserSettings& settings);

    std::optional<std::string> AskOpenPath() override;
    // Asks before overwriting an existing file and before creating one that
    // does not exist yet; answering No to either returns to the dialog.
    std::optional<std::string> AskSavePath(const std::string& current) override;

    // The dialogs as they are shown, before they are placed.
    std::unique_ptr<QFileDialog> OpenDialog() const;
    std::unique_ptr<QFileDialog> SaveDialog() const;

    // The question asked before a new file is created.
    static std::string CreateQuestion(const std::string& path);

private:
    QWidget* parent_;
    Prompts& prompts_;
    LastFolder lastFolder_;
};

}  // namespace kelvane
