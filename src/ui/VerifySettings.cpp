#include "ui/VerifySettings.h"

namespace kelvane {

namespace {
const QString kVerifyAfterSavingKey = QStringLiteral("Verify After Saving");
}

VerifySettings::VerifySettings() : settings_(std::make_unique<QSettings>("Nisk", "Kelvane Tools")) {}

VerifySettings::VerifySettings(const QString& iniFile)
    : settings_(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

bool VerifySettings::VerifyAfterSaving() const {
    return settings_->value(kVerifyAfterSavingKey, true).toBool();
}

void VerifySettings::SetVerifyAfterSaving(bool verify) {
    settings_->setValue(kVerifyAfterSavingKey, verify);
    settings_->sync();
}

}  // namespace kelvane
