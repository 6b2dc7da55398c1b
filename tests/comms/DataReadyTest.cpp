#include <gtest/gtest.h>

#include "comms/PanelComms.h"
#include "comms/SimulatedLine.h"
#include "core/ManualClock.h"
#include "sim/PanelSimulator.h"

namespace kelvane {
namespace {

// The tool's link on an in-process line whose wire is emulated at 9600 bit/s
// 8N1 and which signals data-ready; the controller answers after 2 ms. Time
// is driven by hand in 1 ms steps and the poll tick is never fired, so
// whatever the link handles it handled on arrival.
struct WiredLink : ::testing::Test {
    WiredLink()
        : controllerEnd(line.B()), simulator(controllerEnd, clock, Options()), comms(line.A(), clock, paths) {
        line.EmulateWire(clock);
        line.SetSignalsDataReady(true);
        comms.OnPacketReceived = [this](TPanelComms&, std::uint8_t command, const std::string&) {
            received += static_cast<char>(command);
            receivedAtMs = clock.NowMs();
        };
        comms.LinkMode = 1;
        comms.HandshakeDone = true;
        comms.ReopenForMode();
    }
    static sim::SimulatorOptions Options() {
        sim::SimulatorOptions options;
        options.TurnaroundMs = 2;
        return options;
    }
    void StepMs(int ms) {
        for (int i = 0; i < ms; ++i) {
            clock.Advance(1);
            line.Deliver();
            simulator.Service();
        }
    }

    ManualClock clock;
    SimulatedLine line;
    PortPaths paths;
    sim::LineEndPort controllerEnd;
    sim::PanelSimulator simulator;
    TPanelComms comms;
    std::string received;
    std::uint64_t receivedAtMs = 0;
};

TEST_F(WiredLink, EachByteTakesOneCharacterTimeOnTheWire) {
    EXPECT_EQ(line.CharacterTimeNs(), 1'041'666u);
    simulator.Options().Silent = true;
    comms.SendPacket(std::string("\\\0", 2));  // SOH, command, length, checksum: 4 bytes
    EXPECT_EQ(line.A().BytesToWrite(), 4u);
    StepMs(3);  // 3 of 4.17 ms
    EXPECT_EQ(line.A().BytesToWrite(), 2u);
    StepMs(2);
    EXPECT_EQ(line.A().BytesToWrite(), 0u);
    EXPECT_EQ(simulator.CommandsHeard(), "\\");
    EXPECT_EQ(line.BytesCarried(), 4u);
}

TEST_F(WiredLink, AnAnswerIsHandledOnArrivalBeforeThePollTick) {
    comms.SendPacket(std::string("\\\0", 2));
    // 4.2 ms out, 2 ms turnaround, 8 bytes (8.3 ms) back.
    StepMs(20);
    EXPECT_EQ(received, "\\");
    EXPECT_LE(receivedAtMs, 16u);
}

TEST_F(WiredLink, InputHandledOnArrivalStillRestartsTheReplyTimeout) {
    simulator.Options().Silent = true;
    comms.SendPacket(std::string("\\\0", 2));
    for (int tick = 0; tick < 39; ++tick) comms.Port().PollTick();
    EXPECT_EQ(comms.Port().IdleTime, 3900u);
    simulator.Options().Silent = false;
    comms.SendPacket(std::string("\\\0", 2));
    StepMs(20);
    ASSERT_EQ(received, "\\");
    int timeouts = 0;
    comms.OnTimeout = [&](TCommPanel&) { ++timeouts; };
    // The tick after the answer counts as one that read it: 40 more ticks to the time-out.
    for (int tick = 0; tick < 40; ++tick) comms.Port().PollTick();
    EXPECT_EQ(timeouts, 0);
    comms.Port().PollTick();
    EXPECT_EQ(timeouts, 1);
}

TEST(SimulatedLineDataReady, NeverSignalledFromInsideAWrite) {
    SimulatedLine line;
    line.SetSignalsDataReady(true);
    ASSERT_TRUE(line.A().Open("a"));
    ASSERT_TRUE(line.B().Open("b"));
    int signals = 0;
    line.A().OnDataReady = [&] {
        ++signals;
        std::uint8_t buffer[8];
        line.A().Read(buffer, sizeof buffer);
    };
    const std::uint8_t bytes[] = {1, 2, 3};
    line.B().Write(bytes, 3);
    EXPECT_EQ(signals, 0);
    EXPECT_EQ(line.A().BytesWaiting(), 3u);
    line.Deliver();
    EXPECT_EQ(signals, 1);
    line.Deliver();
    EXPECT_EQ(signals, 1);
}

}  // namespace
}  // namespace kelvane
