#include "ui/controller/TransferNotice.h"

#include <array>
#include <ctime>
#include <initializer_list>
#include <vector>

#include "model/DeviceCatalogue.h"

namespace kelvane {

namespace {

enum class Section { Devices, Zones, Groups, Site, CustomNames };

// The sections in the order every transfer takes them, with the steps that
// load and save each and the check list items that tick as it goes.
struct SectionSteps {
    Section section;
    std::uint8_t loadStep;
    std::uint8_t saveStep;
    std::initializer_list<int> loadItems;
    std::initializer_list<int> saveItems;
    const char* saved;
};

const std::array<SectionSteps, 5>& Sections() {
    static const std::array<SectionSteps, 5> sections{{
        {Section::Devices, kStepLoadDevices, kStepSaveDevices, {0}, {0}, "devices"},
        {Section::Zones, kStepLoadZones, kStepSaveZones, {1}, {1}, "zones"},
        {Section::Groups, kStepLoadGroups, kStepSaveGroups, {2}, {2}, "groups"},
        {Section::Site,
         kStepLoadSite,
         kStepSaveSite,
         {3, 4, 5, 6, 8, 9, 10, 11},
         {3, 4, 5, 6, 8, 9, 10, 11, 12},
         "site settings"},
        {Section::CustomNames, kStepLoadPlaceNames, kStepSavePlaceNames, {7}, {7}, "custom place names"},
    }};
    return sections;
}

bool AnyChecked(const TransferStatus& status, TransferStatus::List list, std::initializer_list<int> items) {
    for (const int item : items)
        if (status.Checked(list, item)) return true;
    return false;
}

// "a", "a and b", "a, b and c".
std::string Join(const std::vector<std::string>& parts) {
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) text += i + 1 == parts.size() ? " and " : ", ";
        text += parts[i];
    }
    return text;
}

std::string Loaded(Section section, const TData& data) {
    switch (section) {
        case Section::Devices:
            return std::to_string(kLoopDeviceCount) + " devices";
        case Section::Zones:
            return std::to_string(data.SiteConfig.ZoneLimit()) + " zones";
        case Section::Groups:
            return std::to_string(kGroupCount) + " groups";
        case Section::Site:
            return "the site settings";
        case Section::CustomNames:
            return std::to_string(kCustomPlaceNameCount) + " custom place names";
    }
    return {};
}

}  // namespace

void TransferNotice::Started(const TransferState& state, bool readBack) {
    firstStep_ = state.Step;
    readBack_ = readBack;
}

std::string TransferNotice::Ended(std::uint8_t step, bool completed, const TransferStatus& status) const {
    if (readBack_) return {};
    bool load = false;
    for (const SectionSteps& section : Sections()) load = load || firstStep_ == section.loadStep;
    return load ? LoadEnded(step, completed, status) : SaveEnded(completed, status);
}

std::string TransferNotice::LoadEnded(std::uint8_t step, bool completed, const TransferStatus& status) const {
    // Sections come one after the other: every ticked one before the
    // section the load ended in was loaded whole.
    std::vector<std::string> loaded;
    for (const SectionSteps& section : Sections()) {
        if (!AnyChecked(status, TransferStatus::List::Load, section.loadItems)) continue;
        const bool whole = completed || section.loadStep != step;
        loaded.push_back(whole ? Loaded(section.section, data_)
                               : "part of the " + std::string(section.saved));
    }
    if (completed) return "Loaded " + Join(loaded) + " from " + Controller() + " at " + Now();
    if (loaded.empty()) return "Load from the controller stopped at " + Now() + ": nothing was loaded";
    return "Load from the controller stopped at " + Now() + " after loading " + Join(loaded) +
           "; the rest of the site is as it was";
}

std::string TransferNotice::SaveEnded(bool completed, const TransferStatus& status) const {
    // A section save that goes on with the next section starts its check
    // list again: the section it started with was sent whole.
    std::vector<std::string> sent;
    for (const SectionSteps& section : Sections()) {
        if (AnyChecked(status, TransferStatus::List::Save, section.saveItems) ||
            (completed && firstStep_ == section.saveStep))
            sent.push_back(section.saved);
    }
    if (completed) {
        // Records saved again after a verify tick no section.
        const std::string what = sent.empty() ? "the differing records" : "the " + Join(sent);
        return "Saved " + what + " to " + Controller() + " at " + Now();
    }
    if (sent.empty()) return "Save to the controller stopped at " + Now() + ": nothing was sent";
    return "Save to the controller stopped at " + Now() + " while sending the " + Join(sent) +
           "; the controller keeps what it received";
}

std::string TransferNotice::Controller() const {
    return "the controller " + data_.GetMainVersion();
}

std::string TransferNotice::Now() const {
    const std::tm now = clock_.LocalTime();
    char text[8];
    return std::string(text, std::strftime(text, sizeof text, "%H:%M", &now));
}

}  // namespace kelvane
