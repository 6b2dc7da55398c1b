#include <gtest/gtest.h>

#include "comms/LinkHarness.h"

namespace kelvane {
namespace {

using testing::Bytes;

// The tool's link with the controller's end driven by hand.
struct FrameFixture : ::testing::Test {
    ManualClock clock;
    SimulatedLine line;
    PortPaths paths;
    TPanelComms comms{line.A(), clock, paths};
    std::vector<std::string> events;

    void SetUp() override {
        line.B().Open("controller");
        comms.OnInput = [this](TCommPanel&, const std::string& text) {
            events.push_back("input " + ExpandControlChars(text));
        };
        comms.OnAck = [this](TCommPanel&) { events.push_back("ack"); };
        comms.OnNak = [this](TCommPanel&) { events.push_back("nak"); };
        comms.OnCR = [this](TCommPanel&) { events.push_back("cr"); };
        comms.OnInvalidChecksum = [this](TCommPanel&) { events.push_back("invalid"); };
        comms.OnHandshakeReceived = [this](TCommPanel&) { events.push_back("handshake"); };
        comms.OnPacketReceived = [this](TPanelComms&, std::uint8_t command, const std::string& packet) {
            events.push_back(std::string("packet ") + char(command) + " " + ExpandControlChars(packet));
        };
        comms.LinkMode = 1;
        ASSERT_TRUE(comms.Open());
    }
    void Receive(const std::string& bytes) { testing::ReceiveAtNextPoll(line, comms.Port(), bytes); }
    std::string Sent() { return testing::SentToController(line); }
};

TEST(PacketChecksum, Examples) {
    EXPECT_EQ(PacketChecksum(std::string("A\0", 2)), 0x41);
    EXPECT_EQ(PacketChecksum(std::string("B\0", 2)), 0x42);
    EXPECT_EQ(PacketChecksum(Bytes({0xFF, 0x02, 0x01, 0x01})), 0x03);  // wraps modulo 256
}

TEST_F(FrameFixture, ModeOneFramesWithSOH) {
    comms.DCharsReceived = 2;
    comms.SendPacket(std::string("A\0", 2));
    EXPECT_EQ(Sent(), Bytes({0x01, 0x41, 0x00, 0x41}));
    EXPECT_EQ(comms.DCharsReceived, 0);
    comms.SendPacket(std::string("B\0", 2));
    EXPECT_EQ(Sent(), Bytes({0x01, 0x42, 0x00, 0x42}));
    comms.LinkMode = 0;
    comms.SendPacket(std::string("B\0", 2));
    EXPECT_EQ(Sent(), "");
}

// With no discipline chosen (the retries ran out, the port is opened again
// by the keep-alive) a version answer with a spoiled checksum must not pass
// for a good one: its first payload byte happening to equal command plus
// length is no checksum.
TEST_F(FrameFixture, NoLinkModeStillChecksTheWholeFrame) {
    comms.HandshakeDone = true;
    comms.LinkMode = 0;
    Receive(Bytes({'\\', 5, '\\' + 5, '8', 'A', '0', '0', 0x00}));
    EXPECT_EQ(events, (std::vector<std::string>{"invalid"}));
    events.clear();
    const std::string good = Bytes({'\\', 5, '\\' + 5, '8', 'A', '0', '0'});
    Receive(good + static_cast<char>(PacketChecksum(good)));
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].rfind("packet \\ ", 0), 0u) << events[0];
}

TEST_F(FrameFixture, AStrayByteNeverSpoilsTheAnswerToTheNextSend) {
    comms.HandshakeDone = true;
    comms.ProcessPendingEvents = [this] { clock.Advance(10); };
    for (int mode : {1, 2, 3}) {
        comms.LinkMode = static_cast<std::uint8_t>(mode);
        events.clear();
        comms.ClearLineTexts();
        Receive("Z");  // noise: the start of a frame that never comes
        comms.SendPacket(std::string("B\0", 2));
        EXPECT_TRUE(comms.RxBuffer.empty()) << mode;  // so a NAK counts again
        Receive(Bytes({kACK}));
        Receive(Bytes({'B', 0x01, 0x01, 0x44}));
        EXPECT_EQ(events, (std::vector<std::string>{"input Z<ACK>", "ack", "packet B B<SOH><SOH>D"})) << mode;
    }
}

TEST_F(FrameFixture, HandshakeAnswerThenPacketEventsInOrder) {
    Receive("A");
    Receive(Bytes({0x00, 'A'}));
    EXPECT_TRUE(comms.HandshakeDone);
    EXPECT_EQ(comms.RetriesLeft, 50);
    EXPECT_EQ(events, (std::vector<std::string>{"handshake", "packet A A<NUL>A"}));
    EXPECT_TRUE(comms.WaitingForInput());  // re-armed after every frame
}

TEST_F(FrameFixture, HandshakeAnswerAfterTheHandshakeIsAnOrdinaryPacket) {
    comms.HandshakeDone = true;
    Receive(Bytes({'A', 0x00, 'A'}));
    EXPECT_EQ(events, (std::vector<std::string>{"packet A A<NUL>A"}));
}

TEST_F(FrameFixture, AckInsideAFrameIsFrameData) {
    comms.HandshakeDone = true;
    Receive(Bytes({'Z', 0x02, 0x06, 0x01, 0x63}));
    // The ACK ends a text line but is no acknowledgement.
    EXPECT_EQ(events, (std::vector<std::string>{"input Z<STX><ACK>", "packet Z Z<STX><ACK><SOH>c"}));
}

