#pragma once
#include <string>

namespace kelvane {

// A transfer packet as handed to the link: command, payload length, payload.
// The link appends the checksum.
std::string MakePacket(unsigned char command, const std::string& payload = {});

// The payload of a received frame (command, length, payload, checksum), cut
// to the bytes that actually arrived.
std::string FramePayload(const std::string& frame);

// Payload byte i (0-based) as a number 0..255.
inline int PayloadByte(const std::string& payload, std::size_t i) { return static_cast<unsigned char>(payload[i]); }

// A number as one payload byte. A value that does not fit a byte is held at
// 0 or 255 rather than wrapped around, so it never aliases a small valid value.
char ByteOf(int value);

// The longest text that fits in a packet beside `fixedBytes` other payload bytes.
std::string TextFitting(const std::string& text, std::size_t fixedBytes);

// The byte's decimal value with a leading "0" while shorter than two characters.
std::string TwoDigits(int value);

}  // namespace kelvane
