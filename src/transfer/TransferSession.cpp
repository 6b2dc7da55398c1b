#include "transfer/TransferSession.h"

namespace kelvane {

TransferSession::TransferSession(SerialDevice& device, const Clock& clock, const PortPaths& paths,
                                 TData& data, Document& document, Prompts& prompts)
    : headlessView_(std::make_unique<HeadlessTransferView>()),
      ownStatus_(std::make_unique<TransferStatus>()),
      status_(*ownStatus_),
      trace_(clock),
      tracedDevice_(device, trace_),
      comms_(tracedDevice_, clock, paths) {
    supervisor_ = std::make_unique<TransferSupervisor>(data, comms_, status_, prompts, clock, *headlessView_);
    supervisor_->NamePortInOpenError = true;
    chains_ = std::make_unique<TransferChains>(*supervisor_, data, document);
    Wire();
}

TransferSession::TransferSession(SerialDevice& device, const Clock& clock, const PortPaths& paths,
                                 TData& data, Document& document, Prompts& prompts, TransferStatus& status,
                                 TransferView& view)
    : status_(status), trace_(clock), tracedDevice_(device, trace_), comms_(tracedDevice_, clock, paths) {
    supervisor_ = std::make_unique<TransferSupervisor>(data, comms_, status_, prompts, clock, view);
    chains_ = std::make_unique<TransferChains>(*supervisor_, data, document);
    Wire();
}

TransferSession::~TransferSession() {
    comms_.ProcessPendingEvents = nullptr;
    comms_.Close();
}

void TransferSession::Wire() {
    tracedDevice_.TextReception = [this] { return comms_.IsASCIIOnly; };
    supervisor_->SetSteps(chains_.get());
    supervisor_->OnTransferEnded = [this](bool completed) {
        outcome_ = completed ? Outcome::Completed : Outcome::Failed;
        if (OnEnded) OnEnded(outcome_);
    };
}

void TransferSession::Run(bool (TransferChains::*command)()) {
    outcome_ = Outcome::Running;
    // A command that refused to start has ended there, its reason told.
    if (((*chains_).*command)() || !Running()) return;
    outcome_ = Outcome::Failed;
    if (OnEnded) OnEnded(outcome_);
}

void TransferSession::LoadAll() {
    Run(&TransferChains::LoadAllFromPanel);
}

void TransferSession::SaveAll() {
    Run(&TransferChains::SaveAllToPanel);
}

void TransferSession::ReadBackAll() {
    outcome_ = Outcome::Running;
    readBack_.ResetToDefaults();
    chains_->ReadBackAllInto(readBack_);
}

void TransferSession::SaveRecords(std::vector<SaveRecord> records) {
    outcome_ = Outcome::Running;
    if (chains_->SaveRecords(std::move(records)) || !Running()) return;
    outcome_ = Outcome::Failed;
    if (OnEnded) OnEnded(outcome_);
}

void TransferSession::DriveWith(ManualClock& clock, std::function<void()> serveLine, std::uint64_t stepMs) {
    drivenClock_ = &clock;
    serveLine_ = std::move(serveLine);
    stepMs_ = stepMs == 0 ? 1 : stepMs;
    comms_.ProcessPendingEvents = [this] { Step(); };
}

void TransferSession::Step() {
    if (!drivenClock_) return;
    drivenClock_->Advance(stepMs_);
    if (serveLine_) serveLine_();
    drivenPoll_.Advance(stepMs_);
}

TransferSession::Outcome TransferSession::RunDriven(std::uint64_t limitMs) {
    for (std::uint64_t spent = 0; Running() && spent < limitMs; spent += stepMs_) Step();
    return outcome_;
}

}  // namespace kelvane
