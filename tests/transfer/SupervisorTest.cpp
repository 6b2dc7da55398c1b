#include <gtest/gtest.h>

#include "comms/LinkHarness.h"
#include "support/ScriptedPrompts.h"
#include "transfer/TransferSupervisor.h"

namespace kelvane {
namespace {

class FakeView : public TransferView {
public:
    TransferSection ActiveSection() const override { return TransferSection::Site; }
    bool ListeningToEventLog() const override { return listening; }
    void RefreshActivePage() override { ++refreshes; }
    void ShowMainVersion(const std::string& version) override { shownVersion = version; }
    void SetConnectionStatusText(const std::string& text) override {
        connectionStatus = text;
        statusTexts.push_back(text);
    }
    void SetDateTimeTexts(const std::string& d, const std::string& t) override {
        date = d;
        time = t;
    }
    void AppendEventLogLine(const std::string& line) override { logLines.push_back(line); }
    void Beep() override { ++beeps; }
    bool UploadTimeSelected() const override { return false; }
    void RefreshPlaceNameLists() override {}

    bool listening = false;
    int refreshes = 0;
    int beeps = 0;
    std::string shownVersion, connectionStatus, date, time;
    std::vector<std::string> logLines;
    std::vector<std::string> statusTexts;  // every connection text written, in order
};

// Chains that ask for device 1 and count what comes back.
class FakeSteps : public TransferSteps {
public:
    explicit FakeSteps(TransferHost& host) : host_(host) {}
    void DispatchFirst() override {
        ++dispatched;
        host_.SendTransferPacket(std::string("I\x01\x01", 3));
    }
    void LoadAnswer(unsigned char command, const std::string&) override {
        answers += static_cast<char>(command);
    }
    void Acknowledged() override { ++acks; }
    int dispatched = 0;
    int acks = 0;
    std::string answers;

private:
    TransferHost& host_;
};

struct SupervisorFixture : ::testing::Test {
    explicit SupervisorFixture(sim::SimulatorOptions options = {}) : h(options) {}

    testing::LinkHarness h;
    TData data;
    TransferStatus status;
    ScriptedPrompts prompts;
    FakeView view;
    TransferSupervisor supervisor{data, h.comms, status, prompts, h.clock, view};
    FakeSteps steps{supervisor};

    void SetUp() override { supervisor.SetSteps(&steps); }

