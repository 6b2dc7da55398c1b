#include "app/cli/TransferProgress.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>
#include <vector>

#include "model/DeviceCatalogue.h"
#include "model/GroupList.h"
#include "model/Loop.h"
#include "transfer/SaveRecords.h"

namespace kelvane::cli {

namespace {

enum class Count { Devices, SavedDevices, Zones, Groups, CustomNames, None };

// One section of a whole transfer: its items are counted in the status
// text ("Loading data for Zone 5"), or it is a run of settings, each with a
// text of its own.
struct Section {
    std::vector<std::string_view> texts;  // the counted text's start, or every setting's text
    Count count;
    int settings = 0;  // a run of settings: how many requests it makes
};

// The sections of a whole load and a whole save, in the order they run.
const std::array<std::vector<Section>, 2>& Sections() {
    static const std::array<std::vector<Section>, 2> sections{{
        {{{"Loading data for device "}, Count::Devices},
         {{"Loading data for Zone "}, Count::Zones},
         {{"Loading data for Group "}, Count::Groups},
         // The last three settings are asked without a text of their own.
         {{"Loading site configuration", "Loading Attack Reset code", "Loading Access codes",
           "Loading Night Mode settings", "Loading Timeouts"},
          Count::None,
          8},
         {{"Loading custom place name "}, Count::CustomNames}},
        {{{"Saving data for device "}, Count::SavedDevices},
         {{"Saving data for zone "}, Count::Zones},
         {{"Saving data for group "}, Count::Groups},
         {{"Saving Attack Code ", "Saving Access Codes ", "Saving Call Reset Code ",
           "Saving the current time ", "Saving the Night Mode settings ", "Saving Timeout ",
           "Saving Logger Settings ", "Saving Pager Settings ", "Saving Emergency Settings "},
          Count::None,
          9},
         {{"Saving custom place name "}, Count::CustomNames}},
    }};
    return sections;
}

// The number at the end of a counted status text.
std::optional<int> ItemNumber(std::string_view text, std::string_view start) {
    if (!text.starts_with(start)) return std::nullopt;
    const std::string_view digits = text.substr(start.size());
    int number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return number;
}

}  // namespace

std::optional<TransferProgress::Place> TransferProgress::PlaceOf(const std::string& text) const {
    const auto size = [this](const Section& section) {
        switch (section.count) {
            case Count::Devices:
                return kLoopDeviceCount;
            case Count::SavedDevices:
                return kLastSavedDevice;
            case Count::Zones:
                return zoneLimit_();
            case Count::Groups:
                return kGroupCount;
            case Count::CustomNames:
                return kCustomPlaceNameCount;
            case Count::None:
                break;
        }
        return section.settings;
    };
    for (const std::vector<Section>& transfer : Sections()) {
        std::optional<int> reached;
        int total = 0;
        for (const Section& section : transfer) {
            for (std::size_t i = 0; i < section.texts.size() && !reached; ++i) {
                if (section.count == Count::None) {
                    if (text == section.texts[i]) reached = total + static_cast<int>(i) + 1;
                } else if (const auto number = ItemNumber(text, section.texts[i])) {
                    reached = total + std::clamp(*number, 0, size(section));
                }
            }
            total += size(section);
        }
        if (reached) return Place{*reached, total};
    }
    return std::nullopt;
}

std::optional<int> TransferProgress::Percent(const TransferStatus& status) const {
    if (status.ShownList() == TransferStatus::List::None) {
        // A run of single records or of one section: its own bar is the whole of it.
        const int max = status.ProgressMax();
        if (max <= 0) return std::nullopt;
        return std::clamp(status.ProgressPosition() * 100 / max, 0, 100);
    }
    const std::optional<Place> place = PlaceOf(status.StatusText());
    if (!place || place->total <= 0) return std::nullopt;
    return place->reached * 100 / place->total;
}

bool TransferProgress::NamesAnItem(const std::string& text) const {
    for (const std::vector<Section>& transfer : Sections()) {
        for (const Section& section : transfer) {
            if (section.count == Count::None) continue;
            const auto number = ItemNumber(text, section.texts.front());
            if (!number) continue;
            if (section.count == Count::Zones) return *number <= zoneLimit_();
            if (section.count == Count::CustomNames) return *number <= kCustomPlaceNameCount;
            return true;
        }
    }
    return true;
}

}  // namespace kelvane::cli
