#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "CompareSamples.h"
#include "VerifyRig.h"
#include "compare/SiteComparison.h"
#include "model/DeviceCatalogue.h"

namespace kelvane {
namespace {

using Result = ControllerVerify::Result;
using testing::VerifyRig;

std::set<std::pair<DifferenceSection, int>> Records(const std::vector<SiteDifference>& differences) {
    std::set<std::pair<DifferenceSection, int>> records;
    for (const SiteDifference& difference : differences)
        records.insert({difference.Section, difference.Number});
    return records;
}

DifferenceSection SectionOf(unsigned char command) {
    switch (command) {
        case 'J':
            return DifferenceSection::Device;
        case 'u':
            return DifferenceSection::Zone;
        case 's':
            return DifferenceSection::Group;
        default:
            return DifferenceSection::CustomName;
    }
}

class ControllerVerifyTest : public ::testing::TestWithParam<const char*> {};

TEST_P(ControllerVerifyTest, ADenseSiteSavedAndReadBackHasNoDifference) {
    VerifyRig rig(GetParam());
    testing::PopulateEveryField(rig.site, "Not Available");
    const Result result = rig.SaveAndVerify();
    EXPECT_TRUE(result.Saved);
    EXPECT_TRUE(result.Compared);
    EXPECT_THAT(testing::Lines(result.Differences), ::testing::ElementsAre());
    EXPECT_TRUE(rig.prompts.ShownMessages().empty()) << rig.prompts.LastText();

    // The ordinary load into a fresh document agrees with the comparison's scope.
    TData loaded;
    Document document;
    TransferSession load(rig.device, rig.clock, rig.paths, loaded, document, rig.prompts);
    load.DriveWith(
        rig.clock, [&rig] { rig.device.Service(); }, VerifyRig::kStepMs);
    loaded.ResetToDefaults();
    load.LoadAll();
    ASSERT_EQ(load.RunDriven(VerifyRig::kLimitMs), TransferSession::Outcome::Completed);
    EXPECT_TRUE(CompareSites(rig.site, loaded, ComparisonScope::Controller(loaded)).empty());
    EXPECT_FALSE(CompareSites(rig.site, loaded, ComparisonScope::EveryField()).empty());
}

INSTANTIATE_TEST_SUITE_P(NewAndOlderController, ControllerVerifyTest, ::testing::Values("08A00", "07B12"));

TEST(ControllerVerify, TheReadBackLeavesTheOpenSiteAndItsVersionAlone) {
    VerifyRig rig("07B12");
    testing::PopulateEveryField(rig.site, "Not Available");
    TData before;
    testing::PopulateEveryField(before, "Not Available");
    rig.controller.Loop.Device(3).DeviceType = dtDoorbell;

    const Result result = rig.Verify();
    ASSERT_TRUE(result.Compared);
    EXPECT_FALSE(result.Saved);
    EXPECT_FALSE(result.Differences.empty());
    EXPECT_TRUE(CompareSites(before, rig.site, ComparisonScope::EveryField()).empty());
    EXPECT_EQ(rig.site.SiteConfig.MainVersion, "Not Available");
    EXPECT_EQ(rig.session.Headless()->MainVersion, "");  // nothing was shown
    EXPECT_EQ(rig.session.ReadBackSite().SiteConfig.MainVersion, "07B12");
    EXPECT_EQ(rig.session.ReadBackSite().Loop.Device(3).DeviceType, dtDoorbell);
    // An older controller's 32 zones are the scope.
    for (const SiteDifference& difference : result.Differences) {
        if (difference.Section == DifferenceSection::Zone) {
            EXPECT_LE(difference.Number, 32);
        }
    }
}

TEST(ControllerVerify, AControllerThatStoresRecordsWronglyOrSkipsThemIsCaught) {
    VerifyRig rig("08A00", 0.03, 7);
    testing::PopulateEveryField(rig.site, "08A00");
    const Result result = rig.SaveAndVerify();
    // The save itself reports success: every packet was acknowledged.
    ASSERT_TRUE(result.Saved);
    ASSERT_TRUE(result.Compared);
    const auto& faults = rig.faults.Faults();
    ASSERT_GE(faults.size(), 3u);
    ASSERT_TRUE(std::any_of(faults.begin(), faults.end(), [](const auto& f) { return f.Skipped; }));
    ASSERT_TRUE(std::any_of(faults.begin(), faults.end(), [](const auto& f) { return !f.Skipped; }));
    std::set<std::pair<DifferenceSection, int>> faulted;
    for (const auto& fault : faults) faulted.insert({SectionOf(fault.Command), fault.Number});
    EXPECT_EQ(Records(result.Differences), faulted);

    // Saving just those records again (the controller now stores well) puts it right.
    rig.faults.SetRate(0.0);
    const std::string heardBefore = rig.device.Simulator().CommandsHeard();
    const Result again = rig.ResaveAndVerify(result.Differences);
    EXPECT_TRUE(again.Saved);
    EXPECT_TRUE(again.Compared);
    EXPECT_TRUE(again.Differences.empty()) << DifferenceLines(again.Differences);
    const std::string heard = rig.device.Simulator().CommandsHeard().substr(heardBefore.size());
    std::size_t records = 0;
    for (char command : heard) records += std::string("Jusq").find(command) != std::string::npos;
    EXPECT_EQ(records, faulted.size());
}

TEST(ControllerVerify, TheStatusShowsTheReadBackAsTheSecondPhase) {
    VerifyRig rig("08A00");
    testing::PopulateTravellingFields(rig.site, "08A00");
    std::vector<std::pair<std::string, TransferStatus::List>> phases;
    TransferStatus& status = rig.session.Status();
    status.OnChanged = [&] {
        if (status.Visible() && (phases.empty() || phases.back().first != status.Phase()))
            phases.emplace_back(status.Phase(), status.ShownList());
    };
    rig.SaveAndVerify();
    EXPECT_EQ(phases, (std::vector<std::pair<std::string, TransferStatus::List>>{
                          {ControllerVerify::kSavePhase, TransferStatus::List::Save},
                          {ControllerVerify::kVerifyPhase, TransferStatus::List::Load}}));
    EXPECT_FALSE(status.Visible());
    EXPECT_EQ(status.Phase(), "");
}

TEST(ControllerVerify, FailuresSayHowFarTheRunGot) {
    VerifyRig silent("08A00");
    silent.device.Simulator().Options().Silent = true;
    const Result nothing = silent.SaveAndVerify();
    EXPECT_FALSE(nothing.Saved);
    EXPECT_FALSE(nothing.Compared);
    EXPECT_FALSE(silent.prompts.ShownMessages().empty());

    // The controller falls silent once the save is through: the read-back fails.
    VerifyRig rig("08A00");
    TransferStatus& status = rig.session.Status();
    status.OnChanged = [&] {
        if (status.Phase() == ControllerVerify::kVerifyPhase) rig.device.Simulator().Options().Silent = true;
    };
    const Result saved = rig.SaveAndVerify();
    EXPECT_TRUE(saved.Saved);
    EXPECT_FALSE(saved.Compared);
    EXPECT_EQ(rig.prompts.LastText(), "Error: cannot communicate with panel");
    EXPECT_FALSE(rig.verify.Busy());
}

TEST(ControllerVerify, RecordsToSaveAreThePacketsCarryingTheDifferingFields) {
    using K = SaveRecordKind;
    const std::vector<SiteDifference> differences{
        {DifferenceSection::Device, 17, "Suffix", "a", "b"},
        {DifferenceSection::Device, 17, "Enabled", "YES", "NO"},
        {DifferenceSection::Device, 256, "Suffix", "a", "b"},
        {DifferenceSection::Zone, 5, "AreaEquation", "A", ""},
        {DifferenceSection::Group, 32, "DivertEquation", "1", ""},
        {DifferenceSection::Site, 0, "AL3Code", "1", "2"},
        {DifferenceSection::Site, 0, "AL2Code", "1", "2"},
        {DifferenceSection::Site, 0, "SurveyorEnable", "Yes", "No"},
        {DifferenceSection::Site, 0, "ClientName", "x", "y"},
        {DifferenceSection::CustomName, 45, "Name", "x", "y"},
        {DifferenceSection::Repeater, 3, "Fitted", "No", "Yes"},
    };
    EXPECT_EQ(ControllerVerify::RecordsToSave(differences), (std::vector<SaveRecord>{{K::Device, 17},
                                                                                     {K::Zone, 5},
                                                                                     {K::Group, 32},
                                                                                     {K::AccessCodes, 0},
                                                                                     {K::Logger, 0},
                                                                                     {K::CustomName, 45}}));
}

}  // namespace
}  // namespace kelvane
