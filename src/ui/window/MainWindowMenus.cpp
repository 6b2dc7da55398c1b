#include "ui/window/MainWindowMenus.h"

#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>

#include "ui/widgets/AppIcons.h"
#include "ui/window/MainWindow.h"
#include "ui/window/PageTable.h"
#include "ui/window/RecentFilesMenu.h"

namespace kelvane {

namespace {

constexpr int kToolBarHeight = 33;

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

}  // namespace

MainWindowMenus::MainWindowMenus(TfrmMain& window, RecentFiles& recentFiles) {
    BuildMenus(window, recentFiles);
    BuildToolBar(window);
}

QList<QPushButton*> MainWindowMenus::LogButtons() const {
    return {ClearLogButton, LoadLogButton, SaveLogButton, ConvertButton};
}

void MainWindowMenus::SetPageCaptions(const PageEntry& entry) {
    if (!entry.HasControllerData()) return;
    btnLoadFromPanel->setText(QString::fromLatin1(entry.loadCaption));
    btnSavetoPanel->setText(QString::fromLatin1(entry.saveCaption));
}

void MainWindowMenus::ShowPageCommands(const PageEntry& entry, bool eventLog) {
    SetPageCaptions(entry);
    btnLoadFromPanel->setVisible(entry.HasControllerData());
    btnSavetoPanel->setVisible(entry.HasControllerData());
    for (QPushButton* log : LogButtons()) log->setVisible(eventLog);
}

int MainWindowMenus::WidestToolBarWidth() {
    int widest = 0;
    for (const PageEntry& entry : kPageTable) {
        SetPageCaptions(entry);
        widest = std::max(widest, ToolBar1->sizeHint().width());
    }
    SetPageCaptions(kPageTable[kPageSiteConfig]);
    return widest;
}

QList<QAction*> MainWindowMenus::TransferHeldActions() const {
    return {New1, Open1, Save1, SaveAs1, CompareWithFile1, Print1, SelectSerialPort1, CompareWithController1};
}

QList<QAction*> MainWindowMenus::EditHeldActions() const {
    return {Undo1, Redo1, ExportDevicesCsv1, ImportDevicesCsv1};
}

QList<QWidget*> MainWindowMenus::EditHeldButtons() const {
    return {btnUndo, btnRedo};
}

void MainWindowMenus::ShowSteps(const std::string& undoStep, const std::string& redoStep) {
    // The step names are the program's own texts, built from fixed words and numbers.
    const auto text = [](const char* command, const std::string& step) {
        return QString::fromLatin1(step.empty() ? std::string(command) : std::string(command) + " " + step);
    };
    Undo1->setText(text("&Undo", undoStep));
    Redo1->setText(text("&Redo", redoStep));
    btnUndo->setToolTip(text("Undo", undoStep));
    btnRedo->setToolTip(text("Redo", redoStep));
}

QList<QWidget*> MainWindowMenus::TransferHeldButtons() const {
    return {btnNew,
            btnOpen,
            btnSave,
            btnSaveAs,
            btnPrint,
            btnLoadAllFromPanel,
            btnSaveAllToPanel,
            btnCompareWithPanel,
            btnLoadFromPanel,
            btnSavetoPanel,
            ConvertButton};
}

void MainWindowMenus::BuildMenus(TfrmMain& window, RecentFiles& recentFiles) {
    QMenuBar* bar = window.menuBar();
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    New1 = AddMenuAction(file, "New1", "&New", QKeySequence(Qt::CTRL | Qt::Key_N), "Create a new file");
    Open1 =
        AddMenuAction(file, "Open1", "&Open...", QKeySequence(Qt::CTRL | Qt::Key_O), "Open an existing file");
    Save1 = AddMenuAction(file, "Save1", "&Save", QKeySequence(Qt::CTRL | Qt::Key_S), "Save current file");
    SaveAs1 =
        AddMenuAction(file, "SaveAs1", "Save &As...", QKeySequence(), "Save current file under a new name");
    CompareWithFile1 = AddMenuAction(file, "CompareWithFile1", "Compare With &File...", QKeySequence(),
                                     "Compare the open site with another configuration file");
    AddDeviceCsvCommands(window, file);
    file->addSeparator();
    Print1 = AddMenuAction(file, "Print1", "&Print", QKeySequence(Qt::CTRL | Qt::Key_P), nullptr);
    PrinterProperties1 =
        AddMenuAction(file, "PrinterProperties1", "Printer P&roperties", QKeySequence(), nullptr);
    file->addSeparator();
    RecentFiles1 = new RecentFilesMenu(recentFiles, Open1, file);
    RecentFiles1->OnOpen = [&window](const std::string& path) { window.OpenDocumentFile(path); };
    file->addMenu(RecentFiles1);
    file->addSeparator();
    Exit1 = AddMenuAction(file, "Exit1", "E&xit", QKeySequence(), "Exit this application");
    BuildEditMenu(window, bar);

    SettingsMenu = bar->addMenu(QStringLiteral("&Settings"));
    SettingsMenu->setObjectName(QStringLiteral("Settings1"));
    SelectSerialPort1 =
        AddMenuAction(SettingsMenu, "SelectSerialPort1", "Select Serial &Port", QKeySequence(), nullptr);

    QMenu* controller = bar->addMenu(QStringLiteral("&Controller"));
    CompareWithController1 =
        AddMenuAction(controller, "CompareWithController1", "Compare with &Controller", QKeySequence(),
                      "Compare the open site with the Network Controller");
    VerifyAfterSaving1 =
        AddMenuAction(controller, "VerifyAfterSaving1", "&Verify after saving", QKeySequence(),
                      "Read the configuration back after saving it to the Network Controller");
    VerifyAfterSaving1->setCheckable(true);
    VerifyAfterSaving1->setChecked(true);
    // Filled by the parts that bring a window to show (the link trace).
    ViewMenu = bar->addMenu(QStringLiteral("&View"));
    ViewMenu->setObjectName(QStringLiteral("View1"));

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    Contents1 = AddMenuAction(help, "Contents1", "&Contents", QKeySequence(Qt::Key_F1),
                              "Display the help contents screen");
    help->addSeparator();
    About1 = AddMenuAction(help, "About1", "&About...", QKeySequence(), "Show program information");

    QObject::connect(New1, &QAction::triggered, &window, &TfrmMain::NewDocument);
    QObject::connect(Open1, &QAction::triggered, &window, &TfrmMain::OpenDocument);
    QObject::connect(Save1, &QAction::triggered, &window, &TfrmMain::SaveDocument);
    QObject::connect(SaveAs1, &QAction::triggered, &window, &TfrmMain::SaveDocumentAs);
    QObject::connect(CompareWithFile1, &QAction::triggered, &window, &TfrmMain::CompareWithFileClick);
    QObject::connect(CompareWithController1, &QAction::triggered, &window,
                     &TfrmMain::btnCompareWithPanelClick);
    QObject::connect(Print1, &QAction::triggered, &window, &TfrmMain::btnPrintClick);
    QObject::connect(PrinterProperties1, &QAction::triggered, &window, &TfrmMain::printerPropertiesRequested);
    QObject::connect(Exit1, &QAction::triggered, &window, &QWidget::close);
    QObject::connect(SelectSerialPort1, &QAction::triggered, &window, &TfrmMain::selectSerialPortRequested);
    QObject::connect(Contents1, &QAction::triggered, &window, &TfrmMain::HelpContentsClick);
    QObject::connect(About1, &QAction::triggered, &window, &TfrmMain::About1Click);
}

void MainWindowMenus::AddDeviceCsvCommands(TfrmMain& window, QMenu* file) {
    file->addSeparator();
    ExportDevicesCsv1 = AddMenuAction(file, "ExportDevicesCsv1", "&Export Devices (CSV)...", QKeySequence(),
                                      "Write the device list as a spreadsheet opens it");
    ImportDevicesCsv1 = AddMenuAction(file, "ImportDevicesCsv1", "&Import Devices (CSV)...", QKeySequence(),
                                      "Update the devices from a device list written by a spreadsheet");
    QObject::connect(ExportDevicesCsv1, &QAction::triggered, &window, &TfrmMain::ExportDevicesCsvClick);
    QObject::connect(ImportDevicesCsv1, &QAction::triggered, &window, &TfrmMain::ImportDevicesCsvClick);
}

void MainWindowMenus::BuildEditMenu(TfrmMain& window, QMenuBar* bar) {
    QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("Edit1"));
    Undo1 = AddMenuAction(edit, "Undo1", "&Undo", QKeySequence(Qt::CTRL | Qt::Key_Z),
                          "Take back the last change");
    Redo1 = AddMenuAction(edit, "Redo1", "&Redo", QKeySequence(), "Make the change taken back again");
    Redo1->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    QObject::connect(Undo1, &QAction::triggered, &window, &TfrmMain::UndoClick);
    QObject::connect(Redo1, &QAction::triggered, &window, &TfrmMain::RedoClick);
    AddEditButtons(window, bar);
}

