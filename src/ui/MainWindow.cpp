#include "ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
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
#include "ui/AppIcons.h"
#include "ui/CommentsTab.h"
#include "ui/CompactTabStyle.h"
#include "ui/ConfigFileDrop.h"
#include "ui/DeviceImages.h"
#include "ui/DeviceSummaryTab.h"
#include "ui/DevicesTab.h"
#include "ui/EquationEditors.h"
#include "ui/EventLogTab.h"
#include "ui/GroupConfigTab.h"
#include "ui/HelpWindow.h"
#include "ui/NetworkConfigTab.h"
#include "ui/Pages.h"
#include "ui/PlaceNamesTab.h"
#include "ui/QtFileDialogs.h"
#include "ui/QtLogFileDialogs.h"
#include "ui/QtUserSettings.h"
#include "ui/RecentFilesMenu.h"
#include "ui/SiteConfigTab.h"
#include "ui/SiteFileComparison.h"
#include "ui/TAboutBox.h"
#include "ui/TfrmDifferences.h"
#include "ui/TNamesForm.h"
#include "ui/TfrmStatus.h"
#include "ui/WindowGeometry.h"
#include "ui/TransferCommandLock.h"
#include "ui/ZoneConfigTab.h"

namespace kelvane {

namespace {

constexpr int kClientWidth = 792;
constexpr int kClientHeight = 563;
constexpr int kToolBarHeight = 33;
constexpr int kPlaceNameListMargin = 210;
constexpr int kDefaultHelpContext = 90;

struct ControllerCaptions {
    const char* load;
    const char* save;
};

constexpr ControllerCaptions kDeviceCaptions{"Load Device Data From Controller", "Save Device Data To Controller"};
constexpr ControllerCaptions kZoneCaptions{"Load Zone Configuration From Controller",
                                           "Save Zone Configuration To Controller"};
constexpr ControllerCaptions kGroupCaptions{"Load Group Config From Controller", "Save Group Config To Controller"};
constexpr ControllerCaptions kPlaceNameCaptions{"Load Place Names From Controller", "Save Place Names To Controller"};
constexpr ControllerCaptions kSiteCaptions{"Load Site Config From Controller", "Save Site Config To Controller"};

QToolButton* AddToolButton(QWidget* bar, const char* name, ToolIcon icon, const char* hint) {
    auto* button = new QToolButton(bar);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(MakeToolIcon(icon));
    button->setIconSize(QSize(24, 24));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolTip(QString::fromLatin1(hint));
    button->setStatusTip(QString::fromLatin1(hint));
    bar->layout()->addWidget(button);
    return button;
}

QPushButton* AddPushButton(QWidget* panel, const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromLatin1(caption), panel);
    button->setObjectName(QString::fromLatin1(name));
    // Clicking a command must not take the focus from a box being edited:
    // the gate moves it and so runs the box's exit check.
    button->setFocusPolicy(Qt::NoFocus);
    panel->layout()->addWidget(button);
    return button;
}

QAction* AddMenuAction(QMenu* menu, const char* name, const char* text, const QKeySequence& shortcut,
                       const char* hint) {
    QAction* action = menu->addAction(QString::fromLatin1(text));
    action->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    if (hint) action->setStatusTip(QString::fromLatin1(hint));
    return action;
}

void Call(const std::function<void()>& hook) {
    if (hook) hook();
}

}  // namespace

