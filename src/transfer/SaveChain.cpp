#include "transfer/SaveChain.h"

#include "core/Pages.h"
#include "model/DeviceCatalogue.h"

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

// Device 256 is never written to the controller.
constexpr int kLastSavedDevice = kLoopDeviceCount - 1;

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
    default:
        break;
    }
}

void SaveChain::Acknowledged() {
    const TransferState& state = host_.State();
    switch (state.Step) {
    case kStepSaveDevices: NextDevice(); break;
    case kStepSaveZones: NextZone(); break;
    case kStepSaveGroups: NextGroup(); break;
    case kStepSavePlaceNames: NextCustomName(); break;
    case kStepSaveSite: break;  // set only until the site chain's first packet goes
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

void SaveChain::NextDevice() {
    TransferState& state = host_.State();
    Tick(kItemDevices);
    if (state.ItemCounter < kLastSavedDevice) {
        ++state.ItemCounter;
        SendCounted("Saving data for device ", kItemDevices, kStepSaveDevices, packets_.Device(state.ItemCounter));
    } else if (state.SaveAll) {
        GoTo(kStepSaveZones);
    } else if (host_.ActivePage() == kPageDeviceSummary) {
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
        SendCounted("Saving data for zone ", kItemZones, kStepSaveZones, packets_.Zone(state.ItemCounter));
    } else if (state.SaveAll) {
        GoTo(kStepSaveGroups);
    } else if (host_.ActivePage() == kPageDeviceSummary && document_.CustomNamesChanged) {
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
        SendCounted("Saving data for group ", kItemGroups, kStepSaveGroups, packets_.Group(state.ItemCounter));
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
    SendCounted("Saving custom place name ", kItemCustomNames, step, packets_.CustomName(state.ItemCounter));
}

// The site chain: `acknowledged` is the step of the packet just acknowledged
// (or the chain's start), and the next packet follows.
void SaveChain::SiteItem(int acknowledged) {
    switch (acknowledged) {
    case kStepSaveSite:
        Send("Saving Attack Code ", kItemAttackCode, kStepSaveAttackCode, packets_.AttackCode());
        break;
    case kStepSaveAttackCode:
        Send("Saving Access Codes ", kItemAccessCodes, kStepSaveAccessCodes, packets_.AccessCodes());
        break;
    case kStepSaveAccessCodes:
        Send("Saving Call Reset Code ", kItemCallCode, kStepSaveCallCode, packets_.CallCode());
        break;
    case kStepSaveCallCode:
        if (host_.UploadTimeSelected()) {
            Send("Saving the current time ", kItemTime, kStepSaveTime, SavePackets::Time(host_.LocalTime()));
            break;
        }
        [[fallthrough]];
    case kStepSaveTime:
        Send("Saving the Night Mode settings ", kItemNightMode, kStepSaveNightMode, packets_.NightMode());
        break;
    case kStepSaveNightMode:
        Send("Saving Timeout ", kItemTimeouts, kStepSaveTimeouts, packets_.Timeouts());
        break;
    case kStepSaveTimeouts:
        Send("Saving Logger Settings ", kItemLogger, kStepSaveLogger, packets_.Logger());
        break;
    case kStepSaveLogger:
        Send("Saving Pager Settings ", kItemPager, kStepSavePager, packets_.Pager());
        break;
    case kStepSavePager:
        Send("Saving Emergency Settings ", kItemEmergency, kStepSaveSiteEnd, packets_.Emergency());
        break;
    default:
        break;
    }
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
