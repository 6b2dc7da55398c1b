#pragma once
#include <QString>
#include <functional>
#include <string>
#include <vector>

namespace kelvane {

// What the controller link and the printout show on the main window's
// pages and read from them, without reaching into the pages themselves.
class ControllerPagesView {
public:
    virtual ~ControllerPagesView() = default;

    // The controller's main version has changed: the site page and the device table show it.
    virtual void ShowMainVersion() = 0;
    virtual void SetConnectionStatusText(const QString& text) = 0;
    virtual void SetControllerClock(const QString& date, const QString& time) = 0;
    virtual void AppendEventLogLine(const std::string& line) = 0;
    virtual std::vector<std::string> EventLogLines() const = 0;
    // What the event log page's configuration printout asks of the controller (with --simulate).
    virtual void SetPrintoutRequest(std::function<void()> request) = 0;
    virtual bool UploadTimeSelected() const = 0;
    virtual void RefreshPlaceNameLists() = 0;
};

}  // namespace kelvane
