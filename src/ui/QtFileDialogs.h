#pragma once
#include <QFileDialog>

#include "core/Prompts.h"
#include "ui/FileDialogs.h"

namespace kelvane {

inline constexpr const char* kConfigFileFilter = "Kelvane Configuration  File (*.KCF)";
// Every file, also one whose name has no dot.
inline constexpr const char* kAllFilesFilter = "All Files (*)";
inline constexpr const char* kConfigFileExtension = "KCF";

// The configuration file dialogs, created once and reused so that each
// remembers the folder it was last used in.
class QtFileDialogs : public FileDialogs {
public:
    QtFileDialogs(QWidget* parent, Prompts& prompts);

    std::optional<std::string> AskOpenPath() override;
    // Asks before overwriting an existing file and before creating one that
    // does not exist yet; answering No to either returns to the dialog.
    std::optional<std::string> AskSavePath() override;

    QFileDialog& OpenDialog() { return openDialog_; }
    QFileDialog& SaveDialog() { return saveDialog_; }

    // The question asked before a new file is created.
    static std::string CreateQuestion(const std::string& path);

private:
    Prompts& prompts_;
    QFileDialog openDialog_;
    QFileDialog saveDialog_;
};

}  // namespace kelvane
