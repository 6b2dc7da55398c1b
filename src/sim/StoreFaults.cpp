#include "sim/StoreFaults.h"

#include "model/DeviceCatalogue.h"

namespace kelvane::sim {

namespace {

constexpr std::size_t kPlaceNameByte = 6;    // of a device packet
constexpr std::size_t kFirstEntryByte = 1;   // the first area of a zone or group packet
constexpr std::size_t kFirstLetterByte = 1;  // of a custom name packet
constexpr int kPlaceNameIndexCount = kFirstCustomPlaceNameIndex + kCustomPlaceNameCount;

bool IsRecordPacket(unsigned char command) {
    return command == 'J' || command == 'u' || command == 's' || command == 'q';
}

unsigned char At(const std::string& payload, std::size_t i) {
    return static_cast<unsigned char>(payload[i]);
}

// The packet with one value changed to another the controller accepts.
std::string Miswritten(unsigned char command, std::string payload) {
    switch (command) {
        case 'J':
            payload[kPlaceNameByte] =
                static_cast<char>((At(payload, kPlaceNameByte) + 1) % kPlaceNameIndexCount);
            break;
        case 'u':
        case 's': {
            // An area member moves to the next area; an empty entry becomes area A.
            const unsigned char area = At(payload, kFirstEntryByte);
            payload[kFirstEntryByte] = static_cast<char>(area < kAreaCount ? (area + 1) % kAreaCount : 0);
            break;
        }
        default:
            payload[kFirstLetterByte] = payload[kFirstLetterByte] == '#' ? '*' : '#';
            break;
    }
    return payload;
}

// Shorter than any record packet the store takes: the store refuses it itself.
bool TooShort(unsigned char command, const std::string& payload) {
    const std::size_t needed = command == 'J' ? kPlaceNameByte + 1 : command == 'q' ? 2 : kFirstEntryByte + 1;
    return payload.size() < needed;
}

}  // namespace

std::optional<bool> StoreFaults::StoreSavePacket(unsigned char command, const std::string& payload) {
    if (!IsRecordPacket(command) || TooShort(command, payload) || !Chance())
        return store_.StoreSavePacket(command, payload);
    const bool skipped = std::uniform_int_distribution<int>(0, 1)(random_) == 0;
    const Fault fault{command, At(payload, 0), skipped};
    if (skipped) {
        faults_.push_back(fault);
        if (OnTrace) OnTrace("fault: " + Describe(fault));
        return true;
    }
    const std::optional<bool> stored = store_.StoreSavePacket(command, Miswritten(command, payload));
    // A packet the store refused stays refused: the tool sends it again.
    if (stored.value_or(false)) {
        faults_.push_back(fault);
        if (OnTrace) OnTrace("fault: " + Describe(fault));
    }
    return stored;
}

bool StoreFaults::Chance() {
    if (rate_ <= 0.0) return false;
    return std::uniform_real_distribution<double>(0.0, 1.0)(random_) < rate_;
}

std::string StoreFaults::Describe(const Fault& fault) {
    const char* what = fault.Command == 'J'   ? "device "
                       : fault.Command == 'u' ? "zone "
                       : fault.Command == 's' ? "group "
                                              : "custom name ";
    return what + std::to_string(fault.Number) + (fault.Skipped ? " not stored" : " stored wrongly");
}

}  // namespace kelvane::sim
