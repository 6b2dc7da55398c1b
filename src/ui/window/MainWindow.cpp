#include "ui/window/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <utility>

#include "core/ClockTexts.h"
#include "core/ProgramSettings.h"
#include "file/EditHistory.h"
#include "ui/checks/SiteReviewWindows.h"
#include "ui/controller/SiteFileComparison.h"
#include "ui/controller/TfrmDifferences.h"
#include "ui/controller/TfrmStatus.h"
#include "ui/devices/DeviceImages.h"
#include "ui/devices/DeviceSummaryGrid.h"
#include "ui/devices/DeviceSummaryTab.h"
#include "ui/devices/DeviceTableModel.h"
#include "ui/devices/DevicesTab.h"
#include "ui/eventlog/EventLogTab.h"
#include "ui/placenames/PlaceNamesTab.h"
#include "ui/placenames/TNamesForm.h"
#include "ui/platform/QtCsvFileDialogs.h"
#include "ui/platform/QtFileDialogs.h"
#include "ui/platform/QtUserSettings.h"
#include "ui/site/CommentsTab.h"
#include "ui/site/SiteConfigTab.h"
#include "ui/widgets/AppIcons.h"
#include "ui/widgets/HeldTabNotice.h"
#include "ui/window/ConfigFileDrop.h"
#include "ui/window/DeviceCsvCommands.h"
#include "ui/window/HelpWindow.h"
#include "ui/window/MainWindowMenus.h"
#include "ui/window/MainWindowPages.h"
#include "ui/window/RecentFilesMenu.h"
#include "ui/window/TAboutBox.h"
#include "ui/window/TransferCommandLock.h"
#include "ui/window/WindowGeometry.h"

namespace kelvane {

namespace {

constexpr int kClientWidth = 792;
constexpr int kClientHeight = 563;
constexpr int kPlaceNameListMargin = 210;

}  // namespace

TfrmMain::TfrmMain(TData& data, Document& document, Prompts& prompts, DocumentStore& store,
                   const Clock& clock, StartupOptions options, FileDialogs* fileDialogs,
                   UserSettings* settings, QWidget* parent)
    : QMainWindow(parent),
      data_(data),
      document_(document),
      prompts_(prompts),
      store_(store),
      clock_(clock),
      options_(std::move(options)),
      ownSettings_(settings ? nullptr : std::make_unique<QtUserSettings>()),
      settings_(settings ? *settings : *ownSettings_),
      recentFiles_(settings_) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QApplication::applicationName());
    setWindowIcon(MakeProgramIcon());
    if (!fileDialogs) ownFileDialogs_ = std::make_unique<QtFileDialogs>(this, prompts_, settings_);
    fileDialogs_ = fileDialogs ? fileDialogs : ownFileDialogs_.get();
    DocumentView& view = *this;
    documents_ = std::make_unique<DocumentCommands>(data_, document_, prompts_, store_, *fileDialogs_, view);
    history_ = std::make_unique<EditHistory>(data_, document_);
    ownCsvFileDialogs_ = std::make_unique<QtCsvFileDialogs>(this, settings_);
    deviceCsv_ = std::make_unique<DeviceCsvCommands>(data_, document_, prompts_, *ownCsvFileDialogs_);

    deviceImages_ = std::make_unique<DeviceImages>();
    NamesForm = new TNamesForm(data_, document_, this);
    connect(NamesForm, &TNamesForm::helpRequested, this, &TfrmMain::ShowHelp);

    menus_ = std::make_unique<MainWindowMenus>(*this, recentFiles_);
    BuildClientArea();
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    // What the last command did stays in view; hints show over it for a while.
    lblStatusMessage = new QLabel;
    lblStatusMessage->setObjectName(QStringLiteral("lblStatusMessage"));
    statusBar()->addWidget(lblStatusMessage, 1);
    fileDrop_ = new ConfigFileDrop(*this, menus_->Open1);
    fileDrop_->OnDrop = [this](const std::string& path) { OpenDocumentFile(path); };
    CommandLock = new TransferCommandLock(this);
    for (QAction* command : menus_->TransferHeldActions()) CommandLock->Add(command);
    for (QWidget* command : menus_->TransferHeldButtons()) CommandLock->Add(command);
    for (QAction* command : menus_->EditHeldActions()) CommandLock->Add(command);
    for (QWidget* command : menus_->EditHeldButtons()) CommandLock->Add(command);
    connect(CommandLock, &TransferCommandLock::lockChanged, this, &TfrmMain::HoldBackEditing);

    frmStatus = new TfrmStatus(status_, this);
    frmDifferences = new TfrmDifferences(prompts_, this);
    fileComparison_ = std::make_unique<SiteFileComparison>(data_, *fileDialogs_, prompts_, *frmDifferences);
    AboutBox = new TAboutBox(this);
    review_ = new SiteReviewWindows(*this, data_, prompts_, settings_);
    // A window of its own, so that the help stays usable while a modal
    // editor that opened it is up.
    Help = new HelpWindow;
    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TfrmMain::Timer1Timer);

    document_.OnModifiedChanged = [this] { ModifiedChanged(); };
    data_.OnResetViews = [this] {
        pages_->tabComment->LoadFromModel();
        pages_->tabViewLog->ClearDisplay();
    };
    pages_->tabViewLog->OnModelConverted = [this] { FillAllTabs(); };
    ModifiedChanged();
    history_->OnHistoryChanged = [this] { HistoryChanged(); };
    HistoryChanged();

    KeepToolBarAndTabsWhole();
    resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
    pages_->Ready();
}

