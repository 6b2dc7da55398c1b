#include <gtest/gtest.h>

#include "comms/LinkHarness.h"
#include "comms/SimulatedLine.h"
#include "comms/commspanel.h"
#include "core/ManualClock.h"

namespace kelvane {
namespace {

struct PanelFixture : ::testing::Test {
    ManualClock clock;
    SimulatedLine line;
    PortPaths paths;
    TCommPanel link{line.A(), clock, paths};
    std::vector<std::string> events;

    void SetUp() override {
        line.B().Open("controller");
        link.OnInput = [this](TCommPanel&, const std::string& text) { events.push_back("input " + text); };
        link.OnAck = [this](TCommPanel&) { events.push_back("ack"); };
        link.OnNak = [this](TCommPanel&) { events.push_back("nak"); };
        link.OnCR = [this](TCommPanel&) { events.push_back("cr"); };
        link.OnCharacter = [this](TCommPanel&, std::uint8_t c) {
            events.push_back(std::string("char ") + char(c));
        };
    }
    void Receive(const std::string& bytes) { testing::ReceiveAtNextPoll(line, link.Port(), bytes); }
    std::string Sent() { return testing::SentToController(line); }
};

TEST_F(PanelFixture, ConstructionDefaults) {
    EXPECT_EQ(link.SetupString(), "COM1: 9600, e, 7, 1");
    EXPECT_EQ(link.ComPort(), pnCOM1);
    EXPECT_EQ(link.ComPortParity(), ptEVEN);
    EXPECT_EQ(link.ComPortDataBits(), db7BITS);
    EXPECT_TRUE(link.AutoAppendCR);
    EXPECT_TRUE(link.AutoOpen);
}

TEST_F(PanelFixture, SettingsStrings) {
    link.SetSetupString("COM2:, 19200, n, 8, 2");
    EXPECT_EQ(link.ComPort(), pnCOM2);
    EXPECT_EQ(link.ComPortSpeed(), br19200);
    EXPECT_EQ(link.ComPortParity(), ptNONE);
    EXPECT_EQ(link.ComPortDataBits(), db8BITS);
    EXPECT_EQ(link.ComPortStopBits(), sb2BITS);

    link.SetSetupString("com3: 9600,, e");
    EXPECT_EQ(link.ComPort(), pnCOM3);
    EXPECT_EQ(link.ComPortSpeed(), br9600);
    EXPECT_EQ(link.ComPortParity(), ptEVEN);
    EXPECT_EQ(link.ComPortDataBits(), db8BITS);
    EXPECT_EQ(link.ComPortStopBits(), sb2BITS);

    // A sixth field: kept, but nothing changes.
    link.SetSetupString("COM1: 300, o, 5, 1, x");
    EXPECT_EQ(link.SetupString(), "COM1: 300, o, 5, 1, x");
    EXPECT_EQ(link.ComPort(), pnCOM3);
    EXPECT_EQ(link.ComPortSpeed(), br9600);

    // Unknown values and a leading separator leave their settings alone.
    link.SetSetupString(" 115200, SPACE, 9, 3");
    EXPECT_EQ(link.ComPort(), pnCOM3);
    EXPECT_EQ(link.ComPortSpeed(), br115200);
    EXPECT_EQ(link.ComPortParity(), ptSPACE);
    EXPECT_EQ(link.ComPortDataBits(), db8BITS);
    EXPECT_EQ(link.ComPortStopBits(), sb2BITS);

    // 5 is not a port number the string can choose.
    link.SetSetupString("COM5: 1200 mark");
    EXPECT_EQ(link.ComPort(), pnCOM3);
    EXPECT_EQ(link.ComPortParity(), ptMARK);
}

TEST_F(PanelFixture, TimeOutIsCountedInTicks) {
    link.SetTickInterval(100);
    link.SetTimeOut(40);
    EXPECT_EQ(link.InputTimeOut(), 4000u);
    link.SetInputTimeOut(4050);
    EXPECT_EQ(link.TimeOut(), 40u);
}

TEST_F(PanelFixture, BufferSizesAbove65535AreRefused) {
    EXPECT_FALSE(link.SetSendBufferSize(70000));
    EXPECT_FALSE(link.SetRcvBufferSize(65536));
    EXPECT_EQ(link.SendBufferSize(), 2048);
    EXPECT_TRUE(link.SetRcvBufferSize(65535));
    EXPECT_EQ(link.RcvBufferSize(), 65535);
}

TEST_F(PanelFixture, ReceivedLineIsSplitAtTerminators) {
    ASSERT_TRUE(link.Open());
    Receive("OK\r");
    EXPECT_EQ(events, (std::vector<std::string>{"char O", "char K", "char \r", "input OK<CR>", "cr"}));
    events.clear();
    Receive("\x06\x06");
    EXPECT_EQ(events, (std::vector<std::string>{"char \x06", "input <ACK>", "ack", "char \x06", "input <ACK>",
                                                "ack"}));
    events.clear();
    Receive("E");
    Receive("R\x15");
    EXPECT_EQ(events.back(), "nak");
    EXPECT_EQ(events[events.size() - 2], "input ER<NAK>");
}

TEST_F(PanelFixture, AnswerClearsTheWait) {
    ASSERT_TRUE(link.Open());
    link.Send("Q");
    EXPECT_TRUE(link.WaitingForInput());
    Receive("\x06");
    EXPECT_FALSE(link.WaitingForInput());
}

TEST_F(PanelFixture, SendAndSendReportingCRDifferOnlyInTheReport) {
    std::vector<std::string> outputs;
    link.OnOutput = [&](TCommPanel&, const std::string& text) { outputs.push_back(text); };
    ASSERT_TRUE(link.Open());
    link.Send("AT");
    link.SendReportingCR("AT");
    EXPECT_EQ(Sent(), "AT\rAT\r");
    EXPECT_EQ(outputs, (std::vector<std::string>{"AT", "AT<CR>"}));

    link.AutoAppendCR = false;
    link.Send(std::string("\x01Z", 2));
    EXPECT_EQ(Sent(), "\x01Z");
    link.SetWaitingForInput(false);
    link.Send("");
    EXPECT_EQ(Sent(), "");
    EXPECT_TRUE(link.WaitingForInput());
}

TEST_F(PanelFixture, CloseClearsTheWait) {
    ASSERT_TRUE(link.Open());
    link.Send("Q");
    link.Close();
    EXPECT_FALSE(link.Connected());
    EXPECT_FALSE(link.WaitingForInput());
}

TEST_F(PanelFixture, AutoOpenOnLoad) {
    link.Loaded();
    EXPECT_TRUE(link.Connected());
}

}  // namespace
}  // namespace kelvane
