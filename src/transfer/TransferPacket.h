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
inline int PayloadByte(const std::string& payload, std::size_t i) {
    return static_cast<unsigned char>(payload[i]);
}

// A number as one payload byte, taken modulo 256 as the controller reads it:
// -1 goes as 0xFF, so an allocation or flag with no value never arrives as
// area A or 0. A value below -128 or above 255 would wrap round to a small
// number, which is a valid value of another meaning for every field; it is
// held at 0x80 or 0xFF instead.
char ByteOf(int value);

// The longest text that fits in a packet beside `fixedBytes` other payload bytes.
std::string TextFitting(const std::string& text, std::size_t fixedBytes);

// The byte's decimal value with a leading "0" while shorter than two characters.
std::string TwoDigits(int value);

}  // namespace kelvane
