#pragma once
#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/Clock.h"
#include "core/Prompts.h"
#include "core/UserSettings.h"
#include "file/Document.h"
#include "file/DocumentStore.h"
#include "file/RecentFiles.h"
#include "model/Data.h"
#include "transfer/TransferStatus.h"
#include "ui/platform/FileDialogs.h"
#include "ui/window/ControllerPagesView.h"
#include "ui/window/DocumentCommands.h"
#include "ui/window/PageTable.h"
#include "ui/window/StartupOptions.h"

class QAction;
class QLabel;
class QTabWidget;
class QTimer;

namespace kelvane {

class ConfigFileDrop;
class DeviceCsvCommands;
class DeviceImages;
class EditHistory;
class EquationEditors;
class HelpWindow;
class MainWindowMenus;
class MainWindowPages;
class SiteFileComparison;
class SiteReviewWindows;
class TAboutBox;
class TfrmDifferences;
class TNamesForm;
class TfrmStatus;
class TransferCommandLock;

inline constexpr const char* kLoadingFromDiskText = "Loading Data from Disk, Please Wait...";

// The main window: a frame of menus, the top tool bar and the tab control
// whose pages are the editors. It runs the page-change steps and the gate
// in front of saving and the controller transfers; the document commands
// are their own class, and what belongs to the controller link, the serial
// port and printing is asked for through the window's signals.
class TfrmMain : public QMainWindow, private DocumentView {
    Q_OBJECT
public:
    // `fileDialogs` null: the window's own configuration file dialogs.
    // `settings` null: the user's own settings store.
    TfrmMain(TData& data, Document& document, Prompts& prompts, DocumentStore& store, const Clock& clock,
             StartupOptions options = {}, FileDialogs* fileDialogs = nullptr,
             UserSettings* settings = nullptr, QWidget* parent = nullptr);
    ~TfrmMain() override;

    const StartupOptions& Options() const { return options_; }
    // The status window's content, shared with the controller transfers.
    TransferStatus& Status() { return status_; }
    // The per-user settings the window and the controller commands keep.
    UserSettings& Settings() { return settings_; }
    // The three equation editors, shared by the Zone Config and Group Config tabs.
    EquationEditors& Editors();
    // The help, a window of its own.
    HelpWindow& HelpViewer() { return *Help; }
    // The differences of a comparison, with the controller or with a file.
    TfrmDifferences& DifferencesWindow() { return *frmDifferences; }
    // Controller > Verify after saving (checkable).
    QAction& VerifyAfterSavingCommand();
    // Adds a command to the View menu (a window to show, such as the link trace).
    void AddViewCommand(QAction* command);
    // Adds a choice to the Settings menu.
    void AddSettingsCommand(QAction* command);
    // The routing and site check windows and the status bar's count of findings.
    SiteReviewWindows& SiteReviewParts() { return *review_; }
    // The Device Summary tab in front with `address`'s row selected.
    void ShowDeviceInSummary(int address);
    // The Site Config tab in front.
    void ShowSiteConfig();

    // Document commands.
    void NewDocument() { documents_->New(); }
    void OpenDocument() { documents_->Open(); }
    // Open for a file already chosen (a recent file, a dropped file, the file
    // named on the command line).
    void OpenDocumentFile(const std::string& path) { documents_->OpenFile(path); }
    void SaveDocument() { documents_->Save(); }
    void SaveDocumentAs() { documents_->SaveAs(); }
    // Edit > Undo and Redo: the model as it was before the last step, or
    // after the step undone last, shown on every page at once. Nothing
    // while a transfer runs.
    void UndoClick();
    void RedoClick();
    // The document's undo and redo history.
    EditHistory& History() { return *history_; }
    // File > Export Devices (CSV)... and File > Import Devices (CSV)...
    void ExportDevicesCsvClick();
    void ImportDevicesCsvClick();
    // The file dialogs of the device list commands (tests answer from a script).
    void UseDeviceCsvFileDialogs(FileDialogs& dialogs);

    // Asked before the window closes; true lets it close.
    bool CloseQuery();
    void SetModified(bool modified) { document_.SetModified(modified); }

    // Print options and the controller commands: the code gate, then the signal.
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
    // Help > About...
    void About1Click();

    // The page-change steps (also run when the connection status text is clicked).
    void ConfigPagesChanging(int leavingPage);
    void ConfigPagesChange();
    // Fills the active tab from the model.
    void RefreshActivePage();
    // Fills every tab from the model (never marks the document modified).
    void FillAllTabs() override;
    // While a transfer runs, every page can be looked through but none
    // takes an edit, and the document, print and transfer commands are held back.
    void SetTransferRunning(bool running);
    // Says in the status bar what a command has done.
    void SetStatusMessage(const QString& text);
    // Says for as long as the program runs that the built-in simulated
    // controller is in use, not a serial port.
    void ShowSimulating();
    // The place name lists follow the window's outer height.
    void FormResize();
    // Writes the clock texts; then asks for the connection text (clockTicked).
    void Timer1Timer();

