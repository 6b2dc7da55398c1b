#pragma once
#include <QCoreApplication>
#include <memory>
#include <string>

#include "comms/PortPaths.h"
#include "comms/qt/QtPollTimer.h"
#include "comms/qt/QtSerialDevice.h"
#include "core/Prompts.h"
#include "core/SystemClock.h"
#include "file/Document.h"
#include "model/Data.h"
#include "transfer/TransferSession.h"

namespace kelvane::cli {

// A headless transfer session on a real serial device in real time: the Qt
// event loop (the caller runs it) drives the port's poll timer and the
// device's data-ready notification. The port is closed when it ends.
class PortSession {
public:
    PortSession(const std::string& port, TData& data, Prompts& prompts);
    ~PortSession();
    PortSession(const PortSession&) = delete;
    PortSession& operator=(const PortSession&) = delete;

    TransferSession& Session() { return *session_; }
    const SystemClock& Clock() const { return clock_; }

private:
    std::unique_ptr<QCoreApplication> application_;
    SystemClock clock_;
    QtSerialDevice device_;
    PortPaths paths_;
    Document document_;
    std::unique_ptr<TransferSession> session_;
    std::unique_ptr<QtPollTimer> pollTimer_;
};

}  // namespace kelvane::cli