TfrmMain::TfrmMain(TData& data, Document& document, Prompts& prompts, DocumentStore& store, const Clock& clock,
                   StartupOptions options, FileDialogs* fileDialogs, UserSettings* settings, QWidget* parent)
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

    deviceImages_ = std::make_unique<DeviceImages>();
    NamesForm = new TNamesForm(data_, document_, this);
    connect(NamesForm, &TNamesForm::helpRequested, this, &TfrmMain::ShowHelp);

    BuildMenus();
    BuildToolBar();
    BuildPages();
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    // What the last command did stays in view; hints show over it for a while.
    lblStatusMessage = new QLabel;
    lblStatusMessage->setObjectName(QStringLiteral("lblStatusMessage"));
    statusBar()->addWidget(lblStatusMessage, 1);
    fileDrop_ = new ConfigFileDrop(*this, Open1);
    fileDrop_->OnDrop = [this](const std::string& path) { OpenDocumentFile(path); };
    CommandLock = new TransferCommandLock(this);
    for (QAction* command : {New1, Open1, Save1, SaveAs1, CompareWithFile1, Print1, SelectSerialPort1,
                             CompareWithController1})
        CommandLock->Add(command);
    for (QWidget* command :
         std::initializer_list<QWidget*>{btnNew, btnOpen, btnSave, btnSaveAs, btnPrint, btnLoadAllFromPanel,
                                         btnSaveAllToPanel, btnCompareWithPanel, btnLoadFromPanel, btnSavetoPanel, ConvertButton})
        CommandLock->Add(command);
    connect(CommandLock, &TransferCommandLock::lockChanged, this, &TfrmMain::HoldBackEditing);

    frmStatus = new TfrmStatus(status_, this);
    frmDifferences = new TfrmDifferences(prompts_, this);
    fileComparison_ = std::make_unique<SiteFileComparison>(data_, *fileDialogs_, prompts_, *frmDifferences);
    AboutBox = new TAboutBox(this);
    // A window of its own, so that the help stays usable while a modal
    // editor that opened it is up.
    Help = new HelpWindow;
    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TfrmMain::Timer1Timer);

    document_.OnModifiedChanged = [this] { ModifiedChanged(); };
    data_.OnResetViews = [this] {
        tabComment->LoadFromModel();
        tabViewLog->ClearDisplay();
    };
    tabViewLog->OnModelConverted = [this] { FillAllTabs(); };
    ModifiedChanged();

    KeepToolBarAndTabsWhole();
    resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
    constructing_ = false;
}

TfrmMain::~TfrmMain() {
    // The status window observes status_, which goes before the child widgets do.
    delete frmStatus;
    delete Help;
    document_.OnModifiedChanged = nullptr;
    data_.OnResetViews = nullptr;
}

void TfrmMain::BuildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    New1 = AddMenuAction(file, "New1", "&New", QKeySequence(Qt::CTRL | Qt::Key_N), "Create a new file");
    Open1 = AddMenuAction(file, "Open1", "&Open...", QKeySequence(Qt::CTRL | Qt::Key_O), "Open an existing file");
    Save1 = AddMenuAction(file, "Save1", "&Save", QKeySequence(Qt::CTRL | Qt::Key_S), "Save current file");
    SaveAs1 = AddMenuAction(file, "SaveAs1", "Save &As...", QKeySequence(), "Save current file under a new name");
    CompareWithFile1 = AddMenuAction(file, "CompareWithFile1", "Compare With &File...", QKeySequence(),
                                     "Compare the open site with another configuration file");
    file->addSeparator();
    Print1 = AddMenuAction(file, "Print1", "&Print", QKeySequence(Qt::CTRL | Qt::Key_P), nullptr);
    PrinterProperties1 = AddMenuAction(file, "PrinterProperties1", "Printer P&roperties", QKeySequence(), nullptr);
    file->addSeparator();
    RecentFiles1 = new RecentFilesMenu(recentFiles_, Open1, file);
    RecentFiles1->OnOpen = [this](const std::string& path) { OpenDocumentFile(path); };
    file->addMenu(RecentFiles1);
    file->addSeparator();
    Exit1 = AddMenuAction(file, "Exit1", "E&xit", QKeySequence(), "Exit this application");

    QMenu* settings = menuBar()->addMenu(QStringLiteral("&Settings"));
    SelectSerialPort1 = AddMenuAction(settings, "SelectSerialPort1", "Select Serial &Port", QKeySequence(), nullptr);

    QMenu* controller = menuBar()->addMenu(QStringLiteral("&Controller"));
    CompareWithController1 =
        AddMenuAction(controller, "CompareWithController1", "Compare with &Controller", QKeySequence(),
                      "Compare the open site with the Network Controller");
    VerifyAfterSaving1 =
        AddMenuAction(controller, "VerifyAfterSaving1", "&Verify after saving", QKeySequence(),
                      "Read the configuration back after saving it to the Network Controller");
    VerifyAfterSaving1->setCheckable(true);
    VerifyAfterSaving1->setChecked(true);
    // Filled by the parts that bring a window to show (the link trace).
    ViewMenu = menuBar()->addMenu(QStringLiteral("&View"));
    ViewMenu->setObjectName(QStringLiteral("View1"));

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    Contents1 = AddMenuAction(help, "Contents1", "&Contents", QKeySequence(Qt::Key_F1),
                              "Display the help contents screen");
    help->addSeparator();
    About1 = AddMenuAction(help, "About1", "&About...", QKeySequence(), "Show program information");

    connect(New1, &QAction::triggered, this, &TfrmMain::NewDocument);
    connect(Open1, &QAction::triggered, this, &TfrmMain::OpenDocument);
    connect(Save1, &QAction::triggered, this, &TfrmMain::SaveDocument);
    connect(SaveAs1, &QAction::triggered, this, &TfrmMain::SaveDocumentAs);
    connect(CompareWithFile1, &QAction::triggered, this, &TfrmMain::CompareWithFileClick);
    connect(CompareWithController1, &QAction::triggered, this, &TfrmMain::btnCompareWithPanelClick);
    connect(Print1, &QAction::triggered, this, &TfrmMain::btnPrintClick);
    connect(PrinterProperties1, &QAction::triggered, this, [this] { Call(Hooks.PrinterProperties); });
    connect(Exit1, &QAction::triggered, this, &QWidget::close);
    connect(SelectSerialPort1, &QAction::triggered, this, [this] { Call(Hooks.SelectSerialPort); });
    connect(Contents1, &QAction::triggered, this, &TfrmMain::HelpContentsClick);
    connect(About1, &QAction::triggered, this, [this] { AboutBox->exec(); });
}