void MainWindowMenus::AddEditButtons(TfrmMain& window, QMenuBar* bar) {
    // At the right of the menu bar: the tool bar below is as wide as the
    // window already, with the longest page button captions.
    auto* strip = new QWidget(bar);
    strip->setObjectName(QStringLiteral("EditToolBar"));
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(0, 0, 2, 0);
    row->setSpacing(1);
    btnUndo = AddToolButton(strip, "btnUndo", ToolIcon::Undo, "Undo");
    btnRedo = AddToolButton(strip, "btnRedo", ToolIcon::Redo, "Redo");
    for (QToolButton* button : {btnUndo, btnRedo}) button->setIconSize(QSize(16, 16));
    bar->setCornerWidget(strip, Qt::TopRightCorner);
    QObject::connect(btnUndo, &QToolButton::clicked, &window, &TfrmMain::UndoClick);
    QObject::connect(btnRedo, &QToolButton::clicked, &window, &TfrmMain::RedoClick);
}

void MainWindowMenus::BuildToolBar(TfrmMain& window) {
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
    btnLoadFromPanel = AddPushButton(ToolBar1, "btnLoadFromPanel", kPageTable[kPageSiteConfig].loadCaption);
    btnSavetoPanel = AddPushButton(ToolBar1, "btnSavetoPanel", kPageTable[kPageSiteConfig].saveCaption);
    ClearLogButton = AddPushButton(ToolBar1, "ClearLogButton", "Clear Display");
    LoadLogButton = AddPushButton(ToolBar1, "LoadLogButton", "Load Log from Disk");
    SaveLogButton = AddPushButton(ToolBar1, "SaveLogButton", "Save Log to Disk");
    ConvertButton = AddPushButton(ToolBar1, "ConvertButton", "Convert");
    for (QPushButton* log : LogButtons()) log->hide();
    row->addStretch();

    QObject::connect(btnNew, &QToolButton::clicked, &window, &TfrmMain::NewDocument);
    QObject::connect(btnOpen, &QToolButton::clicked, &window, &TfrmMain::OpenDocument);
    QObject::connect(btnSave, &QToolButton::clicked, &window, &TfrmMain::SaveDocument);
    QObject::connect(btnSaveAs, &QToolButton::clicked, &window, &TfrmMain::SaveDocumentAs);
    QObject::connect(btnPrint, &QToolButton::clicked, &window, &TfrmMain::btnPrintClick);
    QObject::connect(btnLoadAllFromPanel, &QToolButton::clicked, &window,
                     &TfrmMain::btnLoadAllFromPanelClick);
    QObject::connect(btnSaveAllToPanel, &QToolButton::clicked, &window, &TfrmMain::btnSaveAllToPanelClick);
    QObject::connect(btnCompareWithPanel, &QToolButton::clicked, &window,
                     &TfrmMain::btnCompareWithPanelClick);
    QObject::connect(btnLoadFromPanel, &QPushButton::clicked, &window, &TfrmMain::btnLoadFromPanelClick);
    QObject::connect(btnSavetoPanel, &QPushButton::clicked, &window, &TfrmMain::btnSavetoPanelClick);
    QObject::connect(ClearLogButton, &QPushButton::clicked, &window, &TfrmMain::ClearLogButtonClick);
    QObject::connect(LoadLogButton, &QPushButton::clicked, &window, &TfrmMain::LoadLogButtonClick);
    QObject::connect(SaveLogButton, &QPushButton::clicked, &window, &TfrmMain::SaveLogButtonClick);
    QObject::connect(ConvertButton, &QPushButton::clicked, &window, &TfrmMain::ConvertButtonClick);
}

}  // namespace kelvane
