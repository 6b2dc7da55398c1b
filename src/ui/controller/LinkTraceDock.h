#pragma once
#include <QDockWidget>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "comms/LinkTrace.h"
#include "core/Prompts.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace kelvane {

// The "Link Trace" window: the controller link's trace, live. New entries
// are shown in batches from a timer, never one by one as they come, so a
// fast transfer does not wait for the view. It can pause (the trace goes on
// recording; resuming shows what came meanwhile), clear the trace, show
// everything or only frames or only text, and save what it shows to a text
// file.
class LinkTraceDock : public QDockWidget {
    Q_OBJECT
public:
    static constexpr int kRefreshMs = 500;
    // Lines the view keeps; the saved file has every entry the trace holds.
    static constexpr int kViewLines = 20000;

    LinkTraceDock(LinkTrace& trace, Prompts& prompts, QWidget* parent = nullptr);

    // Asks for the file to save to; nothing when the user cancelled. The
    // desktop shows a file dialog; tests answer it.
    std::function<std::optional<std::string>()> AskSavePath;

    // Shows what has been recorded since the last batch.
    void RefreshView();
    // Writes the header and the entries that the filter shows to `path`.
    bool SaveTo(const std::string& path);
    void btnSaveClick();
    void btnClearClick();

    QCheckBox* chkPause;
    QComboBox* cboFilter;
    QPushButton* btnClear;
    QPushButton* btnSave;
    QLabel* lblCount;
    QPlainTextEdit* txtTrace;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    TraceFilter Filter() const;
    // Shows the newest entries that the filter lets through again.
    void Rebuild();
    void UpdateCount();
    bool Following() const;

    LinkTrace& trace_;
    Prompts& prompts_;
    QTimer refreshTimer_;
    std::uint64_t shownUpTo_ = 0;  // sequence number of the first entry not yet looked at
};

}  // namespace kelvane
