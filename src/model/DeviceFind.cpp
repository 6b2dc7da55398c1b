#include "model/DeviceFind.h"

#include <algorithm>
#include <cctype>

#include "model/DeviceSummaryRow.h"

namespace kelvane {

namespace {

// Latin-1 letters fold as ASCII ones do; the accented ones (0xC0..0xDE but
// 0xD7) are one bit away from their small forms.
unsigned char Folded(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) return static_cast<unsigned char>(std::tolower(byte));
    if (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7) return static_cast<unsigned char>(byte | 0x20);
    return byte;
}

bool ContainsFolded(const std::string& text, const std::string& needle) {
    const auto found = std::search(text.begin(), text.end(), needle.begin(), needle.end(),
                                   [](char a, char b) { return Folded(a) == Folded(b); });
    return found != text.end();
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

bool DeviceMatches(const TData& data, int n, const std::string& needle) {
    if (needle.empty()) return false;
    const DeviceSummaryTexts row = DeviceSummaryRow(data, n);
    if (Trimmed(needle) == row[dcDevNo]) return true;
    return ContainsFolded(row[dcDeviceType], needle) || ContainsFolded(row[dcAllocation], needle) ||
           ContainsFolded(DeviceNameWithSuffix(data, n), needle);
}

std::vector<int> FindDevices(const TData& data, const std::vector<int>& addresses,
                             const std::string& needle) {
    std::vector<int> found;
    for (const int n : addresses)
        if (DeviceMatches(data, n, needle)) found.push_back(n);
    return found;
}

}  // namespace kelvane