TfrmMain::~TfrmMain() {
    // The status window observes status_, which goes before the child widgets do.
    delete frmStatus;
    delete Help;
    history_->OnHistoryChanged = nullptr;
    document_.OnModifiedChanged = nullptr;
    data_.OnResetViews = nullptr;
}

void TfrmMain::BuildClientArea() {
    pages_ = std::make_unique<MainWindowPages>(*this, data_, document_, prompts_, clock_, settings_,
                                               *deviceImages_, *NamesForm);
    previousPage_ = kPageSiteConfig;
    auto* client = new QWidget;
    client->setObjectName(QStringLiteral("ClientArea"));
    auto* column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(menus_->ToolBar1);
    column->addWidget(ConfigPages());
    setCentralWidget(client);

    connect(ConfigPages(), &QTabWidget::currentChanged, this, &TfrmMain::ConfigPagesCurrentChanged);
    new HeldTabNotice(ConfigPages()->tabBar(), [this](const QString& reason) { SetStatusMessage(reason); });
    connect(pages_->tabSiteCfg, &SiteConfigTab::connectionStatusClicked, this, &TfrmMain::ConfigPagesChange);
}

void TfrmMain::KeepToolBarAndTabsWhole() {
    centralWidget()->setMinimumWidth(
        std::max(ConfigPages()->tabBar()->sizeHint().width(), menus_->WidestToolBarWidth()));
}

int TfrmMain::ActivePage() const {
    return ConfigPages()->currentIndex();
}

QTabWidget* TfrmMain::ConfigPages() const {
    return pages_->ConfigPages;
}

EquationEditors& TfrmMain::Editors() {
    return pages_->Editors();
}

ControllerPagesView& TfrmMain::PagesView() {
    return *pages_;
}

void TfrmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shown_) return;
    shown_ = true;
    FirstShow();
}

void TfrmMain::FirstShow() {
    WindowGeometry(settings_).Restore(*this);
    const int port = ProgramSettings(settings_).Port();
    if (port >= 1 && port <= 4) emit storedPortSelected(port);

    pages_->tabLoopSummary->SelectFirstListEntries();
    pages_->tabLoop1->SetUpLoop();
    data_.ResetToDefaults();
    document_.CodesValid = true;
    data_.ResetToDefaults();

    FillAllTabs();
    ConfigPages()->setCurrentIndex(kPageSiteConfig);
    SetModified(false);
    history_->Reset();
    Timer1->start();
    Timer1Timer();
    // The file named on the command line opens once the window is showing.
    if (!options_.OpenPath.empty())
        QTimer::singleShot(0, this, [this] { OpenDocumentFile(options_.OpenPath); });
}

void TfrmMain::ModifiedChanged() {
    // Every edit marks the document modified: the review follows it.
    review_->Refresh();
    // The history learns of every save here, whichever command wrote the file.
    if (!document_.Modified()) history_->Saved();
    CommandLock->SetEnabled(menus_->btnSave, document_.Modified());
    menus_->Save1->setEnabled(document_.Modified());
    UpdateTitle();
}

void TfrmMain::UpdateTitle() {
    // The path is the file system's name for the file, not model text.
    if (shown_) setWindowTitle(QFile::decodeName(QByteArray::fromStdString(document_.Title())));
}

bool TfrmMain::PassCodeGate() {
    return pages_->tabSiteCfg->PassCodeGate([this] { ConfigPages()->setFocus(Qt::OtherFocusReason); },
                                            [this] { ConfigPages()->setCurrentIndex(kPageSiteConfig); });
}

