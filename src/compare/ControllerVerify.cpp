#include "compare/ControllerVerify.h"

#include <algorithm>

#include "compare/SiteComparison.h"

namespace kelvane {

ControllerVerify::ControllerVerify(TransferSession& session, const TData& site)
    : session_(session), site_(site) {
    session_.OnEnded = [this](TransferSession::Outcome outcome) { Ended(outcome); };
}

ControllerVerify::~ControllerVerify() {
    session_.OnEnded = nullptr;
}

void ControllerVerify::SaveAndVerify() {
    Start(Run::SaveAndVerify, Phase::Saving, kSavePhase, [this] { session_.SaveAll(); });
}

void ControllerVerify::Verify() {
    Start(Run::Verify, Phase::ReadingBack, kComparePhase, [this] { session_.ReadBackAll(); });
}

void ControllerVerify::ResaveAndVerify(const std::vector<SiteDifference>& differences) {
    std::vector<SaveRecord> records = RecordsToSave(differences);
    if (records.empty()) {
        Verify();
        return;
    }
    Start(Run::ResaveAndVerify, Phase::Saving, kResavePhase,
          [this, &records] { session_.SaveRecords(std::move(records)); });
}

void ControllerVerify::Start(Run run, Phase phase, const char* phaseText,
                             const std::function<void()>& start) {
    // One transfer at a time: nothing starts while another runs.
    if (Busy() || session_.Supervisor().State().Step != kStepIdle) return;
    result_ = Result{};
    result_.Kind = run;
    phase_ = phase;
    session_.Status().SetPhase(phaseText);
    start();
    // A transfer that could not start at all (the event log is listening)
    // reports no end: the run is over before it began.
    if (Busy() && session_.Supervisor().State().Step == kStepIdle) {
        session_.Status().SetPhase({});
        Finish();
    }
}

void ControllerVerify::StartReadBack() {
    phase_ = Phase::ReadingBack;
    session_.Status().SetPhase(kVerifyPhase);
    session_.ReadBackAll();
}

void ControllerVerify::Ended(TransferSession::Outcome outcome) {
    const bool completed = outcome == TransferSession::Outcome::Completed;
    switch (phase_) {
        case Phase::Idle:
            return;
        case Phase::Saving:
            result_.Saved = completed;
            if (completed) {
                StartReadBack();
                return;
            }
            break;
        case Phase::ReadingBack:
            if (completed) {
                const TData& controller = session_.ReadBackSite();
                result_.Differences =
                    CompareSites(site_, controller, ComparisonScope::Controller(controller));
                result_.Compared = true;
            }
            break;
    }
    Finish();
}

void ControllerVerify::Finish() {
    phase_ = Phase::Idle;
    if (OnFinished) OnFinished(result_);
}

std::vector<SaveRecord> ControllerVerify::RecordsToSave(const std::vector<SiteDifference>& differences) {
    std::vector<SaveRecord> records;
    for (const SiteDifference& difference : differences) {
        SaveRecord record;
        switch (difference.Section) {
            case DifferenceSection::Device:
                record = {SaveRecordKind::Device, difference.Number};
                break;
            case DifferenceSection::Zone:
                record = {SaveRecordKind::Zone, difference.Number};
                break;
            case DifferenceSection::Group:
                record = {SaveRecordKind::Group, difference.Number};
                break;
            case DifferenceSection::CustomName:
                record = {SaveRecordKind::CustomName, difference.Number};
                break;
            case DifferenceSection::Site:
                if (const auto kind = SitePacketCarrying(difference.Field)) {
                    record = {*kind, 0};
                    break;
                }
                continue;
            default:
                continue;  // never travels
        }
        if (record.Kind == SaveRecordKind::Device && record.Number > kLastSavedDevice) continue;
        if (std::find(records.begin(), records.end(), record) == records.end()) records.push_back(record);
    }
    return records;
}

}  // namespace kelvane