void TfrmMain::BuildToolBar() {
    // A plain strip rather than a QToolBar: a QToolBar moves what does not
    // fit into an overflow menu, and the page buttons must stay in place.
    ToolBar1 = new QFrame;
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setFixedHeight(kToolBarHeight);
    auto* row = new QHBoxLayout(ToolBar1);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(1);
    auto addSeparator = [this, row] {
        auto* line = new QFrame(ToolBar1);
        line->setFrameStyle(QFrame::VLine | QFrame::Sunken);
        row->addSpacing(3);
        row->addWidget(line);
        row->addSpacing(3);
    };

    btnNew = AddToolButton(ToolBar1, "btnNew", ToolIcon::New, "New");
    btnOpen = AddToolButton(ToolBar1, "btnOpen", ToolIcon::Open, "Open");
    btnSave = AddToolButton(ToolBar1, "btnSave", ToolIcon::Save, "Save");
    btnSaveAs = AddToolButton(ToolBar1, "btnSaveAs", ToolIcon::SaveAs, "Save as");
    btnPrint = AddToolButton(ToolBar1, "btnPrint", ToolIcon::Print, "Print Setup");
    addSeparator();
    btnLoadAllFromPanel = AddToolButton(ToolBar1, "btnLoadAllFromPanel", ToolIcon::LoadFromController,
                                        "Load data from the Network Controller");
    btnSaveAllToPanel = AddToolButton(ToolBar1, "btnSaveAllToPanel", ToolIcon::SaveToController,
                                      "Save data to the Network Controller");
    btnCompareWithPanel = AddToolButton(ToolBar1, "btnCompareWithPanel", ToolIcon::CompareWithController,
                                        "Compare with Controller");
    addSeparator();

    // The log buttons take the place of the controller buttons on the event log page.
    btnLoadFromPanel = AddPushButton(ToolBar1, "btnLoadFromPanel", kSiteCaptions.load);
    btnSavetoPanel = AddPushButton(ToolBar1, "btnSavetoPanel", kSiteCaptions.save);
    ClearLogButton = AddPushButton(ToolBar1, "ClearLogButton", "Clear Display");
    LoadLogButton = AddPushButton(ToolBar1, "LoadLogButton", "Load Log from Disk");
    SaveLogButton = AddPushButton(ToolBar1, "SaveLogButton", "Save Log to Disk");
    ConvertButton = AddPushButton(ToolBar1, "ConvertButton", "Convert");
    for (QPushButton* log : LogButtons()) log->hide();
    row->addStretch();

    connect(btnNew, &QToolButton::clicked, this, &TfrmMain::NewDocument);
    connect(btnOpen, &QToolButton::clicked, this, &TfrmMain::OpenDocument);
    connect(btnSave, &QToolButton::clicked, this, &TfrmMain::SaveDocument);
    connect(btnSaveAs, &QToolButton::clicked, this, &TfrmMain::SaveDocumentAs);
    connect(btnPrint, &QToolButton::clicked, this, &TfrmMain::btnPrintClick);
    connect(btnLoadAllFromPanel, &QToolButton::clicked, this, &TfrmMain::btnLoadAllFromPanelClick);
    connect(btnSaveAllToPanel, &QToolButton::clicked, this, &TfrmMain::btnSaveAllToPanelClick);
    connect(btnCompareWithPanel, &QToolButton::clicked, this, &TfrmMain::btnCompareWithPanelClick);
    connect(btnLoadFromPanel, &QPushButton::clicked, this, &TfrmMain::btnLoadFromPanelClick);
    connect(btnSavetoPanel, &QPushButton::clicked, this, &TfrmMain::btnSavetoPanelClick);
    connect(ClearLogButton, &QPushButton::clicked, this, &TfrmMain::ClearLogButtonClick);
    connect(LoadLogButton, &QPushButton::clicked, this, &TfrmMain::LoadLogButtonClick);
    connect(SaveLogButton, &QPushButton::clicked, this, &TfrmMain::SaveLogButtonClick);
    connect(ConvertButton, &QPushButton::clicked, this, &TfrmMain::ConvertButtonClick);
}

