#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <memory>

#include "comms/PanelComms.h"
#include "comms/qt/QtPollTimer.h"
#include "comms/qt/QtSerialDevice.h"
#include "core/SystemClock.h"
#include "sim/PanelSimulator.h"
#include "sim/PtyPort.h"

namespace kelvane {
namespace {

// The real serial backend on a pseudo-terminal, with the simulated
// controller on its far end: the handshake and the version query go through
// the terminal driver. Waits by processing events until the answer is in,
// with a generous cap.
TEST(QtSerialEndToEnd, HandshakeAndVersionOverAPseudoTerminal) {
    sim::PtyPort pty;
    ASSERT_TRUE(pty.Create()) << pty.Error();
    SystemClock clock;
    sim::SimulatorOptions options;
    options.Version = "09B01";
    options.TurnaroundMs = 0;
    sim::PanelSimulator simulator(pty, clock, options);

    PortPaths paths;
    paths.SetPath(pnCOM1, pty.SlavePath());
    QtSerialDevice device;
    TPanelComms comms(device, clock, paths);
    QtPollTimer timer([&] { comms.Port().PollTick(); });
    comms.Port().SetPollTimer(&timer);
    comms.SetTimeOut(40);
    comms.ProcessPendingEvents = ProcessPendingEvents;

    std::string version;
    comms.OnHandshakeReceived = [&](TCommPanel&) { comms.SendPacket(std::string("\\\0", 2)); };
    comms.OnPacketReceived = [&](TPanelComms&, std::uint8_t command, const std::string& packet) {
        if (command == '\\' && packet.size() >= 8) version = packet.substr(2, 5);
    };

    ASSERT_TRUE(comms.Open()) << comms.Port().LastErrorText;
    EXPECT_TRUE(timer.Active());
    EXPECT_EQ(timer.Interval(), 100);

    QElapsedTimer waited;
    waited.start();
    while (version.empty() && waited.elapsed() < 20'000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        simulator.Service();
    }
    EXPECT_TRUE(comms.HandshakeDone);
    EXPECT_EQ(comms.LinkMode, 1);
    EXPECT_EQ(version, "09B01");
    EXPECT_EQ(simulator.CommandsHeard().substr(0, 2), "A\\");

    // Another program cannot open the port while the link holds it.
    QtSerialDevice intruder;
    EXPECT_FALSE(intruder.Open(pty.SlavePath()));
    comms.Close();
    EXPECT_FALSE(timer.Active());
}

// The far end of the pseudo-terminal closes, as a USB adapter is pulled: the
// device notices by itself, closes and tells why, and reads fail at once
// instead of spinning.
TEST(QtSerialDevice, ADeviceThatGoesAwayIsClosedAndReported) {
    auto pty = std::make_unique<sim::PtyPort>();
    ASSERT_TRUE(pty->Create()) << pty->Error();
    QtSerialDevice device;
    int gone = 0;
    device.OnGone = [&] { ++gone; };
    ASSERT_TRUE(device.Open(pty->SlavePath())) << device.LastErrorText();
    pty.reset();

    QElapsedTimer waited;
    waited.start();
    while (gone == 0 && waited.elapsed() < 10'000) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    EXPECT_EQ(gone, 1);
    EXPECT_FALSE(device.IsOpen());
    EXPECT_NE(device.LastErrorText().find("the device has gone"), std::string::npos)
        << device.LastErrorText();
    std::uint8_t buffer[16];
    EXPECT_EQ(device.Read(buffer, sizeof buffer), -1);
}

TEST(QtSerialDevice, MissingDeviceFailsToOpenWithAReason) {
    QtSerialDevice device;
    EXPECT_FALSE(device.Open("/dev/kelvane-no-such-port"));
    EXPECT_NE(device.LastError(), 0u);
    EXPECT_FALSE(device.LastErrorText().empty());
}

}  // namespace
}  // namespace kelvane
