#pragma once
#include <QSettings>
#include <QTemporaryDir>

namespace kelvane::test {

// Points the per-user settings store at a fresh scratch folder for as long
// as it lives, so that no test reads or writes the user's own settings.
class ScratchSettings {
public:
    ScratchSettings() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder_.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder_.path());
    }

private:
    QTemporaryDir folder_;
};

}  // namespace kelvane::test
