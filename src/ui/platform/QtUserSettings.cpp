#include "ui/platform/QtUserSettings.h"

#include "qt/Latin1.h"

namespace kelvane {

namespace {

constexpr const char* kListEntryKey = "Entry";

QString Key(const std::string& key) {
    return Latin1(key);
}

}  // namespace

QtUserSettings::QtUserSettings() : settings_(std::make_unique<QSettings>("Nisk", "Kelvane Tools")) {}

QtUserSettings::QtUserSettings(const QString& iniFile)
    : settings_(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

std::optional<int> QtUserSettings::Number(const std::string& key) const {
    bool isNumber = false;
    const int value = settings_->value(Key(key)).toInt(&isNumber);
    if (!isNumber) return std::nullopt;
    return value;
}

void QtUserSettings::SetNumber(const std::string& key, int value) {
    settings_->setValue(Key(key), value);
    settings_->sync();
}

std::optional<bool> QtUserSettings::Flag(const std::string& key) const {
    const QVariant value = settings_->value(Key(key));
    // The store keeps a yes/no value as the text "true" or "false".
    if (!value.isValid() || !value.canConvert<bool>()) return std::nullopt;
    return value.toBool();
}

void QtUserSettings::SetFlag(const std::string& key, bool value) {
    settings_->setValue(Key(key), value);
    settings_->sync();
}

std::string QtUserSettings::Text(const std::string& key) const {
    return settings_->value(Key(key)).toString().toLocal8Bit().toStdString();
}

void QtUserSettings::SetText(const std::string& key, const std::string& value) {
    settings_->setValue(Key(key), QString::fromLocal8Bit(value.c_str()));
    settings_->sync();
}

std::vector<std::string> QtUserSettings::List(const std::string& key) const {
    // Another copy of the program may have written since: read the store again.
    settings_->sync();
    std::vector<std::string> values;
    const int count = settings_->beginReadArray(Key(key));
    for (int index = 0; index < count; ++index) {
        settings_->setArrayIndex(index);
        values.push_back(settings_->value(kListEntryKey).toString().toLocal8Bit().toStdString());
    }
    settings_->endArray();
    return values;
}

void QtUserSettings::SetList(const std::string& key, const std::vector<std::string>& values) {
    // A shorter list must not leave the old list's last entries behind.
    settings_->remove(Key(key));
    settings_->beginWriteArray(Key(key), static_cast<int>(values.size()));
    for (int index = 0; index < static_cast<int>(values.size()); ++index) {
        settings_->setArrayIndex(index);
        settings_->setValue(kListEntryKey, QString::fromLocal8Bit(values[index].c_str()));
    }
    settings_->endArray();
    settings_->sync();
}

}  // namespace kelvane
