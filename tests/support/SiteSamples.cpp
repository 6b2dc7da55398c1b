#include "support/SiteSamples.h"

#include <random>

#include "file/SiteFields.h"

namespace kelvane::testing {

void FillSite(TData& data, unsigned seed) {
    std::mt19937 random(seed);
    const auto number = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    // Texts with Latin-1 bytes, inner blanks, "=" and ";", and in turn plain
    // ends, blanks at both ends (which the reader trims) and enclosing
    // quotes (which the reader removes): the writer quotes the last two.
    int texts = 0;
    const auto text = [&](std::size_t length) {
        static const std::string kAlphabet = "ABCxyz019 =;/&\xA3\xE9\xFF";
        static const std::pair<char, char> kEnds[] = {{'K', '\xE9'}, {' ', ' '}, {'"', '"'}, {'\'', '\''}};
        std::string value;
        for (std::size_t i = 0; i < length; ++i) value += kAlphabet[static_cast<std::size_t>(number(0, 17))];
        const auto& [front, back] = kEnds[texts++ % 4];
        value.front() = front;
        value.back() = back;
        return value;
    };
    for (int n = 1; n <= kLoopDeviceCount; ++n) {
        TKDeviceType& device = data.Loop.Device(n);
        device.DeviceType = number(1, 9);
        device.Allocation = device.DeviceType == 7 ? number(0, 64) : number(0, 80);
        device.PlaceNameIndex = number(0, 85);
        device.Suffix = text(4);
        device.Enabled = number(0, 1);
    }
    for (int z = 1; z <= kZoneCount; ++z) {
        TKZone& zone = data.ZoneList.Zones[static_cast<std::size_t>(z)];
        zone.Name = text(16);
        for (int e = 1; e <= kEquationTerms; ++e) {
            zone.AreaEquation[static_cast<std::size_t>(e)] = number(0, 25);
            zone.DeviceEquation[static_cast<std::size_t>(e)] = number(0, 255);
        }
    }
    for (int g = 1; g <= kGroupCount; ++g) {
        TKGroup& group = data.GroupList.Groups[static_cast<std::size_t>(g)];
        for (int e = 1; e <= kEquationTerms; ++e) {
            group.PrimaryAreaEquation[static_cast<std::size_t>(e)] = number(0, 25);
            group.NightAreaEquation[static_cast<std::size_t>(e)] = number(0, 25);
            group.DivertEquation[static_cast<std::size_t>(e)] = number(0, 31);
        }
    }
    for (int i = 0; i < data.CustomNames.Count(); ++i) data.CustomNames.Item(i).Name = text(11);
    for (const SiteTextField& field : kSiteTextFields) data.SiteConfig.*field.member = text(25);
    for (const SiteBoolField& field : kSiteBoolFields) {
        if (field.section) data.SiteConfig.*field.member = !field.readerDefault;
    }
    data.SiteConfig.AttackState = true;  // differs from the reader's default
    data.SiteConfig.LoggerSetting = 7;
    data.SiteConfig.PagerLevel = 3;
    data.SiteConfig.AccTimeout = 5;
    data.SiteConfig.DivTimeout = 8;
    data.SiteConfig.MainVersion = "09C07";
    for (int n = 1; n <= kRepeaterCount; ++n) {
        data.RepeaterList.Repeater(n).Name = text(15);
        data.RepeaterList.Repeater(n).Fitted = n % 2 == 1;
    }
    data.RepeaterList.PanelName = text(15);
    data.RepeaterList.Segment = 12;
    data.Comments = {"First line", "", text(60), "last"};
}

}  // namespace kelvane::testing
