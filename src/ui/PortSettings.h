#pragma once
#include <QString>

namespace kelvane {

// The per-user setting that survives the document: the controller's serial
// port number, 1 to 4 (COM1 to COM4, or the first to fourth serial device).
class PortSettings {
public:
    PortSettings(QString organisation = QStringLiteral("Nisk"),
                 QString application = QStringLiteral("Kelvane Tools"));

    // The stored port 1..4, or 0 when the value is missing or out of range.
    int StoredPort() const;
    // Stores the port chosen in the port selection dialog; other values are ignored.
    void StorePort(int port);

    static bool ValidPort(int port) { return port >= 1 && port <= 4; }

private:
    QString organisation_;
    QString application_;
};

}  // namespace kelvane
