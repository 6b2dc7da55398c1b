#include <gtest/gtest.h>

#include "comms/SigComPort.h"
#include "comms/SimulatedLine.h"
#include "core/ManualClock.h"

namespace kelvane {
namespace {

// A clock that moves a little every time it is read, so a busy-wait ends.
class CreepingClock : public Clock {
public:
    std::uint64_t NowMs() const override { return now_ += 7; }
    std::tm LocalTime() const override { return {}; }

private:
    mutable std::uint64_t now_ = 0;
};

class RecordingTimer : public PollTimer {
public:
    void Start(std::uint16_t periodMs) override { starts.push_back(periodMs); }
    void Stop() override { ++stops; }
    std::vector<std::uint16_t> starts;
    int stops = 0;
};

struct PortFixture : ::testing::Test {
    ManualClock clock;
    SimulatedLine line;
    PortPaths paths;
    TSigComPort port{line.A(), clock, paths};

    void SetUp() override { line.B().Open("controller"); }
    std::string FarEndReceived() {
        std::string s;
        for (const LineByte& b : line.B().ReadMarked()) s += static_cast<char>(b.Value);
        return s;
    }
};

TEST(ExpandControlChars, NamesControlBytesAndCopiesTheRest) {
    EXPECT_EQ(ExpandControlChars(std::string("\x01"
                                             "A\r",
                                             3)),
              "<SOH>A<CR>");
    EXPECT_EQ(ExpandControlChars(std::string("\0\x1f\x7f\xe9", 4)), "<NUL><US>\x7f\xe9");
}

TEST_F(PortFixture, DefaultsAndDevicePaths) {
    EXPECT_EQ(port.ComPort(), pnCOM2);
    EXPECT_EQ(port.ComPortSpeed(), br9600);
    EXPECT_EQ(port.ComPortPollingDelay(), 50);
    EXPECT_EQ(port.OutputTimeout, 4000u);
    EXPECT_EQ(port.OutFreeSpace(), 65535);
    port.SetComPort(pnCOM8);
    ASSERT_TRUE(port.Connect());
    EXPECT_EQ(line.A().OpenedPath(), "/dev/ttyS7");
    paths.SetOverride("/dev/pts/9");
    port.Disconnect();
    ASSERT_TRUE(port.Connect());
    EXPECT_EQ(line.A().OpenedPath(), "/dev/pts/9");
}

TEST_F(PortFixture, PortNumberIgnoredWhileOpenAndTakenAfterDisconnect) {
    port.SetComPort(pnCOM1);
    ASSERT_TRUE(port.Connect());
    port.SetComPort(pnCOM3);
    EXPECT_EQ(port.ComPort(), pnCOM1);
    port.Disconnect();
    port.SetComPort(pnCOM3);
    ASSERT_TRUE(port.Connect());
    EXPECT_EQ(line.A().OpenedPath(), "/dev/ttyS2");
}

TEST_F(PortFixture, OpenFailureLeavesThePortClosed) {
    line.A().SetOpenFails(true);
    EXPECT_FALSE(port.Connect());
    EXPECT_FALSE(port.Connected());
    EXPECT_NE(port.LastError, 0u);
}

TEST_F(PortFixture, SettingsAreAppliedAtOnceWhenOpen) {
    ASSERT_TRUE(port.Connect());
    port.SetComPortParity(ptMARK);
    port.SetComPortDataBits(db7BITS);
    port.SetComPortSpeed(br19200);
    EXPECT_EQ(line.A().Settings().Parity, ptMARK);
    EXPECT_EQ(line.A().Settings().DataBits, 7);
    EXPECT_EQ(line.A().Settings().BaudRate, 19200u);
    EXPECT_EQ(line.A().Settings().XonLimit, 512);
}

TEST_F(PortFixture, ParityChangePurgesBothQueues) {
    ASSERT_TRUE(port.Connect());
    line.A().SetHeld(true);  // flow stopped: the bytes cannot leave
    EXPECT_TRUE(port.SendString("held"));
    EXPECT_EQ(port.OutFreeSpace(), 2048 - 4);
    const std::uint8_t incoming[] = {'x', 'y'};
    line.B().Write(incoming, 2);
    port.SetComPortParity(ptSPACE);
    line.A().SetHeld(false);
    EXPECT_EQ(FarEndReceived(), "");
    EXPECT_EQ(line.A().BytesWaiting(), 0u);
}

TEST_F(PortFixture, BytesWrittenBeforeAParityChangeLeaveWithTheOldParity) {
    ASSERT_TRUE(port.Connect());
    port.SendString("A");
    port.SetComPortParity(ptMARK);
    port.SendString("B");
    const auto bytes = line.B().ReadMarked();
    ASSERT_EQ(bytes.size(), 2u);
    EXPECT_EQ(bytes[0].Parity, ptNONE);
    EXPECT_EQ(bytes[1].Parity, ptMARK);
}

TEST_F(PortFixture, EmptySendRearmsTheReplyTimeout) {
    EXPECT_EQ(port.SendData(nullptr, 0), 0);
    EXPECT_FALSE(port.WaitingForInput);  // closed: nothing happens
    ASSERT_TRUE(port.Connect());
    port.IdleTime = 1234;
    EXPECT_EQ(port.SendData(nullptr, 0), 0);
    EXPECT_TRUE(port.WaitingForInput);
    EXPECT_EQ(port.IdleTime, 0u);
}

TEST_F(PortFixture, InputTimeoutAfterFortyEmptyPollsAndOnlyWhenWaiting) {
    port.SetComPortPollingDelay(100);
    int timeouts = 0, ticks = 0;
    port.OnInputTimeout = [&](TSigComPort&) { ++timeouts; };
    port.OnTick = [&](TSigComPort&) { ++ticks; };
    ASSERT_TRUE(port.Connect());
    for (int i = 0; i < 200; ++i) port.PollTick();
    EXPECT_EQ(timeouts, 0);
    EXPECT_EQ(ticks, 200);

    port.SendString("?");
    for (int i = 0; i < 39; ++i) port.PollTick();
    EXPECT_EQ(timeouts, 0);
    port.PollTick();
    EXPECT_EQ(timeouts, 1);
    EXPECT_FALSE(port.WaitingForInput);
    for (int i = 0; i < 100; ++i) port.PollTick();
    EXPECT_EQ(timeouts, 1);
}

TEST_F(PortFixture, ReceivedBytesResetTheIdleTimeAndArriveInOneBlock) {
    port.SetComPortPollingDelay(100);
    std::string received;
    port.OnReceiveData = [&](TSigComPort&, const std::uint8_t* data, std::size_t size) {
        received.append(reinterpret_cast<const char*>(data), size);
    };
    ASSERT_TRUE(port.Connect());
    port.SendString("?");
    for (int i = 0; i < 30; ++i) port.PollTick();
    const std::uint8_t answer[] = {'o', 'k'};
    line.B().Write(answer, 2);
    port.PollTick();
    EXPECT_EQ(received, "ok");
    EXPECT_EQ(port.IdleTime, 0u);
}

TEST_F(PortFixture, AHeldPortKeepsWhatArrivesAndCountsNoTimeOutUntilLetGo) {
    port.SetComPortPollingDelay(100);
    std::string received;
    int timeouts = 0, ticks = 0;
    port.OnReceiveData = [&](TSigComPort&, const std::uint8_t* data, std::size_t size) {
        received.append(reinterpret_cast<const char*>(data), size);
    };
    port.OnInputTimeout = [&](TSigComPort&) { ++timeouts; };
    port.OnTick = [&](TSigComPort&) { ++ticks; };
    ASSERT_TRUE(port.Connect());
    port.SendString("?");
    for (int i = 0; i < 30; ++i) port.PollTick();
    port.SetHeld(true);
    const std::uint8_t answer[] = {'o', 'k'};
    line.B().Write(answer, 2);
    for (int i = 0; i < 200; ++i) port.PollTick();  // twenty seconds of asking
    EXPECT_EQ(received, "");
    EXPECT_EQ(timeouts, 0);
    EXPECT_EQ(ticks, 30);
    port.SetHeld(false);
    port.PollTick();
    EXPECT_EQ(received, "ok");
    EXPECT_EQ(timeouts, 0);
    EXPECT_EQ(ticks, 31);
}

TEST(SigComPortOutput, BlockedOutputTimesOutWithTheNegatedCount) {
    CreepingClock clock;
    SimulatedLine line;
    PortPaths paths;
    TSigComPort port(line.A(), clock, paths);
    port.SetComPortOutBufSize(4);
    int timeouts = 0;
    port.OnOutputTimeout = [&](TSigComPort&) { ++timeouts; };
    ASSERT_TRUE(port.Connect());
    line.A().SetHeld(true);
    const std::string text = "0123456789";
    EXPECT_EQ(port.SendData(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()), -4);
    EXPECT_EQ(timeouts, 1);
    EXPECT_FALSE(port.WaitingForInput);
    EXPECT_FALSE(port.SendString("x"));
}

TEST_F(PortFixture, PollTimerFollowsOpenCloseAndPeriod) {
    RecordingTimer timer;
    port.SetPollTimer(&timer);
    port.SetComPortPollingDelay(100);
    EXPECT_TRUE(timer.starts.empty());
    ASSERT_TRUE(port.Connect());
    port.SetComPortPollingDelay(100);
    port.SetComPortPollingDelay(250);
    port.Disconnect();
    EXPECT_EQ(timer.starts, (std::vector<std::uint16_t>{100, 250}));
    EXPECT_EQ(timer.stops, 2);
}

TEST_F(PortFixture, BufferSizesIgnoredWhileOpen) {
    ASSERT_TRUE(port.Connect());
    port.SetComPortInBufSize(16);
    port.SetComPortOutBufSize(16);
    EXPECT_EQ(port.ComPortInBufSize(), 2048);
    EXPECT_EQ(port.ComPortOutBufSize(), 2048);
}

}  // namespace
}  // namespace kelvane
