#include "comms/qt/PortSettings.h"

namespace kelvane {

PortSettings::PortSettings() : settings_(std::make_unique<QSettings>("Nisk", "Kelvane Tools")) {}

PortSettings::PortSettings(const QString& iniFile)
    : settings_(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

int PortSettings::Port() const { return settings_->value("Port", 1).toInt(); }

void PortSettings::SetPort(int port) {
    settings_->setValue("Port", port);
    settings_->sync();
}

QString PortSettings::PathKey(TComPortNumber port) { return QString("COM%1").arg(static_cast<int>(port) + 1); }

void PortSettings::LoadPaths(PortPaths& paths) const {
    for (int n = 0; n < kComPortCount; ++n) {
        const auto port = static_cast<TComPortNumber>(n);
        const QString stored = settings_->value(PathKey(port)).toString();
        paths.SetPath(port, stored.toLocal8Bit().toStdString());
    }
}

void PortSettings::SavePaths(const PortPaths& paths) {
    for (int n = 0; n < kComPortCount; ++n) {
        const auto port = static_cast<TComPortNumber>(n);
        settings_->setValue(PathKey(port), QString::fromLocal8Bit(paths.StoredPath(port).c_str()));
    }
    settings_->sync();
}

void PortSettings::ApplyStoredPort(TCommPanel& link) const {
    const int port = Port();
    if (port >= 1 && port <= 4) link.SetComPort(static_cast<TComPortNumber>(port - 1));
}

}  // namespace kelvane
