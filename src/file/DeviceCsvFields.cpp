#include "file/DeviceCsvFields.h"

#include <charconv>

#include "model/DeviceCatalogue.h"

namespace kelvane {

namespace {

constexpr std::size_t kSuffixLimit = 4;
constexpr int kGroupLimit = 32;

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Latin-1 folded to lower case: A-Z and the accented capitals (not the
// multiplication sign).
std::string Folded(std::string_view text) {
    std::string folded(Trimmed(text));
    for (char& c : folded) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7))
            c = static_cast<char>(byte + 0x20);
    }
    return folded;
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// A whole decimal number in `low`..`high`.
bool NumberIn(std::string_view text, int low, int high, int& number) {
    const char* end = text.data() + text.size();
    int value = 0;
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || value < low || value > high) return false;
    number = value;
    return true;
}

// The allocations of one class: its word and how many there are.
struct AllocationRange {
    const char* word;
    int count;
};

}  // namespace

bool DeviceCsvFields::SameText(std::string_view a, std::string_view b) {
    return Folded(a) == Folded(b);
}

std::string DeviceCsvFields::Address(std::string_view text, int& address) const {
    if (NumberIn(Trimmed(text), 1, data_.Loop.NoLoopDevices(), address)) return "";
    return "address " + Quoted(text) + " is not a number from 1 to 256";
}

std::string DeviceCsvFields::Type(std::string_view text, int address, int& code) const {
    const std::string name = Folded(text);
    for (int candidate = 0; candidate < kDeviceTypeCount; ++candidate) {
        if (name != Folded(DeviceTypeShortName(candidate)) && name != Folded(DeviceTypeLongName(candidate)))
            continue;
        if (address == 1 && candidate != dtNetworkController)
            return "address 1 is always the Network Controller";
        code = candidate;
        return "";
    }
    if (name.empty()) return "there is no device type";
    return "device type " + Quoted(text) + " is not one of the device types";
}

std::string DeviceCsvFields::Allocation(std::string_view text, int code, int& allocation) const {
    const std::string folded = Folded(text);
    if (folded.empty()) return "";
    const AllocationClass allocationClass = DeviceAllocationClass(code);
    const AllocationRange range =
        allocationClass == AllocationClass::Area    ? AllocationRange{"Area", kAreaCount}
        : allocationClass == AllocationClass::Group ? AllocationRange{"Group", kGroupLimit}
                                                    : AllocationRange{"Zone", data_.SiteConfig.ZoneLimit()};
    std::string_view value = folded;
    const std::string word = Folded(range.word);
    if (value.starts_with(word)) value = Trimmed(value.substr(word.size()));
    int index = 0;
    const bool taken = allocationClass == AllocationClass::Area
                           ? value.size() == 1 && value[0] >= 'a' && value[0] < 'a' + kAreaCount
                           : NumberIn(value, 1, range.count, index);
    if (taken) {
        allocation = allocationClass == AllocationClass::Area ? value[0] - 'a' : index - 1;
        return "";
    }
    const std::string last =
        allocationClass == AllocationClass::Area ? AreaLetter(range.count - 1) : std::to_string(range.count);
    const std::string first = allocationClass == AllocationClass::Area ? "A" : "1";
    return "allocation " + Quoted(text) + " is not one of " + range.word + " " + first + " to " + range.word +
           " " + last + " (" + DeviceTypeShortName(code) + ")";
}

std::string DeviceCsvFields::PlaceName(std::string_view text, int& placeNameIndex) const {
    const std::string name = Folded(text);
    if (name.empty() || Folded(data_.PlaceName(placeNameIndex)) == name) return "";
    for (int index = 0; index < kFirstCustomPlaceNameIndex + data_.CustomNames.Count(); ++index) {
        if (Folded(data_.PlaceName(index)) != name) continue;
        placeNameIndex = index;
        return "";
    }
    return "place name " + Quoted(text) + " is neither a standard nor a custom place name";
}

std::string DeviceCsvFields::Suffix(std::string_view text, std::string& suffix) const {
    if (text.size() > kSuffixLimit && text != suffix)
        return "suffix " + Quoted(text) + " is longer than " + std::to_string(kSuffixLimit) + " characters";
    suffix = text;
    return "";
}

std::string DeviceCsvFields::Enabled(std::string_view text, int code, int& enabled) const {
    const std::string value = Folded(text);
    if (value.empty()) {
        enabled = code >= 1 ? 1 : 0;
    } else if (value == "yes" || value == "1" || value == "true") {
        enabled = 1;
    } else if (value == "no" || value == "0" || value == "false") {
        enabled = 0;
    } else {
        return "enabled " + Quoted(text) + " is not YES or NO";
    }
    return "";
}

}  // namespace kelvane
