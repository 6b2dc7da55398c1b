#include "ui/window/MainWindowPages.h"

#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <utility>

#include "ui/devices/DeviceSummaryTab.h"
#include "ui/devices/DevicesTab.h"
#include "ui/devices/TfrmLoop.h"
#include "ui/eventlog/EventLogTab.h"
#include "ui/placenames/PlaceNamesTab.h"
#include "ui/platform/QtLogFileDialogs.h"
#include "ui/routing/EquationEditors.h"
#include "ui/routing/GroupConfigTab.h"
#include "ui/routing/ZoneConfigTab.h"
#include "ui/site/CommentsTab.h"
#include "ui/site/NetworkConfigTab.h"
#include "ui/site/SiteConfigTab.h"
#include "ui/window/CompactTabStyle.h"
#include "ui/window/MainWindow.h"

namespace kelvane {

MainWindowPages::MainWindowPages(TfrmMain& window, TData& data, Document& document, Prompts& prompts,
                                 const Clock& clock, UserSettings& settings, DeviceImages& images,
                                 TNamesForm& namesForm) {
    ConfigPages = new QTabWidget(&window);
    ConfigPages->setObjectName(QStringLiteral("ConfigPages"));
    // Tabs that do not fit on one row scroll with arrow buttons; none is elided.
    ConfigPages->tabBar()->setUsesScrollButtons(true);
    ConfigPages->tabBar()->setElideMode(Qt::ElideNone);
    ConfigPages->tabBar()->setExpanding(false);
    auto* tabStyle = new CompactTabStyle;
    tabStyle->setParent(ConfigPages->tabBar());
    ConfigPages->tabBar()->setStyle(tabStyle);
    ConfigPages->setFocusPolicy(Qt::StrongFocus);
    // Hidden while a file is read, the tab control keeps its place, so the
    // tool bar stays where it is under any message shown meanwhile.
    QSizePolicy keepPlace = ConfigPages->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    ConfigPages->setSizePolicy(keepPlace);

    tabLoopSummary = new DeviceSummaryTab(data, document, prompts, images, namesForm);
    AddPage(kPageDeviceSummary, tabLoopSummary,
            {[this] {
                 tabLoopSummary->RefreshDeviceTable();
                 tabLoopSummary->RebuildZoneList();
                 tabLoopSummary->UntickEnableChanges();
             },
             [this] {
                 tabLoopSummary->RebuildZoneList();
                 tabLoopSummary->RefreshToolbarHints();
                 tabLoopSummary->RefreshDeviceTable();
             }});
    tabLoop1 = new DevicesTab(data, document, prompts, images, namesForm);
    const auto refreshDevices = [this] {
        tabLoop1->RefreshToolbar();
        tabLoop1->RefreshLayout();
    };
    AddPage(kPageDevices, tabLoop1, {refreshDevices, refreshDevices});
    QObject::connect(tabLoop1, &DevicesTab::helpRequested, &window, &TfrmMain::ShowHelp);
    // A device found in the table is the selected one in the loop view too.
    QObject::connect(tabLoopSummary, &DeviceSummaryTab::deviceFound, tabLoop1->frmLoop1,
                     &TfrmLoop::SelectDevice);
    editors_ = std::make_unique<EquationEditors>(data, document, &window);
    editors_->RefreshActivePage = [&window] { window.RefreshActivePage(); };
    editors_->RefreshGroupConfig = [this] { tabGroupConfig->RefreshGroupRows(); };
    editors_->SetHelp([&window](int topic) { window.ShowHelp(topic); });
    tabZoneCfg = new ZoneConfigTab(data, document, prompts, *editors_);
    AddPage(kPageZoneConfig, tabZoneCfg,
            {[this] {
                 tabZoneCfg->RefreshZoneRows();
                 tabGroupConfig->RefreshGroupRows();
                 tabPlaceNames->RefreshPlaceNameLists();
                 tabLoopSummary->RefreshDeviceTable();
             },
             [this] {
                 if (ready_) tabZoneCfg->RefreshZoneRows();
             }});
    tabGroupConfig = new GroupConfigTab(data, *editors_);
    AddPage(kPageGroupConfig, tabGroupConfig, {nullptr, [this] { tabGroupConfig->RefreshGroupRows(); }});
    tabPlaceNames = new PlaceNamesTab(data, document, prompts);
    AddPage(kPagePlaceNames, tabPlaceNames, {nullptr, [this] { tabPlaceNames->RefreshPlaceNameLists(); }});
    tabSiteCfg = new SiteConfigTab(data, document, prompts);
    // The site settings need more room than the other pages: on a small
    // window they scroll rather than hold the whole window up.
    auto* siteScroller = new QScrollArea;
    siteScroller->setFrameShape(QFrame::NoFrame);
    siteScroller->setWidgetResizable(true);
    siteScroller->setWidget(tabSiteCfg);
    const auto fillSite = [this] { tabSiteCfg->FillSiteConfigTab(); };
    AddPage(kPageSiteConfig, tabSiteCfg, {fillSite, fillSite}, siteScroller);
    tabNetworkCfg = new NetworkConfigTab(data, document, prompts);
    AddPage(kPageNetworkConfig, tabNetworkCfg, {});
    tabViewLog = new EventLogTab(data, document, prompts, clock);
    // The log's dialogs start in the last folder used, as the document's do.
    logFileDialogs_ = std::make_unique<QtLogFileDialogs>(&window, &settings);
    tabViewLog->SetFileDialogs(logFileDialogs_.get());
    AddPage(kPageViewEventLog, tabViewLog, {});
    tabComment = new CommentsTab(data, document, prompts);
    AddPage(kPageComments, tabComment, {});
    tabNotUsedNow = new QWidget;
    AddPage(kPageSetConfig, tabNotUsedNow, {});

    ConfigPages->setTabVisible(kPageNetworkConfig, false);
    ConfigPages->setTabEnabled(kPageNetworkConfig, false);
    ConfigPages->setTabVisible(kPageSetConfig, false);
    ConfigPages->setCurrentIndex(kPageSiteConfig);
}

MainWindowPages::~MainWindowPages() = default;

void MainWindowPages::AddPage(Page page, QWidget* tab, PageSteps steps, QWidget* shown) {
    const PageEntry& entry = kPageTable[page];
    tab->setObjectName(QString::fromLatin1(entry.objectName));
    ConfigPages->addTab(shown ? shown : tab, QString::fromLatin1(entry.caption));
    steps_[page] = std::move(steps);
}

void MainWindowPages::Entered(int page) {
    if (steps_[page].entered) steps_[page].entered();
}

void MainWindowPages::Refresh(int page) {
    if (steps_[page].refresh) steps_[page].refresh();
}

void MainWindowPages::FillAll() {
    for (int page = kPageDeviceSummary; page <= kPageSiteConfig; ++page) Refresh(page);
    tabComment->LoadFromModel();
}

void MainWindowPages::HoldBackEditing(bool held) {
    ConfigPages->setTabEnabled(kPageViewEventLog, !held);
    ConfigPages->setTabToolTip(kPageViewEventLog, held ? QString::fromLatin1(kEventLogWaitsText) : QString());
    tabLoopSummary->HoldBackEditing(held);
    tabLoop1->HoldBackEditing(held);
    tabZoneCfg->HoldBackEditing(held);
    tabGroupConfig->HoldBackEditing(held);
    tabPlaceNames->HoldBackEditing(held);
    tabSiteCfg->HoldBackEditing(held);
    tabComment->HoldBackEditing(held);
}

void MainWindowPages::ShowMainVersion() {
    tabSiteCfg->RefreshMainVersion();
    tabLoopSummary->RefreshDeviceTable();
}

void MainWindowPages::SetConnectionStatusText(const QString& text) {
    tabSiteCfg->SetConnectionStatusText(text);
}

void MainWindowPages::SetControllerClock(const QString& date, const QString& time) {
    tabSiteCfg->SetClock(date, time);
}

void MainWindowPages::AppendEventLogLine(const std::string& line) {
    tabViewLog->AppendLine(line);
}

std::vector<std::string> MainWindowPages::EventLogLines() const {
    return tabViewLog->Lines();
}

void MainWindowPages::SetPrintoutRequest(std::function<void()> request) {
    tabViewLog->SetPrintoutRequest(std::move(request));
}

bool MainWindowPages::UploadTimeSelected() const {
    return tabSiteCfg->UploadTimeSelected();
}

void MainWindowPages::RefreshPlaceNameLists() {
    tabPlaceNames->RefreshPlaceNameLists();
}

}  // namespace kelvane
