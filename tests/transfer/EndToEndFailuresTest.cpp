#include <gtest/gtest.h>

#include "EndToEndRig.h"
#include "sim/DemoSite.h"
#include "support/SiteSamples.h"

namespace kelvane::testing {
namespace {

using Outcome = TransferSession::Outcome;

constexpr const char* kNvmNotFitted =
    "The NVM Program link is not fitted in the panel. Please fit the link and select Retry. Press Abort to "
    "exit.";
constexpr const char* kCannotCommunicate = "Error: cannot communicate with panel";

sim::SimulatorOptions NvmNotFitted() {
    sim::SimulatorOptions options;
    options.NvmFitted = false;
    return options;
}

struct EmptyController {
    EmptyController() {
        data.ResetToDefaults();
        data.SiteConfig.MainVersion = "08A00";
    }
    TData data;
};

TEST(EndToEndNvmLink, AbortEndsTheSaveBeforeAnyRecordIsWritten) {
    EmptyController controller;
    EndToEndRig rig(controller.data, NvmNotFitted());
    PopulateTravellingFields(rig.tool, "08A00");
    rig.prompts.Queue(PromptAnswer::Abort);
    EXPECT_EQ(rig.SaveAll(), Outcome::Failed);
    ASSERT_EQ(rig.prompts.ShownMessages().size(), 1u);
    EXPECT_EQ(rig.prompts.LastText(), kNvmNotFitted);
    EXPECT_EQ(rig.Simulator().CommandsHeard(), "AB");
    EXPECT_EQ(controller.data.Loop.Device(2).DeviceType, 0);
    EXPECT_FALSE(rig.session.Status().Visible());

    // Nothing more goes out once aborted.
    for (int i = 0; i < 1000; ++i) rig.session.Step();
    EXPECT_EQ(rig.Simulator().CommandsHeard(), "AB");
}

TEST(EndToEndNvmLink, RetryAsksAgainAndTheSaveGoesOnOnceTheLinkIsFitted) {
    EmptyController controller;
    EndToEndRig rig(controller.data, NvmNotFitted());
    PopulateTravellingFields(rig.tool, "08A00");
    rig.prompts.Queue(PromptAnswer::Retry);
    rig.prompts.Queue(PromptAnswer::Retry);
    // The engineer fits the link while the second question is open.
    rig.prompts.OnShown = [&](const ScriptedPrompts::Shown&) {
        if (rig.prompts.ShownMessages().size() == 2) rig.Simulator().Options().NvmFitted = true;
    };
    EXPECT_EQ(rig.SaveAll(), Outcome::Completed);
    EXPECT_EQ(rig.prompts.ShownMessages().size(), 2u);
    EXPECT_EQ(rig.Heard('B'), 3);
    EXPECT_EQ(rig.Heard('J'), 255);
    EXPECT_EQ(controller.data.Loop.Device(2).DeviceType, rig.tool.Loop.Device(2).DeviceType);
    EXPECT_EQ(controller.data.CustomNames.Item(44).Name, rig.tool.CustomNames.Item(44).Name);
}

struct DemoController {
    DemoController() { sim::BuildDemoSite(data); }
    TData data;
};

TEST(EndToEndCancel, CancelInTheMiddleOfALoadKeepsWhatCameAndDropsTheLateAnswer) {
    DemoController controller;
    EndToEndRig rig(controller.data, {});
    rig.session.LoadAll();
    const TransferState& state = rig.session.Supervisor().State();
    // Stop while the request for device 40 is on its way.
    while (!(state.Step == kStepLoadDevices && state.ItemCounter == 40)) rig.session.Step();
    ASSERT_EQ(rig.Heard('I'), 40);
    rig.prompts.Queue(PromptAnswer::Yes);
    rig.session.Status().OnCancelPressed();
    EXPECT_EQ(rig.session.Result(), Outcome::Failed);
    EXPECT_EQ(rig.prompts.LastText(), "The current function has been aborted by the user.");
    EXPECT_FALSE(rig.session.Status().Visible());

    for (int i = 0; i < 1000; ++i) rig.session.Step();  // the answer for device 40 arrives and is dropped
    EXPECT_EQ(rig.Heard('I'), 40);
    EXPECT_EQ(state.Step, kStepIdle);
    for (int n = 1; n < 40; ++n) {
        EXPECT_EQ(rig.tool.Loop.Device(n).DeviceType, controller.data.Loop.Device(n).DeviceType) << n;
        EXPECT_EQ(rig.tool.Loop.Device(n).Suffix, LoadedSuffix(controller.data.Loop.Device(n).Suffix)) << n;
    }
    ASSERT_NE(controller.data.Loop.Device(40).DeviceType, 0);
    EXPECT_EQ(rig.tool.Loop.Device(40).DeviceType, 0);
    EXPECT_EQ(rig.tool.ZoneList.Zones[1].AreaEquation[1], TKZone{}.AreaEquation[1]);
}

TEST(EndToEndCancel, CancelInTheMiddleOfASaveKeepsTheAcknowledgedRecords) {
    EmptyController controller;
    EndToEndRig rig(controller.data, {});
    PopulateTravellingFields(rig.tool, "08A00");
    rig.session.SaveAll();
    const TransferState& state = rig.session.Supervisor().State();
    while (!(state.Step == kStepSaveZones && state.ItemCounter == 10)) rig.session.Step();
    rig.prompts.Queue(PromptAnswer::Yes);
    rig.session.Status().OnCancelPressed();
    for (int i = 0; i < 1000; ++i) rig.session.Step();  // the acknowledgement of zone 10 is dropped
    EXPECT_EQ(rig.Heard('u'), 10);
    EXPECT_EQ(rig.Heard('s'), 0);
    EXPECT_EQ(controller.data.Loop.Device(255).Suffix, rig.tool.Loop.Device(255).Suffix);
    EXPECT_EQ(controller.data.ZoneList.Zones[9].DeviceEquation[3],
              rig.tool.ZoneList.Zones[9].DeviceEquation[3]);
    EXPECT_EQ(controller.data.ZoneList.Zones[11].DeviceEquation[3], TKZone{}.DeviceEquation[3]);
}

TEST(EndToEndCancel, AnsweringNoLeavesTheTransferRunning) {
    DemoController controller;
    EndToEndRig rig(controller.data, {});
    rig.session.LoadAll();
    for (int i = 0; i < 200; ++i) rig.session.Step();
    rig.prompts.Queue(PromptAnswer::No);
    rig.session.Status().OnCancelPressed();
    EXPECT_TRUE(rig.session.Running());
    EXPECT_EQ(rig.session.RunDriven(EndToEndRig::kLimitMs), Outcome::Completed);
}

// While the cancel question is open the load is held: time passes (a minute
// of it, far past the reply time-out) and nothing more goes to the controller.
struct HeldCancel {
    explicit HeldCancel(EndToEndRig& rig) : rig(rig) {
        rig.prompts.OnShown = [this](const ScriptedPrompts::Shown& shown) {
            if (shown.text != kCancelQuestion) return;
            const std::string before = this->rig.Simulator().CommandsHeard();
            const TransferState state = this->rig.session.Supervisor().State();
            for (int i = 0; i < 6000; ++i) this->rig.session.Step();
            heardWhileAsking = this->rig.Simulator().CommandsHeard().substr(before.size());
            stepKept = this->rig.session.Supervisor().State().Step == state.Step &&
                       this->rig.session.Supervisor().State().ItemCounter == state.ItemCounter;
            statusShown = this->rig.session.Status().Visible();
        };
    }
    // Runs the load up to the request for device `n` and presses Cancel.
    void CancelAtDevice(int n, PromptAnswer answer) {
        rig.session.LoadAll();
        const TransferState& state = rig.session.Supervisor().State();
        while (!(state.Step == kStepLoadDevices && state.ItemCounter == n)) rig.session.Step();
        rig.prompts.Queue(answer);
        rig.session.Status().OnCancelPressed();
    }
    static constexpr const char* kCancelQuestion =
        " Are you sure that you want to cancel the current operation?";
    EndToEndRig& rig;
    std::string heardWhileAsking = "?";
    bool stepKept = false;
    bool statusShown = false;
};

TEST(EndToEndCancel, TheLoadHoldsWhileTheQuestionIsOpenAndNoCarriesOnWithoutATimeOut) {
    DemoController controller;
    EndToEndRig rig(controller.data, {});
    HeldCancel cancel(rig);
    cancel.CancelAtDevice(40, PromptAnswer::No);
    EXPECT_EQ(cancel.heardWhileAsking, "");
    EXPECT_TRUE(cancel.stepKept);
    EXPECT_TRUE(cancel.statusShown);
    EXPECT_TRUE(rig.session.Running());

    EXPECT_EQ(rig.session.RunDriven(EndToEndRig::kLimitMs), Outcome::Completed);
    // The answer that came during the question was taken: no request went twice.
    EXPECT_EQ(rig.Heard('I'), 256);
    EXPECT_EQ(rig.prompts.ShownMessages().size(), 1u) << rig.prompts.LastText();
    for (int n = 1; n < 256; ++n) {
        ASSERT_EQ(rig.tool.Loop.Device(n).DeviceType, controller.data.Loop.Device(n).DeviceType) << n;
        ASSERT_EQ(rig.tool.Loop.Device(n).Suffix, LoadedSuffix(controller.data.Loop.Device(n).Suffix)) << n;
    }
}

TEST(EndToEndCancel, YesAfterAHeldQuestionAbortsWhereTheLoadWasHeld) {
    DemoController controller;
    EndToEndRig rig(controller.data, {});
    HeldCancel cancel(rig);
    cancel.CancelAtDevice(40, PromptAnswer::Yes);
    EXPECT_EQ(cancel.heardWhileAsking, "");
    EXPECT_EQ(rig.session.Result(), Outcome::Failed);
    EXPECT_EQ(rig.prompts.LastText(), "The current function has been aborted by the user.");
    for (int i = 0; i < 1000; ++i) rig.session.Step();  // the held answer for device 40 is dropped
    EXPECT_EQ(rig.Heard('I'), 40);
    ASSERT_NE(controller.data.Loop.Device(40).DeviceType, 0);
    EXPECT_EQ(rig.tool.Loop.Device(40).DeviceType, 0);
    EXPECT_EQ(rig.tool.Loop.Device(39).DeviceType, controller.data.Loop.Device(39).DeviceType);
}

TEST(EndToEndFaults, FivePercentSeededFaultsStillCompleteWithIdenticalData) {
    sim::SimulatorOptions faults;
    faults.DropRate = 0.02;
    faults.CorruptRate = 0.015;
    faults.NakRate = 0.015;
    faults.Seed = 7;
    TData original;
    PopulateTravellingFields(original, "08A00");
    EmptyController controller;
    {
        EndToEndRig rig(controller.data, faults);
        PopulateTravellingFields(rig.tool, "08A00");
        ASSERT_EQ(rig.SaveAll(), Outcome::Completed) << rig.prompts.LastText();
        const auto& counts = rig.Simulator().Statistics();
        EXPECT_GT(counts.Dropped + counts.Corrupted + counts.Naked, 10);
    }
    faults.Seed = 8;
    EndToEndRig rig(controller.data, faults);
    ASSERT_EQ(rig.LoadAll(), Outcome::Completed) << rig.prompts.LastText();
    const auto& counts = rig.Simulator().Statistics();
    EXPECT_GT(counts.Dropped + counts.Corrupted + counts.Naked, 10);
    EXPECT_TRUE(rig.prompts.ShownMessages().empty());
    ExpectTravellingFieldsEqual(original, rig.tool);
}

// Answers that come after the reply time-out, when the request has already
// gone again: the late answer and the answer to the copy describe the same
// record, and neither may be taken for the next one.
TEST(EndToEndFaults, AnswersLaterThanTheReplyTimeOutShiftNoRecord) {
    sim::SimulatorOptions late;
    late.DelayRate = 0.03;
    late.DelayMs = 4500;
    late.Seed = 11;
    TData original;
    PopulateTravellingFields(original, "08A00");
    TData controller;
    PopulateTravellingFields(controller, "08A00");
    controller.Loop.Device(256).DeviceType = 0;  // as after a save: device 256 never travels
    EndToEndRig rig(controller, late);
    ASSERT_EQ(rig.LoadAll(), Outcome::Completed) << rig.prompts.LastText();
    EXPECT_GT(rig.Simulator().Statistics().Delayed, 5);
    EXPECT_TRUE(rig.prompts.ShownMessages().empty());
    ExpectTravellingFieldsEqual(original, rig.tool);
}

// A USB adapter pulled in the middle of a load: the load stops at once with
// the port's name, and once the adapter is back the next load completes.
TEST(EndToEndPortGone, ALoadStopsAtOnceAndTheNextCompletesOnceThePortIsBack) {
    DemoController controller;
    EndToEndRig rig(controller.data, {});
    rig.session.LoadAll();
    while (rig.Heard('I') < 40) rig.session.Step();
    rig.device.Line().A().Unplug();
    rig.session.Step();
    EXPECT_EQ(rig.session.Result(), Outcome::Failed);
    ASSERT_EQ(rig.prompts.ShownMessages().size(), 1u);
    EXPECT_EQ(rig.prompts.LastText(),
              "The serial port /dev/ttyS0 has gone: it was unplugged or closed at the other end.");
    EXPECT_FALSE(rig.session.Status().Visible());
    EXPECT_FALSE(rig.session.Comms().Connected());

    rig.session.LoadAll();  // still unplugged
    EXPECT_EQ(rig.session.Result(), Outcome::Failed);
    EXPECT_EQ(rig.prompts.LastText().rfind("Cannot open serial port", 0), 0u) << rig.prompts.LastText();

    rig.device.Line().A().PlugIn();
    ASSERT_EQ(rig.LoadAll(), Outcome::Completed) << rig.prompts.LastText();
    EXPECT_EQ(rig.tool.Loop.Device(200).DeviceType, controller.data.Loop.Device(200).DeviceType);
}

// The controller stops answering in the middle of a load, then answers
// again: the keep-alive finds it by itself and the next load completes.
TEST(EndToEndSilentController, AfterAFailedLoadTheKeepAliveConnectsAgainAndTheNextLoadCompletes) {
    DemoController controller;
    EndToEndRig rig(controller.data, {});
    rig.session.LoadAll();
    while (rig.Heard('I') < 10) rig.session.Step();
    rig.Simulator().Options().Silent = true;
    ASSERT_EQ(rig.session.RunDriven(EndToEndRig::kLimitMs), Outcome::Failed);
    EXPECT_EQ(rig.prompts.LastText(), kCannotCommunicate);

    rig.Simulator().Options().Silent = false;
    const int handshakes = rig.Heard('A');
    TPanelComms& comms = rig.session.Comms();
    for (int second = 0; second < 10 && !comms.HandshakeDone; ++second) {
        if (second % 2 == 0) rig.session.Supervisor().Timer2Timer();
        for (int i = 0; i < 100; ++i) rig.session.Step();
    }
    EXPECT_TRUE(comms.HandshakeDone);
    EXPECT_GT(rig.Heard('A'), handshakes);
    ASSERT_EQ(rig.LoadAll(), Outcome::Completed) << rig.prompts.LastText();
    EXPECT_EQ(rig.tool.Loop.Device(200).DeviceType, controller.data.Loop.Device(200).DeviceType);
}

// While the link waits, the status window says for what: the handshake's
// attempt and line discipline, then the seconds since the last answer.
TEST(EndToEndSilentController, TheStatusWindowSaysWhatTheLinkWaitsFor) {
    DemoController controller;
    EndToEndRig rig(controller.data, {});
    rig.Simulator().Options().Silent = true;
    rig.session.LoadAll();
    const TransferStatus& status = rig.session.Status();
    for (int i = 0; i < 450; ++i) rig.session.Step();  // one handshake time-out
    EXPECT_EQ(status.Waiting(), "Handshake attempt 2 of 11 in link mode 1: plain 8-bit characters");

    rig.Simulator().Options().Silent = false;
    while (rig.Heard('I') == 0) rig.session.Step();
    EXPECT_EQ(status.Waiting(), "");
    rig.Simulator().Options().Silent = true;
    for (int i = 0; i < 650; ++i) rig.session.Step();  // 6.5 s: one resend
    EXPECT_EQ(status.Waiting(), "Waiting for the controller: no answer for 6 s, sent again 1 time");
}

TEST(EndToEndSilentController, ElevenSendsOfOnePacketThenCannotCommunicate) {
    DemoController controller;
    EndToEndRig rig(controller.data, {});
    std::vector<std::string> heard;
    rig.Simulator().OnTrace = [&](const std::string& line) {
        if (line.rfind("heard ", 0) == 0) heard.push_back(line);
    };
    rig.session.LoadAll();
    // The controller answers the handshake, the version and device 1, then falls silent.
    while (rig.Heard('I') == 0) rig.session.Step();
    rig.Simulator().Options().Silent = true;
    EXPECT_EQ(rig.session.RunDriven(EndToEndRig::kLimitMs), Outcome::Failed);

    // The answer for device 1 was already on its way; the request for device 2 goes 11 times.
    ASSERT_EQ(heard.size(), 3u + 11u);
    EXPECT_EQ(heard[3],
              "heard " + ExpandControlChars(sim::PanelSimulator::Frame(std::string("I\x02\x01\x02", 4))));
    for (std::size_t i = 3; i < heard.size(); ++i) EXPECT_EQ(heard[i], heard[3]);
    ASSERT_EQ(rig.prompts.ShownMessages().size(), 1u);
    EXPECT_EQ(rig.prompts.LastText(), kCannotCommunicate);
    EXPECT_EQ(rig.prompts.ShownMessages().back().kind, PromptKind::Error);
    EXPECT_FALSE(rig.session.Status().Visible());
    EXPECT_EQ(rig.session.Supervisor().State().Step, kStepIdle);
    EXPECT_FALSE(rig.session.Comms().Connected());
}

}  // namespace
}  // namespace kelvane::testing