void TfrmMain::BuildPages() {
    ConfigPages = new QTabWidget(this);
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

    auto addPage = [this](QWidget* page, const char* name, const char* caption) {
        page->setObjectName(QString::fromLatin1(name));
        ConfigPages->addTab(page, QString::fromLatin1(caption));
    };
    tabLoopSummary = new DeviceSummaryTab(data_, document_, prompts_, *deviceImages_, *NamesForm);
    addPage(tabLoopSummary, "tabLoopSummary", "Device Summary");
    tabLoop1 = new DevicesTab(data_, document_, prompts_, *deviceImages_, *NamesForm);
    addPage(tabLoop1, "tabLoop1", "Devices");
    connect(tabLoop1, &DevicesTab::helpRequested, this, &TfrmMain::ShowHelp);
    editors_ = std::make_unique<EquationEditors>(data_, document_, this);
    editors_->RefreshActivePage = [this] { RefreshActivePage(); };
    editors_->RefreshGroupConfig = [this] { tabGroupConfig->RefreshGroupRows(); };
    editors_->SetHelp([this](int topic) { ShowHelp(topic); });
    tabZoneCfg = new ZoneConfigTab(data_, document_, prompts_, *editors_);
    addPage(tabZoneCfg, "tabZoneCfg", "Zone Config");
    tabGroupConfig = new GroupConfigTab(data_, *editors_);
    addPage(tabGroupConfig, "tabGroupConfig", "Group Config");
    tabPlaceNames = new PlaceNamesTab(data_, document_, prompts_);
    addPage(tabPlaceNames, "tabPlaceNames", "Place Names");
    tabSiteCfg = new SiteConfigTab(data_, document_, prompts_);
    tabSiteCfg->setObjectName(QStringLiteral("tabSiteCfg"));
    // The site settings need more room than the other pages: on a small
    // window they scroll rather than hold the whole window up.
    auto* siteScroller = new QScrollArea;
    siteScroller->setFrameShape(QFrame::NoFrame);
    siteScroller->setWidgetResizable(true);
    siteScroller->setWidget(tabSiteCfg);
    ConfigPages->addTab(siteScroller, QStringLiteral("Site Config"));
    tabNetworkCfg = new NetworkConfigTab(data_, document_, prompts_);
    addPage(tabNetworkCfg, "tabNetworkCfg", "Network Config");
    tabViewLog = new EventLogTab(data_, document_, prompts_, clock_);
    // The log's dialogs start in the last folder used, as the document's do.
    logFileDialogs_ = std::make_unique<QtLogFileDialogs>(this, &settings_);
    tabViewLog->SetFileDialogs(logFileDialogs_.get());
    addPage(tabViewLog, "tabViewLog", "View Event Log");
    tabComment = new CommentsTab(data_, document_, prompts_);
    addPage(tabComment, "tabComment", "Comments");
    tabNotUsedNow = new QWidget;
    addPage(tabNotUsedNow, "tabNotUsedNow", "Set Config");

    ConfigPages->setTabVisible(kPageNetworkConfig, false);
    ConfigPages->setTabEnabled(kPageNetworkConfig, false);
    ConfigPages->setTabVisible(kPageSetConfig, false);
    ConfigPages->setCurrentIndex(kPageSiteConfig);
    previousPage_ = kPageSiteConfig;
    auto* client = new QWidget;
    client->setObjectName(QStringLiteral("ClientArea"));
    auto* column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(ToolBar1);
    column->addWidget(ConfigPages);
    setCentralWidget(client);

    connect(ConfigPages, &QTabWidget::currentChanged, this, &TfrmMain::ConfigPagesCurrentChanged);
    connect(tabSiteCfg, &SiteConfigTab::connectionStatusClicked, this, &TfrmMain::ConfigPagesChange);
}

