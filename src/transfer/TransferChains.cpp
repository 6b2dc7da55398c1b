#include "transfer/TransferChains.h"

#include "core/Pages.h"
#include "transfer/SaveCheck.h"

namespace kelvane {

namespace {

std::uint8_t LoadStepForPage(int page) {
    switch (page) {
    case kPageDeviceSummary:
    case kPageDevices: return kStepLoadDevices;
    case kPageZoneConfig: return kStepLoadZones;
    case kPageGroupConfig: return kStepLoadGroups;
    case kPagePlaceNames: return kStepLoadPlaceNames;
    case kPageSiteConfig: return kStepLoadSite;
    default: return kStepIdle;
    }
}

std::uint8_t SaveStepForPage(int page) {
    switch (page) {
    case kPageDeviceSummary:
    case kPageDevices: return kStepSaveDevices;
    case kPageZoneConfig: return kStepSaveZones;
    case kPageGroupConfig: return kStepSaveGroups;
    case kPagePlaceNames: return kStepSavePlaceNames;
    case kPageSiteConfig: return kStepSaveSite;
    default: return kStepIdle;
    }
}

}  // namespace

TransferChains::TransferChains(TransferHost& host, TData& data, Document& document)
    : host_(host), data_(data), load_(host, data, document), save_(host, data, document) {}

bool TransferChains::LoadAllFromPanel() {
    if (host_.ActivePage() == kPageViewEventLog) return false;
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
    const int page = host_.ActivePage();
    const std::uint8_t step = LoadStepForPage(page);
    if (step == kStepIdle) return false;
    UseDocumentLoad();
    TransferState& state = host_.State();
    state.LoadAll = false;
    state.FromDeviceSummary = page == kPageDeviceSummary;
    state.Step = step;
    host_.StartTransfer();
    return true;
}

bool TransferChains::SaveAllToPanel() {
    if (host_.ActivePage() == kPageViewEventLog || !SaveMayStart(WholeSaveRecords())) return false;
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
    const int page = host_.ActivePage();
    const std::uint8_t step = SaveStepForPage(page);
    if (step == kStepIdle || !SaveMayStart(SectionSaveRecords(step))) return false;
    UseDocumentLoad();
    host_.State().FromDeviceSummary = page == kPageDeviceSummary;
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

void TransferChains::Acknowledged() { save_.Acknowledged(); }

TData* TransferChains::VersionModel() {
    const bool readingBack = readBack_ && activeLoad_ == &*readBack_ && host_.State().Step != kStepIdle;
    return readingBack ? readBackTarget_ : nullptr;
}

}  // namespace kelvane
