#include "ui/controller/ControllerConnection.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

#include "comms/qt/QtSerialDevice.h"
#include "qt/Latin1.h"
#include "sim/ControllerRecords.h"
#include "sim/DemoController.h"
#include "sim/DemoSite.h"
#include "sim/EventLogTalker.h"
#include "sim/SimulatedPanelDevice.h"
#include "sim/StoreFaults.h"
#include "ui/Pages.h"
#include "ui/controller/ControllerVerifyCommands.h"
#include "ui/controller/LinkTraceDock.h"
#include "ui/controller/TCommSelectForm.h"
#include "ui/devices/DeviceSummaryTab.h"
#include "ui/eventlog/EventLogTab.h"
#include "ui/placenames/PlaceNamesTab.h"
#include "ui/site/SiteConfigTab.h"
#include "ui/window/MainWindow.h"
#include "ui/window/TransferCommandLock.h"

namespace kelvane {

namespace {
constexpr int kSimulatorServiceMs = 2;
constexpr const char* kSimulatedControllerName = "the built-in simulated controller";
constexpr const char* kSimulatingNoPortText =
    "The built-in simulated controller is in use (the program was started with --simulate), so no serial "
    "port is used. Start the program without --simulate to work with a Network Controller on a serial port.";
}  // namespace

ControllerConnection::ControllerConnection(TfrmMain& frmMain, TData& data, Document& document,
                                           Prompts& prompts, const Clock& clock)
    : frmMain_(frmMain), prompts_(prompts), notice_(data, clock), settings_(frmMain.Settings()) {
    settings_.LoadPaths(paths_);
    const StartupOptions& options = frmMain.Options();
    if (!options.PortDevice.empty()) paths_.SetOverride(options.PortDevice);
    // No serial port is used while simulating: the link trace and the
    // messages name the simulated controller instead.
    if (options.Simulate) paths_.SetOverride(kSimulatedControllerName);

    SerialDevice& device = MakeDevice(clock);
    session_ = std::make_unique<TransferSession>(device, clock, paths_, data, document, prompts,
                                                 frmMain.Status(), *this);
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
    if (simulated_) frmMain_.PagesView().SetPrintoutRequest(nullptr);
    delete traceDock_;  // it shows the session's trace
    timer2_.stop();
    simulatorTimer_.stop();
    session_->Comms().Close();
    session_->Comms().Port().SetPollTimer(nullptr);
}

SerialDevice& ControllerConnection::MakeDevice(const Clock& clock) {
    const StartupOptions& options = frmMain_.Options();
    if (!options.Simulate) {
        serialPort_ = std::make_unique<QtSerialDevice>();
        return *serialPort_;
    }
    // Its event log prints other events each run.
    simulated_ = std::make_unique<sim::DemoController>(clock, options.CorruptStoreRate,
                                                       static_cast<std::uint32_t>(clock.NowMs()));
    // It prints its configuration when asked on the event log page.
    frmMain_.PagesView().SetPrintoutRequest([this] { simulated_->EventLog().RequestPrintout(); });
    return simulated_->Device();
}

TData* ControllerConnection::SimulatedControllerSite() {
    return simulated_ ? &simulated_->Site() : nullptr;
}

sim::SimulatedPanelDevice* ControllerConnection::SimulatedDevice() {
    return simulated_ ? &simulated_->Device() : nullptr;
}

sim::StoreFaults* ControllerConnection::SimulatedStoreFaults() {
    return simulated_ ? &simulated_->Faults() : nullptr;
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
            [supervisor] { supervisor->StopListeningToEventLog(); });
    connect(window, &TfrmMain::textOnlyReceptionEnded, this, [comms] { comms->IsASCIIOnly = false; });
    connect(window, &TfrmMain::enteringEventLog, this, [supervisor] { supervisor->ListenToEventLog(); });
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
        if (!text.empty()) frmMain_.SetStatusMessage(Latin1(text));
    };
}

TransferSection ControllerConnection::ActiveSection() const {
    switch (frmMain_.ActivePage()) {
        case kPageDevices:
            return TransferSection::Devices;
        case kPageDeviceSummary:
            return TransferSection::DevicesAndZones;
        case kPageZoneConfig:
            return TransferSection::Zones;
        case kPageGroupConfig:
            return TransferSection::Groups;
        case kPagePlaceNames:
            return TransferSection::PlaceNames;
        case kPageSiteConfig:
            return TransferSection::Site;
        default:
            return TransferSection::None;
    }
}

bool ControllerConnection::ListeningToEventLog() const {
    return frmMain_.ActivePage() == kPageViewEventLog;
}

void ControllerConnection::RefreshActivePage() {
    frmMain_.RefreshActivePage();
}

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

void ControllerConnection::Beep() {
    QApplication::beep();
}

bool ControllerConnection::UploadTimeSelected() const {
    return frmMain_.PagesView().UploadTimeSelected();
}

void ControllerConnection::RefreshPlaceNameLists() {
    frmMain_.PagesView().RefreshPlaceNameLists();
}

}  // namespace kelvane