void TfrmMain::KeepToolBarAndTabsWhole() {
    int widest = ConfigPages->tabBar()->sizeHint().width();
    for (int page : {kPageDeviceSummary, kPageZoneConfig, kPageGroupConfig, kPagePlaceNames, kPageSiteConfig}) {
        SetControllerCaptions(page);
        widest = std::max(widest, ToolBar1->sizeHint().width());
    }
    SetControllerCaptions(kPageSiteConfig);
    centralWidget()->setMinimumWidth(widest);
}

QList<QPushButton*> TfrmMain::LogButtons() const {
    return {ClearLogButton, LoadLogButton, SaveLogButton, ConvertButton};
}

int TfrmMain::ActivePage() const { return ConfigPages->currentIndex(); }

// ---- start-up -------------------------------------------------------------

void TfrmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shown_) return;
    shown_ = true;
    FirstShow();
}

void TfrmMain::FirstShow() {
    WindowGeometry(settings_).Restore(*this);
    const int port = ProgramSettings(settings_).Port();
    if (port >= 1 && port <= 4 && Hooks.SelectStoredPort) Hooks.SelectStoredPort(port);

    tabLoopSummary->SelectFirstListEntries();
    tabLoop1->SetUpLoop();
    data_.ResetToDefaults();
    document_.CodesValid = true;
    data_.ResetToDefaults();

    FillAllTabs();
    ConfigPages->setCurrentIndex(kPageSiteConfig);
    SetModified(false);
    Timer1->start();
    Timer1Timer();
    // The file named on the command line opens once the window is showing.
    if (!options_.OpenPath.empty())
        QTimer::singleShot(0, this, [this] { OpenDocumentFile(options_.OpenPath); });
}

// ---- title and Save state -------------------------------------------------

void TfrmMain::ModifiedChanged() {
    CommandLock->SetEnabled(btnSave, document_.Modified());
    Save1->setEnabled(document_.Modified());
    UpdateTitle();
}

void TfrmMain::UpdateTitle() {
    // The path is the file system's name for the file, not model text.
    if (shown_) setWindowTitle(QFile::decodeName(QByteArray::fromStdString(document_.Title())));
}

// ---- document commands ----------------------------------------------------

void TfrmMain::NewDocument() {
    if (!LetGoOfWork(false)) return;
    if (prompts_.Ask(PromptKind::Confirmation, kNewQuestion, PromptButtons::YesNo) != PromptAnswer::Yes) return;
    tabLoopSummary->ResetTableCursor();
    const int page = ActivePage();
    document_.Path.clear();
    data_.ResetToDefaults();
    // The codes are the new document's own now: no half-typed code is left
    // for the gate to hold back.
    document_.CodesValid = true;
    FillAllTabs();
    SetModified(false);
    ConfigPages->setCurrentIndex(page);
}

