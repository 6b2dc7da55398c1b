#pragma once
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>

#include "core/Clock.h"
#include "core/Prompts.h"
#include "core/UserSettings.h"
#include "file/Document.h"
#include "file/RecentFiles.h"
#include "model/Data.h"
#include "transfer/TransferStatus.h"
#include "ui/window/DocumentCommands.h"
#include "ui/window/MainWindowHooks.h"
#include "ui/window/PageTable.h"
#include "ui/window/StartupOptions.h"

class QAction;
class QPushButton;
class QTabWidget;
class QTimer;
class QFrame;
class QLabel;
class QMenu;
class QToolButton;

namespace kelvane {

class CommentsTab;
class ConfigFileDrop;
class DeviceImages;
class DeviceSummaryTab;
class DevicesTab;
class EquationEditors;
class EventLogTab;
class GroupConfigTab;
class HelpWindow;
class NetworkConfigTab;
class PlaceNamesTab;
class RecentFilesMenu;
class SiteConfigTab;
class SiteFileComparison;
class TAboutBox;
class TfrmDifferences;
class TNamesForm;
class TfrmStatus;
class TransferCommandLock;
class ZoneConfigTab;

inline constexpr const char* kLoadingFromDiskText = "Loading Data from Disk, Please Wait...";
inline constexpr const char* kEventLogWaitsText =
    "The event log can be viewed once the controller transfer has ended.";

// The main window: menus, the top tool bar and the tab control whose pages
// are the editors, one entry each in the page table. It runs the page-change
// steps and the gate in front of saving and the controller transfers; the
// document commands are a class of their own, the editors are the tab
// classes, the controller work is reached through Hooks.
class TfrmMain : public QMainWindow, private DocumentView {
    Q_OBJECT
public:
    // `fileDialogs` null: the window's own configuration file dialogs.
    // `settings` null: the user's own settings store.
    TfrmMain(TData& data, Document& document, Prompts& prompts, DocumentStore& store, const Clock& clock,
             StartupOptions options = {}, FileDialogs* fileDialogs = nullptr,
             UserSettings* settings = nullptr, QWidget* parent = nullptr);
    ~TfrmMain() override;

    MainWindowHooks Hooks;
    const StartupOptions& Options() const { return options_; }
    // The status window's content, shared with the controller transfers.
    TransferStatus& Status() { return status_; }
    // The per-user settings the window and the controller commands keep.
    UserSettings& Settings() { return settings_; }

    // Document commands.
    void NewDocument();
    void OpenDocument();
    // What Open does once its dialog has given `path` (also for a recent
    // file, a dropped file and the file named on the command line): tests
    // the file, asks to save a modified document, then reads the file.
    void OpenDocumentFile(const std::string& path);
    void SaveDocument();
    void SaveDocumentAs();
    // Asked before the window closes; true lets it close.
    bool CloseQuery();
    void SetModified(bool modified) { document_.SetModified(modified); }

    // Print options and the controller commands: the code gate, then the hook.
    void btnPrintClick();
    void btnLoadAllFromPanelClick();
    void btnSaveAllToPanelClick();
    void btnLoadFromPanelClick();
    void btnSavetoPanelClick();
    void btnCompareWithPanelClick();
    // File > Compare With File...
    void CompareWithFileClick();
    // Event log commands.
    void ClearLogButtonClick();
    void LoadLogButtonClick();
    void SaveLogButtonClick();
    void ConvertButtonClick();

    // The page-change steps (also run when the connection status text is clicked).
    void ConfigPagesChanging(int leavingPage);
    void ConfigPagesChange();
    // Fills the active tab from the model.
    void RefreshActivePage();
    // Fills every tab from the model (never marks the document modified).
    void FillAllTabs() override;
    // While a transfer runs, every page can be looked through but none
    // takes an edit (the transfer command lock calls this).
    void HoldBackEditing(bool held);
    // Says in the status bar what a command has done.
    void SetStatusMessage(const QString& text);
    // Says for as long as the program runs that the built-in simulated
    // controller is in use, not a serial port.
    void ShowSimulating();
    // The place name lists follow the window's outer height.
    void FormResize();
    // Writes the clock texts; then the connection text through Hooks.ClockTick.
    void Timer1Timer();

