#include "comms/SimulatedLine.h"

#include <algorithm>
#include <cerrno>

namespace kelvane {

SimulatedLine::SimulatedLine() {
    a_.peer_ = &b_;
    b_.peer_ = &a_;
    a_.line_ = this;
    b_.line_ = this;
}

void SimulatedLine::EmulateWire(const Clock& clock, std::uint32_t bitsPerSecond,
                                std::uint32_t bitsPerCharacter) {
    clock_ = &clock;
    characterNs_ = bitsPerSecond == 0 ? 0 : std::uint64_t{bitsPerCharacter} * 1'000'000'000 / bitsPerSecond;
}

void SimulatedLine::Deliver() {
    a_.Release();
    b_.Release();
    a_.SignalDataReady();
    b_.SignalDataReady();
}

bool SimulatedLine::End::Open(const std::string& path) {
    if (openFails_ || open_) {
        lastError_ = EBUSY;
        return false;
    }
    open_ = true;
    path_ = path;
    ++openCount_;
    lastError_ = 0;
    return true;
}

void SimulatedLine::End::Unplug() {
    openFails_ = true;
    if (!open_) return;
    Close();
    lastError_ = ENODEV;
    if (OnGone) OnGone();
}

void SimulatedLine::End::Close() {
    open_ = false;
    transmit_.clear();
    arrivalNs_.clear();
    receive_.clear();
    arrived_ = false;
}

bool SimulatedLine::End::Configure(const LineSettings& settings) {
    settings_ = settings;
    lastError_ = 0;
    return true;
}

bool SimulatedLine::End::SetQueueSizes(std::uint16_t, std::uint16_t) {
    lastError_ = 0;
    return true;
}

void SimulatedLine::End::Purge(bool input, bool output) {
    if (input) receive_.clear();
    if (output) {
        transmit_.clear();
        arrivalNs_.clear();
    }
}

long SimulatedLine::End::Write(const std::uint8_t* data, std::size_t count) {
    if (!open_) {
        lastError_ = EBADF;
        return -1;
    }
    const bool wired = Wired();
    std::uint64_t arrival = wired ? std::max(line_->NowNs(), wireFreeNs_) : 0;
    for (std::size_t i = 0; i < count; ++i) {
        transmit_.push_back({data[i], settings_.Parity});
        if (wired) arrivalNs_.push_back(arrival += line_->characterNs_);
    }
    if (wired) wireFreeNs_ = arrival;
    bytesCarried_ += count;
    if (!held_) Release();
    lastError_ = 0;
    return static_cast<long>(count);
}

long SimulatedLine::End::Read(std::uint8_t* buffer, std::size_t max) {
    if (!open_) {
        lastError_ = EBADF;
        return -1;
    }
    const std::size_t n = std::min(max, receive_.size());
    for (std::size_t i = 0; i < n; ++i) {
        buffer[i] = receive_.front().Value;
        receive_.pop_front();
    }
    return static_cast<long>(n);
}

std::vector<LineByte> SimulatedLine::End::ReadMarked(std::size_t max) {
    std::vector<LineByte> bytes;
    while (!receive_.empty() && bytes.size() < max) {
        bytes.push_back(receive_.front());
        receive_.pop_front();
    }
    return bytes;
}

std::string SimulatedLine::End::LastErrorText() const {
    switch (lastError_) {
        case 0:
            return {};
        case EBUSY:
            return "the simulated device cannot be opened";
        case ENODEV:
            return "the simulated device has gone";
        default:
            return "the simulated device is closed";
    }
}

void SimulatedLine::End::SetHeld(bool held) {
    held_ = held;
    if (!held_) Release();
}

bool SimulatedLine::End::Wired() const {
    return line_->WireEmulated();
}

void SimulatedLine::End::Release() {
    if (held_) return;
    Transmit(Wired() ? line_->NowNs() : UINT64_MAX);
}

void SimulatedLine::End::Drain() {
    // A driven clock cannot be waited on: what is still on the wire arrives now.
    if (!held_) Transmit(UINT64_MAX);
}

void SimulatedLine::End::Transmit(std::uint64_t nowNs) {
    std::size_t due = transmit_.size();
    if (Wired()) {
        due = 0;
        while (due < arrivalNs_.size() && arrivalNs_[due] <= nowNs) ++due;
        arrivalNs_.erase(arrivalNs_.begin(), arrivalNs_.begin() + static_cast<std::ptrdiff_t>(due));
    }
    if (due == 0) return;
    if (peer_->open_) {
        peer_->receive_.insert(peer_->receive_.end(), transmit_.begin(),
                               transmit_.begin() + static_cast<std::ptrdiff_t>(due));
        peer_->arrived_ = true;
    }
    transmit_.erase(transmit_.begin(), transmit_.begin() + static_cast<std::ptrdiff_t>(due));
}

void SimulatedLine::End::SignalDataReady() {
    if (!line_->signalsDataReady_ || !OnDataReady || signalling_) return;
    // Bytes that arrive while the handler runs are signalled once it returns.
    signalling_ = true;
    while (arrived_ && open_ && !receive_.empty()) {
        arrived_ = false;
        OnDataReady();
    }
    arrived_ = false;
    signalling_ = false;
}

}  // namespace kelvane
