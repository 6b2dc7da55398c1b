#include "comms/PortSettings.h"

namespace kelvane {

void PortSettings::LoadPaths(PortPaths& paths) const {
    for (int n = 0; n < kComPortCount; ++n)
        paths.SetPath(static_cast<TComPortNumber>(n), settings_.PortPath(n + 1));
}

void PortSettings::SavePaths(const PortPaths& paths) {
    for (int n = 0; n < kComPortCount; ++n)
        settings_.SetPortPath(n + 1, paths.StoredPath(static_cast<TComPortNumber>(n)));
}

void PortSettings::ApplyStoredPort(TCommPanel& link) const {
    const int port = Port();
    if (port >= 1 && port <= 4) link.SetComPort(static_cast<TComPortNumber>(port - 1));
}

}  // namespace kelvane
