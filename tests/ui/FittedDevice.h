#pragma once
#include "model/Data.h"

namespace kelvane::test {

// Fits a device of type `code` at address `n`, enabled when it is a device.
inline void FitDevice(TData& data, int n, int code, int allocation = 0) {
    TKDeviceType& device = data.Loop.Device(n);
    device.DeviceType = code;
    device.Allocation = allocation;
    device.Enabled = code > 0 ? 1 : 0;
}

}  // namespace kelvane::test
