#include "transfer/TransferSupervisor.h"

#include <algorithm>

namespace kelvane {

namespace {

const std::string kNvmQuery("B\0", 2);
const std::string kVersionQuery("\\\0", 2);
// The keep-alives carry their own check letter; SendPacket appends the checksum as for any packet.
const std::string kKeepAlive("A\0A", 3);
const std::string kLogKeepAlive("V\0V", 3);

constexpr const char* kCannotOpen = "Cannot open serial port";
constexpr const char* kHandshakeFailed =
    "An error occured opening the connection to the panel. Please check that the correct COM port is "
    "selected, "
    "and that nothing else is using the COM port.";
constexpr const char* kNvmNotFitted =
    "The NVM Program link is not fitted in the panel. Please fit the link and select Retry. Press Abort to "
    "exit.";
constexpr const char* kCannotCommunicate = "Error: cannot communicate with panel";
constexpr const char* kCancelQuestion = " Are you sure that you want to cancel the current operation?";
constexpr const char* kCancelled = "The current function has been aborted by the user.";

std::string Format(const std::tm& time, const char* format) {
    char text[32];
    const std::size_t length = std::strftime(text, sizeof text, format, &time);
    return std::string(text, length);
}

}  // namespace

std::string PortGoneText(const std::string& path) {
    return "The serial port " + path + " has gone: it was unplugged or closed at the other end.";
}

TransferSupervisor::TransferSupervisor(TData& data, TPanelComms& panelComms, TransferStatus& status,
                                       Prompts& prompts, const Clock& clock, TransferView& view)
    : data_(data), comms_(panelComms), status_(status), prompts_(prompts), clock_(clock), view_(view) {
    // The main window's link: 9600 bit/s, 8 data bits, no parity, 1 stop bit,
    // 100 ms poll, 4 s reply and output time-outs.
    comms_.SetSetupString("COM1: 9600, n, 8, 1");
    comms_.SetSendBufferSize(2048);
    comms_.SetRcvBufferSize(2048);
    comms_.SetTickInterval(100);
    comms_.AutoOpen = false;
    comms_.AutoAppendCR = false;
    comms_.SetTimeOut(40);
    comms_.SetInputTimeOut(4000);
    comms_.SetOutputTimeout(4000);
    comms_.SetComPortHwHandshaking(hhNONE);
    comms_.SetComPortSwHandshaking(shNONE);
    comms_.DCharsReceived = 0;

    comms_.OnTick = [this](TCommPanel& sender) { PanelCommsTick(sender); };
    comms_.OnInput = [this](TCommPanel& sender, const std::string& text) { PanelCommsInput(sender, text); };
    comms_.OnAck = [this](TCommPanel& sender) { PanelCommsAck(sender); };
    comms_.OnNak = [this](TCommPanel& sender) { PanelCommsNak(sender); };
    comms_.OnTimeout = [this](TCommPanel& sender) { PanelCommsTimeout(sender); };
    comms_.OnOutputTimeout = [this](TCommPanel& sender) { PanelCommsOutputTimeout(sender); };
    comms_.OnInvalidChecksum = [this](TCommPanel& sender) { PanelCommsInvalidChecksum(sender); };
    comms_.OnPacketReceived = [this](TPanelComms& sender, std::uint8_t command, const std::string& packet) {
        PanelCommsPacketReceived(sender, command, packet);
    };
    comms_.OnHandshakeReceived = [this](TCommPanel& sender) { PanelCommsHandshakeReceived(sender); };
    comms_.OnPortGone = [this](TCommPanel& sender) { PanelCommsPortGone(sender); };
    status_.OnCancelPressed = [this] { btnCancelClick(); };
}

TransferSupervisor::~TransferSupervisor() {
    comms_.OnTick = nullptr;
    comms_.OnInput = nullptr;
    comms_.OnAck = nullptr;
    comms_.OnNak = nullptr;
    comms_.OnTimeout = nullptr;
    comms_.OnOutputTimeout = nullptr;
    comms_.OnInvalidChecksum = nullptr;
    comms_.OnPacketReceived = nullptr;
    comms_.OnHandshakeReceived = nullptr;
    comms_.OnPortGone = nullptr;
    status_.OnCancelPressed = nullptr;
}

void TransferSupervisor::SendTransferPacket(const std::string& packet) {
    SendRequest(packet, AnswerGate::Identity::Usual);
}

void TransferSupervisor::SendClosingRequest(const std::string& packet) {
    SendRequest(packet, AnswerGate::Identity::LetterOnly);
}

void TransferSupervisor::SendRequest(const std::string& packet, AnswerGate::Identity identity) {
    state_.LastPacket = packet;
    comms_.SendPacket(gate_.Send(packet, identity));
}

void TransferSupervisor::SendNvmQuery() {
    state_.NvmCheckPending = false;
    state_.RetryCount = 0;
    SendTransferPacket(kNvmQuery);
}

void TransferSupervisor::SendVersionQuery() {
    SendTransferPacket(kVersionQuery);
}

void TransferSupervisor::EndTransfer(bool completed) {
    const bool wasRunning = state_.Step != kStepIdle;
    if (wasRunning) lastEnding_ = {state_.Step, completed};
    gate_.Abandon();
    status_.Close();
    state_.Step = kStepIdle;
    SetRunning(false);
    if (wasRunning && OnTransferEnded) OnTransferEnded(completed);
}

void TransferSupervisor::SetRunning(bool running) {
    if (running == running_) return;
    running_ = running;
    if (OnRunningChanged) OnRunningChanged(running);
}

void TransferSupervisor::StartTransfer() {
    if (view_.ListeningToEventLog()) return;
    SetRunning(true);
    lastHeardMs_ = clock_.NowMs();
    comms_.Suspended = false;
    status_.Show();
    status_.UnCheckAll();
    status_.SetCancelVisible(true);
    comms_.PurgeBuffers(true, true);
    if (!comms_.HandshakeDone && comms_.Connected()) comms_.Close();
    if (comms_.Connected()) {
        if (state_.NvmCheckPending)
            SendNvmQuery();
        else
            SendVersionQuery();
        return;
    }
    comms_.LinkMode = 0;
    status_.SetProgressPosition(1);
    status_.SetProgressMax(101);
    status_.SetStatusText("Establishing communications with the panel");
    comms_.HandshakeFailed = false;
    comms_.HandshakeDone = false;
    if (comms_.Open()) return;  // the next poll tick starts the handshake
    AbortTransfer();
    comms_.HandshakeFailed = true;
    prompts_.Error(NamePortInOpenError ? comms_.Port().OpenErrorText() : kCannotOpen);
}

void TransferSupervisor::FinishTransfer(bool refresh) {
    EndTransfer(true);
    if (refresh) view_.RefreshActivePage();
}

void TransferSupervisor::Retry() {
    if (comms_.LinkMode == 0) {
        // No discipline left: shake hands again, but only for a transfer that
        // is running; an idle link reconnects through the keep-alive timer.
        if (state_.Step == kStepIdle) return;
        comms_.Close();
        comms_.HandshakeDone = false;
        StartTransfer();
        return;
    }
    if (state_.Step == kStepIdle) return;
    state_.RetryCount += 1;
    if (state_.RetryCount > kRetryLimit) {
        prompts_.Error(kCannotCommunicate);
        comms_.Suspended = true;
        state_.RetryCount = 0;
        AbortTransfer();
        // No discipline and no handshake: the next transfer (or the
        // keep-alive) opens the port and shakes hands from the start.
        comms_.LinkMode = 0;
        comms_.HandshakeDone = false;
        comms_.Close();
        return;
    }
    comms_.SendPacket(gate_.Resend());
}

void TransferSupervisor::PanelCommsTick(TCommPanel&) {
    if (comms_.Suspended || view_.ListeningToEventLog() || !comms_.Connected() || state_.Step == kStepIdle)
        return;
    ShowWaiting();
    if (comms_.HandshakeFailed) {
        comms_.Close();
        view_.Beep();
        prompts_.Error(kHandshakeFailed);
        AbortTransfer();
        comms_.LinkMode = 0;
    }
    if (comms_.HandshakeDone || comms_.HandshakeFailed) return;
    const int position = status_.ProgressPosition() + 1;
    status_.SetProgressPosition(position);
    if (position < status_.ProgressMax()) return;
    switch (comms_.LinkMode) {
        case 1:
            status_.SetProgressMax(101);
            status_.SetProgressPosition(0);
            break;
        case 2:
            status_.SetProgressMax(130);
            status_.SetProgressPosition(0);
            break;
        case 3:
            comms_.HandshakeFailed = true;
            break;
        default:
            break;
    }
}

std::string TransferSupervisor::WaitingText() const {
    static const char* const kDisciplines[] = {"", "plain 8-bit characters",
                                               "first byte with space parity, the rest with mark parity",
                                               "first byte with mark parity, the rest with space parity"};
    if (!comms_.HandshakeDone) {
        if (comms_.LinkMode < 1 || comms_.LinkMode > 3) return {};
        const int attempt = std::clamp(kHandshakeAttempts - comms_.RetriesLeft, 1, kHandshakeAttempts);
        return "Handshake attempt " + std::to_string(attempt) + " of " + std::to_string(kHandshakeAttempts) +
               " in link mode " + std::to_string(comms_.LinkMode) + ": " + kDisciplines[comms_.LinkMode];
    }
    const std::uint64_t silentMs = clock_.NowMs() - lastHeardMs_;
    if (silentMs < kWaitingShownAfterMs) return {};
    std::string text = "Waiting for the controller: no answer for " + std::to_string(silentMs / 1000) + " s";
    if (state_.RetryCount > 0)
        text += ", sent again " + std::to_string(state_.RetryCount) +
                (state_.RetryCount == 1 ? " time" : " times");
    return text;
}

void TransferSupervisor::ShowWaiting() {
    status_.SetWaiting(WaitingText());
}

void TransferSupervisor::Heard() {
    lastHeardMs_ = clock_.NowMs();
    if (state_.Step != kStepIdle) ShowWaiting();
}

void TransferSupervisor::PanelCommsHandshakeReceived(TCommPanel&) {
    if (state_.NvmCheckPending) {
        SendNvmQuery();
        return;
    }
    status_.SetStatusText("Loading version information");
    SendVersionQuery();
}

void TransferSupervisor::NvmLinkAnswer(const std::string& packet) {
    const bool fitted = packet.size() >= 4 && static_cast<std::uint8_t>(packet[1]) >= 1 && packet[2] == 1;
    state_.NvmCheckPending = false;
    if (fitted) {
        status_.SetStatusText("Loading version information");
        SendVersionQuery();
        return;
    }
    if (prompts_.Ask(PromptKind::Warning, kNvmNotFitted, PromptButtons::AbortRetry) == PromptAnswer::Retry) {
        SendTransferPacket(kNvmQuery);
        return;
    }
    comms_.Suspended = true;
    AbortTransfer();
}

void TransferSupervisor::VersionAnswer(const std::string& packet) {
    // Command, length, five version characters, checksum.
    if (packet.size() < 8 || static_cast<std::uint8_t>(packet[1]) < 5) {
        Retry();
        return;
    }
    state_.RetryCount = 0;
    // A read-back into a model of its own leaves the open document's version as it is.
    TData* readBack = steps_ ? steps_->VersionModel() : nullptr;
    TData& model = readBack ? *readBack : data_;
    model.SiteConfig.MainVersion = packet.substr(2, 5);
    if (!readBack) view_.ShowMainVersion(data_.GetMainVersion());
    if (state_.Step != kStepIdle && steps_) steps_->DispatchFirst();
}

void TransferSupervisor::PanelCommsPacketReceived(TPanelComms&, std::uint8_t cmdChar,
                                                  const std::string& packet) {
    Heard();
    // The keep-alive answer is not a transfer answer: it tells of a live
    // controller also after a cancel.
    if (cmdChar == 'A' && comms_.HandshakeDone) {
        KeepAliveAnswered();
        return;
    }
    if (comms_.Suspended) {
        AbortTransfer();
        return;
    }
    if (!comms_.HandshakeDone || cmdChar == 'v') return;
    switch (gate_.JudgeFrame(packet)) {
        case AnswerGate::Verdict::Drop:
            return;
        case AnswerGate::Verdict::Settled:
            comms_.SendPacket(gate_.Released());
            return;
        case AnswerGate::Verdict::Take:
            DispatchAnswer(cmdChar, packet);
            return;
    }
}

void TransferSupervisor::DispatchAnswer(std::uint8_t cmdChar, const std::string& packet) {
    if (cmdChar == 'B') {
        NvmLinkAnswer(packet);
    } else if (cmdChar == '\\') {
        VersionAnswer(packet);
    } else if (steps_) {
        steps_->LoadAnswer(cmdChar, packet);
    }
}

void TransferSupervisor::PanelCommsAck(TCommPanel&) {
    Heard();
    if (comms_.Suspended) {
        AbortTransfer();
        return;
    }
    if (state_.Step == kStepIdle || !steps_) return;
    if (gate_.JudgeAck() == AnswerGate::Verdict::Take) steps_->Acknowledged();
}

void TransferSupervisor::PanelCommsNak(TCommPanel&) {
    Heard();
    if (comms_.RxBuffer.empty()) Retry();
}

void TransferSupervisor::PanelCommsTimeout(TCommPanel&) {
    Retry();
}

void TransferSupervisor::PanelCommsInvalidChecksum(TCommPanel&) {
    Heard();
    Retry();
}

void TransferSupervisor::PanelCommsOutputTimeout(TCommPanel&) {
    prompts_.Error("Timed out");
}

void TransferSupervisor::PanelCommsPortGone(TCommPanel&) {
    // The keep-alive opens the port again once the device is back, and the
    // link shakes hands by itself as at start-up.
    connectedIndicator_ = false;
    keepAliveAnswered_ = false;
    view_.SetConnectionStatusText("Dis-Connected");
    if (state_.Step != kStepIdle) {
        prompts_.Error(PortGoneText(comms_.Port().DevicePath()));
        AbortTransfer();
    }
    if (OnPortGone) OnPortGone();
}

void TransferSupervisor::PanelCommsInput(TCommPanel&, const std::string& convertedString) {
    if (state_.Step != kStepIdle || convertedString.find('\0') != std::string::npos ||
        !view_.ListeningToEventLog())
        return;
    const std::size_t keep = convertedString.size() > 2 ? convertedString.size() - 2 : 0;
    view_.AppendEventLogLine(convertedString.substr(0, keep));
}

void TransferSupervisor::Timer1Timer() {
    const std::tm now = clock_.LocalTime();
    view_.SetDateTimeTexts(Format(now, "%d/%m/%Y"), Format(now, "%H:%M:%S"));
    if (indicatorCountdown_ > 0) {
        --indicatorCountdown_;
        return;
    }
    view_.SetConnectionStatusText(connectedIndicator_ ? "Connected" : "Dis-Connected");
}

void TransferSupervisor::KeepAliveAnswered() {
    keepAliveAnswered_ = true;
    connectedIndicator_ = true;
    indicatorCountdown_ = 0;
}

void TransferSupervisor::Timer2Timer() {
    if (state_.Step != kStepIdle) return;
    const bool reopened = !comms_.Connected() && comms_.Open();
    if (comms_.LinkMode == 0 && !comms_.IsASCIIOnly) {
        // A link that a failure left without a discipline (the retry limit,
        // a handshake that failed in every mode, a device that went away)
        // starts again as at start-up: the next poll tick shakes hands.
        comms_.Suspended = false;
        comms_.HandshakeFailed = false;
        comms_.HandshakeDone = false;
    }
    // A port found again (after its device went away) while the event log is
    // shown takes its text reception again.
    if (reopened && view_.ListeningToEventLog()) ListenToEventLog();
    // "Connected" stays while the keep-alive is answered; only one that got
    // no answer by the next makes the link one being connected again.
    if (!keepAliveAnswered_) {
        connectedIndicator_ = false;
        view_.SetConnectionStatusText("Attempting to connect...");
    }
    keepAliveAnswered_ = false;
    comms_.SendPacket(view_.ListeningToEventLog() ? kLogKeepAlive : kKeepAlive);
    indicatorCountdown_ = 2;
}

void TransferSupervisor::btnCancelClick() {
    // The transfer holds while the question is open: the next request or
    // packet is not sent, what the controller answers meanwhile waits on the
    // port, and no reply time-out runs. No carries on from there.
    TSigComPort& port = comms_.Port();
    const bool wasHeld = port.Held();
    port.SetHeld(true);
    const PromptAnswer answer = prompts_.Ask(PromptKind::Confirmation, kCancelQuestion, PromptButtons::YesNo);
    port.SetHeld(wasHeld);
    if (answer != PromptAnswer::Yes) return;
    comms_.Suspended = true;
    AbortTransfer();
    prompts_.Warning(kCancelled);
}

void TransferSupervisor::StopListeningToEventLog() {
    comms_.HandshakeDone = false;
    comms_.IsASCIIOnly = false;
}

void TransferSupervisor::ListenToEventLog() {
    comms_.IsASCIIOnly = false;
    if (comms_.LinkMode != 1) {
        // A link that has no discipline yet takes the plain one the port is
        // reopened in, so that the event log keep-alive reaches the line; its
        // handshake waits until the event log is left (text-only reception
        // cannot read the answer).
        if (comms_.LinkMode == 0) {
            comms_.LinkMode = 1;
            comms_.RetriesLeft = 10;
        }
        comms_.Close();
        comms_.SetComPortParity(ptNONE);
        comms_.Open();
    }
    comms_.IsASCIIOnly = true;
    // Both receive buffers: a part frame and the part line.
    comms_.DCharsReceived = 0;
    comms_.RxBuffer.clear();
    comms_.ClearLineTexts();
}

}  // namespace kelvane
