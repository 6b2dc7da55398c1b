#include "transfer/LoadChain.h"

#include "model/DeviceCatalogue.h"
#include "transfer/TransferPacket.h"

namespace kelvane {

namespace {

constexpr unsigned char kTimeoutsRequest = 0x80;
constexpr unsigned char kPagerRequest = 0x7C;

// Load check list items.
enum LoadItem {
    kItemDevices = 0,
    kItemZones = 1,
    kItemGroups = 2,
    kItemCallCode = 3,
    kItemAttackCode = 4,
    kItemAccessCodes = 5,
    kItemNightMode = 6,
    kItemCustomNames = 7,
    kItemTimeouts = 8,
    kItemLogger = 9,
    kItemPager = 10,
    kItemEmergency = 11,
};

std::string DeviceRequestPayload(int n) {
    return {0x01, static_cast<char>(n & 0xFF)};
}
std::string NumberPayload(int n) {
    return std::string(1, static_cast<char>(n & 0xFF));
}

}  // namespace

bool LoadChain::IsLoadStep(int step) {
    return step == kStepLoadDevices || step == kStepLoadZones || step == kStepLoadGroups ||
           step == kStepLoadSite || step == kStepLoadPlaceNames;
}

void LoadChain::DispatchFirst() {
    TransferState& state = host_.State();
    TransferStatus& status = host_.Status();
    switch (state.Step) {
        case kStepLoadDevices:
            FirstItem(kLoopDeviceCount, "Loading data for device ", 'I', DeviceRequestPayload(1));
            break;
        case kStepLoadZones:
            FirstItem(kZoneCount, "Loading data for Zone ", 't', NumberPayload(1));
            break;
        case kStepLoadGroups:
            FirstItem(kGroupCount, "Loading data for Group ", 'r', NumberPayload(1));
            break;
        case kStepLoadSite:
            status.SetProgressPosition(status.ProgressMax());
            status.SetStatusText("Loading site configuration");
            Request('O');
            break;
        case kStepLoadPlaceNames:
            FirstItem(kCustomPlaceNameCount, "Loading custom place name ", 'p', NumberPayload(1));
            break;
        default:
            break;
    }
}

void LoadChain::FirstItem(int progressMax, const std::string& text, unsigned char command,
                          const std::string& payload) {
    host_.State().ItemCounter = 1;
    host_.Status().SetProgressMax(progressMax);
    RequestItem(text, command, payload);
}

void LoadChain::Answer(unsigned char command, const std::string& frame) {
    const TransferState& state = host_.State();
    if (state.Step == kStepIdle) return;
    // Every request is answered with its own letter; anything else while a
    // transfer runs is unexpected and the request goes again.
    const bool expected = IsLoadStep(state.Step) && !state.LastPacket.empty() &&
                          static_cast<unsigned char>(state.LastPacket[0]) == command;
    if (!expected) {
        host_.Retry();
        return;
    }
    const std::string payload = FramePayload(frame);
    switch (state.Step) {
        case kStepLoadDevices:
            DeviceAnswer(payload);
            break;
        case kStepLoadZones:
            ZoneAnswer(payload);
            break;
        case kStepLoadGroups:
            GroupAnswer(payload);
            break;
        case kStepLoadSite:
            SiteAnswer(command, payload);
            break;
        case kStepLoadPlaceNames:
            CustomNameAnswer(payload);
            break;
        default:
            break;
    }
}

void LoadChain::DeviceAnswer(const std::string& payload) {
    TransferState& state = host_.State();
    if (!answers_.Device(state.ItemCounter, payload)) {
        host_.Retry();
        return;
    }
    RecordStored();
    state.RetryCount = 0;
    Tick(kItemDevices);
    if (state.ItemCounter < kLoopDeviceCount) {
        ++state.ItemCounter;
        RequestItem("Loading data for device ", 'I', DeviceRequestPayload(state.ItemCounter));
    } else if (state.LoadAll || state.FromDeviceSummary) {
        // On the Device Summary page the zones follow the devices.
        GoTo(kStepLoadZones);
    } else {
        Finish();
    }
}

void LoadChain::ZoneAnswer(const std::string& payload) {
    TransferState& state = host_.State();
    if (state.ItemCounter > data_.SiteConfig.ZoneLimit()) {
        // The answer to the one request past the controller's last zone is not stored.
        state.RetryCount = 0;
        Tick(kItemZones);
        if (state.LoadAll) {
            GoTo(kStepLoadGroups);
        } else {
            Finish();
        }
        return;
    }
    if (!answers_.Zone(payload)) {
        host_.Retry();
        return;
    }
    RecordStored();
    state.RetryCount = 0;
    Tick(kItemZones);
    ++state.ItemCounter;
    RequestItem("Loading data for Zone ", 't', NumberPayload(state.ItemCounter),
                state.ItemCounter > data_.SiteConfig.ZoneLimit());
}

void LoadChain::GroupAnswer(const std::string& payload) {
    TransferState& state = host_.State();
    if (!answers_.Group(payload)) {
        host_.Retry();
        return;
    }
    RecordStored();
    state.RetryCount = 0;
    Tick(kItemGroups);
    if (state.ItemCounter < kGroupCount) {
        ++state.ItemCounter;
        RequestItem("Loading data for Group ", 'r', NumberPayload(state.ItemCounter));
    } else if (state.LoadAll) {
        GoTo(kStepLoadSite);
    } else {
        Finish();
    }
}

void LoadChain::SiteAnswer(unsigned char command, const std::string& payload) {
    if (!StoreSiteAnswer(command, payload)) {
        host_.Retry();
        return;
    }
    RecordStored();
    NextSiteRequest(command);
}

bool LoadChain::StoreSiteAnswer(unsigned char command, const std::string& payload) {
    // Only the code answers count as a fresh start for the retry count.
    const bool resetsRetries = command == 'O' || command == 'Q' || command == 'S';
    bool stored = false;
    switch (command) {
        case 'O':
            stored = answers_.CallCode(payload);
            break;
        case 'Q':
            stored = answers_.AttackCode(payload);
            break;
        case 'S':
            stored = answers_.AccessCodes(payload);
            break;
        case 'x':
            stored = answers_.NightMode(payload);
            break;
        case kTimeoutsRequest:
            stored = answers_.Timeouts(payload);
            break;
        case 'z':
            stored = answers_.Logger(payload);
            break;
        case kPagerRequest:
            stored = answers_.Pager(payload);
            break;
        case '~':
            stored = answers_.Emergency(payload);
            break;
        default:
            break;
    }
    if (stored && resetsRetries) host_.State().RetryCount = 0;
    return stored;
}

void LoadChain::NextSiteRequest(unsigned char answered) {
    TransferStatus& status = host_.Status();
    switch (answered) {
        case 'O':
            Tick(kItemCallCode);
            status.SetStatusText("Loading Attack Reset code");
            Request('Q');
            break;
        case 'Q':
            Tick(kItemAttackCode);
            status.SetStatusText("Loading Access codes");
            Request('S');
            break;
        case 'S':
            Tick(kItemAccessCodes);
            status.SetStatusText("Loading Night Mode settings");
            Request('x');
            break;
        case 'x':
            Tick(kItemNightMode);
            status.SetStatusText("Loading Timeouts");
            Request(kTimeoutsRequest);
            break;
        case kTimeoutsRequest:
            Tick(kItemTimeouts);
            Request('z');
            break;
        case 'z':
            Tick(kItemLogger);
            Request(kPagerRequest);
            break;
        case kPagerRequest:
            Tick(kItemPager);
            Request('~');
            break;
        case '~':
            Tick(kItemEmergency);
            if (host_.State().LoadAll) {
                GoTo(kStepLoadPlaceNames);
            } else {
                Finish();
            }
            break;
        default:
            break;
    }
}

void LoadChain::CustomNameAnswer(const std::string& payload) {
    TransferState& state = host_.State();
    if (state.ItemCounter > kCustomPlaceNameCount) {
        // The answer to the request past the last name is not stored.
        state.RetryCount = 0;
        Tick(kItemCustomNames);
        Finish();
        host_.RefreshPlaceNameLists();
        return;
    }
    if (!answers_.CustomName(payload)) {
        host_.Retry();
        return;
    }
    RecordStored();
    state.RetryCount = 0;
    Tick(kItemCustomNames);
    ++state.ItemCounter;
    RequestItem("Loading custom place name ", 'p', NumberPayload(state.ItemCounter),
                state.ItemCounter > kCustomPlaceNameCount);
}

void LoadChain::RecordStored() {
    if (document_ && !document_->Modified()) document_->SetModified(true);
}

void LoadChain::Request(unsigned char command, const std::string& payload) {
    host_.SendTransferPacket(MakePacket(command, payload));
}

void LoadChain::RequestItem(const std::string& text, unsigned char command, const std::string& payload,
                            bool closing) {
    const int counter = host_.State().ItemCounter;
    host_.Status().SetProgressPosition(counter);
    host_.Status().SetStatusText(text + std::to_string(counter));
    if (closing) {
        host_.SendClosingRequest(MakePacket(command, payload));
    } else {
        Request(command, payload);
    }
}

void LoadChain::GoTo(int step) {
    host_.State().Step = static_cast<std::uint8_t>(step);
    DispatchFirst();
}

}  // namespace kelvane
