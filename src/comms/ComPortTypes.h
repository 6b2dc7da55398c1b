#pragma once
#include <cstdint>

namespace kelvane {

// Line settings of the serial port. The ordinal of each value is what the
// settings string and the line-settings step use.
enum TComPortNumber { pnCOM1, pnCOM2, pnCOM3, pnCOM4, pnCOM5, pnCOM6, pnCOM7, pnCOM8 };

enum TComPortBaudRate {
    br110,
    br300,
    br600,
    br1200,
    br2400,
    br4800,
    br9600,
    br14400,
    br19200,
    br38400,
    br56000,
    br57600,
    br115200
};

enum TComPortDataBits { db5BITS, db6BITS, db7BITS, db8BITS };

enum TComPortStopBits { sb1BITS, sb1HALFBITS, sb2BITS };

enum TComPortParity { ptNONE, ptODD, ptEVEN, ptMARK, ptSPACE };

enum TComPortHwHandshaking { hhNONE, hhRTSCTS };

enum TComPortSwHandshaking { shNONE, shXONXOFF };

inline constexpr int kComPortCount = 8;

// Bits per second of each rate.
inline constexpr std::uint32_t BaudRateValue(TComPortBaudRate rate) {
    constexpr std::uint32_t rates[] = {110,   300,   600,   1200,  2400,  4800,  9600,
                                       14400, 19200, 38400, 56000, 57600, 115200};
    return rates[rate];
}

// Everything the device is told when the settings are applied.
struct LineSettings {
    std::uint32_t BaudRate = 9600;
    int DataBits = 8;
    TComPortParity Parity = ptNONE;
    TComPortStopBits StopBits = sb1BITS;
    bool Dtr = true;
    bool RtsCts = false;   // CTS output flow control, RTS in handshake mode
    bool XonXoff = false;  // both directions
    std::uint16_t XonLimit = 512;
    std::uint16_t XoffLimit = 1;
    char XonChar = 0x11;
    char XoffChar = 0x13;

    bool operator==(const LineSettings&) const = default;
};

}  // namespace kelvane
