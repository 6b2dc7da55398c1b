#pragma once
#include <array>
#include <functional>
#include <memory>

#include "core/Clock.h"
#include "core/Prompts.h"
#include "core/UserSettings.h"
#include "file/Document.h"
#include "model/Data.h"
#include "ui/platform/FileDialogs.h"
#include "ui/window/ControllerPagesView.h"
#include "ui/window/PageTable.h"

class QTabWidget;
class QWidget;

namespace kelvane {

class CommentsTab;
class DeviceImages;
class DeviceSummaryTab;
class DevicesTab;
class EquationEditors;
class EventLogTab;
class GroupConfigTab;
class NetworkConfigTab;
class PlaceNamesTab;
class SiteConfigTab;
class TfrmMain;
class TNamesForm;
class ZoneConfigTab;

// The main window's tab control and its pages, each named and captioned
// from the page table, with what the page does as it comes to the front
// and to show the model again. The window decides when.
class MainWindowPages : public ControllerPagesView {
public:
    MainWindowPages(TfrmMain& window, TData& data, Document& document, Prompts& prompts, const Clock& clock,
                    UserSettings& settings, DeviceImages& images, TNamesForm& namesForm);
    ~MainWindowPages() override;

    // The steps of `page` as it comes to the front.
    void Entered(int page);
    // Fills `page` from the model.
    void Refresh(int page);
    // Fills every page from the model.
    void FillAll();
    // While a transfer runs, every page can be looked through but none takes
    // an edit, and the event log page waits (greyed, with the reason).
    void HoldBackEditing(bool held);
    // The window is built: the Zone Config page refreshes from now on.
    void Ready() { ready_ = true; }

    // ControllerPagesView
    void ShowMainVersion() override;
    void SetConnectionStatusText(const QString& text) override;
    void SetControllerClock(const QString& date, const QString& time) override;
    void AppendEventLogLine(const std::string& line) override;
    std::vector<std::string> EventLogLines() const override;
    void SetPrintoutRequest(std::function<void()> request) override;
    bool UploadTimeSelected() const override;
    void RefreshPlaceNameLists() override;

    // The three equation editors, shared by the Zone Config and Group Config tabs.
    EquationEditors& Editors() { return *editors_; }

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

private:
    // What a page does as it comes to the front, and to show the model
    // again while it is in front (either may be empty).
    struct PageSteps {
        std::function<void()> entered;
        std::function<void()> refresh;
    };

    // Adds `page` as the next tab: `tab` named from the page table, shown
    // through `shown` where that is not null.
    void AddPage(Page page, QWidget* tab, PageSteps steps, QWidget* shown = nullptr);

    std::array<PageSteps, kPageCount> steps_;
    std::unique_ptr<EquationEditors> editors_;
    // The event log's file dialogs start in the last folder used, as the document's do.
    std::unique_ptr<FileDialogs> logFileDialogs_;
    bool ready_ = false;
};

}  // namespace kelvane
