#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LinkHarness.h"
#include "comms/LinkTrace.h"
#include "comms/LinkTraceDecoder.h"
#include "comms/PanelComms.h"
#include "comms/SimulatedLine.h"
#include "comms/TracingSerialDevice.h"
#include "core/ManualClock.h"

namespace kelvane {
namespace {

using testing::Bytes;

std::vector<std::string> Lines(const LinkTrace& trace, TraceFilter filter = TraceFilter::All) {
    std::vector<std::string> lines;
    for (const TraceEntry& entry : trace.Entries()) {
        if (TraceFilterShows(filter, entry)) lines.push_back(FormatTraceEntry(entry));
    }
    return lines;
}

// The tool's link on a traced device, with the controller's end of the line
// answered by hand; the poll tick runs every 100 ms of the clock.
class TracedLink {
public:
    TracedLink() {
        line.B().Open("controller");
        trace.SetRecording(true);
        comms.SetTimeOut(40);
        comms.OnInvalidChecksum = [this](TCommPanel&) { Resend(); };
        comms.OnNak = [this](TCommPanel&) { Resend(); };
        comms.OnTimeout = [this](TCommPanel&) { Resend(); };
    }

    void Poll(int ticks = 1) {
        for (int i = 0; i < ticks; ++i) {
            clock.Advance(100);
            comms.Port().PollTick();
        }
    }
    void Answer(const std::string& bytes) {
        line.B().Write(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    void Send(const std::string& packet) {
        last = packet;
        comms.SendPacket(packet);
    }
    // What the transfer supervision does on a time-out, a bad checksum or a NAK.
    void Resend() { comms.SendPacket(last); }

    ManualClock clock;
    SimulatedLine line;
    PortPaths paths;
    LinkTrace trace{clock};
    TracingSerialDevice device{line.A(), trace};
    TPanelComms comms{device, clock, paths};
    std::string last;
};

TEST(LinkTraceTest, KnownExchangeDecodesLineByLine) {
    TracedLink link;
    ASSERT_TRUE(link.comms.Open());
    link.Poll();    // starts the handshake in link mode 1
    link.Poll(40);  // no answer: the reply time-out resends it
    link.Answer(Bytes({'A', 0, 'A'}));
    link.Poll();
    ASSERT_TRUE(link.comms.HandshakeDone);

    link.Send(Bytes({'I', 1, 7}));                   // a device request
    link.Answer(Bytes({'I', 3, 1, 2, 0x41, 0x55}));  // its answer, checksum spoiled
    link.Poll();                                     // resent
    link.Answer(Bytes({0x15}));                      // NAK
    link.Poll();                                     // resent again
    link.Answer(Bytes({'I', 3, 1, 2, 0x41, 0x90}));  // the answer
    link.Poll();
    link.comms.Close();

    const std::vector<std::string> expected = {
        "         0 --            open /dev/ttyS0",
        "         0 --            line 9600 bit/s 8N1",
        "       100 --            close",
        "       100 --            open /dev/ttyS0",
        "       100 --            line 9600 bit/s 8N1",
        "       100 -> none       SOH frame 'A' len 0 sum 41 ok",
        "      4100 --            TIME-OUT: no answer for 4000 ms",
        "      4100 -> none       SOH frame 'A' len 0 sum 41 ok, RESEND 1",
        "      4200 <- none       frame 'A' len 0 sum 41 ok",
        "      4200 -> none       SOH frame 'I' len 1 data 07 \".\" sum 51 ok",
        "      4300 <- none       frame 'I' len 3 data 01 02 41 \"..A\" sum 55 BAD (expected 90)",
        "      4300 -> none       SOH frame 'I' len 1 data 07 \".\" sum 51 ok, RESEND 1",
        "      4400 <- none       NAK",
        "      4400 -> none       SOH frame 'I' len 1 data 07 \".\" sum 51 ok, RESEND 2",
        "      4500 <- none       frame 'I' len 3 data 01 02 41 \"..A\" sum 90 ok",
        "      4500 --            close",
    };
    EXPECT_EQ(Lines(link.trace), expected);
}

TEST(LinkTraceTest, MarkedModesShowBothParitiesAndTheSameFrameAgainAfterAnAnswerIsNoResend) {
    ManualClock clock;
    LinkTrace trace(clock);
    trace.SetRecording(true);
    LinkTraceDecoder decoder(trace);
    const std::string rest = Bytes({0, 'A'});
    for (int i = 0; i < 2; ++i) {
        decoder.Sent(reinterpret_cast<const std::uint8_t*>("A"), 1, ptSPACE);
        clock.Advance(50);
        decoder.Sent(reinterpret_cast<const std::uint8_t*>(rest.data()), rest.size(), ptMARK);
        decoder.Received(reinterpret_cast<const std::uint8_t*>("A\0A"), 3, ptMARK, false);
        clock.Advance(1000);
    }
    decoder.Sent(reinterpret_cast<const std::uint8_t*>("A"), 1, ptMARK);
    decoder.Sent(reinterpret_cast<const std::uint8_t*>(rest.data()), rest.size(), ptSPACE);

    const std::vector<std::string> expected = {
        "         0 -> space+mark frame 'A' len 0 sum 41 ok",
        "        50 <- mark       frame 'A' len 0 sum 41 ok",
        "      1050 -> space+mark frame 'A' len 0 sum 41 ok",
        "      1100 <- mark       frame 'A' len 0 sum 41 ok",
        "      2100 -> mark+space frame 'A' len 0 sum 41 ok",
    };
    EXPECT_EQ(Lines(trace), expected);
}

TEST(LinkTraceTest, BrokenFramesStrayBytesAndTextLines) {
    ManualClock clock;
    LinkTrace trace(clock);
    trace.SetRecording(true);
    LinkTraceDecoder decoder(trace);
    auto sent = [&](const std::string& bytes, TComPortParity parity) {
        decoder.Sent(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), parity);
    };
    auto received = [&](const std::string& bytes, bool textOnly) {
        decoder.Received(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), ptNONE, textOnly);
    };
    received(Bytes({'t', 5, 1}), false);     // a part answer...
    sent(Bytes({1, 'B', 0, 'B'}), ptNONE);   // ...ends when the next request goes
    sent("hello", ptNONE);                   // no SOH: no frame
    sent(Bytes({'C'}), ptSPACE);             // a marked command byte...
    sent(Bytes({'D'}), ptSPACE);             // ...broken off by the next one
    received(Bytes({6, 6}), false);          // two lone ACKs
    received("Fire Zone 3\r\nReset", true);  // text lines; the last waits for its CR
    decoder.Closed();

