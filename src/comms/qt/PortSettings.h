#pragma once
#include <QSettings>
#include <QString>
#include <memory>

#include "comms/PortPaths.h"
#include "comms/commspanel.h"

namespace kelvane {

// The user's serial port choice: the integer "Port" (1..4) and the device
// each COMn opens, kept in the per-user settings of organisation "Nisk",
// application "Kelvane Tools".
class PortSettings {
public:
    // The user's own settings store.
    PortSettings();
    // A settings file of its own (tests, portable set-ups).
    explicit PortSettings(const QString& iniFile);

    // The stored "Port" value; 1 when none is stored.
    int Port() const;
    void SetPort(int port);

    // Fills `paths` from the store (COMn -> /dev/ttyS(n-1) when not stored).
    void LoadPaths(PortPaths& paths) const;
    // Stores the paths of COM1..COM8 (never a one-run override).
    void SavePaths(const PortPaths& paths);

    // Start-up: a stored "Port" of 1..4 selects COM1..COM4 on the link; any
    // other value leaves the link's port as it is.
    void ApplyStoredPort(TCommPanel& link) const;

    static QString PathKey(TComPortNumber port);

private:
    std::unique_ptr<QSettings> settings_;
};

}  // namespace kelvane
