#include "comms/PortPaths.h"

namespace kelvane {

PortPaths::PortPaths() {
    for (int n = 0; n < kComPortCount; ++n) paths_[n] = DefaultPath(static_cast<TComPortNumber>(n));
}

std::string PortPaths::DefaultPath(TComPortNumber port) {
    return "/dev/ttyS" + std::to_string(static_cast<int>(port));
}

std::string PortPaths::Path(TComPortNumber port) const {
    return override_ ? *override_ : paths_[port];
}

void PortPaths::SetPath(TComPortNumber port, const std::string& path) {
    paths_[port] = path.empty() ? DefaultPath(port) : path;
}

}  // namespace kelvane
