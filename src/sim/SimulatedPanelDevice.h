#pragma once
#include "comms/SimulatedLine.h"
#include "sim/PanelSimulator.h"

namespace kelvane::sim {

// A serial device with the simulated controller on the far end of an
// in-process line: the desktop program's link uses it in place of a real
// port (any device path opens it). The simulator is served whenever the
// link reads or writes, so it needs no timer of its own; an owner that wants
// answers handled as they arrive calls Service() as time passes, and the
// line signals data-ready to this device.
class SimulatedPanelDevice : public SerialDevice {
public:
    explicit SimulatedPanelDevice(const Clock& clock, SimulatorOptions options = {},
                                  RecordHandler* records = nullptr);

    PanelSimulator& Simulator() { return simulator_; }
    // The line, to emulate its wire (SimulatedLine::EmulateWire).
    SimulatedLine& Line() { return line_; }
    // Serves the simulator and lets what has crossed the line arrive.
    void Service();

    bool Open(const std::string& path) override { return line_.A().Open(path); }
    bool IsOpen() const override { return line_.A().IsOpen(); }
    void Close() override { line_.A().Close(); }
    bool Configure(const LineSettings& settings) override { return line_.A().Configure(settings); }
    bool SetQueueSizes(std::uint16_t input, std::uint16_t output) override {
        return line_.A().SetQueueSizes(input, output);
    }
    void Purge(bool input, bool output) override { line_.A().Purge(input, output); }
    std::size_t BytesToWrite() override { return line_.A().BytesToWrite(); }
    long Write(const std::uint8_t* data, std::size_t count) override;
    long Read(std::uint8_t* buffer, std::size_t max) override;
    void Drain() override { line_.A().Drain(); }
    std::uint32_t LastError() const override { return line_.A().LastError(); }
    std::string LastErrorText() const override { return line_.A().LastErrorText(); }

private:
    SimulatedLine line_;
    LineEndPort controllerEnd_;
    PanelSimulator simulator_;
};

}  // namespace kelvane::sim