void TfrmMain::ReplacingModel(bool fromDisk) {
    replacedPage_ = ActivePage();
    readingFromDisk_ = fromDisk;
    if (fromDisk) {
        ConfigPages()->hide();
        status_.Show();
        status_.SetCancelVisible(false);
        status_.SetStatusText(kLoadingFromDiskText);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    pages_->tabLoopSummary->ResetTableCursor();
}

void TfrmMain::ModelReplaced() {
    // New and Open start a fresh history: nothing before them can be undone.
    history_->Reset();
    ConfigPages()->setCurrentIndex(replacedPage_);
    if (!readingFromDisk_) return;
    ConfigPages()->show();
    status_.Close();
}

void TfrmMain::RememberFile(const std::string& path) {
    menus_->RecentFiles1->Remember(path);
}

bool TfrmMain::CloseQuery() {
    // A transfer that runs is cancelled first, or the window stays open with it.
    if (CommandLock->Locked()) {
        emit cancelTransferRequested();
        if (CommandLock->Locked()) return false;
    }
    return documents_->LetGoOfWorkOnExit();
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (!CloseQuery()) {
        event->ignore();
        return;
    }
    Timer1->stop();
    Help->close();
    WindowGeometry(settings_).StoreFrom(*this);
    event->accept();
}

void TfrmMain::btnPrintClick() {
    if (PassCodeGate()) emit printOptionsRequested();
}

void TfrmMain::btnLoadAllFromPanelClick() {
    if (PassCodeGate() && documents_->LetGoOfWork()) emit loadAllFromControllerRequested();
}

void TfrmMain::btnSaveAllToPanelClick() {
    if (PassCodeGate() && review_->LetSaveGoAhead()) emit saveAllToControllerRequested();
}

void TfrmMain::btnCompareWithPanelClick() {
    if (PassCodeGate()) emit compareWithControllerRequested();
}

void TfrmMain::CompareWithFileClick() {
    fileComparison_->Run();
}

void TfrmMain::btnLoadFromPanelClick() {
    if (PassCodeGate()) emit loadPageFromControllerRequested(ActivePage());
}

void TfrmMain::btnSavetoPanelClick() {
    if (PassCodeGate()) emit savePageToControllerRequested(ActivePage());
}

void TfrmMain::ClearLogButtonClick() {
    pages_->tabViewLog->ClearDisplay();
}
void TfrmMain::LoadLogButtonClick() {
    pages_->tabViewLog->LoadLogFromDisk();
}
void TfrmMain::SaveLogButtonClick() {
    pages_->tabViewLog->SaveLogToDisk();
}
void TfrmMain::ConvertButtonClick() {
    pages_->tabViewLog->Convert();
}
void TfrmMain::About1Click() {
    AboutBox->exec();
}

void TfrmMain::ConfigPagesCurrentChanged(int page) {
    if (page == kPageViewEventLog && CommandLock->Locked()) {
        // The event log page takes the link over for its text: it waits
        // until the transfer has ended, however it was chosen.
        const QSignalBlocker blocker(ConfigPages());
        ConfigPages()->setCurrentIndex(previousPage_);
        SetStatusMessage(QString::fromLatin1(kEventLogWaitsText));
        return;
    }
    // Qt announces a change only after it happened; the steps that belong
    // before it run first, for the page being left.
    ConfigPagesChanging(previousPage_);
    previousPage_ = page;
    ConfigPagesChange();
}

void TfrmMain::ConfigPagesChanging(int leavingPage) {
    pages_->tabLoopSummary->UntickEnableChanges();
    pages_->tabLoopSummary->ResetTableCursor();
    if (leavingPage == kPageViewEventLog) emit leavingEventLog();
}

void TfrmMain::ConfigPagesChange() {
    const int page = ActivePage();
    const PageEntry& entry = kPageTable[page];
    pages_->tabLoopSummary->UntickEnableChanges();
    pages_->tabLoopSummary->ResetTableCursor();
    CommandLock->SetEnabled(menus_->btnLoadFromPanel, true);
    CommandLock->SetEnabled(menus_->btnSavetoPanel, true);
    helpContext_ = entry.helpContext;
    emit textOnlyReceptionEnded();
    pages_->Entered(page);
    if (page == kPageViewEventLog) emit enteringEventLog();

    menus_->ShowPageCommands(entry, page == kPageViewEventLog);

    if (document_.Modified()) RefreshActivePage();
}

void TfrmMain::RefreshActivePage() {
    pages_->Refresh(ActivePage());
    review_->Refresh();
}

void TfrmMain::HoldBackEditing(bool held) {
    pages_->HoldBackEditing(held);
    // A transfer that stopped part-way refreshed nothing: the page shows
    // what its records hold now before it takes an edit again.
    if (!held && document_.Modified()) RefreshActivePage();
}

void TfrmMain::ShowSimulating() {
    auto* simulating = new QLabel(QStringLiteral("Simulated controller"));
    simulating->setObjectName(QStringLiteral("lblSimulating"));
    simulating->setToolTip(
        QStringLiteral("The program was started with --simulate: the built-in simulated controller answers, "
                       "no serial port is used."));
    statusBar()->addPermanentWidget(simulating);
}

void TfrmMain::SetStatusMessage(const QString& text) {
    lblStatusMessage->setText(text);
    statusBar()->clearMessage();
}

void TfrmMain::FillAllTabs() {
    pages_->FillAll();
    review_->Refresh();
}

void TfrmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TfrmMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange) FormResize();
}

