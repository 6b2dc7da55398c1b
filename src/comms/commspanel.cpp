#include "comms/commspanel.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <vector>

namespace kelvane {

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
    return text;
}

bool IsSeparator(char c) {
    return c == ',' || c == ' ';
}

// Splits at commas and blanks, a run of them counting as one separator. At
// most five fields; false for a sixth.
bool SplitSetupFields(const std::string& setup, std::array<std::string, 5>& fields) {
    std::size_t field = 0;
    bool afterSeparator = false;
    for (char c : setup) {
        if (IsSeparator(c)) {
            if (afterSeparator) continue;
            afterSeparator = true;
            if (++field >= fields.size()) return false;
        } else {
            afterSeparator = false;
            fields[field] += c;
        }
    }
    return true;
}

const char* TerminatorName(std::uint8_t b) {
    switch (b) {
        case kACK:
            return "<ACK>";
        case kNAK:
            return "<NAK>";
        default:
            return "<CR>";
    }
}

}  // namespace

TCommPanel::TCommPanel(SerialDevice& device, const Clock& clock, const PortPaths& paths)
    : port_(device, clock, paths) {
    port_.OnReceiveData = [this](TSigComPort& port, const std::uint8_t* data, std::size_t size) {
        DoReceiveData(port, data, size);
    };
    port_.OnTick = [this](TSigComPort&) { DoTick(); };
    port_.OnInputTimeout = [this](TSigComPort&) { DoInputTimeout(); };
    port_.OnDeviceGone = [this](TSigComPort&) { DoDeviceGone(); };
    port_.OnOutputTimeout = [this](TSigComPort&) {
        if (OnOutputTimeout) OnOutputTimeout(*this);
    };
    SetSetupString("COM1: 9600, e, 7, 1");
}

void TCommPanel::Loaded() {
    if (AutoOpen) Open();
}

void TCommPanel::SetSetupString(const std::string& setup) {
    setupString_ = setup;
    std::array<std::string, 5> fields;
    if (!SplitSetupFields(setup, fields)) return;

    const std::string port = Upper(fields[0]);
    for (int n = 0; n < 4; ++n) {
        if (port == "COM" + std::to_string(n + 1) + ":") SetComPort(static_cast<TComPortNumber>(n));
    }
    for (int rate = br110; rate <= br115200; ++rate) {
        if (fields[1] == std::to_string(BaudRateValue(static_cast<TComPortBaudRate>(rate))))
            SetComPortSpeed(static_cast<TComPortBaudRate>(rate));
    }
    const std::string parity = Lower(fields[2]);
    if (parity == "n" || parity == "none")
        SetComPortParity(ptNONE);
    else if (parity == "o" || parity == "odd")
        SetComPortParity(ptODD);
    else if (parity == "e" || parity == "even")
        SetComPortParity(ptEVEN);
    else if (parity == "m" || parity == "mark")
        SetComPortParity(ptMARK);
    else if (parity == "s" || parity == "space")
        SetComPortParity(ptSPACE);
    for (int bits = db5BITS; bits <= db8BITS; ++bits) {
        if (fields[3] == std::to_string(bits + 5)) SetComPortDataBits(static_cast<TComPortDataBits>(bits));
    }
    if (fields[4] == "1")
        SetComPortStopBits(sb1BITS);
    else if (fields[4] == "2")
        SetComPortStopBits(sb2BITS);
}

bool TCommPanel::SetSendBufferSize(int size) {
    if (size < 0 || size > 65535) return false;
    port_.SetComPortOutBufSize(static_cast<std::uint16_t>(size));
    return true;
}

bool TCommPanel::SetRcvBufferSize(int size) {
    if (size < 0 || size > 65535) return false;
    port_.SetComPortInBufSize(static_cast<std::uint16_t>(size));
    return true;
}

std::uint32_t TCommPanel::TimeOut() const {
    return TickInterval() == 0 ? 0 : InputTimeOut() / TickInterval();
}

void TCommPanel::SetTimeOut(std::uint32_t ticks) {
    SetInputTimeOut(ticks * TickInterval());
}

void TCommPanel::Close() {
    port_.Disconnect();
    SetWaitingForInput(false);
}

bool TCommPanel::Send(const std::string& text) {
    if (OnOutput) OnOutput(*this, ExpandControlChars(text));
    return port_.SendString(AutoAppendCR ? text + static_cast<char>(kCR) : text);
}

bool TCommPanel::SendReportingCR(const std::string& text) {
    const std::string sent = AutoAppendCR ? text + static_cast<char>(kCR) : text;
    if (OnOutput) OnOutput(*this, ExpandControlChars(sent));
    return port_.SendString(sent);
}

void TCommPanel::ClearLineTexts() {
    displayText_.clear();
    rawText_.clear();
}

void TCommPanel::AppendTerminator(std::uint8_t terminator) {
    rawText_ += static_cast<char>(terminator);
    displayText_ += TerminatorName(terminator);
}

void TCommPanel::AppendToLine(std::uint8_t b) {
    rawText_ += static_cast<char>(b);
    displayText_ += static_cast<char>(b);
}

void TCommPanel::DoReceiveData(TSigComPort& port, const std::uint8_t* data, std::size_t size) {
    if (OnReceiveData) OnReceiveData(port, data, size);
    for (std::size_t i = 0; i < size; ++i) {
        const std::uint8_t b = data[i];
        if (OnCharacter) OnCharacter(*this, b);
        if (b != kACK && b != kCR && b != kNAK) {
            AppendToLine(b);
            continue;
        }
        AppendTerminator(b);
        if (OnInput) OnInput(*this, displayText_);
        if (b == kACK && OnAck) OnAck(*this);
        if (b == kCR && OnCR) OnCR(*this);
        if (b == kNAK && OnNak) OnNak(*this);
        ClearLineTexts();
        SetWaitingForInput(false);
    }
}

void TCommPanel::DoTick() {
    if (OnTick) OnTick(*this);
}

void TCommPanel::DoInputTimeout() {
    if (OnTimeOut) OnTimeOut(*this);
}

void TCommPanel::DoDeviceGone() {
    ClearLineTexts();
    if (OnPortGone) OnPortGone(*this);
}

}  // namespace kelvane