void TfrmMain::OpenDocument() {
    const std::optional<std::string> chosen = fileDialogs_->AskOpenPath();
    if (chosen) OpenDocumentFile(*chosen);
}

void TfrmMain::OpenDocumentFile(const std::string& path) {
    // The file is tested first, without reading it into the model: a file
    // that is no configuration file (a disk image, a pipe) is refused before
    // any question, and the question about modified work comes before the
    // file takes its place. A cancelled save dialog keeps the work and opens nothing.
    std::string refusal;
    if (!store_.IsValid(path, refusal)) {
        prompts_.Error(refusal.empty() ? kNotValidFileMessage : refusal);
        return;
    }
    if (!LetGoOfWork(false)) return;
    const int page = ActivePage();
    ConfigPages->hide();
    status_.Show();
    status_.SetCancelVisible(false);
    status_.SetStatusText(kLoadingFromDiskText);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    tabLoopSummary->ResetTableCursor();
    ReadDocument(path);

    ConfigPages->setCurrentIndex(page);
    ConfigPages->show();
    status_.Close();
}

void TfrmMain::ReadDocument(const std::string& path) {
    document_.Path = path;
    std::string errorText;
    if (store_.Read(path, errorText)) {
        document_.CustomNamesChanged = true;
        // The codes are the file's now, as for New.
        document_.CodesValid = true;
        FillAllTabs();
        SetModified(false);
        RecentFiles1->Remember(path);
        return;
    }
    // Reading stopped part-way: the model holds part of the file. Bind the
    // document to no file and keep it modified, so nothing is lost or
    // written over without the user choosing a file.
    document_.Path.clear();
    FillAllTabs();
    SetModified(true);
    prompts_.Error(errorText.empty() ? "Unable to read " + path : errorText);
}

void TfrmMain::SaveDocument() { Save(); }

void TfrmMain::SaveDocumentAs() {
    if (!PassCodeGate()) return;
    SaveAsAfterGate();
}

bool TfrmMain::PassCodeGate() {
    return tabSiteCfg->PassCodeGate([this] { ConfigPages->setFocus(Qt::OtherFocusReason); },
                                    [this] { ConfigPages->setCurrentIndex(kPageSiteConfig); });
}

TfrmMain::SaveResult TfrmMain::Save() {
    if (!PassCodeGate()) return SaveResult::CodeInvalid;
    if (document_.Path.empty()) return SaveAsAfterGate();
    return WriteDocument(document_.Path) ? SaveResult::Written : SaveResult::Failed;
}

TfrmMain::SaveResult TfrmMain::SaveAsAfterGate() {
    const std::optional<std::string> chosen = fileDialogs_->AskSavePath(document_.Path);
    if (!chosen) return SaveResult::Cancelled;
    // The document is bound to the chosen file only once it was written there.
    std::string previousPath = std::exchange(document_.Path, *chosen);
    if (!WriteDocument(document_.Path)) {
        document_.Path = std::move(previousPath);
        UpdateTitle();
        return SaveResult::Failed;
    }
    UpdateTitle();
    return SaveResult::Written;
}

bool TfrmMain::WriteDocument(const std::string& path) {
    std::string errorText;
    if (!store_.Write(path, errorText)) {
        prompts_.Error(errorText.empty() ? "Unable to write to " + path : errorText);
        return false;
    }
    SetModified(false);
    RecentFiles1->Remember(path);
    return true;
}

bool TfrmMain::CloseQuery() {
    // A transfer that runs is cancelled first, or the window stays open with it.
    if (CommandLock->Locked()) {
        Call(Hooks.CancelTransfer);
        if (CommandLock->Locked()) return false;
    }
    return LetGoOfWork(true);
}

