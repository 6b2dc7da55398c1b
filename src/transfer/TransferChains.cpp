#include "transfer/TransferChains.h"

#include "transfer/SaveCheck.h"

namespace kelvane {

namespace {

std::uint8_t LoadStepFor(TransferSection section) {
    switch (section) {
        case TransferSection::Devices:
        case TransferSection::DevicesAndZones:
            return kStepLoadDevices;
        case TransferSection::Zones:
            return kStepLoadZones;
        case TransferSection::Groups:
            return kStepLoadGroups;
        case TransferSection::PlaceNames:
            return kStepLoadPlaceNames;
        case TransferSection::Site:
            return kStepLoadSite;
        case TransferSection::None:
            break;
    }
    return kStepIdle;
}

std::uint8_t SaveStepFor(TransferSection section) {
    switch (section) {
        case TransferSection::Devices:
        case TransferSection::DevicesAndZones:
            return kStepSaveDevices;
        case TransferSection::Zones:
            return kStepSaveZones;
        case TransferSection::Groups:
            return kStepSaveGroups;
        case TransferSection::PlaceNames:
            return kStepSavePlaceNames;
        case TransferSection::Site:
            return kStepSaveSite;
        case TransferSection::None:
            break;
    }
    return kStepIdle;
}

}  // namespace

TransferChains::TransferChains(TransferHost& host, TData& data, Document& document)
    : host_(host), data_(data), load_(host, data, document), save_(host, data, document) {}

bool TransferChains::LoadAllFromPanel() {
    if (host_.ListeningToEventLog()) return false;
    UseDocumentLoad();
    TransferState& state = host_.State();
    state.LoadAll = true;
    state.FromDeviceSummary = false;
    state.Step = kStepLoadDevices;
    host_.Status().Widen(TransferStatus::List::Load);
    host_.StartTransfer();
    return true;
}

bool TransferChains::LoadFromPanel() {
    const TransferSection section = host_.ActiveSection();
    const std::uint8_t step = LoadStepFor(section);
    if (step == kStepIdle) return false;
    UseDocumentLoad();
    TransferState& state = host_.State();
    state.LoadAll = false;
    state.FromDeviceSummary = section == TransferSection::DevicesAndZones;
    state.Step = step;
    host_.StartTransfer();
    return true;
}

bool TransferChains::SaveAllToPanel() {
    if (host_.ListeningToEventLog() || !SaveMayStart(WholeSaveRecords())) return false;
    UseDocumentLoad();
    TransferState& state = host_.State();
    state.SaveAll = true;
    state.FromDeviceSummary = false;
    state.Step = kStepSaveDevices;
    state.NvmCheckPending = true;
    host_.Status().Widen(TransferStatus::List::Save);
    host_.StartTransfer();
    return true;
}

bool TransferChains::SaveToPanel() {
    const TransferSection section = host_.ActiveSection();
    const std::uint8_t step = SaveStepFor(section);
    if (step == kStepIdle || !SaveMayStart(SectionSaveRecords(step))) return false;
    UseDocumentLoad();
    host_.State().FromDeviceSummary = section == TransferSection::DevicesAndZones;
    save_.StartSectionSave(step);
    return true;
}

void TransferChains::ReadBackAllInto(TData& target) {
    if (readBackTarget_ != &target) {
        readBack_.emplace(host_, target);
        readBackTarget_ = &target;
    }
    activeLoad_ = &*readBack_;
    TransferState& state = host_.State();
    state.LoadAll = true;
    state.FromDeviceSummary = false;
    state.Step = kStepLoadDevices;
    host_.Status().Widen(TransferStatus::List::Load);
    host_.StartTransfer();
}

bool TransferChains::SaveRecords(std::vector<SaveRecord> records) {
    if (!SaveMayStart(records)) return false;
    UseDocumentLoad();
    host_.State().FromDeviceSummary = false;
    save_.StartRecordSave(std::move(records));
    return true;
}

bool TransferChains::SaveMayStart(const std::vector<SaveRecord>& records) {
    const std::optional<std::string> refusal = SaveRefusal(data_, records);
    if (refusal) host_.ShowError(*refusal);
    return !refusal;
}

void TransferChains::DispatchFirst() {
    const int step = host_.State().Step;
    if (LoadChain::IsLoadStep(step)) {
        activeLoad_->DispatchFirst();
    } else if (SaveChain::IsSaveStep(step)) {
        save_.DispatchFirst();
    }
}

void TransferChains::LoadAnswer(unsigned char command, const std::string& packet) {
    activeLoad_->Answer(command, packet);
}

void TransferChains::Acknowledged() {
    save_.Acknowledged();
}

TData* TransferChains::VersionModel() {
    const bool readingBack = readBack_ && activeLoad_ == &*readBack_ && host_.State().Step != kStepIdle;
    return readingBack ? readBackTarget_ : nullptr;
}

}  // namespace kelvane
