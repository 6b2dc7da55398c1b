#pragma once
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>
#include <algorithm>
#include <memory>

#include "WindowTestParts.h"
#include "core/ManualClock.h"
#include "sim/SimulatedPanelDevice.h"
#include "ui/controller/ControllerConnection.h"
#include "ui/window/MainWindow.h"

namespace kelvane::test {

// The desktop program as `kelvane-tools --simulate` puts it together: the main
// window, the controller link wired to it and the simulated controller with
// its demo site. Per-user settings go to a scratch folder. Time is the manual
// clock; the test runs the program's timers on it as the event loop would.
// The document store is the in-memory one unless a test gives its own.
class DesktopLinkTest : public WindowTestParts {
protected:
    virtual DocumentStore& Store() { return store; }

    void SetUp() override { Start(); }
    void TearDown() override {
        document.SetModified(false);
        Stop();
    }

    void Start(StartupOptions options = {}) {
        options.Simulate = true;
        window = std::make_unique<TfrmMain>(data, document, prompts, Store(), clock, options, &dialogs);
        connection = std::make_unique<ControllerConnection>(*window, data, document, prompts, clock);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void Stop() {
        connection.reset();
        window.reset();
    }

    // Every 10 ms the simulated controller is served; every 100 ms the open
    // port is polled; every second the clock timer and every two seconds the
    // keep-alive timer run.
    void RunFor(std::uint64_t ms) {
        for (std::uint64_t done = 0; done < ms; done += 10) Step();
    }

    template <typename Predicate>
    bool RunUntil(Predicate done, std::uint64_t limitMs = 120000) {
        for (std::uint64_t spent = 0; spent < limitMs && !done(); spent += 10) Step();
        return done();
    }

    void Step() {
        clock.Advance(10);
        elapsed_ += 10;
        connection->SimulatedDevice()->Service();
        TPanelComms& comms = connection->PanelComms();
        if (elapsed_ % 100 == 0 && comms.Connected()) comms.Port().PollTick();
        if (elapsed_ % 1000 == 0) window->Timer1Timer();
        if (elapsed_ % 2000 == 0) connection->Supervisor().Timer2Timer();
    }

    // The command letters the simulated controller has heard so far.
    int Heard(char command) const {
        const std::string& heard = connection->SimulatedDevice()->Simulator().CommandsHeard();
        return static_cast<int>(std::count(heard.begin(), heard.end(), command));
    }

    ManualClock clock;
    std::unique_ptr<TfrmMain> window;
    std::unique_ptr<ControllerConnection> connection;

private:
    std::uint64_t elapsed_ = 0;
};

}  // namespace kelvane::test
