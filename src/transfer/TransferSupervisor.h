#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "comms/PanelComms.h"
#include "core/Clock.h"
#include "core/Prompts.h"
#include "model/Data.h"
#include "transfer/AnswerGate.h"
#include "transfer/TransferHost.h"
#include "transfer/TransferView.h"

namespace kelvane {

// What the user is told when the serial device at `path` went away.
std::string PortGoneText(const std::string& path);

// Supervises the controller link for the main window: starts transfers,
// waits for the handshake with its progress, asks the NVM-link and version
// queries, dispatches answers to the load and save chains, applies the retry
// rule, keeps the link alive while idle with its "Connected" indicator, and
// hands plain text lines to the event log.
class TransferSupervisor : public TransferHost {
public:
    static constexpr int kTimer1PeriodMs = 1000;
    static constexpr int kTimer2PeriodMs = 2000;
    static constexpr int kRetryLimit = 10;
    // The handshake packet goes this often in each line discipline.
    static constexpr int kHandshakeAttempts = 11;
    // The status window says what the link waits for after this long without an answer.
    static constexpr std::uint64_t kWaitingShownAfterMs = 1000;

    // Installs its handlers on the link's events and on the status window's Cancel.
    TransferSupervisor(TData& data, TPanelComms& panelComms, TransferStatus& status, Prompts& prompts,
                       const Clock& clock, TransferView& view);
    ~TransferSupervisor() override;
    TransferSupervisor(const TransferSupervisor&) = delete;
    TransferSupervisor& operator=(const TransferSupervisor&) = delete;

    // The load and save chains; until they are set, answers to load
    // requests are ignored and acknowledgements advance nothing.
    void SetSteps(TransferSteps* steps) { steps_ = steps; }

    // TransferHost
    TransferState& State() override { return state_; }
    TransferStatus& Status() override { return status_; }
    void SendTransferPacket(const std::string& packet) override;
    void SendClosingRequest(const std::string& packet) override;
    void Retry() override;
    void StartTransfer() override;
    void FinishTransfer(bool refresh) override;
    void ShowError(const std::string& text) override { prompts_.Error(text); }
    TransferSection ActiveSection() const override { return view_.ActiveSection(); }
    bool ListeningToEventLog() const override { return view_.ListeningToEventLog(); }
    bool UploadTimeSelected() const override { return view_.UploadTimeSelected(); }
    void RefreshPlaceNameLists() override { view_.RefreshPlaceNameLists(); }
    std::tm LocalTime() const override { return clock_.LocalTime(); }

    // Handlers of the link's events.
    void PanelCommsTick(TCommPanel& sender);
    void PanelCommsHandshakeReceived(TCommPanel& sender);
    void PanelCommsPacketReceived(TPanelComms& sender, std::uint8_t cmdChar, const std::string& packet);
    void PanelCommsAck(TCommPanel& sender);
    void PanelCommsNak(TCommPanel& sender);
    void PanelCommsTimeout(TCommPanel& sender);
    void PanelCommsInvalidChecksum(TCommPanel& sender);
    void PanelCommsOutputTimeout(TCommPanel& sender);
    // The serial device went away: a transfer stops at once.
    void PanelCommsPortGone(TCommPanel& sender);
    void PanelCommsInput(TCommPanel& sender, const std::string& convertedString);

    // The clock and indicator timer (every 1000 ms) and the keep-alive timer (every 2000 ms).
    void Timer1Timer();
    void Timer2Timer();

    // The status window's Cancel button: asks whether to cancel, holding the
    // transfer while the question is open; Yes aborts it, No lets it go on.
    void btnCancelClick();

    // The event log is shown: the port reopens in the plain discipline and
    // receives text only, both receive buffers emptied.
    void ListenToEventLog();
    // The event log is left: reception is framed again, and the next
    // transfer shakes hands first.
    void StopListeningToEventLog();

    // Fired once at the end of every transfer that was running: true when
    // its chain finished, false when an error, an abort or a cancel ended it.
    std::function<void(bool completed)> OnTransferEnded;
    // Fired when a transfer starts (true) and when it has ended (false), so
    // that the window can hold back the commands that must not run meanwhile.
    std::function<void(bool running)> OnRunningChanged;
    bool Running() const { return running_; }
    // Fired when the serial device went away, after a transfer it ended.
    std::function<void()> OnPortGone;
    // The command line names the port and the reason when it cannot be
    // opened; the window keeps the short message (the link trace has both).
    bool NamePortInOpenError = false;

    // Where the transfer that ended last was when it ended: its step, and
    // whether its chain finished. Set before either event of the end fires.
    struct Ending {
        std::uint8_t Step = kStepIdle;
        bool Completed = false;
    };
    const Ending& LastEnding() const { return lastEnding_; }

    bool ConnectedIndicator() const { return connectedIndicator_; }
    int IndicatorCountdown() const { return indicatorCountdown_; }

private:
    void SendVersionQuery();
    void SendNvmQuery();
    void NvmLinkAnswer(const std::string& packet);
    void VersionAnswer(const std::string& packet);
    void KeepAliveAnswered();
    // Every answer but the keep-alive's, by its command letter.
    void DispatchAnswer(std::uint8_t cmdChar, const std::string& packet);
    void SendRequest(const std::string& packet, AnswerGate::Identity identity);
    void AbortTransfer() { EndTransfer(false); }
    // Closes the status window and returns to idle.
    void EndTransfer(bool completed);
    void SetRunning(bool running);
    // Something came from the controller: the wait for an answer starts again.
    void Heard();
    // What the link waits for, in the status window.
    std::string WaitingText() const;
    void ShowWaiting();

    TData& data_;
    TPanelComms& comms_;
    TransferStatus& status_;
    Prompts& prompts_;
    const Clock& clock_;
    TransferView& view_;
    TransferSteps* steps_ = nullptr;
    TransferState state_;
    AnswerGate gate_;
    bool connectedIndicator_ = false;
    int indicatorCountdown_ = 0;
    bool keepAliveAnswered_ = false;  // since the last keep-alive was sent
    std::uint64_t lastHeardMs_ = 0;   // when the controller last sent anything
    bool running_ = false;
    Ending lastEnding_;
};

}  // namespace kelvane
