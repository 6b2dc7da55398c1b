#include "ui/ControllerConnection.h"

#include <QApplication>

#include "comms/qt/QtSerialDevice.h"
#include "core/Pages.h"
#include "panel-sim/ControllerRecords.h"
#include "panel-sim/DemoSite.h"
#include "panel-sim/SimulatedPanelDevice.h"
#include "ui/EventLogTab.h"
#include "ui/MainWindow.h"
#include "ui/PlaceNamesTab.h"
#include "ui/DeviceSummaryTab.h"
#include "ui/SiteConfigTab.h"
#include "ui/TCommSelectForm.h"

namespace kelvane {

ControllerConnection::ControllerConnection(TfrmMain& frmMain, TData& data, Document& document, Prompts& prompts,
                                           const Clock& clock)
    : frmMain_(frmMain) {
    settings_.LoadPaths(paths_);
    const StartupOptions& options = frmMain.Options();
    if (!options.PortDevice.empty()) paths_.SetOverride(options.PortDevice);

    device_ = MakeDevice(clock);
    panelComms_ = std::make_unique<TPanelComms>(*device_, clock, paths_);
    panelComms_->ProcessPendingEvents = [] { ProcessPendingEvents(); };
    pollTimer_ = std::make_unique<QtPollTimer>([this] { panelComms_->Port().PollTick(); });
    panelComms_->Port().SetPollTimer(pollTimer_.get());

    supervisor_ = std::make_unique<TransferSupervisor>(data, *panelComms_, frmMain.Status(), prompts, clock, *this);
    chains_ = std::make_unique<TransferChains>(*supervisor_, data, document);
    supervisor_->SetSteps(chains_.get());

    commSelectForm_ = new TCommSelectForm(*panelComms_, paths_, settings_, &frmMain);
    timer2_.setInterval(TransferSupervisor::kTimer2PeriodMs);
    connect(&timer2_, &QTimer::timeout, this, [this] { supervisor_->Timer2Timer(); });
    timer2_.start();
    WireMainWindow();
}

ControllerConnection::~ControllerConnection() {
    timer2_.stop();
    panelComms_->Close();
}

std::unique_ptr<SerialDevice> ControllerConnection::MakeDevice(const Clock& clock) {
    if (!frmMain_.Options().Simulate) return std::make_unique<QtSerialDevice>();
    simulatedSite_ = std::make_unique<TData>();
    sim::BuildDemoSite(*simulatedSite_);
    simulatedRecords_ = std::make_unique<sim::ControllerRecords>(*simulatedSite_);
    sim::SimulatorOptions options;
    options.Version = simulatedSite_->SiteConfig.MainVersion;
    return std::make_unique<sim::SimulatedPanelDevice>(clock, options, simulatedRecords_.get());
}

void ControllerConnection::WireMainWindow() {
    MainWindowHooks& hooks = frmMain_.Hooks;
    hooks.LoadAllFromController = [this] { chains_->LoadAllFromPanel(); };
    hooks.SaveAllToController = [this] { chains_->SaveAllToPanel(); };
    hooks.LoadPageFromController = [this](int) { chains_->LoadFromPanel(); };
    hooks.SavePageToController = [this](int) { chains_->SaveToPanel(); };
    hooks.LeavingEventLog = [this] { supervisor_->PageChanging(kPageViewEventLog); };
    hooks.EndTextOnlyReception = [this] { panelComms_->IsASCIIOnly = false; };
    hooks.EnteringEventLog = [this] { supervisor_->PageChanged(kPageViewEventLog); };
    hooks.SelectStoredPort = [this](int) { settings_.ApplyStoredPort(*panelComms_); };
    hooks.SelectSerialPort = [this] {
        commSelectForm_->ShowCurrent();
        commSelectForm_->exec();
    };
    hooks.ClockTick = [this] { supervisor_->Timer1Timer(); };
}

int ControllerConnection::ActivePage() const { return frmMain_.ActivePage(); }

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
