#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "EndToEndRig.h"
#include "support/SiteSamples.h"

namespace kelvane::testing {
namespace {

using Outcome = TransferSession::Outcome;
using sim::AnswerFate;

const AnswerFate kLate{.Late = true};
const AnswerFate kNak{.Naked = true};
const AnswerFate kCorrupted{.Corrupted = true};
const AnswerFate kLateNak{.Naked = true, .Late = true};
const AnswerFate kSpoiled{.RequestSpoiled = true};
const AnswerFate kSound{};

// The fates of the answers to successive copies of chosen requests, each
// named by its command letter and record number; every other answer is sound.
class CrossingScript {
public:
    CrossingScript& On(char command, int number, std::vector<AnswerFate> fates) {
        script_[{command, number}] = std::move(fates);
        return *this;
    }
    sim::SimulatorOptions Options() {
        sim::SimulatorOptions options;
        options.DelayMs = 5000;  // beyond the 4 s reply time-out
        options.FateOf = [this](unsigned char command, const std::string& payload) {
            // A device request carries its number second, every other counted
            // record first; the site packets carry none.
            static const std::string counted("trpJusq");
            const std::size_t at = command == 'I' ? 1 : 0;
            const bool numbered =
                command == 'I' || counted.find(static_cast<char>(command)) != std::string::npos;
            const int number = numbered && payload.size() > at ? static_cast<unsigned char>(payload[at]) : -1;
            const auto found = script_.find({static_cast<char>(command), number});
            if (found == script_.end()) return kSound;
            std::size_t& copy = copies_[found->first];
            return copy < found->second.size() ? found->second[copy++] : kSound;
        };
        return options;
    }

private:
    std::map<std::pair<char, int>, std::vector<AnswerFate>> script_;
    std::map<std::pair<char, int>, std::size_t> copies_;
};

struct PopulatedController {
    PopulatedController() {
        PopulateTravellingFields(data, "08A00");
        data.Loop.Device(256).DeviceType = 0;  // as after a save: device 256 never travels
        PopulateTravellingFields(original, "08A00");
    }
    TData data;
    TData original;
};

// Every crossing must end in exactly the controller's records.
void ExpectExactLoad(CrossingScript& script) {
    PopulatedController controller;
    EndToEndRig rig(controller.data, script.Options());
    ASSERT_EQ(rig.LoadAll(), Outcome::Completed) << rig.prompts.LastText();
    EXPECT_TRUE(rig.prompts.ShownMessages().empty());
    ExpectTravellingFieldsEqual(controller.original, rig.tool);
}

// Device 35's answer comes after the time-out, so its request goes again;
// the copy's answer is then a NAK, which comes once device 36 has been asked
// for: device 36 goes again, and two answers for it are on their way.
TEST(EndToEndCrossings, ANakForTheCopyOfALateRequestShiftsNoDevice) {
    CrossingScript script;
    script.On('I', 35, {kLate, kNak});
    ExpectExactLoad(script);
}

TEST(EndToEndCrossings, ABadChecksumForTheCopyOfALateRequestShiftsNoDevice) {
    CrossingScript script;
    script.On('I', 35, {kLate, kCorrupted});
    ExpectExactLoad(script);
}

TEST(EndToEndCrossings, LateAnswersInARowShiftNoRecord) {
    CrossingScript script;
    // A slow controller: late answers, some of them twice running.
    script.On('I', 35, {kLate, kLate}).On('I', 36, {kLate}).On('I', 37, {kLate, kLate}).On('I', 38, {kLate});
    script.On('I', 90, {kLateNak, kLate});
    ExpectExactLoad(script);
}

// Zones, groups and custom names name their record, and each site answer has
// a letter of its own: a late copy must neither be stored twice nor make the
// chain skip the record after it.
TEST(EndToEndCrossings, LateCopiesOfNumberedAndSiteAnswersSkipNoRecord) {
    CrossingScript script;
    script.On('t', 7, {kLate, kNak}).On('t', 65, {kLate, kNak}).On('r', 5, {kLate, kCorrupted});
    script.On('O', -1, {kLate, kNak}).On('x', -1, {kLate, kLate}).On('p', 44, {kLate, kNak});
    ExpectExactLoad(script);
}

// A late acknowledgement must not be taken for the next packet's: here the
// next packet arrives spoiled, and would otherwise never be written.
TEST(EndToEndCrossings, ALateAcknowledgementLetsNoSavePacketBeSkipped) {
    TData controller;
    controller.ResetToDefaults();
    controller.SiteConfig.MainVersion = "08A00";
    CrossingScript script;
    script.On('J', 35, {kLate}).On('J', 36, {kSpoiled}).On('u', 9, {kLate, kNak}).On('u', 10, {kSpoiled});
    script.On('T', -1, {kLate}).On('P', -1, {kSpoiled}).On('q', 20, {kLate, kLate}).On('q', 21, {kSpoiled});
    EndToEndRig rig(controller, script.Options());
    PopulateTravellingFields(rig.tool, "08A00");
    ASSERT_EQ(rig.SaveAll(), Outcome::Completed) << rig.prompts.LastText();
    for (int n = 34; n <= 37; ++n) {
        EXPECT_EQ(controller.Loop.Device(n).DeviceType, rig.tool.Loop.Device(n).DeviceType) << n;
        EXPECT_EQ(controller.Loop.Device(n).Suffix, rig.tool.Loop.Device(n).Suffix) << n;
    }
    for (int z = 8; z <= 11; ++z)
        EXPECT_EQ(controller.ZoneList.Zones[z].DeviceEquation[1],
                  rig.tool.ZoneList.Zones[z].DeviceEquation[1])
            << z;
    EXPECT_EQ(controller.SiteConfig.AL2Code, rig.tool.SiteConfig.AL2Code);
    EXPECT_EQ(controller.SiteConfig.CallCode, rig.tool.SiteConfig.CallCode);
    for (int k = 19; k <= 22; ++k)
        EXPECT_EQ(controller.CustomNames.Item(k - 1).Name, rig.tool.CustomNames.Item(k - 1).Name) << k;
}

// The line the fault was found on: mixed faults with late answers, seeded.
TEST(EndToEndCrossings, MixedFaultsGiveExactRecordsOrAFailedLoad) {
    for (std::uint32_t seed : {2u, 3u}) {
        sim::SimulatorOptions faults;
        faults.DelayRate = 0.02;
        faults.DelayMs = 5000;
        faults.NakRate = 0.03;
        faults.CorruptRate = 0.03;
        faults.DropRate = 0.01;
        faults.Seed = seed;
        PopulatedController controller;
        EndToEndRig rig(controller.data, faults);
        ASSERT_EQ(rig.LoadAll(), Outcome::Completed) << "seed " << seed << ": " << rig.prompts.LastText();
        ExpectTravellingFieldsEqual(controller.original, rig.tool);
    }
}

}  // namespace
}  // namespace kelvane::testing
