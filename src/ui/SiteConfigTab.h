#pragma once
#include <QWidget>

#include "core/Prompts.h"
#include "file/Document.h"
#include "model/Data.h"

namespace kelvane {

// The Site Config tab: access and reset codes, timeouts, clock and connection
// status, night mode and the other modes, client and installer details.
class SiteConfigTab : public QWidget {
    Q_OBJECT
public:
    SiteConfigTab(TData& data, Document& document, Prompts& prompts, QWidget* parent = nullptr);

    // Sets every control from the model without marking the document modified.
    void FillSiteConfigTab();
    // The "Copy PC Time to Panel on Program:" box, read by the save to the controller.
    bool UploadTimeSelected() const;
    // Clock and connection panel texts, kept up to date by the clock timer.
    void SetConnectionStatusText(const QString& text);
    void SetClock(const QString& date, const QString& time);
    // Shows the controller's version (GetMainVersion()) in stxtMain.
    void RefreshMainVersion();

signals:
    // The connection status text was clicked: the main window repeats its page-change handling.
    void connectionStatusClicked();

private:
    TData& data_;
    Document& document_;
    Prompts& prompts_;
};

}  // namespace kelvane
