#include "routing/SiteWords.h"

#include "model/DeviceCatalogue.h"

namespace kelvane {

std::string DeviceWords(const TData& data, int n) {
    const TKDeviceType& device = data.Loop.Device(n);
    std::string type = DeviceTypeLongName(device.DeviceType);
    if (type.empty()) type = "type " + std::to_string(device.DeviceType);
    std::string place = data.DevicePlaceName(n);
    if (!device.Suffix.empty()) place += " " + device.Suffix;
    return type + " \"" + place + "\"";
}

std::string ZoneWords(const TData& data, int zone) {
    const std::string number = "Zone " + std::to_string(zone);
    const std::string& name = data.ZoneList.Zones.at(static_cast<std::size_t>(zone)).Name;
    return name.empty() || name == number ? number : number + " (\"" + name + "\")";
}

std::string NumberList(const std::vector<int>& numbers) {
    std::string text;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (i > 0) text += i + 1 == numbers.size() ? " and " : ", ";
        text += std::to_string(numbers[i]);
    }
    return text;
}

}  // namespace kelvane