bool TfrmMain::LetGoOfWork(bool cancelledSaveLetsGo) {
    if (!document_.Modified()) return true;
    switch (prompts_.Ask(PromptKind::Confirmation, kExitQuestion, PromptButtons::YesNoCancel)) {
        case PromptAnswer::No: return true;
        case PromptAnswer::Yes: {
            // Exit closes whether or not a file was written, except when the
            // save could not happen against the user's wish: a code the gate
            // has just reported, or a write the file system refused. Then the
            // work stays open to be put right and saved.
            const SaveResult saved = Save();
            return saved == SaveResult::Written || (saved == SaveResult::Cancelled && cancelledSaveLetsGo);
        }
        default: return false;
    }
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

// ---- print, controller and event log commands -----------------------------

void TfrmMain::btnPrintClick() {
    if (PassCodeGate()) Call(Hooks.PrintOptions);
}

void TfrmMain::btnLoadAllFromPanelClick() {
    if (PassCodeGate() && LetGoOfWork(false)) Call(Hooks.LoadAllFromController);
}

void TfrmMain::btnSaveAllToPanelClick() {
    if (PassCodeGate()) Call(Hooks.SaveAllToController);
}

void TfrmMain::btnCompareWithPanelClick() {
    if (PassCodeGate()) Call(Hooks.CompareWithController);
}

void TfrmMain::CompareWithFileClick() {
    fileComparison_->Run();
}

void TfrmMain::btnLoadFromPanelClick() {
    if (PassCodeGate() && Hooks.LoadPageFromController) Hooks.LoadPageFromController(ActivePage());
}

void TfrmMain::btnSavetoPanelClick() {
    if (PassCodeGate() && Hooks.SavePageToController) Hooks.SavePageToController(ActivePage());
}

void TfrmMain::ClearLogButtonClick() { tabViewLog->ClearDisplay(); }
void TfrmMain::LoadLogButtonClick() { tabViewLog->LoadLogFromDisk(); }
void TfrmMain::SaveLogButtonClick() { tabViewLog->SaveLogToDisk(); }
void TfrmMain::ConvertButtonClick() { tabViewLog->Convert(); }

// ---- pages ----------------------------------------------------------------

void TfrmMain::ConfigPagesCurrentChanged(int page) {
    if (page == kPageViewEventLog && CommandLock->Locked()) {
        // The event log page takes the link over for its text: it waits
        // until the transfer has ended, however it was chosen.
        const QSignalBlocker blocker(ConfigPages);
        ConfigPages->setCurrentIndex(previousPage_);
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
    tabLoopSummary->UntickEnableChanges();
    tabLoopSummary->ResetTableCursor();
    if (leavingPage == kPageViewEventLog) Call(Hooks.LeavingEventLog);
}

void TfrmMain::SetControllerCaptions(int page) {
    ControllerCaptions captions = kSiteCaptions;
    switch (page) {
        case kPageDeviceSummary:
        case kPageDevices: captions = kDeviceCaptions; break;
        case kPageZoneConfig: captions = kZoneCaptions; break;
        case kPageGroupConfig: captions = kGroupCaptions; break;
        case kPagePlaceNames: captions = kPlaceNameCaptions; break;
        default: break;
    }
    btnLoadFromPanel->setText(QString::fromLatin1(captions.load));
    btnSavetoPanel->setText(QString::fromLatin1(captions.save));
}

void TfrmMain::ConfigPagesChange() {
    const int page = ActivePage();
    tabLoopSummary->UntickEnableChanges();
    tabLoopSummary->ResetTableCursor();
    CommandLock->SetEnabled(btnLoadFromPanel, true);
    CommandLock->SetEnabled(btnSavetoPanel, true);
    helpContext_ = kDefaultHelpContext;
    Call(Hooks.EndTextOnlyReception);

    switch (page) {
        case kPageDeviceSummary:
            SetControllerCaptions(page);
            tabLoopSummary->RefreshDeviceTable();
            tabLoopSummary->RebuildZoneList();
            tabLoopSummary->UntickEnableChanges();
            helpContext_ = 10;
            break;
        case kPageDevices:
            SetControllerCaptions(page);
            tabLoop1->RefreshToolbar();
            tabLoop1->RefreshLayout();
            helpContext_ = 20;
            break;
        case kPageZoneConfig:
            tabZoneCfg->RefreshZoneRows();
            tabGroupConfig->RefreshGroupRows();
            tabPlaceNames->RefreshPlaceNameLists();
            tabLoopSummary->RefreshDeviceTable();
            SetControllerCaptions(page);
            helpContext_ = 30;
            break;
        case kPageGroupConfig:
            SetControllerCaptions(page);
            helpContext_ = 40;
            break;
        case kPagePlaceNames:
            SetControllerCaptions(page);
            helpContext_ = 50;
            break;
        case kPageSiteConfig:
            tabSiteCfg->FillSiteConfigTab();
            SetControllerCaptions(page);
            helpContext_ = 60;
            break;
        case kPageViewEventLog:
            Call(Hooks.EnteringEventLog);
            helpContext_ = 80;
            break;
        default: break;
    }

    const bool controllerButtons = page != kPageViewEventLog && page != kPageComments;
    btnLoadFromPanel->setVisible(controllerButtons);
    btnSavetoPanel->setVisible(controllerButtons);
    for (QPushButton* log : LogButtons()) log->setVisible(page == kPageViewEventLog);

    if (document_.Modified()) RefreshActivePage();
}

void TfrmMain::RefreshActivePage() { RefreshPage(ActivePage()); }

void TfrmMain::RefreshPage(int page) {
    switch (page) {
        case kPageDeviceSummary:
            tabLoopSummary->RebuildZoneList();
            tabLoopSummary->RefreshToolbarHints();
            tabLoopSummary->RefreshDeviceTable();
            break;
        case kPageDevices:
            tabLoop1->RefreshToolbar();
            tabLoop1->RefreshLayout();
            break;
        case kPageZoneConfig:
            if (!constructing_) tabZoneCfg->RefreshZoneRows();
            break;
        case kPageGroupConfig: tabGroupConfig->RefreshGroupRows(); break;
        case kPagePlaceNames: tabPlaceNames->RefreshPlaceNameLists(); break;
        case kPageSiteConfig: tabSiteCfg->FillSiteConfigTab(); break;
        default: break;
    }
}

void TfrmMain::HoldBackEditing(bool held) {
    ConfigPages->setTabEnabled(kPageViewEventLog, !held);
    ConfigPages->setTabToolTip(kPageViewEventLog, held ? QString::fromLatin1(kEventLogWaitsText) : QString());
    tabLoopSummary->HoldBackEditing(held);
    tabLoop1->HoldBackEditing(held);
    tabZoneCfg->HoldBackEditing(held);
    tabGroupConfig->HoldBackEditing(held);
    tabPlaceNames->HoldBackEditing(held);
    tabSiteCfg->HoldBackEditing(held);
    tabComment->HoldBackEditing(held);
    // A transfer that stopped part-way refreshed nothing: the page shows
    // what its records hold now before it takes an edit again.
    if (!held && document_.Modified()) RefreshActivePage();
}

void TfrmMain::ShowSimulating() {
    auto* simulating = new QLabel(QStringLiteral("Simulated controller"));
    simulating->setObjectName(QStringLiteral("lblSimulating"));
    simulating->setToolTip(QStringLiteral(
        "The program was started with --simulate: the built-in simulated controller answers, no serial port is used."));
    statusBar()->addPermanentWidget(simulating);
}

void TfrmMain::SetStatusMessage(const QString& text) {
    lblStatusMessage->setText(text);
    statusBar()->clearMessage();
}

void TfrmMain::FillAllTabs() {
    for (int page = kPageDeviceSummary; page <= kPageSiteConfig; ++page) RefreshPage(page);
    tabComment->LoadFromModel();
}

// ---- window ---------------------------------------------------------------

void TfrmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TfrmMain::FormResize() {
    const int frameHeight = frameGeometry().height() - geometry().height();
    tabPlaceNames->SetListHeight(height() + std::max(frameHeight, 0) - kPlaceNameListMargin);
}

void TfrmMain::Timer1Timer() {
    const std::tm now = clock_.LocalTime();
    tabSiteCfg->SetClock(QString::fromStdString(ShortDateText(now)),
                         QString::fromStdString(LongTimeText(now)));
    Call(Hooks.ClockTick);
}

void TfrmMain::ShowHelp(int context) { Help->ShowContext(context); }

}  // namespace kelvane
