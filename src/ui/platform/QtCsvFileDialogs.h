#pragma once
#include <QFileDialog>
#include <memory>

#include "core/UserSettings.h"
#include "file/LastFolder.h"
#include "ui/platform/FileDialogs.h"

namespace kelvane {

inline constexpr const char* kCsvFileFilter = "Device Lists (*.csv)";
inline constexpr const char* kCsvFileExtension = "csv";
inline constexpr const char* kExportCsvTitle = "Export Devices (CSV)";
inline constexpr const char* kImportCsvTitle = "Import Devices (CSV)";

// The device list's file dialogs. Each opens in the last folder in which a
// file was chosen (kept in `settings`) and is made afresh each time; saving
// over an existing file asks first.
class QtCsvFileDialogs : public FileDialogs {
public:
    QtCsvFileDialogs(QWidget* parent, UserSettings& settings);

    std::optional<std::string> AskOpenPath() override;
    std::optional<std::string> AskSavePath(const std::string& current) override;

private:
    QWidget* parent_;
    LastFolder lastFolder_;
};

}  // namespace kelvane