TEST_F(FrameFixture, LoneAcknowledgementsBetweenFrames) {
    comms.HandshakeDone = true;
    Receive(Bytes({0x06, 0x15}));
    EXPECT_EQ(events, (std::vector<std::string>{"input <ACK>", "ack", "input <NAK>", "nak"}));
    EXPECT_EQ(comms.DCharsReceived, 0);
}

TEST_F(FrameFixture, ChecksumBytesThatLookLikeAcknowledgements) {
    comms.HandshakeDone = true;
    // 'C' + 1 + 0xC2 = 0x106 -> checksum 0x06; 'C' + 1 + 0xD1 = 0x115 -> 0x15.
    Receive(Bytes({'C', 0x01, 0xC2, 0x06}));
    Receive(Bytes({'C', 0x01, 0xD1, 0x15}));
    EXPECT_EQ(events, (std::vector<std::string>{"packet C C<SOH>\xc2<ACK>", "input C<SOH>\xc2<ACK>",
                                                "packet C C<SOH>\xd1<NAK>", "input C<SOH>\xd1<NAK>"}));
}

TEST_F(FrameFixture, BadChecksumAfterTheHandshake) {
    comms.HandshakeDone = true;
    Receive(Bytes({'I', 0x01, 0x05, 0x00}));
    EXPECT_EQ(events, (std::vector<std::string>{"invalid"}));
    EXPECT_EQ(comms.DCharsReceived, 0);
    EXPECT_TRUE(comms.RxBuffer.empty());
}

TEST_F(FrameFixture, BadChecksumBeforeTheHandshakeRetriesIt) {
    comms.RetriesLeft = 4;
    Receive(Bytes({'A', 0x00, 0x42}));
    EXPECT_EQ(comms.RetriesLeft, 3);
    EXPECT_EQ(Sent(), Bytes({0x01, 0x41, 0x00, 0x41}));
    EXPECT_TRUE(events.empty());
}

TEST_F(FrameFixture, OtherFrameBeforeTheHandshakeRetriesItButIsDelivered) {
    comms.RetriesLeft = 4;
    Receive(Bytes({'B', 0x00, 0x42}));
    EXPECT_EQ(comms.RetriesLeft, 3);
    EXPECT_FALSE(comms.HandshakeDone);
    EXPECT_EQ(events, (std::vector<std::string>{"packet B B<NUL>B"}));
}

TEST_F(FrameFixture, TextOnlyModeAssemblesNoFrames) {
    comms.HandshakeDone = true;
    comms.IsASCIIOnly = true;
    Receive("ALARM ZONE 3\r");
    Receive("\x06");
    EXPECT_EQ(events, (std::vector<std::string>{"input ALARM ZONE 3<CR>", "cr", "input <ACK>", "ack"}));
    EXPECT_EQ(comms.DCharsReceived, 0);
}

TEST_F(FrameFixture, ReopenForModeSetsTheParityAndEmptiesTheFrame) {
    comms.RxBuffer = "xy";
    comms.DCharsReceived = 2;
    comms.LinkMode = 3;
    comms.ReopenForMode();
    EXPECT_TRUE(comms.Connected());
    EXPECT_EQ(line.A().Settings().Parity, ptMARK);
    EXPECT_EQ(comms.DCharsReceived, 0);
    EXPECT_TRUE(comms.RxBuffer.empty());
    comms.LinkMode = 0;
    comms.ReopenForMode();
    EXPECT_FALSE(comms.Connected());
}

TEST(ParityDisciplines, FirstByteAndRestCarryOppositeParitiesAfterGuardDelays) {
    for (int mode : {2, 3}) {
        ManualClock clock;
        SimulatedLine line;
        PortPaths paths;
        TPanelComms comms(line.A(), clock, paths);
        line.B().Open("controller");
        int pumps = 0;
        comms.ProcessPendingEvents = [&] {
            ++pumps;
            clock.Advance(10);
        };
        std::vector<std::uint64_t> sendTimes;
        comms.OnOutput = [&](TCommPanel&, const std::string&) { sendTimes.push_back(clock.NowMs()); };
        comms.LinkMode = static_cast<std::uint8_t>(mode);
        comms.ReopenForMode();
        comms.SendPacket(std::string("\\\0", 2));
        const auto bytes = line.B().ReadMarked();
        ASSERT_EQ(bytes.size(), 3u);
        const TComPortParity first = mode == 2 ? ptSPACE : ptMARK;
        const TComPortParity rest = mode == 2 ? ptMARK : ptSPACE;
        EXPECT_EQ(bytes[0].Value, '\\');
        EXPECT_EQ(bytes[0].Parity, first);
        EXPECT_EQ(bytes[1].Value, 0);
        EXPECT_EQ(bytes[1].Parity, rest);
        EXPECT_EQ(bytes[2].Value, '\\');
        EXPECT_EQ(bytes[2].Parity, rest);
        EXPECT_EQ(sendTimes, (std::vector<std::uint64_t>{50, 100}));
        EXPECT_EQ(pumps, 10);  // events are processed while the guard waits
        EXPECT_EQ(line.A().Settings().Parity, rest);
    }
}

TEST(ParityDisciplines, ControllerHearsOnlyItsOwnDiscipline) {
    for (int controllerMode : {1, 2, 3}) {
        for (int linkMode : {1, 2, 3}) {
            sim::SimulatorOptions options;
            options.LinkMode = controllerMode;
            testing::LinkHarness h(options);
            h.comms.LinkMode = static_cast<std::uint8_t>(linkMode);
            h.comms.ReopenForMode();
            h.comms.SendPacket(std::string("\\\0", 2));
            h.RunFor(100);
            EXPECT_EQ(h.simulator.CommandsHeard(), controllerMode == linkMode ? "\\" : "")
                << "controller " << controllerMode << ", link " << linkMode;
        }
    }
}

}  // namespace
}  // namespace kelvane
