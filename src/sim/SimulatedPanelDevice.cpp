#include "sim/SimulatedPanelDevice.h"

namespace kelvane::sim {

SimulatedPanelDevice::SimulatedPanelDevice(const Clock& clock, SimulatorOptions options,
                                           RecordHandler* records)
    : controllerEnd_(line_.B()), simulator_(controllerEnd_, clock, std::move(options), records) {
    line_.SetSignalsDataReady(true);
    line_.A().OnDataReady = [this] {
        if (OnDataReady) OnDataReady();
    };
    line_.A().OnGone = [this] {
        if (OnGone) OnGone();
    };
}

void SimulatedPanelDevice::Service() {
    // What has crossed reaches the controller before it is served, and its
    // answers reach the tool at once when no wire is emulated.
    line_.Deliver();
    simulator_.Service();
    line_.Deliver();
}

long SimulatedPanelDevice::Write(const std::uint8_t* data, std::size_t count) {
    const long written = line_.A().Write(data, count);
    simulator_.Service();
    return written;
}

long SimulatedPanelDevice::Read(std::uint8_t* buffer, std::size_t max) {
    simulator_.Service();
    return line_.A().Read(buffer, max);
}

}  // namespace kelvane::sim
