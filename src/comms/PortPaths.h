#pragma once
#include <array>
#include <optional>
#include <string>

#include "comms/ComPortTypes.h"

namespace kelvane {

// Which device each port number opens. COMn defaults to /dev/ttyS(n-1); the
// desktop fills the table from the user's settings, and a one-run override
// (a command-line option) replaces the device whatever port is chosen.
class PortPaths {
public:
    PortPaths();

    static std::string DefaultPath(TComPortNumber port);

    std::string Path(TComPortNumber port) const;
    // The stored path, ignoring a one-run override.
    const std::string& StoredPath(TComPortNumber port) const { return paths_[port]; }
    void SetPath(TComPortNumber port, const std::string& path);

    void SetOverride(const std::string& path) { override_ = path; }
    void ClearOverride() { override_.reset(); }
    const std::optional<std::string>& Override() const { return override_; }

private:
    std::array<std::string, kComPortCount> paths_;
    std::optional<std::string> override_;
};

}  // namespace kelvane
