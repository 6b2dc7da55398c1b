#pragma once
#include <array>
#include <string>

namespace kelvane {

inline constexpr int kRepeaterCount = 15;

// One networked unit.
class TNetwork {
public:
    bool Fitted = false;
    std::string Name;

    bool operator==(const TNetwork&) const = default;
};

// The network settings: panel name, segment and repeaters 1..15.
class TRepeaterList {
public:
    std::string PanelName = "Main Panel";
    int Segment = 1;

    TNetwork& Repeater(int n) { return repeaters_.at(static_cast<std::size_t>(n - 1)); }
    const TNetwork& Repeater(int n) const { return repeaters_.at(static_cast<std::size_t>(n - 1)); }

    void ResetToDefaults();

    bool operator==(const TRepeaterList&) const = default;

private:
    std::array<TNetwork, kRepeaterCount> repeaters_{};
};

}  // namespace kelvane
