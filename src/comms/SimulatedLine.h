#pragma once
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "comms/SerialDevice.h"
#include "core/Clock.h"

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
//
// Two options bring it closer to a real cable. With a wire emulated, every
// byte takes one character time on the clock and the bytes of one direction
// go one after another: a written byte waits in the transmit queue until its
// last bit has crossed. With data-ready signalled, each end calls its
// OnDataReady when bytes have arrived. Both happen in Deliver(), which the
// owner calls as its clock moves; data-ready is never signalled from inside
// a Write, so a handler that answers at once cannot recurse.
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
        void Drain() override;
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
        // The device goes away while open, as an unplugged adapter does: it
        // closes, tells OnGone, and every Open fails until it is plugged in.
        void Unplug();
        void PlugIn() { openFails_ = false; }

    private:
        friend class SimulatedLine;
        void Release();
        // Moves the bytes whose time has come to the far end.
        void Transmit(std::uint64_t nowNs);
        void SignalDataReady();
        bool Wired() const;

        End* peer_ = nullptr;
        bool open_ = false;
        bool held_ = false;
        bool openFails_ = false;
        int openCount_ = 0;
        std::string path_;
        LineSettings settings_;
        std::deque<LineByte> transmit_;
        std::deque<std::uint64_t> arrivalNs_;  // with a wire: when each transmit_ byte reaches the far end
        std::uint64_t wireFreeNs_ = 0;         // with a wire: when the last byte written has crossed
        std::deque<LineByte> receive_;
        bool arrived_ = false;  // bytes came in since data-ready was last signalled
        bool signalling_ = false;
        std::uint64_t bytesCarried_ = 0;
        std::uint32_t lastError_ = 0;
        SimulatedLine* line_ = nullptr;
    };

    SimulatedLine();
    SimulatedLine(const SimulatedLine&) = delete;
    SimulatedLine& operator=(const SimulatedLine&) = delete;

    // The tool's end and the controller's end.
    End& A() { return a_; }
    End& B() { return b_; }
    const End& A() const { return a_; }
    const End& B() const { return b_; }

    // Emulates a wire of `bitsPerSecond` with `bitsPerCharacter` per byte
    // (10 for 8N1) on `clock`.
    void EmulateWire(const Clock& clock, std::uint32_t bitsPerSecond = 9600,
                     std::uint32_t bitsPerCharacter = 10);
    bool WireEmulated() const { return clock_ != nullptr; }
    // Time one byte takes on the emulated wire, in nanoseconds.
    std::uint64_t CharacterTimeNs() const { return characterNs_; }
    // Signals OnDataReady on each end that has received bytes (off by default).
    void SetSignalsDataReady(bool on) { signalsDataReady_ = on; }

    // Lets the bytes whose time has come arrive, then signals data-ready.
    void Deliver();
    // Bytes written into the line in both directions so far.
    std::uint64_t BytesCarried() const { return a_.bytesCarried_ + b_.bytesCarried_; }

private:
    friend class End;
    std::uint64_t NowNs() const { return clock_ ? clock_->NowMs() * 1'000'000 : 0; }

    End a_;
    End b_;
    const Clock* clock_ = nullptr;
    std::uint64_t characterNs_ = 0;
    bool signalsDataReady_ = false;
};

}  // namespace kelvane