void TfrmMain::FormResize() {
    const int frameHeight = frameGeometry().height() - geometry().height();
    pages_->tabPlaceNames->SetListHeight(height() + std::max(frameHeight, 0) - kPlaceNameListMargin);
}

void TfrmMain::Timer1Timer() {
    const std::tm now = clock_.LocalTime();
    pages_->SetControllerClock(QString::fromStdString(ShortDateText(now)),
                               QString::fromStdString(LongTimeText(now)));
    emit clockTicked();
}

void TfrmMain::ShowHelp(int context) {
    Help->ShowContext(context);
}

QAction& TfrmMain::VerifyAfterSavingCommand() {
    return *menus_->VerifyAfterSaving1;
}

void TfrmMain::AddViewCommand(QAction* command) {
    menus_->ViewMenu->addAction(command);
}

void TfrmMain::AddSettingsCommand(QAction* command) {
    menus_->SettingsMenu->addAction(command);
}

void TfrmMain::ShowDeviceInSummary(int address) {
    ConfigPages()->setCurrentIndex(kPageDeviceSummary);
    DeviceSummaryTab& summary = *pages_->tabLoopSummary;
    for (int row = 0; row < summary.Table().rowCount(); ++row) {
        if (summary.DeviceOfRow(row) != address) continue;
        summary.sgrdLoop->PlaceCursor(row, 0);
        summary.sgrdLoop->setFocus(Qt::OtherFocusReason);
        return;
    }
}

void TfrmMain::ShowSiteConfig() {
    ConfigPages()->setCurrentIndex(kPageSiteConfig);
}

void TfrmMain::SetTransferRunning(bool running) {
    history_->SetHeld(running);
    CommandLock->SetLocked(running);
    // What a load wrote into the model is one step, so that a load that
    // replaced unsaved work can be taken back; a save changes nothing.
    if (!running) history_->Record("Load from Controller");
}

void TfrmMain::UndoClick() {
    if (CommandLock->Locked() || !history_->Undo()) return;
    ShowRestoredModel();
}

void TfrmMain::RedoClick() {
    if (CommandLock->Locked() || !history_->Redo()) return;
    ShowRestoredModel();
}

void TfrmMain::ShowRestoredModel() {
    FillAllTabs();
}

void TfrmMain::HistoryChanged() {
    menus_->ShowSteps(history_->UndoStep(), history_->RedoStep());
    menus_->Undo1->setEnabled(history_->CanUndo());
    menus_->Redo1->setEnabled(history_->CanRedo());
    CommandLock->SetEnabled(menus_->btnUndo, history_->CanUndo());
    CommandLock->SetEnabled(menus_->btnRedo, history_->CanRedo());
}

void TfrmMain::ExportDevicesCsvClick() {
    const std::string done = deviceCsv_->Export();
    if (!done.empty()) SetStatusMessage(QString::fromStdString(done));
}

void TfrmMain::ImportDevicesCsvClick() {
    if (CommandLock->Locked()) return;
    const std::string done = deviceCsv_->Import();
    if (done.empty()) return;
    FillAllTabs();
    SetStatusMessage(QString::fromStdString(done));
}

void TfrmMain::UseDeviceCsvFileDialogs(FileDialogs& dialogs) {
    deviceCsv_ = std::make_unique<DeviceCsvCommands>(data_, document_, prompts_, dialogs);
}

}  // namespace kelvane
