#pragma once
#include <array>
#include <string>

namespace kelvane {

inline constexpr int kLoopDeviceCount = 256;

enum TSystemType { stApolloLoop, stSysSensorLoop, stNittanLoop };

// One loop address.
class TKDeviceType {
public:
    int DeviceType = 0;
    int Allocation = 1;
    int PlaceNameIndex = 0;
    std::string Suffix;
    int Enabled = 0;

    bool operator==(const TKDeviceType&) const = default;
};

// The loop of one controller: devices 1..256.
class TKLoop {
public:
    int DevIndex = 0;
    TSystemType SystemType = stApolloLoop;
    int Group = 0;
    bool AsIOUnit = false;

    int NoLoopDevices() const { return kLoopDeviceCount; }

    // Device n, for n in 1..256.
    TKDeviceType& Device(int n) { return devices_.at(static_cast<std::size_t>(n - 1)); }
    const TKDeviceType& Device(int n) const { return devices_.at(static_cast<std::size_t>(n - 1)); }

    static std::string DeviceTypeName(int code);
    static std::string DeviceTypeShortName(int code);

    // Allocation classes of device n (1..256).
    bool IsGroupDevice(int n) const;
    bool IsAreaDevice(int n) const;
    bool IsZoneDevice(int n) const;

    // Places type `code` at device n: the type code becomes `code` and the
    // device is enabled when the code is 1 or more, else disabled; its
    // allocation, place name and suffix stay. True when the device changed.
    bool PlaceDevice(int n, int code);
    // Clears device n's suffix and sets its allocation and place-name index
    // to 0; its type and enabled flag stay. True when the device changed.
    bool ResetParameters(int n);

    // Clears every device, then makes address 1 the network controller.
    void ResetToDefaults();

    bool operator==(const TKLoop&) const = default;

private:
    std::array<TKDeviceType, kLoopDeviceCount> devices_{};
};

}  // namespace kelvane
