#include <gtest/gtest.h>

#include <tuple>

#include "EndToEndRig.h"
#include "support/SiteSamples.h"

namespace kelvane::testing {
namespace {

using Outcome = TransferSession::Outcome;

sim::SimulatorOptions InMode(int linkMode) {
    sim::SimulatorOptions options;
    options.LinkMode = linkMode;
    return options;
}

class EndToEndRoundTrip : public ::testing::TestWithParam<std::tuple<const char*, int>> {};

TEST_P(EndToEndRoundTrip, SaveEverythingThenLoadItIntoAFreshModel) {
    const auto [version, linkMode] = GetParam();
    TData original;
    PopulateTravellingFields(original, version);
    TData controller;
    controller.ResetToDefaults();
    controller.SiteConfig.MainVersion = version;
    {
        EndToEndRig rig(controller, InMode(linkMode));
        PopulateTravellingFields(rig.tool, version);
        ASSERT_EQ(rig.SaveAll(), Outcome::Completed) << rig.prompts.LastText();
        EXPECT_TRUE(rig.prompts.ShownMessages().empty());
        EXPECT_EQ(rig.Simulator().Statistics().Naked, 0);
        EXPECT_EQ(rig.session.Comms().LinkMode, linkMode);
        EXPECT_EQ(rig.Heard('J'), 255);
        EXPECT_EQ(rig.Heard('q'), 45);
    }
    EndToEndRig rig(controller, InMode(linkMode));
    ASSERT_EQ(rig.LoadAll(), Outcome::Completed) << rig.prompts.LastText();
    EXPECT_TRUE(rig.prompts.ShownMessages().empty());
    EXPECT_FALSE(rig.session.Status().Visible());
    EXPECT_EQ(rig.session.Supervisor().State().Step, kStepIdle);
    ExpectTravellingFieldsEqual(original, rig.tool);
}

INSTANTIATE_TEST_SUITE_P(ControllersAndLinkModes, EndToEndRoundTrip,
                         ::testing::Combine(::testing::Values("08A00", "07B12"), ::testing::Values(1, 2, 3)));

}  // namespace
}  // namespace kelvane::testing