    // Help at the active tab's context, or at any context (for dialogs).
    int HelpContext() const { return helpContext_; }
    void ShowHelp(int context);
    void HelpContentsClick() { ShowHelp(helpContext_); }

    int ActivePage() const;
    QList<QPushButton*> LogButtons() const;

    // Controls, named as the rest of the program knows them.
    QFrame* ToolBar1;
    QToolButton* btnNew;
    QToolButton* btnOpen;
    QToolButton* btnSave;
    QToolButton* btnSaveAs;
    QToolButton* btnPrint;
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
    QAction* Print1;
    QAction* PrinterProperties1;
    RecentFilesMenu* RecentFiles1;
    QAction* Exit1;
    QAction* SelectSerialPort1;
    QAction* CompareWithController1;
    QAction* VerifyAfterSaving1;  // checkable; the controller's verify keeps its state
    QAction* Contents1;
    QAction* About1;
    QMenu* ViewMenu;
    QLabel* lblStatusMessage;

    QTabWidget* ConfigPages;
    DeviceSummaryTab* tabLoopSummary;
    DevicesTab* tabLoop1;
    ZoneConfigTab* tabZoneCfg;
    GroupConfigTab* tabGroupConfig;
    PlaceNamesTab* tabPlaceNames;
    SiteConfigTab* tabSiteCfg;
    NetworkConfigTab* tabNetworkCfg;
    EventLogTab* tabViewLog;
    CommentsTab* tabComment;
    QWidget* tabNotUsedNow;

    // The three equation editors, shared by the Zone Config and Group Config tabs.
    EquationEditors& Editors() { return *editors_; }

    TfrmStatus* frmStatus;
    TfrmDifferences* frmDifferences;
    // The document, print and transfer commands, held back while a transfer runs.
    TransferCommandLock* CommandLock;
    TAboutBox* AboutBox;
    // The place-name picker of every device editor.
    TNamesForm* NamesForm;
    HelpWindow* Help;
    QTimer* Timer1;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // What a page does as it comes to the front, and to show the model
    // again while it is in front (either may be empty).
    struct PageSteps {
        std::function<void()> entered;
        std::function<void()> refresh;
    };

    void BuildMenus();
    void BuildToolBar();
    void BuildPages();
    // Adds `page` as the next tab: `tab` named from the page table, shown
    // through `shown` where that is not null.
    void AddPage(Page page, QWidget* tab, PageSteps steps, QWidget* shown = nullptr);
    // The window never gets narrower than its tool bar with the longest page
    // captions or than its row of tabs, so neither is clipped or scrolled.
    void KeepToolBarAndTabsWhole();
    void FirstShow();
    void ModifiedChanged();
    void UpdateTitle();
    void ConfigPagesCurrentChanged(int page);
    void RefreshPage(int page);
    void SetControllerCaptions(const PageEntry& entry);

    // DocumentView
    bool PassCodeGate() override;
    void ReplacingModel(bool fromDisk) override;
    void ModelReplaced() override;
    void RememberFile(const std::string& path) override;
    void PathChanged() override;

    TData& data_;
    Document& document_;
    Prompts& prompts_;
    DocumentStore& store_;
    const Clock& clock_;
    StartupOptions options_;
    std::unique_ptr<FileDialogs> ownFileDialogs_;
    FileDialogs* fileDialogs_;
    std::unique_ptr<FileDialogs> logFileDialogs_;
    std::unique_ptr<DocumentCommands> documents_;
    std::unique_ptr<UserSettings> ownSettings_;
    UserSettings& settings_;
    RecentFiles recentFiles_;
    ConfigFileDrop* fileDrop_;
    TransferStatus status_;
    std::unique_ptr<EquationEditors> editors_;
    std::unique_ptr<SiteFileComparison> fileComparison_;
    // The device pictures of every device editor.
    std::unique_ptr<DeviceImages> deviceImages_;

    std::array<PageSteps, kPageCount> pageSteps_;

    int helpContext_ = kHelpSiteConfig;
    int previousPage_ = 0;
    // The page in front while the model is replaced, and whether it is read from disk.
    int replacedPage_ = 0;
    bool readingFromDisk_ = false;
    bool constructing_ = true;
    bool shown_ = false;
};

}  // namespace kelvane
