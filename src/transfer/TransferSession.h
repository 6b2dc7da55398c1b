#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "comms/DrivenPoll.h"
#include "comms/LinkTrace.h"
#include "comms/PanelComms.h"
#include "comms/PortPaths.h"
#include "comms/SerialDevice.h"
#include "comms/TracingSerialDevice.h"
#include "core/Clock.h"
#include "core/ManualClock.h"
#include "core/Prompts.h"
#include "file/Document.h"
#include "model/Data.h"
#include "transfer/HeadlessTransferView.h"
#include "transfer/TransferChains.h"
#include "transfer/TransferStatus.h"
#include "transfer/TransferSupervisor.h"

namespace kelvane {

// The controller link with its transfer supervision and its load and save
// chains, over one serial device: what the desktop program's window and the
// command line both run. The owner drives it, either with a real event loop
// (a poll timer on the port and the device's data-ready notification) or on
// a driven clock through RunDriven.
class TransferSession {
public:
    enum class Outcome {
        Idle,  // no transfer started yet
        Running,
        Completed,  // the chain ran to its end
        Failed,     // an error, an abort or a cancel ended it
    };

    // Headless: a status of its own and a view without pages.
    TransferSession(SerialDevice& device, const Clock& clock, const PortPaths& paths, TData& data,
                    Document& document, Prompts& prompts);
    // Inside a window: the window's status and view.
    TransferSession(SerialDevice& device, const Clock& clock, const PortPaths& paths, TData& data,
                    Document& document, Prompts& prompts, TransferStatus& status, TransferView& view);
    ~TransferSession();
    TransferSession(const TransferSession&) = delete;
    TransferSession& operator=(const TransferSession&) = delete;

    TPanelComms& Comms() { return comms_; }
    // Everything that crossed the link while it was recording (off at first).
    LinkTrace& Trace() { return trace_; }
    TransferSupervisor& Supervisor() { return *supervisor_; }
    TransferChains& Chains() { return *chains_; }
    TransferStatus& Status() { return status_; }
    // The headless view (null inside a window): its page and time box.
    HeadlessTransferView* Headless() { return headlessView_.get(); }

    // Load or save the whole configuration.
    void LoadAll();
    void SaveAll();
    // Loads the whole configuration into ReadBackSite(), a model of the
    // session's own (reset first); the open document is not touched.
    void ReadBackAll();
    const TData& ReadBackSite() const { return readBack_; }
    // Saves just `records` of the open document.
    void SaveRecords(std::vector<SaveRecord> records);

    Outcome Result() const { return outcome_; }
    bool Running() const { return outcome_ == Outcome::Running; }
    // Fired once when a transfer ends, after Result() has its outcome.
    std::function<void(Outcome)> OnEnded;

    // A driven clock standing in for the event loop: time moves in steps of
    // `stepMs`; at every step `serveLine` runs (the far end of the line and
    // its deliveries), and the poll tick fires every poll interval (never
    // inside itself, as a window timer does not). The parity guard delay runs
    // these same steps.
    void DriveWith(ManualClock& clock, std::function<void()> serveLine, std::uint64_t stepMs);
    // One step of the driven clock.
    void Step();
    // Steps until the transfer has ended or `limitMs` have passed; returns the outcome.
    Outcome RunDriven(std::uint64_t limitMs);

private:
    void Wire();
    // Starts a whole-configuration command of the chains.
    void Run(bool (TransferChains::*command)());

    std::unique_ptr<HeadlessTransferView> headlessView_;
    std::unique_ptr<TransferStatus> ownStatus_;
    TransferStatus& status_;
    LinkTrace trace_;
    TracingSerialDevice tracedDevice_;
    TPanelComms comms_;
    std::unique_ptr<TransferSupervisor> supervisor_;
    std::unique_ptr<TransferChains> chains_;
    TData readBack_;
    Outcome outcome_ = Outcome::Idle;

    ManualClock* drivenClock_ = nullptr;
    std::function<void()> serveLine_;
    std::uint64_t stepMs_ = 10;
    DrivenPoll drivenPoll_{comms_.Port()};
};

}  // namespace kelvane
