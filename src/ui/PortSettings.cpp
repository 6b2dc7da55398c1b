#include "ui/PortSettings.h"

#include <QSettings>

namespace kelvane {

namespace {
const QString kPortKey = QStringLiteral("Port");
}

PortSettings::PortSettings(QString organisation, QString application)
    : organisation_(std::move(organisation)), application_(std::move(application)) {}

int PortSettings::StoredPort() const {
    const QSettings settings(organisation_, application_);
    bool isNumber = false;
    const int port = settings.value(kPortKey).toInt(&isNumber);
    return isNumber && ValidPort(port) ? port : 0;
}

void PortSettings::StorePort(int port) {
    if (!ValidPort(port)) return;
    QSettings settings(organisation_, application_);
    settings.setValue(kPortKey, port);
}

}  // namespace kelvane
