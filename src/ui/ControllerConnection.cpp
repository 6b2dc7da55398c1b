#include "ui/ControllerConnection.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

#include "comms/qt/QtSerialDevice.h"
#include "qt/Latin1.h"
#include "sim/DemoController.h"
#include "ui/ControllerVerifyCommands.h"
#include "ui/DeviceSummaryTab.h"
#include "ui/EventLogTab.h"
#include "ui/LinkTraceDock.h"
#include "ui/MainWindow.h"
#include "ui/Pages.h"
#include "ui/PlaceNamesTab.h"
#include "ui/SiteConfigTab.h"
#include "ui/TCommSelectForm.h"
#include "ui/TransferCommandLock.h"

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
    : frmMain_(frmMain), prompts_(prompts), notice_(data, clock), settings_(frmMain.Settings()) {
    settings_.LoadPaths(paths_);
    const StartupOptions& options = frmMain.Options();
    if (!options.PortDevice.empty()) paths_.SetOverride(options.PortDevice);
    // No serial port is used while simulating: the link trace and the
    // messages name the simulated controller instead.
    if (options.Simulate) paths_.SetOverride(kSimulatedControllerName);

    SerialDevice& device = MakeDevice(clock);
    session_ = std::make_unique<TransferSession>(device, clock, paths_, data, document, prompts, frmMain.Status(),
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
    frmMain.ViewMenu->addAction(showTrace);
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
    if (simulated_) frmMain_.tabViewLog->SetPrintoutRequest(nullptr);
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
    frmMain_.tabViewLog->SetPrintoutRequest([this] { simulated_->EventLog().RequestPrintout(); });
    return simulated_->Device();
}

TData* ControllerConnection::SimulatedControllerSite() { return simulated_ ? &simulated_->Site() : nullptr; }

sim::SimulatedPanelDevice* ControllerConnection::SimulatedDevice() {
    return simulated_ ? &simulated_->Device() : nullptr;
}

sim::StoreFaults* ControllerConnection::SimulatedStoreFaults() { return simulated_ ? &simulated_->Faults() : nullptr; }

void ControllerConnection::WireMainWindow() {
    MainWindowHooks& hooks = frmMain_.Hooks;
    TransferChains* chains = &session_->Chains();
    TransferSupervisor* supervisor = &session_->Supervisor();
    TPanelComms* comms = &session_->Comms();
    hooks.LoadAllFromController = [chains] { chains->LoadAllFromPanel(); };
    hooks.SaveAllToController = [this] { verifyCommands_->SaveAllToController(); };
    hooks.CompareWithController = [this] { verifyCommands_->CompareWithController(); };
    hooks.LoadPageFromController = [chains](int) { chains->LoadFromPanel(); };
    hooks.SavePageToController = [chains](int) { chains->SaveToPanel(); };
    hooks.LeavingEventLog = [supervisor] { supervisor->StopListeningToEventLog(); };
    hooks.EndTextOnlyReception = [comms] { comms->IsASCIIOnly = false; };
    hooks.EnteringEventLog = [supervisor] { supervisor->ListenToEventLog(); };
    hooks.SelectStoredPort = [this, comms](int) { settings_.ApplyStoredPort(*comms); };
    hooks.SelectSerialPort = [this, &prompts = prompts_] {
        if (frmMain_.Options().Simulate) {
            prompts.Information(kSimulatingNoPortText);
            return;
        }
        commSelectForm_->ShowCurrent();
        commSelectForm_->exec();
    };
    hooks.ClockTick = [supervisor] { supervisor->Timer1Timer(); };
    hooks.CancelTransfer = [supervisor] { supervisor->btnCancelClick(); };
    supervisor->OnRunningChanged = [this, supervisor, chains](bool running) {
        if (running) notice_.Started(supervisor->State(), chains->VersionModel() != nullptr);
        frmMain_.CommandLock->SetLocked(running);
        if (running) return;
        const TransferSupervisor::Ending& ending = supervisor->LastEnding();
        const std::string text = notice_.Ended(ending.Step, ending.Completed, frmMain_.Status());
        if (!text.empty())
            frmMain_.SetStatusMessage(Latin1(text));
    };
}

TransferSection ControllerConnection::ActiveSection() const {
    switch (frmMain_.ActivePage()) {
        case kPageDevices: return TransferSection::Devices;
        case kPageDeviceSummary: return TransferSection::DevicesAndZones;
        case kPageZoneConfig: return TransferSection::Zones;
        case kPageGroupConfig: return TransferSection::Groups;
        case kPagePlaceNames: return TransferSection::PlaceNames;
        case kPageSiteConfig: return TransferSection::Site;
        default: return TransferSection::None;
    }
}

bool ControllerConnection::ListeningToEventLog() const { return frmMain_.ActivePage() == kPageViewEventLog; }

void ControllerConnection::RefreshActivePage() { frmMain_.RefreshActivePage(); }

void ControllerConnection::ShowMainVersion(const std::string&) {
    frmMain_.tabSiteCfg->RefreshMainVersion();
    frmMain_.tabLoopSummary->RefreshDeviceTable();
}

void ControllerConnection::SetConnectionStatusText(const std::string& text) {
    frmMain_.tabSiteCfg->SetConnectionStatusText(QString::fromLatin1(text.c_str()));
}

void ControllerConnection::SetDateTimeTexts(const std::string& date, const std::string& time) {
    frmMain_.tabSiteCfg->SetClock(QString::fromLatin1(date.c_str()), QString::fromLatin1(time.c_str()));
}

void ControllerConnection::AppendEventLogLine(const std::string& line) { frmMain_.tabViewLog->AppendLine(line); }

void ControllerConnection::Beep() { QApplication::beep(); }

bool ControllerConnection::UploadTimeSelected() const { return frmMain_.tabSiteCfg->UploadTimeSelected(); }

void ControllerConnection::RefreshPlaceNameLists() { frmMain_.tabPlaceNames->RefreshPlaceNameLists(); }

}  // namespace kelvane
