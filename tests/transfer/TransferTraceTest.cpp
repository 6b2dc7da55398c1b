#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EndToEndRig.h"
#include "comms/LinkTrace.h"
#include "sim/DemoSite.h"
#include "support/SiteSamples.h"

namespace kelvane::testing {
namespace {

using Outcome = TransferSession::Outcome;

bool IsFailure(const TraceEntry& entry) {
    return entry.Kind == TraceKind::ReplyTimeout || entry.Kind == TraceKind::Nak ||
           (entry.Kind == TraceKind::Frame && entry.Direction == TraceDirection::Received &&
            !entry.ChecksumValid);
}

int CountResends(const LinkTrace& trace) {
    int resends = 0;
    for (const TraceEntry& entry : trace.Entries()) resends += entry.Resend > 0 ? 1 : 0;
    return resends;
}

TEST(TransferTrace, EveryFaultOfTheControllerIsFollowedByOneMarkedResend) {
    TData controller;
    PopulateTravellingFields(controller, "08A00");
    sim::SimulatorOptions faults;
    faults.DropRate = 0.02;
    faults.CorruptRate = 0.02;
    faults.NakRate = 0.02;
    faults.Seed = 5;
    EndToEndRig rig(controller, faults);
    rig.session.Trace().SetRecording(true);
    ASSERT_EQ(rig.LoadAll(), Outcome::Completed) << rig.prompts.LastText();

    const auto& counts = rig.Simulator().Statistics();
    ASSERT_GT(counts.Dropped + counts.Corrupted + counts.Naked, 10);
    EXPECT_GT(CountResends(rig.session.Trace()), 10);
    // A resend always follows a failure seen since the frame went last, and
    // every failure is followed by exactly one frame sent (the frame again,
    // or a new marker while the link settles after a resend).
    bool failed = false;
    int failures = 0;
    int sentAfterFailure = 0;
    for (const TraceEntry& entry : rig.session.Trace().Entries()) {
        if (IsFailure(entry)) {
            EXPECT_FALSE(failed) << "a failure went unanswered: " << FormatTraceEntry(entry);
            failed = true;
            ++failures;
        }
        if (entry.Direction != TraceDirection::Sent || entry.Kind != TraceKind::Frame) continue;
        if (entry.Resend > 0) {
            EXPECT_TRUE(failed) << FormatTraceEntry(entry);
        }
        if (failed) ++sentAfterFailure;
        failed = false;
    }
    EXPECT_EQ(sentAfterFailure, failures);
}

TEST(TransferTrace, ASilentControllerShowsTenResendsEachAfterItsTimeOut) {
    TData controller;
    sim::BuildDemoSite(controller);
    EndToEndRig rig(controller, {});
    rig.session.Trace().SetRecording(true);
    rig.session.LoadAll();
    while (rig.Heard('I') == 0) rig.session.Step();
    rig.Simulator().Options().Silent = true;
    ASSERT_EQ(rig.session.RunDriven(EndToEndRig::kLimitMs), Outcome::Failed);

    std::vector<std::string> tail;
    const auto& entries = rig.session.Trace().Entries();
    for (auto it = entries.end() - 23; it != entries.end(); ++it) {
        const std::string line = FormatTraceEntry(*it);
        tail.push_back(line.substr(11));  // without the time
    }
    const std::string request = "-> none       SOH frame 'I' len 2 data 01 02 \"..\" sum 4E ok";
    EXPECT_EQ(tail[0], request);
    for (int n = 1; n <= 10; ++n) {
        EXPECT_EQ(tail[2 * n - 1], "--            TIME-OUT: no answer for 4000 ms");
        EXPECT_EQ(tail[2 * n], request + ", RESEND " + std::to_string(n));
    }
    EXPECT_EQ(tail[21], "--            TIME-OUT: no answer for 4000 ms");
    EXPECT_EQ(tail[22], "--            close");
}

}  // namespace
}  // namespace kelvane::testing
