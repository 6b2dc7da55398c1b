#pragma once
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "comms/SerialDevice.h"

namespace kelvane {

// One byte as it crossed the line, with the parity its sender used.
struct LineByte {
    std::uint8_t Value = 0;
    TComPortParity Parity = ptNONE;
};

// A serial cable in process: two ends, each a SerialDevice. Every byte
// carries the line settings (the parity) of the sending end at the moment it
// was written, so the far end can tell marked bytes from spaced ones. Bytes
// go straight to the far end's receive queue unless the sending end is held
// (as by a stopped flow control); held bytes wait in its transmit queue,
// where a purge drops them. A closed end receives nothing.
class SimulatedLine {
public:
    class End : public SerialDevice {
    public:
        bool Open(const std::string& path) override;
        bool IsOpen() const override { return open_; }
        void Close() override;
        bool Configure(const LineSettings& settings) override;
        bool SetQueueSizes(std::uint16_t input, std::uint16_t output) override;
        void Purge(bool input, bool output) override;
        std::size_t BytesToWrite() override { return transmit_.size(); }
        long Write(const std::uint8_t* data, std::size_t count) override;
        long Read(std::uint8_t* buffer, std::size_t max) override;
        void Drain() override { Release(); }
        std::uint32_t LastError() const override { return lastError_; }
        std::string LastErrorText() const override;

        // Reads with each byte's sending parity.
        std::vector<LineByte> ReadMarked(std::size_t max = SIZE_MAX);
        std::size_t BytesWaiting() const { return receive_.size(); }
        const LineSettings& Settings() const { return settings_; }
        const std::string& OpenedPath() const { return path_; }
        int OpenCount() const { return openCount_; }

        // Holds written bytes in the transmit queue (true) or lets them go.
        void SetHeld(bool held);
        // The next Open fails (the device is missing or in use).
        void SetOpenFails(bool fails) { openFails_ = fails; }

    private:
        friend class SimulatedLine;
        void Release();

        End* peer_ = nullptr;
        bool open_ = false;
        bool held_ = false;
        bool openFails_ = false;
        int openCount_ = 0;
        std::string path_;
        LineSettings settings_;
        std::deque<LineByte> transmit_;
        std::deque<LineByte> receive_;
        std::uint32_t lastError_ = 0;
    };

    SimulatedLine();
    SimulatedLine(const SimulatedLine&) = delete;
    SimulatedLine& operator=(const SimulatedLine&) = delete;

    // The tool's end and the controller's end.
    End& A() { return a_; }
    End& B() { return b_; }
    const End& A() const { return a_; }
    const End& B() const { return b_; }

private:
    End a_;
    End b_;
};

}  // namespace kelvane
