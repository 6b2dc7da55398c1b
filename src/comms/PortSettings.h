#pragma once
#include "comms/PortPaths.h"
#include "comms/commspanel.h"
#include "core/ProgramSettings.h"

namespace kelvane {

// The user's serial port choice in the per-user settings: the port chosen
// ("Port", 1..4) and the device each COMn opens.
class PortSettings {
public:
    explicit PortSettings(UserSettings& store) : settings_(store) {}

    // The stored "Port" value; 1 when none is stored.
    int Port() const { return settings_.Port(); }
    void SetPort(int port) { settings_.SetPort(port); }

    // Fills `paths` from the store (COMn -> /dev/ttyS(n-1) when not stored).
    void LoadPaths(PortPaths& paths) const;
    // Stores the paths of COM1..COM8 (never a one-run override).
    void SavePaths(const PortPaths& paths);

    // Start-up: a stored "Port" of 1..4 selects COM1..COM4 on the link; any
    // other value leaves the link's port as it is.
    void ApplyStoredPort(TCommPanel& link) const;

private:
    ProgramSettings settings_;
};

}  // namespace kelvane
