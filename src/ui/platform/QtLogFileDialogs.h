#pragma once
#include <QFileDialog>
#include <memory>

#include "core/UserSettings.h"
#include "file/LastFolder.h"
#include "ui/platform/FileDialogs.h"

namespace kelvane {

inline constexpr const char* kLogFileFilter = "Event Log Files (*.log)";
inline constexpr const char* kLogFileExtension = "log";
inline constexpr const char* kSaveLogTitle = "Save Event log data";
inline constexpr const char* kLoadLogTitle = "Load Event log data";

// The event log's file dialogs. Each opens in the last folder in which a
// file was chosen (kept in `settings`, or without them in the user's own
// settings, as the main window's are), and is made afresh each time. Saving over an existing log asks
// nothing.
class QtLogFileDialogs : public FileDialogs {
public:
    explicit QtLogFileDialogs(QWidget* parent, UserSettings* settings = nullptr);

    std::optional<std::string> AskOpenPath() override;
    // `current`, as for every save dialog: the folder and name offered.
    std::optional<std::string> AskSavePath(const std::string& current) override;

    // The dialogs as they are shown, before they are placed.
    std::unique_ptr<QFileDialog> OpenLogDialog() const;
    std::unique_ptr<QFileDialog> SaveLogDialog() const;

private:
    QWidget* parent_;
    std::unique_ptr<UserSettings> ownSettings_;
    LastFolder lastFolder_;
};

}  // namespace kelvane