    const std::vector<std::string> expected = {
        "         0 <- none       part frame 't' len 5 data 01 \".\", broken off after 3 of 8 bytes",
        "         0 -> none       SOH frame 'B' len 0 sum 42 ok",
        "         0 -> none       bytes 68 65 6C 6C 6F \"hello\" (no frame)",
        "         0 -> space+mark part frame 'C', broken off after 1 byte",
        "         0 <- none       ACK",
        "         0 <- none       ACK",
        "         0 <- none       text \"Fire Zone 3<CR>\"",
        "         0 -> space+mark part frame 'D', broken off after 1 byte",
        "         0 <- none       text \"<LF>Reset\"",
        "         0 --            close",
    };
    EXPECT_EQ(Lines(trace), expected);
    EXPECT_EQ(Lines(trace, TraceFilter::Text).size(), 2u);
    EXPECT_EQ(Lines(trace, TraceFilter::Frames).size(), 7u);
}

TEST(LinkTraceTest, KeepsItsNewestEntriesAndRecordsNothingUntilSwitchedOn) {
    ManualClock clock;
    SimulatedLine line;
    LinkTrace trace(clock, 3);
    TracingSerialDevice device(line.A(), trace);
    line.B().Open("controller");
    ASSERT_TRUE(device.Open("COM1"));
    EXPECT_TRUE(trace.Entries().empty());

    trace.SetRecording(true);
    std::vector<std::uint64_t> told;
    trace.OnRecorded = [&](const TraceEntry& entry) { told.push_back(entry.Sequence); };
    const std::uint8_t ack = kACK;
    for (int i = 0; i < 5; ++i) line.B().Write(&ack, 1);
    std::uint8_t buffer[8];
    EXPECT_EQ(device.Read(buffer, sizeof buffer), 5);

    ASSERT_EQ(trace.Entries().size(), 3u);
    EXPECT_EQ(trace.Entries().front().Sequence, 2u);
    EXPECT_EQ(told, (std::vector<std::uint64_t>{0, 1, 2, 3, 4}));
    trace.Clear();
    EXPECT_TRUE(trace.Entries().empty());
    EXPECT_EQ(trace.NextSequence(), 5u);
}

TEST(LinkTraceTest, FailedOpenAndOutputTimeoutAreNoted) {
    ManualClock clock;
    SimulatedLine line;
    LinkTrace trace(clock);
    trace.SetRecording(true);
    TracingSerialDevice device(line.A(), trace);
    line.A().SetOpenFails(true);
    EXPECT_FALSE(device.Open("/dev/ttyS4"));
    line.A().SetOpenFails(false);
    ASSERT_TRUE(device.Open("/dev/ttyS4"));
    device.NoteLinkEvent(LinkEvent::OutputTimeout, 4001);

    const std::vector<std::string> lines = Lines(trace);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].rfind("         0 --            cannot open /dev/ttyS4", 0), 0u) << lines[0];
    EXPECT_EQ(lines[1], "         0 --            open /dev/ttyS4");
    EXPECT_EQ(lines[2], "         0 --            OUTPUT TIME-OUT: the line took nothing for 4001 ms");
}

}  // namespace
}  // namespace kelvane
