#pragma once
#include <QSettings>
#include <QString>
#include <memory>

namespace kelvane {

// Whether a whole save to the controller is read back and verified: the
// Boolean "Verify After Saving" (on when none is stored) in the per-user
// settings of organisation "Nisk", application "Kelvane Tools".
class VerifySettings {
public:
    // The user's own settings store.
    VerifySettings();
    // A settings file of its own (tests, portable set-ups).
    explicit VerifySettings(const QString& iniFile);

    bool VerifyAfterSaving() const;
    void SetVerifyAfterSaving(bool verify);

private:
    std::unique_ptr<QSettings> settings_;
};

}  // namespace kelvane
