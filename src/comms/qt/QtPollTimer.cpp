#include "comms/qt/QtPollTimer.h"

#include <QCoreApplication>
#include <QThread>

namespace kelvane {

QtPollTimer::QtPollTimer(std::function<void()> tick) {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [tick = std::move(tick)] { tick(); });
}

void QtPollTimer::Start(std::uint16_t periodMs) {
    timer_.start(periodMs);
}

void ProcessPendingEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QThread::msleep(1);
}

}  // namespace kelvane
