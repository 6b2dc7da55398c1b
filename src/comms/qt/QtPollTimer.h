#pragma once
#include <QTimer>
#include <functional>

#include "comms/PollTimer.h"

namespace kelvane {

// Drives a port's poll from a QTimer on the user-interface thread.
class QtPollTimer : public PollTimer {
public:
    explicit QtPollTimer(std::function<void()> tick);

    void Start(std::uint16_t periodMs) override;
    void Stop() override { timer_.stop(); }
    bool Active() const { return timer_.isActive(); }
    int Interval() const { return timer_.interval(); }

private:
    QTimer timer_;
};

// Runs pending events for the parity guard delay without spinning a core.
void ProcessPendingEvents();

}  // namespace kelvane
