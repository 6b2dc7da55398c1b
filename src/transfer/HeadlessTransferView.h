#pragma once
#include <functional>
#include <string>

#include "transfer/TransferView.h"

namespace kelvane {

// The transfer supervision's view where there is no window (the command
// line, tests, benchmarks). No section is active, so only the
// whole-configuration commands run; the window's labels and refreshes have
// nothing to draw. What the controller reports of itself is kept for the
// caller.
class HeadlessTransferView : public TransferView {
public:
    TransferSection ActiveSection() const override { return TransferSection::None; }
    bool ListeningToEventLog() const override { return Listening; }
    void RefreshActivePage() override {}
    void ShowMainVersion(const std::string& version) override { MainVersion = version; }
    void SetConnectionStatusText(const std::string& text) override { ConnectionStatus = text; }
    void SetDateTimeTexts(const std::string&, const std::string&) override {}
    void AppendEventLogLine(const std::string& line) override {
        if (OnEventLogLine) OnEventLogLine(line);
    }
    void Beep() override {}
    bool UploadTimeSelected() const override { return UploadTime; }
    void RefreshPlaceNameLists() override {}

    // Listening to the event log: the lines go to OnEventLogLine.
    bool Listening = false;
    // "Copy PC Time to Panel on Program:": whether a save sends the time packet.
    bool UploadTime = false;
    std::string MainVersion;
    std::string ConnectionStatus;
    // A line for the event log (only while Listening).
    std::function<void(const std::string&)> OnEventLogLine;
};

}  // namespace kelvane
