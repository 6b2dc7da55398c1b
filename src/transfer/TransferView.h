#pragma once
#include <string>

#include "transfer/TransferSection.h"

namespace kelvane {

// What the transfer supervision asks of the main window.
class TransferView {
public:
    virtual ~TransferView() = default;

    // The section the single-section commands transfer; None when what is
    // shown has nothing to transfer.
    virtual TransferSection ActiveSection() const = 0;
    // True while the event log is shown: the link listens to the
    // controller's text lines, and no transfer starts.
    virtual bool ListeningToEventLog() const = 0;
    // Fills the active page's controls from the model.
    virtual void RefreshActivePage() = 0;
    // Shows the controller's version in stxtMain and refreshes the device
    // grid for the loop's system type.
    virtual void ShowMainVersion(const std::string& version) = 0;
    // stxtConnectedStatus: "Connected", "Dis-Connected", "Attempting to connect...".
    virtual void SetConnectionStatusText(const std::string& text) = 0;
    // stxtCurrentDate ("dd/mm/yyyy") and stxtCurrentTime ("HH:mm:ss").
    virtual void SetDateTimeTexts(const std::string& date, const std::string& time) = 0;
    // Focuses the event log and appends one line to it.
    virtual void AppendEventLogLine(const std::string& line) = 0;
    virtual void Beep() = 0;
    // The Site Config tab's "Copy PC Time to Panel on Program:" box.
    virtual bool UploadTimeSelected() const = 0;
    // Refills the place name lists after custom names were loaded.
    virtual void RefreshPlaceNameLists() = 0;
};

}  // namespace kelvane
