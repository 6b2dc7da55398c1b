#pragma once
#include <QObject>
#include <QTimer>
#include <memory>

#include "comms/PanelComms.h"
#include "comms/PortPaths.h"
#include "comms/PortSettings.h"
#include "comms/qt/QtPollTimer.h"
#include "core/Clock.h"
#include "core/Prompts.h"
#include "file/Document.h"
#include "model/Data.h"
#include "transfer/TransferSession.h"
#include "transfer/TransferView.h"
#include "ui/controller/TransferNotice.h"

namespace kelvane {

namespace sim {
class DemoController;
class SimulatedPanelDevice;
class StoreFaults;
}  // namespace sim

class TfrmMain;
class TCommSelectForm;
class ControllerVerifyCommands;
class LinkTraceDock;

// The desktop program's controller link, put together and wired to the main
// window: the serial device (a real port, or the simulated controller with
// --simulate), the transfer session (protocol component, transfer
// supervision, load and save chains) with the window's status and view, the
// port's poll timer, the keep-alive timer and the serial port selection
// dialog.
class ControllerConnection : public QObject, public TransferView {
    Q_OBJECT
public:
    ControllerConnection(TfrmMain& frmMain, TData& data, Document& document, Prompts& prompts,
                         const Clock& clock);
    ~ControllerConnection() override;

    TPanelComms& PanelComms() { return session_->Comms(); }
    TransferSupervisor& Supervisor() { return session_->Supervisor(); }
    TransferSession& Session() { return *session_; }
    ControllerVerifyCommands& VerifyCommands() { return *verifyCommands_; }
    // View > Link Trace: the link's trace, recorded from the start.
    LinkTraceDock* TraceDock() { return traceDock_; }
    // With --simulate: the simulated controller's own configuration memory.
    TData* SimulatedControllerSite();
    // With --simulate: the device with the simulated controller on its far end.
    sim::SimulatedPanelDevice* SimulatedDevice();
    // With --simulate: the simulated controller's store faults (--corrupt-store).
    sim::StoreFaults* SimulatedStoreFaults();

    // TransferView
    TransferSection ActiveSection() const override;
    bool ListeningToEventLog() const override;
    void RefreshActivePage() override;
    void ShowMainVersion(const std::string& version) override;
    void SetConnectionStatusText(const std::string& text) override;
    void SetDateTimeTexts(const std::string& date, const std::string& time) override;
    void AppendEventLogLine(const std::string& line) override;
    void Beep() override;
    bool UploadTimeSelected() const override;
    void RefreshPlaceNameLists() override;

private:
    SerialDevice& MakeDevice(const Clock& clock);
    void WireMainWindow();

    TfrmMain& frmMain_;
    Prompts& prompts_;
    // What the status bar says when a transfer ends.
    TransferNotice notice_;
    PortPaths paths_;
    PortSettings settings_;
    // The serial port, or with --simulate the simulated controller.
    std::unique_ptr<SerialDevice> serialPort_;
    std::unique_ptr<sim::DemoController> simulated_;
    std::unique_ptr<TransferSession> session_;
    std::unique_ptr<ControllerVerifyCommands> verifyCommands_;
    std::unique_ptr<QtPollTimer> pollTimer_;
    QTimer timer2_;
    // With --simulate: serves the simulated controller between poll ticks.
    QTimer simulatorTimer_;
    TCommSelectForm* commSelectForm_ = nullptr;
    LinkTraceDock* traceDock_ = nullptr;
};

}  // namespace kelvane