    // What the controller link and the printout show on the pages and read from them.
    ControllerPagesView& PagesView();

    // Help at the active tab's context, or at any context (for dialogs).
    int HelpContext() const { return helpContext_; }
    void ShowHelp(int context);
    void HelpContentsClick() { ShowHelp(helpContext_); }

    int ActivePage() const;

signals:
    // The tool buttons, past the code gate: everything from or to the controller.
    void loadAllFromControllerRequested();
    void saveAllToControllerRequested();
    // Controller > Compare with Controller and its tool button.
    void compareWithControllerRequested();
    // The push buttons: the data of `page` (ui/Pages.h) from or to the controller.
    void loadPageFromControllerRequested(int page);
    void savePageToControllerRequested(int page);
    // Page changes. Leaving View Event Log: the next transfer or poll must
    // shake hands again. Every change: text-only reception ends. Entering
    // View Event Log: the link switches to event-log reception.
    void leavingEventLog();
    void textOnlyReceptionEnded();
    void enteringEventLog();
    // First show: the stored port (1..4) selects the link's port.
    void storedPortSelected(int port);
    // Settings > Select Serial Port.
    void selectSerialPortRequested();
    // The print options (tool button and File > Print, past the code gate)
    // and File > Printer Properties.
    void printOptionsRequested();
    void printerPropertiesRequested();
    // Exit while a controller transfer runs: asks whether to cancel it first.
    void cancelTransferRequested();
    // Every second, after the clock texts were written: the connection text.
    void clockTicked();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // The window system's frame is known only once it has placed the window
    // and made it active.
    void changeEvent(QEvent* event) override;

private:
    // The client area: the tool bar above the pages.
    void BuildClientArea();
    QTabWidget* ConfigPages() const;
    // The window never gets narrower than its tool bar with the longest page
    // captions or than its row of tabs, so neither is clipped or scrolled.
    void KeepToolBarAndTabsWhole();
    void HoldBackEditing(bool held);
    void FirstShow();
    void ModifiedChanged();
    void HistoryChanged();
    // Undo or Redo has put the model back: every page shows it.
    void ShowRestoredModel();
    void UpdateTitle();
    void ConfigPagesCurrentChanged(int page);

    // DocumentView
    bool PassCodeGate() override;
    void ReplacingModel(bool fromDisk) override;
    void ModelReplaced() override;
    void RememberFile(const std::string& path) override;
    void PathChanged() override { UpdateTitle(); }

    TData& data_;
    Document& document_;
    Prompts& prompts_;
    DocumentStore& store_;
    const Clock& clock_;
    StartupOptions options_;
    std::unique_ptr<FileDialogs> ownFileDialogs_;
    FileDialogs* fileDialogs_;
    std::unique_ptr<UserSettings> ownSettings_;
    UserSettings& settings_;
    RecentFiles recentFiles_;
    std::unique_ptr<DocumentCommands> documents_;
    std::unique_ptr<EditHistory> history_;
    std::unique_ptr<FileDialogs> ownCsvFileDialogs_;
    std::unique_ptr<DeviceCsvCommands> deviceCsv_;
    std::unique_ptr<MainWindowMenus> menus_;
    std::unique_ptr<MainWindowPages> pages_;
    ConfigFileDrop* fileDrop_;
    TransferStatus status_;
    std::unique_ptr<SiteFileComparison> fileComparison_;
    SiteReviewWindows* review_;
    // The device pictures of every device editor.
    std::unique_ptr<DeviceImages> deviceImages_;

    // Controls, named as the rest of the program knows them.
    QLabel* lblStatusMessage;

    TfrmStatus* frmStatus;
    TfrmDifferences* frmDifferences;
    // The document, print and transfer commands, held back while a transfer runs.
    TransferCommandLock* CommandLock;
    TAboutBox* AboutBox;
    // The place-name picker of every device editor.
    TNamesForm* NamesForm;
    HelpWindow* Help;
    QTimer* Timer1;

    int helpContext_ = kHelpSiteConfig;
    int previousPage_ = 0;
    // The page in front while the model is replaced, and whether it is read from disk.
    int replacedPage_ = 0;
    bool readingFromDisk_ = false;
    bool shown_ = false;
};

}  // namespace kelvane
