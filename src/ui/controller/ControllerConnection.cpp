#include "ui/controller/ControllerConnection.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

#include "comms/qt/QtSerialDevice.h"
#include "core/Pages.h"
#include "panel-sim/ControllerRecords.h"
#include "panel-sim/DemoSite.h"
#include "panel-sim/EventLogTalker.h"
#include "panel-sim/SimulatedPanelDevice.h"
#include "panel-sim/StoreFaults.h"
#include "ui/controller/ControllerVerifyCommands.h"
#include "ui/controller/LinkTraceDock.h"
#include "ui/controller/TCommSelectForm.h"
#include "ui/window/MainWindow.h"

namespace kelvane {

namespace {
constexpr int kSimulatorServiceMs = 2;
constexpr const char* kSimulatedControllerName = "the built-in simulated controller";
constexpr const char* kSimulatingNoPortText =
    "The built-in simulated controller is in use (the program was started with --simulate), so no serial "
    "port is used. Start the program without --simulate to work with a Network Controller on a serial port.";
}

ControllerConnection::ControllerConnection(TfrmMain& frmMain, TData& data, Document& document, Prompts& prompts,
                                           const Clock& clock)
    : frmMain_(frmMain), prompts_(prompts), notice_(data, clock) {
    settings_.LoadPaths(paths_);
    const StartupOptions& options = frmMain.Options();
    if (!options.PortDevice.empty()) paths_.SetOverride(options.PortDevice);
    // No serial port is used while simulating: the link trace and the
    // messages name the simulated controller instead.
    if (options.Simulate) paths_.SetOverride(kSimulatedControllerName);

    device_ = MakeDevice(clock);
    session_ = std::make_unique<TransferSession>(*device_, clock, paths_, data, document, prompts, frmMain.Status(),
                                                 *this);
    TPanelComms& comms = session_->Comms();
    comms.ProcessPendingEvents = [] { ProcessPendingEvents(); };
    pollTimer_ = std::make_unique<QtPollTimer>([&comms] { comms.Port().PollTick(); });
    comms.Port().SetPollTimer(pollTimer_.get());

    commSelectForm_ = new TCommSelectForm(comms, paths_, settings_, &frmMain);
    verifyCommands_ = std::make_unique<ControllerVerifyCommands>(frmMain, data, *session_, prompts);
    session_->Trace().SetRecording(true);
    traceDock_ = new LinkTraceDock(session_->Trace(), prompts, &frmMain);
    frmMain.addDockWidget(Qt::BottomDockWidgetArea, traceDock_);
    traceDock_->hide();
    QAction* showTrace = traceDock_->toggleViewAction();
    showTrace->setObjectName(QStringLiteral("LinkTrace1"));
    frmMain.AddViewCommand(showTrace);
    timer2_.setInterval(TransferSupervisor::kTimer2PeriodMs);
    connect(&timer2_, &QTimer::timeout, this, [this] { session_->Supervisor().Timer2Timer(); });
    timer2_.start();
    if (sim::SimulatedPanelDevice* simulated = SimulatedDevice()) {
        // Its answers arrive as they fall due, not only when the port polls.
        simulatorTimer_.setInterval(kSimulatorServiceMs);
        connect(&simulatorTimer_, &QTimer::timeout, this, [simulated] { simulated->Service(); });
        simulatorTimer_.start();
    }
    WireMainWindow();
    if (options.Simulate) frmMain.ShowSimulating();
}

ControllerConnection::~ControllerConnection() {
    if (simulatedEventLog_) frmMain_.PagesView().SetPrintoutRequest(nullptr);
    delete traceDock_;  // it shows the session's trace
    timer2_.stop();
    simulatorTimer_.stop();
    session_->Comms().Close();
    session_->Comms().Port().SetPollTimer(nullptr);
}

std::unique_ptr<SerialDevice> ControllerConnection::MakeDevice(const Clock& clock) {
    if (!frmMain_.Options().Simulate) return std::make_unique<QtSerialDevice>();
    simulatedSite_ = std::make_unique<TData>();
    sim::BuildDemoSite(*simulatedSite_);
    simulatedRecords_ = std::make_unique<sim::ControllerRecords>(*simulatedSite_);
    sim::SimulatorOptions options;
    options.Version = simulatedSite_->SiteConfig.MainVersion;
    simulatedFaults_ = std::make_unique<sim::StoreFaults>(*simulatedRecords_,
                                                          frmMain_.Options().CorruptStoreRate, options.Seed);
    auto device = std::make_unique<sim::SimulatedPanelDevice>(clock, options, simulatedFaults_.get());
    // It prints events on the event log page, and its configuration when asked there.
    // Other events each run.
    sim::EventLogTalker::Options events;
    events.Seed = static_cast<std::uint32_t>(clock.NowMs());
    simulatedEventLog_ = std::make_unique<sim::EventLogTalker>(*simulatedSite_, clock, events);
    device->Simulator().SetEventLog(simulatedEventLog_.get());
    frmMain_.PagesView().SetPrintoutRequest([this] { simulatedEventLog_->RequestPrintout(); });
    return device;
}

sim::SimulatedPanelDevice* ControllerConnection::SimulatedDevice() {
    return dynamic_cast<sim::SimulatedPanelDevice*>(device_.get());
}

void ControllerConnection::WireMainWindow() {
    TfrmMain* window = &frmMain_;
    TransferChains* chains = &session_->Chains();
    TransferSupervisor* supervisor = &session_->Supervisor();
    TPanelComms* comms = &session_->Comms();
    connect(window, &TfrmMain::loadAllFromControllerRequested, this,
            [chains] { chains->LoadAllFromPanel(); });
    connect(window, &TfrmMain::saveAllToControllerRequested, this,
            [this] { verifyCommands_->SaveAllToController(); });
    connect(window, &TfrmMain::compareWithControllerRequested, this,
            [this] { verifyCommands_->CompareWithController(); });
    connect(window, &TfrmMain::loadPageFromControllerRequested, this, [chains] { chains->LoadFromPanel(); });
    connect(window, &TfrmMain::savePageToControllerRequested, this, [chains] { chains->SaveToPanel(); });
    connect(window, &TfrmMain::leavingEventLog, this,
            [supervisor] { supervisor->PageChanging(kPageViewEventLog); });
    connect(window, &TfrmMain::textOnlyReceptionEnded, this, [comms] { comms->IsASCIIOnly = false; });
    connect(window, &TfrmMain::enteringEventLog, this,
            [supervisor] { supervisor->PageChanged(kPageViewEventLog); });
    connect(window, &TfrmMain::storedPortSelected, this,
            [this, comms] { settings_.ApplyStoredPort(*comms); });
    connect(window, &TfrmMain::selectSerialPortRequested, this, [this] {
        if (frmMain_.Options().Simulate) {
            prompts_.Information(kSimulatingNoPortText);
            return;
        }
        commSelectForm_->ShowCurrent();
        commSelectForm_->exec();
    });
    connect(window, &TfrmMain::clockTicked, this, [supervisor] { supervisor->Timer1Timer(); });
    connect(window, &TfrmMain::cancelTransferRequested, this, [supervisor] { supervisor->btnCancelClick(); });
    supervisor->OnRunningChanged = [this, supervisor, chains](bool running) {
        if (running) notice_.Started(supervisor->State(), chains->VersionModel() != nullptr);
        frmMain_.SetTransferRunning(running);
        if (running) return;
        const TransferSupervisor::Ending& ending = supervisor->LastEnding();
        const std::string text = notice_.Ended(ending.Step, ending.Completed, frmMain_.Status());
        if (!text.empty())
            frmMain_.SetStatusMessage(QString::fromLatin1(text.data(), qsizetype(text.size())));
    };
}

int ControllerConnection::ActivePage() const { return frmMain_.ActivePage(); }

void ControllerConnection::RefreshActivePage() { frmMain_.RefreshActivePage(); }

void ControllerConnection::ShowMainVersion(const std::string&) {
    frmMain_.PagesView().ShowMainVersion();
}

void ControllerConnection::SetConnectionStatusText(const std::string& text) {
    frmMain_.PagesView().SetConnectionStatusText(QString::fromLatin1(text.c_str()));
}

void ControllerConnection::SetDateTimeTexts(const std::string& date, const std::string& time) {
    frmMain_.PagesView().SetControllerClock(QString::fromLatin1(date.c_str()),
                                            QString::fromLatin1(time.c_str()));
}

void ControllerConnection::AppendEventLogLine(const std::string& line) {
    frmMain_.PagesView().AppendEventLogLine(line);
}

void ControllerConnection::Beep() { QApplication::beep(); }

bool ControllerConnection::UploadTimeSelected() const {
    return frmMain_.PagesView().UploadTimeSelected();
}

void ControllerConnection::RefreshPlaceNameLists() {
    frmMain_.PagesView().RefreshPlaceNameLists();
}

}  // namespace kelvane