    void StartLoad() {
        supervisor.State().Step = kStepLoadDevices;
        supervisor.StartTransfer();
    }
    int Heard(char command) const {
        const std::string& heard = h.simulator.CommandsHeard();
        return static_cast<int>(std::count(heard.begin(), heard.end(), command));
    }
};

TEST_F(SupervisorFixture, MainLinkSettings) {
    EXPECT_EQ(h.comms.SetupString(), "COM1: 9600, n, 8, 1");
    EXPECT_EQ(h.comms.TickInterval(), 100);
    EXPECT_EQ(h.comms.InputTimeOut(), 4000u);
    EXPECT_EQ(h.comms.OutputTimeout(), 4000u);
    EXPECT_EQ(h.comms.ComPortParity(), ptNONE);
    EXPECT_FALSE(h.comms.AutoAppendCR);
}

TEST_F(SupervisorFixture, TransferStartShakesHandsAsksTheVersionAndDispatches) {
    StartLoad();
    EXPECT_TRUE(status.Visible());
    EXPECT_EQ(status.StatusText(), "Establishing communications with the panel");
    EXPECT_EQ(status.ProgressPosition(), 1);
    EXPECT_EQ(status.ProgressMax(), 101);
    ASSERT_TRUE(h.RunUntil([&] { return steps.dispatched > 0; }, 2000));
    h.RunFor(20);
    EXPECT_EQ(data.SiteConfig.MainVersion, "08A00");
    EXPECT_EQ(view.shownVersion, "08A00");
    EXPECT_EQ(h.simulator.CommandsHeard(), "A\\I");
    EXPECT_EQ(supervisor.State().LastPacket, std::string("I\x01\x01", 3));
}

TEST_F(SupervisorFixture, SaveAsksTheNvmLinkFirst) {
    supervisor.State().Step = kStepSaveDevices;
    supervisor.State().NvmCheckPending = true;
    supervisor.StartTransfer();
    ASSERT_TRUE(h.RunUntil([&] { return steps.dispatched > 0; }, 2000));
    h.RunFor(20);
    EXPECT_EQ(h.simulator.CommandsHeard(), "AB\\I");
    EXPECT_FALSE(supervisor.State().NvmCheckPending);
    supervisor.FinishTransfer(false);
    h.RunFor(200);  // the NAK for "I" finds the link idle

    // With the handshake done, the next transfer asks at once without shaking
    // hands again. The "I" left unanswered may still be answered, so the next
    // goes only after a marker (a zone query) has been answered.
    supervisor.State().Step = kStepSaveDevices;
    supervisor.State().NvmCheckPending = true;
    supervisor.StartTransfer();
    h.RunFor(500);
    EXPECT_EQ(h.simulator.CommandsHeard().substr(0, 7), "AB\\IB\\t");
    EXPECT_EQ(Heard('A'), 1);
}

struct NvmNotFitted : SupervisorFixture {
    static sim::SimulatorOptions Options() {
        sim::SimulatorOptions o;
        o.NvmFitted = false;
        return o;
    }
    NvmNotFitted() : SupervisorFixture(Options()) {}
};

TEST_F(NvmNotFitted, RetryAsksAgainAndAbortEndsTheSave) {
    prompts.Queue(PromptAnswer::Retry);
    prompts.Queue(PromptAnswer::Abort);
    supervisor.State().Step = kStepSaveDevices;
    supervisor.State().NvmCheckPending = true;
    supervisor.StartTransfer();
    ASSERT_TRUE(h.RunUntil([&] { return prompts.PendingAnswers() == 0; }, 3000));
    ASSERT_EQ(prompts.ShownMessages().size(), 2u);
    EXPECT_EQ(prompts.LastText(),
              "The NVM Program link is not fitted in the panel. Please fit the link and select Retry. Press "
              "Abort to exit.");
    EXPECT_EQ(prompts.ShownMessages()[0].buttons, PromptButtons::AbortRetry);
    EXPECT_EQ(prompts.ShownMessages()[0].kind, PromptKind::Warning);
    EXPECT_EQ(Heard('B'), 2);
    EXPECT_TRUE(h.comms.Suspended);
    EXPECT_EQ(supervisor.State().Step, kStepIdle);
    EXPECT_FALSE(status.Visible());
    EXPECT_EQ(steps.dispatched, 0);
}

TEST_F(SupervisorFixture, OnePacketIsSentElevenTimesThenTheTransferEnds) {
    StartLoad();  // the controller has no records: every "I" is NAKed
    ASSERT_TRUE(h.RunUntil([&] { return !status.Visible(); }, 10'000));
    EXPECT_EQ(Heard('I'), 11);
    EXPECT_EQ(prompts.LastText(), "Error: cannot communicate with panel");
    EXPECT_TRUE(h.comms.Suspended);
    EXPECT_EQ(h.comms.LinkMode, 0);
    EXPECT_FALSE(h.comms.Connected());
    EXPECT_EQ(supervisor.State().Step, kStepIdle);
    EXPECT_EQ(supervisor.State().RetryCount, 0);
}

TEST_F(SupervisorFixture, TimeoutsAlsoCountTowardsTheRetryLimit) {
    StartLoad();
    ASSERT_TRUE(h.RunUntil([&] { return steps.dispatched > 0; }, 2000));
    h.simulator.Options().Silent = true;
    h.RunFor(11 * 4000 + 500);
    EXPECT_EQ(Heard('I'), 11);
    EXPECT_EQ(prompts.LastText(), "Error: cannot communicate with panel");
}

TEST_F(SupervisorFixture, AcknowledgementsAdvanceTheSaveUnlessCancelled) {
    StartLoad();
    ASSERT_TRUE(h.RunUntil([&] { return steps.dispatched > 0; }, 2000));
    supervisor.PanelCommsPacketReceived(h.comms, 'I', std::string("I\x00I", 3));
    supervisor.SendTransferPacket(std::string("J\x01\x02", 3));
    h.comms.OnAck(h.comms);
    EXPECT_EQ(steps.acks, 1);
    supervisor.SendTransferPacket(std::string("J\x01\x03", 3));
    h.comms.Suspended = true;
    h.comms.OnAck(h.comms);
    EXPECT_EQ(steps.acks, 1);
    EXPECT_EQ(supervisor.State().Step, kStepIdle);
    EXPECT_FALSE(status.Visible());
}

// An answer that the request in hand did not ask for is owed to an earlier
// copy (or is noise): it is dropped, and sending the request again would only
// put one more answer on the line.
TEST_F(SupervisorFixture, OnlyTheAnswerToTheRequestInHandGoesToTheChains) {
    StartLoad();
    ASSERT_TRUE(h.RunUntil([&] { return steps.dispatched > 0; }, 2000));
    h.comms.OnAck(h.comms);  // a load request is answered with a frame, never an acknowledgement
    EXPECT_EQ(steps.acks, 0);
    supervisor.PanelCommsPacketReceived(h.comms, 0x80, std::string("\x80\x00\x80", 3));
    supervisor.PanelCommsPacketReceived(h.comms, 'v', std::string("v\x00v", 3));
    supervisor.PanelCommsPacketReceived(h.comms, 'K', std::string("K\x00K", 3));
    supervisor.PanelCommsPacketReceived(h.comms, 'I', std::string("I\x00I", 3));
    EXPECT_EQ(steps.answers, "I");
    supervisor.PanelCommsPacketReceived(h.comms, 'I', std::string("I\x00I", 3));  // nothing awaits it
    EXPECT_EQ(steps.answers, "I");
    EXPECT_EQ(supervisor.State().RetryCount, 0);  // nothing went again
}

TEST_F(SupervisorFixture, CancelAsksAndOnlyYesStopsTheTransfer) {
    StartLoad();
    prompts.Queue(PromptAnswer::No);
    status.OnCancelPressed();
    EXPECT_TRUE(status.Visible());
    EXPECT_FALSE(h.comms.Suspended);
    EXPECT_EQ(supervisor.State().Step, kStepLoadDevices);
    EXPECT_EQ(prompts.LastText(), " Are you sure that you want to cancel the current operation?");
    EXPECT_EQ(prompts.ShownMessages().back().buttons, PromptButtons::YesNo);

    prompts.Queue(PromptAnswer::Yes);
    status.OnCancelPressed();
    EXPECT_FALSE(status.Visible());
    EXPECT_TRUE(h.comms.Suspended);
    EXPECT_EQ(supervisor.State().Step, kStepIdle);
    EXPECT_EQ(prompts.LastText(), "The current function has been aborted by the user.");
    EXPECT_EQ(prompts.ShownMessages().back().kind, PromptKind::Warning);

    // The handshake stays frozen until the next transfer start.
    h.RunFor(1000);
    EXPECT_EQ(h.simulator.CommandsHeard(), "");
}

TEST_F(SupervisorFixture, PortThatCannotOpen) {
    h.line.A().SetOpenFails(true);
    StartLoad();
    EXPECT_EQ(prompts.LastText(), "Cannot open serial port");
    EXPECT_FALSE(status.Visible());
    EXPECT_TRUE(h.comms.HandshakeFailed);
    EXPECT_EQ(supervisor.State().Step, kStepIdle);
}

TEST_F(SupervisorFixture, NoTransferStartsOnTheEventLogPage) {
    view.listening = true;
    StartLoad();
    EXPECT_FALSE(status.Visible());
    EXPECT_FALSE(h.comms.Connected());
}

struct SilentController : SupervisorFixture {
    static sim::SimulatorOptions Options() {
        sim::SimulatorOptions o;
        o.Silent = true;
        return o;
    }
    SilentController() : SupervisorFixture(Options()) {}
};

TEST_F(SilentController, HandshakeProgressWrapsAndTheTransferGivesUpInModeThree) {
    StartLoad();
    h.RunFor(10'050);
    EXPECT_EQ(status.ProgressMax(), 101);
    EXPECT_LT(status.ProgressPosition(), 101);
    ASSERT_TRUE(h.RunUntil([&] { return !status.Visible(); }, 200'000));
    EXPECT_EQ(view.beeps, 1);
    EXPECT_EQ(
        prompts.LastText(),
        "An error occured opening the connection to the panel. Please check that the correct COM port is "
        "selected, and that nothing else is using the COM port.");
    EXPECT_EQ(supervisor.State().Step, kStepIdle);
    EXPECT_EQ(h.comms.LinkMode, 0);
    EXPECT_FALSE(h.comms.Connected());
    // Mode 3 gives up when the progress bar is full, before its eleven attempts.
    EXPECT_LT(h.clock.NowMs(), 44'000u * 2 + 44'000u);
}

TEST_F(SilentController, IdleTimeoutWithNoDisciplineDoesNotOpenTheStatusWindow) {
    h.comms.LinkMode = 0;
    h.comms.HandshakeFailed = true;
    supervisor.PanelCommsTimeout(h.comms);
    EXPECT_FALSE(status.Visible());
    EXPECT_FALSE(h.comms.Connected());
}

TEST_F(SupervisorFixture, KeepAliveConnectsByItselfAndDrivesTheIndicator) {
    supervisor.Timer2Timer();  // opens the port; the first poll tick shakes hands
    EXPECT_EQ(view.connectionStatus, "Attempting to connect...");
    EXPECT_EQ(supervisor.IndicatorCountdown(), 2);
    ASSERT_TRUE(h.RunUntil([&] { return !view.shownVersion.empty(); }, 2000));
    EXPECT_EQ(steps.dispatched, 0);  // idle: the version is only shown
    EXPECT_FALSE(status.Visible());

    supervisor.Timer2Timer();
    h.RunFor(500);
    EXPECT_TRUE(supervisor.ConnectedIndicator());
    supervisor.Timer1Timer();
    EXPECT_EQ(view.connectionStatus, "Connected");
    EXPECT_EQ(view.date, "07/12/2026");
    EXPECT_EQ(view.time, "12:00:00");

    // One keep-alive without an answer: the next one says so.
    h.simulator.Options().Silent = true;
    supervisor.Timer2Timer();
    h.RunFor(500);
    EXPECT_EQ(view.connectionStatus, "Connected");
    supervisor.Timer2Timer();
    EXPECT_EQ(view.connectionStatus, "Attempting to connect...");
    EXPECT_FALSE(supervisor.ConnectedIndicator());
    // Keep-alives stop (a transfer runs): once the countdown is over, the indicator shows.
    supervisor.Timer1Timer();
    supervisor.Timer1Timer();
    EXPECT_EQ(view.connectionStatus, "Attempting to connect...");
    supervisor.Timer1Timer();
    EXPECT_EQ(view.connectionStatus, "Dis-Connected");
}

// The program's two timers on the driven clock: the clock timer every
// second, the keep-alive timer every two.
struct IndicatorFixture : SupervisorFixture {
    void RunTimersFor(std::uint64_t ms) {
        for (std::uint64_t done = 0; done < ms; done += testing::LinkHarness::kStepMs) {
            h.Step();
            elapsed += testing::LinkHarness::kStepMs;
            if (elapsed % 1000 == 0) supervisor.Timer1Timer();
            if (elapsed % 2000 == 0) supervisor.Timer2Timer();
        }
    }
    std::uint64_t elapsed = 0;
};

TEST_F(IndicatorFixture, ConnectedStaysWhileTheKeepAliveIsAnswered) {
    RunTimersFor(6000);
    ASSERT_EQ(view.connectionStatus, "Connected");
    view.statusTexts.clear();
    RunTimersFor(30000);
    EXPECT_EQ(std::count(view.statusTexts.begin(), view.statusTexts.end(), "Connected"),
              static_cast<long>(view.statusTexts.size()));

    h.simulator.Options().Silent = true;
    view.statusTexts.clear();
    RunTimersFor(4000);
    EXPECT_EQ(view.connectionStatus, "Attempting to connect...");
    h.simulator.Options().Silent = false;
    RunTimersFor(4000);
    EXPECT_EQ(view.connectionStatus, "Connected");
}

TEST_F(IndicatorFixture, AKeepAliveAnswerAfterACancelShowsConnectedAgain) {
    RunTimersFor(6000);
    ASSERT_EQ(view.connectionStatus, "Connected");
    StartLoad();
    RunTimersFor(1000);
    prompts.Queue(PromptAnswer::Yes);
    status.OnCancelPressed();
    ASSERT_TRUE(h.comms.Suspended);
    RunTimersFor(10000);
    EXPECT_EQ(view.connectionStatus, "Connected");
    EXPECT_TRUE(supervisor.ConnectedIndicator());
    EXPECT_TRUE(h.comms.Suspended);  // still no transfer answer is taken
}

TEST_F(SupervisorFixture, KeepAlivePacketsOnTheWire) {
    h.comms.LinkMode = 1;
    h.comms.HandshakeDone = true;
    ASSERT_TRUE(h.comms.Open());
    h.simulator.Options().Silent = true;
    std::vector<std::string> sent;
    h.comms.OnOutput = [&](TCommPanel&, const std::string& text) { sent.push_back(text); };
    supervisor.Timer2Timer();
    view.listening = true;
    supervisor.Timer2Timer();
    EXPECT_EQ(sent, (std::vector<std::string>{"<SOH>A<NUL>A\x82", "<SOH>V<NUL>V\xac"}));
    supervisor.State().Step = kStepLoadZones;
    supervisor.Timer2Timer();
    EXPECT_EQ(sent.size(), 2u);
}

TEST_F(SupervisorFixture, TextLinesGoToTheEventLogOnlyWhenIdleOnItsPage) {
    supervisor.PanelCommsInput(h.comms, "FIRE ZONE 1\n\r");
    view.listening = true;
    supervisor.PanelCommsInput(h.comms, "CALL ROOM 12\n\r");
    supervisor.PanelCommsInput(h.comms, std::string("v\0v\r", 4));
    supervisor.PanelCommsInput(h.comms, "\r");
    supervisor.State().Step = kStepLoadDevices;
    supervisor.PanelCommsInput(h.comms, "RESET\n\r");
    EXPECT_EQ(view.logLines, (std::vector<std::string>{"CALL ROOM 12", ""}));
}

TEST_F(SupervisorFixture, OutputTimeoutMessage) {
    h.comms.OnOutputTimeout(h.comms);
    EXPECT_EQ(prompts.LastText(), "Timed out");
    EXPECT_EQ(prompts.ShownMessages().back().kind, PromptKind::Error);
}

TEST_F(SupervisorFixture, EventLogPageSwitchesTheLinkToText) {
    h.comms.LinkMode = 3;
    h.comms.HandshakeDone = true;
    h.comms.ReopenForMode();
    ASSERT_EQ(h.line.A().Settings().Parity, ptMARK);
    supervisor.ListenToEventLog();
    EXPECT_TRUE(h.comms.IsASCIIOnly);
    EXPECT_TRUE(h.comms.Connected());
    EXPECT_EQ(h.line.A().Settings().Parity, ptNONE);

    supervisor.StopListeningToEventLog();
    EXPECT_FALSE(h.comms.HandshakeDone);
    EXPECT_FALSE(h.comms.IsASCIIOnly);
}

TEST_F(SupervisorFixture, TheLogPageEmptiesBothReceiveBuffers) {
    h.comms.LinkMode = 1;
    h.comms.HandshakeDone = true;
    ASSERT_TRUE(h.comms.Open());
    std::vector<std::string> lines;
    h.comms.OnInput = [&](TCommPanel&, const std::string& text) { lines.push_back(text); };
    testing::ReceiveAtNextPoll(h.line, h.comms.Port(),
                               "I\x05"
                               "half");
    ASSERT_GT(h.comms.DCharsReceived, 0);
    supervisor.ListenToEventLog();
    EXPECT_EQ(h.comms.DCharsReceived, 0);
    EXPECT_TRUE(h.comms.RxBuffer.empty());
    testing::ReceiveAtNextPoll(h.line, h.comms.Port(), "CALL\n\r");
    EXPECT_EQ(lines, std::vector<std::string>{"CALL\n\r"});
}

// A link that has no discipline yet (the log page opened before the first
// handshake) takes the plain one and keeps it while the page is shown: the
// handshake, whose answer text-only reception cannot read, would otherwise
// time out and move the port to the marked disciplines.
TEST_F(SupervisorFixture, TheLogPageHoldsTheHandshakeUntilItIsLeft) {
    h.simulator.Options().Silent = true;
    view.listening = true;
    supervisor.ListenToEventLog();
    EXPECT_EQ(h.comms.LinkMode, 1);
    EXPECT_TRUE(h.comms.Connected());
    EXPECT_EQ(h.line.A().Settings().Parity, ptNONE);
    for (int n = 0; n < 60; ++n) {
        supervisor.Timer2Timer();
        h.RunFor(2000);
    }
    EXPECT_EQ(h.comms.LinkMode, 1);
    EXPECT_EQ(h.line.A().Settings().Parity, ptNONE);
    EXPECT_FALSE(h.comms.HandshakeFailed);
    EXPECT_EQ(h.simulator.CommandsHeard(), std::string(60, 'V'));
    EXPECT_TRUE(prompts.ShownMessages().empty());

    supervisor.StopListeningToEventLog();
    view.listening = false;
    h.simulator.Options().Silent = false;
    supervisor.Timer2Timer();
    ASSERT_TRUE(h.RunUntil([&] { return h.comms.HandshakeDone; }, 10000));
    EXPECT_EQ(h.comms.LinkMode, 1);
}

}  // namespace
}  // namespace kelvane
