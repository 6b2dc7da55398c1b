#pragma once
#include <QFileDialog>

#include "ui/FileDialogs.h"

namespace kelvane {

inline constexpr const char* kLogFileFilter = "Event Log Files (*.log)";
inline constexpr const char* kLogFileExtension = "log";
inline constexpr const char* kSaveLogTitle = "Save Event log data";
inline constexpr const char* kLoadLogTitle = "Load Event log data";

// The event log's file dialogs, created once and reused so that each
// remembers the folder it was last used in. Saving over an existing log
// asks nothing.
class QtLogFileDialogs : public FileDialogs {
public:
    explicit QtLogFileDialogs(QWidget* parent);

    std::optional<std::string> AskOpenPath() override;
    std::optional<std::string> AskSavePath() override;

    QFileDialog& OpenLogDialog() { return openLogDialog_; }
    QFileDialog& SaveLogDialog() { return saveLogDialog_; }

private:
    QFileDialog openLogDialog_;
    QFileDialog saveLogDialog_;
};

}  // namespace kelvane
