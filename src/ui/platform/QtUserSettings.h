#pragma once
#include <QSettings>
#include <QString>
#include <memory>

#include "core/UserSettings.h"

namespace kelvane {

// The desktop program's per-user settings: the user's own settings store of
// organisation "Nisk", application "Kelvane Tools".
// Lists are kept as numbered entries, so that no text needs quoting.
class QtUserSettings : public UserSettings {
public:
    QtUserSettings();
    // A settings file of its own (tests, portable set-ups).
    explicit QtUserSettings(const QString& iniFile);

    std::optional<int> Number(const std::string& key) const override;
    void SetNumber(const std::string& key, int value) override;
    std::optional<bool> Flag(const std::string& key) const override;
    void SetFlag(const std::string& key, bool value) override;
    std::string Text(const std::string& key) const override;
    void SetText(const std::string& key, const std::string& value) override;
    std::vector<std::string> List(const std::string& key) const override;
    void SetList(const std::string& key, const std::vector<std::string>& values) override;

private:
    std::unique_ptr<QSettings> settings_;
};

}  // namespace kelvane
