#include "transfer/SaveChain.h"

#include "model/DeviceCatalogue.h"
#include "transfer/SaveRecords.h"

namespace kelvane {

namespace {

// Save check list items.
enum SaveItem {
    kItemDevices = 0,
    kItemZones = 1,
    kItemGroups = 2,
    kItemCallCode = 3,
    kItemAttackCode = 4,
    kItemAccessCodes = 5,
    kItemNightMode = 6,
    kItemCustomNames = 7,
    kItemTime = 8,
    kItemTimeouts = 9,
    kItemLogger = 10,
    kItemPager = 11,
    kItemEmergency = 12,
};

// Ticks no check item (a list of single records shows no check list).
constexpr int kNoItem = -1;

constexpr const char* kDeviceText = "Saving data for device ";
constexpr const char* kZoneText = "Saving data for zone ";
constexpr const char* kGroupText = "Saving data for group ";
constexpr const char* kCustomNameText = "Saving custom place name ";

// How the site chain sends each of its packets but the time.
struct SiteStep {
    const char* text;
    int item;
    std::uint8_t step;
};

SiteStep SiteStepOf(SaveRecordKind kind) {
    switch (kind) {
        case SaveRecordKind::AttackCode:
            return {"Saving Attack Code ", kItemAttackCode, kStepSaveAttackCode};
        case SaveRecordKind::AccessCodes:
            return {"Saving Access Codes ", kItemAccessCodes, kStepSaveAccessCodes};
        case SaveRecordKind::CallCode:
            return {"Saving Call Reset Code ", kItemCallCode, kStepSaveCallCode};
        case SaveRecordKind::NightMode:
            return {"Saving the Night Mode settings ", kItemNightMode, kStepSaveNightMode};
        case SaveRecordKind::Timeouts:
            return {"Saving Timeout ", kItemTimeouts, kStepSaveTimeouts};
        case SaveRecordKind::Logger:
            return {"Saving Logger Settings ", kItemLogger, kStepSaveLogger};
        case SaveRecordKind::Pager:
            return {"Saving Pager Settings ", kItemPager, kStepSavePager};
        default:
            return {"Saving Emergency Settings ", kItemEmergency, kStepSaveSiteEnd};
    }
}

}  // namespace

bool SaveChain::IsSaveStep(int step) {
    switch (step) {
        case kStepSaveDevices:
        case kStepSaveGroups:
        case kStepSaveSite:
        case kStepSaveZones:
        case kStepSaveAttackCode:
        case kStepSaveAccessCodes:
        case kStepSaveTime:
        case kStepSaveSiteEnd:
        case kStepSavePlaceNames:
        case kStepSaveCallCode:
        case kStepSaveNightMode:
        case kStepSaveTimeouts:
        case kStepSaveLogger:
        case kStepSavePager:
        case kStepSaveRecords:
            return true;
        default:
            return false;
    }
}

void SaveChain::DispatchFirst() {
    TransferState& state = host_.State();
    TransferStatus& status = host_.Status();
    switch (state.Step) {
        case kStepSaveDevices:
            state.ItemCounter = 0;
            status.SetProgressMax(kLoopDeviceCount);
            NextDevice();
            break;
        case kStepSaveZones:
            state.ItemCounter = 0;
            status.SetProgressMax(kZoneCount);
            NextZone();
            break;
        case kStepSaveGroups:
            state.ItemCounter = 0;
            status.SetProgressMax(kGroupCount);
            NextGroup();
            break;
        case kStepSaveSite:
            state.ItemCounter = 0;
            SiteItem(kStepSaveSite);
            break;
        case kStepSavePlaceNames:
            state.ItemCounter = 0;
            status.SetProgressMax(kCustomPlaceNameCount);
            NextCustomName();
            break;
        case kStepSaveRecords:
            state.ItemCounter = 0;
            status.SetProgressMax(static_cast<int>(records_.size()));
            NextRecord();
            break;
        default:
            break;
    }
}

void SaveChain::Acknowledged() {
    const TransferState& state = host_.State();
    switch (state.Step) {
        case kStepSaveDevices:
            NextDevice();
            break;
        case kStepSaveZones:
            NextZone();
            break;
        case kStepSaveGroups:
            NextGroup();
            break;
        case kStepSavePlaceNames:
            NextCustomName();
            break;
        case kStepSaveRecords:
            NextRecord();
            break;
        case kStepSaveSite:
            break;  // set only until the site chain's first packet goes
        case kStepSaveSiteEnd:
            // During a whole save the custom names follow on the same step.
            if (state.SaveAll) {
                NextCustomName();
            } else {
                host_.FinishTransfer(true);
            }
            break;
        default:
            if (IsSaveStep(state.Step)) SiteItem(state.Step);
            break;
    }
}

void SaveChain::StartSectionSave(std::uint8_t step) {
    TransferState& state = host_.State();
    state.SaveAll = false;
    state.NvmCheckPending = true;
    state.Step = step;
    host_.StartTransfer();
}

void SaveChain::StartRecordSave(std::vector<SaveRecord> records) {
    records_ = std::move(records);
    StartSectionSave(kStepSaveRecords);
}

void SaveChain::NextDevice() {
    TransferState& state = host_.State();
    Tick(kItemDevices);
    if (state.ItemCounter < kLastSavedDevice) {
        ++state.ItemCounter;
        SendCounted(kDeviceText, kItemDevices, kStepSaveDevices, packets_.Device(state.ItemCounter));
    } else if (state.SaveAll) {
        GoTo(kStepSaveZones);
    } else if (state.FromDeviceSummary) {
        // On the Device Summary page the zones follow the devices.
        StartSectionSave(kStepSaveZones);
    } else {
        host_.FinishTransfer(true);
    }
}

void SaveChain::NextZone() {
    TransferState& state = host_.State();
    Tick(kItemZones);
    if (state.ItemCounter < data_.SiteConfig.ZoneLimit()) {
        ++state.ItemCounter;
        SendCounted(kZoneText, kItemZones, kStepSaveZones, packets_.Zone(state.ItemCounter));
    } else if (state.SaveAll) {
        GoTo(kStepSaveGroups);
    } else if (state.FromDeviceSummary && document_.CustomNamesChanged) {
        StartSectionSave(kStepSavePlaceNames);
    } else {
        host_.FinishTransfer(false);
    }
}

void SaveChain::NextGroup() {
    TransferState& state = host_.State();
    Tick(kItemGroups);
    if (state.ItemCounter < kGroupCount) {
        ++state.ItemCounter;
        SendCounted(kGroupText, kItemGroups, kStepSaveGroups, packets_.Group(state.ItemCounter));
    } else if (state.SaveAll) {
        GoTo(kStepSaveSite);
    } else {
        host_.FinishTransfer(false);
    }
}

void SaveChain::NextCustomName() {
    TransferState& state = host_.State();
    Tick(kItemCustomNames);
    if (state.ItemCounter >= kCustomPlaceNameCount) {
        host_.FinishTransfer(false);
        document_.CustomNamesChanged = false;
        return;
    }
    ++state.ItemCounter;
    // During a whole save the names go out on the site chain's last step.
    const std::uint8_t step = state.SaveAll ? kStepSaveSiteEnd : kStepSavePlaceNames;
    SendCounted(kCustomNameText, kItemCustomNames, step, packets_.CustomName(state.ItemCounter));
}

// The site chain: `acknowledged` is the step of the packet just acknowledged
// (or the chain's start), and the next packet follows.
void SaveChain::SiteItem(int acknowledged) {
    switch (acknowledged) {
        case kStepSaveSite:
            SendSite(SaveRecordKind::AttackCode);
            break;
        case kStepSaveAttackCode:
            SendSite(SaveRecordKind::AccessCodes);
            break;
        case kStepSaveAccessCodes:
            SendSite(SaveRecordKind::CallCode);
            break;
        case kStepSaveCallCode:
            if (host_.UploadTimeSelected()) {
                Send("Saving the current time ", kItemTime, kStepSaveTime,
                     SavePackets::Time(host_.LocalTime()));
                break;
            }
            [[fallthrough]];
        case kStepSaveTime:
            SendSite(SaveRecordKind::NightMode);
            break;
        case kStepSaveNightMode:
            SendSite(SaveRecordKind::Timeouts);
            break;
        case kStepSaveTimeouts:
            SendSite(SaveRecordKind::Logger);
            break;
        case kStepSaveLogger:
            SendSite(SaveRecordKind::Pager);
            break;
        case kStepSavePager:
            SendSite(SaveRecordKind::Emergency);
            break;
        default:
            break;
    }
}

void SaveChain::SendSite(SaveRecordKind kind) {
    const SiteStep step = SiteStepOf(kind);
    Send(step.text, step.item, step.step, RecordPacket({kind, 0}));
}

void SaveChain::NextRecord() {
    TransferState& state = host_.State();
    if (state.ItemCounter >= static_cast<int>(records_.size())) {
        host_.FinishTransfer(false);
        return;
    }
    const SaveRecord& record = records_[static_cast<std::size_t>(state.ItemCounter)];
    host_.Status().SetProgressPosition(++state.ItemCounter);
    const std::string number = std::to_string(record.Number);
    std::string text;
    switch (record.Kind) {
        case SaveRecordKind::Device:
            text = kDeviceText + number;
            break;
        case SaveRecordKind::Zone:
            text = kZoneText + number;
            break;
        case SaveRecordKind::Group:
            text = kGroupText + number;
            break;
        case SaveRecordKind::CustomName:
            text = kCustomNameText + number;
            break;
        default:
            text = SiteStepOf(record.Kind).text;
            break;
    }
    Send(text, kNoItem, kStepSaveRecords, RecordPacket(record));
}

std::string SaveChain::RecordPacket(const SaveRecord& record) const {
    switch (record.Kind) {
        case SaveRecordKind::Device:
            return packets_.Device(record.Number);
        case SaveRecordKind::Zone:
            return packets_.Zone(record.Number);
        case SaveRecordKind::Group:
            return packets_.Group(record.Number);
        case SaveRecordKind::CustomName:
            return packets_.CustomName(record.Number);
        case SaveRecordKind::AttackCode:
            return packets_.AttackCode();
        case SaveRecordKind::AccessCodes:
            return packets_.AccessCodes();
        case SaveRecordKind::CallCode:
            return packets_.CallCode();
        case SaveRecordKind::NightMode:
            return packets_.NightMode();
        case SaveRecordKind::Timeouts:
            return packets_.Timeouts();
        case SaveRecordKind::Logger:
            return packets_.Logger();
        case SaveRecordKind::Pager:
            return packets_.Pager();
        case SaveRecordKind::Emergency:
            return packets_.Emergency();
    }
    return {};
}

void SaveChain::Send(const std::string& text, int item, std::uint8_t step, const std::string& packet) {
    TransferState& state = host_.State();
    host_.Status().SetStatusText(text);
    Tick(item);
    state.RetryCount = 0;
    state.Step = step;
    host_.SendTransferPacket(packet);
}

void SaveChain::SendCounted(const std::string& text, int item, std::uint8_t step, const std::string& packet) {
    const int counter = host_.State().ItemCounter;
    host_.Status().SetProgressPosition(counter);
    Send(text + std::to_string(counter), item, step, packet);
}

void SaveChain::GoTo(std::uint8_t step) {
    host_.State().Step = step;
    DispatchFirst();
}

}  // namespace kelvane
