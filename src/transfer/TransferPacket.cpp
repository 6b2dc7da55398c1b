#include "transfer/TransferPacket.h"

#include <algorithm>

namespace kelvane {

namespace {
constexpr std::size_t kMaxPayload = 255;
}

std::string MakePacket(unsigned char command, const std::string& payload) {
    std::string packet;
    packet.reserve(payload.size() + 2);
    packet += static_cast<char>(command);
    packet += static_cast<char>(payload.size());
    packet += payload;
    return packet;
}

std::string FramePayload(const std::string& frame) {
    if (frame.size() < 2) return {};
    const std::size_t length = static_cast<unsigned char>(frame[1]);
    return frame.substr(2, std::min(length, frame.size() - 2));
}

char ByteOf(int value) {
    return static_cast<char>(static_cast<unsigned char>(std::clamp(value, -128, 255)));
}

std::string TextFitting(const std::string& text, std::size_t fixedBytes) {
    return text.substr(0, kMaxPayload - std::min(fixedBytes, kMaxPayload));
}

std::string TwoDigits(int value) {
    std::string digits = std::to_string(value);
    while (digits.size() < 2) digits.insert(0, "0");
    return digits;
}

}  // namespace kelvane
