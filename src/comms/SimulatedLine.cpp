#include "comms/SimulatedLine.h"

#include <algorithm>
#include <cerrno>

namespace kelvane {

SimulatedLine::SimulatedLine() {
    a_.peer_ = &b_;
    b_.peer_ = &a_;
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

void SimulatedLine::End::Close() {
    open_ = false;
    transmit_.clear();
    receive_.clear();
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
    if (output) transmit_.clear();
}

long SimulatedLine::End::Write(const std::uint8_t* data, std::size_t count) {
    if (!open_) {
        lastError_ = EBADF;
        return -1;
    }
    for (std::size_t i = 0; i < count; ++i) transmit_.push_back({data[i], settings_.Parity});
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
        case 0: return {};
        case EBUSY: return "the simulated device cannot be opened";
        default: return "the simulated device is closed";
    }
}

void SimulatedLine::End::SetHeld(bool held) {
    held_ = held;
    if (!held_) Release();
}

void SimulatedLine::End::Release() {
    if (held_) return;
    if (peer_->open_) peer_->receive_.insert(peer_->receive_.end(), transmit_.begin(), transmit_.end());
    transmit_.clear();
}

}  // namespace kelvane
