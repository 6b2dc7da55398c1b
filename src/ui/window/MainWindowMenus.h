#pragma once
#include <QList>
#include <string>

class QAction;
class QFrame;
class QMenu;
class QMenuBar;
class QPushButton;
class QToolButton;
class QWidget;

namespace kelvane {

struct PageEntry;
class RecentFiles;
class RecentFilesMenu;
class TfrmMain;

// The main window's menu bar and its tool bar, every command named as the
// rest of the program knows it and wired to the window's handler. The
// window places the tool bar above its pages.
class MainWindowMenus {
public:
    MainWindowMenus(TfrmMain& window, RecentFiles& recentFiles);

    // The controller buttons with `entry`'s captions, or hidden where its page
    // has no data of its own; the event log buttons only on the event log page.
    void ShowPageCommands(const PageEntry& entry, bool eventLog);
    // How wide the tool bar is with the longest captions of the controller buttons.
    int WidestToolBarWidth();
    // The document, print and transfer commands, held back while a transfer runs.
    QList<QAction*> TransferHeldActions() const;
    QList<QWidget*> TransferHeldButtons() const;
    // Undo, Redo and the device list commands, held back while a transfer runs too.
    QList<QAction*> EditHeldActions() const;
    QList<QWidget*> EditHeldButtons() const;
    // Undo and Redo name the step each would take back or do again ("Undo
    // Change Device 17 Type"); with none, they read plain "Undo" and "Redo".
    void ShowSteps(const std::string& undoStep, const std::string& redoStep);

    QFrame* ToolBar1;
    QToolButton* btnNew;
    QToolButton* btnOpen;
    QToolButton* btnSave;
    QToolButton* btnSaveAs;
    QToolButton* btnPrint;
    QToolButton* btnUndo;
    QToolButton* btnRedo;
    QToolButton* btnLoadAllFromPanel;
    QToolButton* btnSaveAllToPanel;
    QToolButton* btnCompareWithPanel;
    QPushButton* btnLoadFromPanel;
    QPushButton* btnSavetoPanel;
    QPushButton* ClearLogButton;
    QPushButton* LoadLogButton;
    QPushButton* SaveLogButton;
    QPushButton* ConvertButton;

    QAction* New1;
    QAction* Open1;
    QAction* Save1;
    QAction* SaveAs1;
    QAction* CompareWithFile1;
    QAction* ExportDevicesCsv1;
    QAction* ImportDevicesCsv1;
    QAction* Undo1;
    QAction* Redo1;
    QAction* Print1;
    QAction* PrinterProperties1;
    RecentFilesMenu* RecentFiles1;
    QAction* Exit1;
    QAction* SelectSerialPort1;
    QAction* CompareWithController1;
    QAction* VerifyAfterSaving1;  // checkable; the controller's verify keeps its state
    QAction* Contents1;
    QAction* About1;
    // Filled by the parts that bring a window to show (the link trace).
    QMenu* ViewMenu;
    QMenu* SettingsMenu;

private:
    // The event log page's buttons, which take the place of the controller buttons there.
    QList<QPushButton*> LogButtons() const;
    void SetPageCaptions(const PageEntry& entry);
    void BuildMenus(TfrmMain& window, RecentFiles& recentFiles);
    void AddDeviceCsvCommands(TfrmMain& window, QMenu* file);
    void BuildEditMenu(TfrmMain& window, QMenuBar* bar);
    void AddEditButtons(TfrmMain& window, QMenuBar* bar);
    void BuildToolBar(TfrmMain& window);
};

}  // namespace kelvane
