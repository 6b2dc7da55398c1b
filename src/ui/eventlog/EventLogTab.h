#pragma once
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/Clock.h"
#include "core/Prompts.h"
#include "file/Document.h"
#include "model/Data.h"
#include "ui/platform/FileDialogs.h"

class QAction;
class QPlainTextEdit;

namespace kelvane {

class ProgressWindow;
class TOKCustomNameDlg;

// The View Event Log tab: the text the controller sends while the tab is
// open, one line at a time. The engineer clears it, saves it to a log file,
// loads a saved log back, and converts a configuration printout held in it
// into the site. The log is a list of 8-bit lines; the view shows them in a
// fixed-pitch font without wrapping, and appending a line costs the same
// however long the log has grown. A load or save that takes more than half
// a second (of `clock` time) shows its progress and can be cancelled.
class EventLogTab : public QWidget {
    Q_OBJECT
public:
    EventLogTab(TData& data, Document& document, Prompts& prompts, const Clock& clock,
                QWidget* parent = nullptr);
    ~EventLogTab() override;

    // "Clear Display": empties the log.
    void ClearDisplay();
    // Focuses the log and appends one line the controller sent. While the
    // log is being loaded or saved, the line waits and follows it.
    void AppendLine(const std::string& line);
    // "Load Log from Disk": asks for a log file and shows it in place of the
    // log; cancelled, the log stays as it was.
    void LoadLogFromDisk();
    // "Save Log to Disk": asks for a file name and writes the log to it;
    // cancelled, the file stays as it was.
    void SaveLogToDisk();
    // "Convert": asks whether unknown place names become custom names, then
    // reads the configuration printout held in the log into the model.
    void Convert();

    // The log's lines as 8-bit text.
    std::vector<std::string> Lines() const { return lines_; }
    int LineCount() const { return static_cast<int>(lines_.size()); }
    // Replaces the whole log.
    void SetLines(std::vector<std::string> lines);

    // The log file dialogs; null gives the tab's own.
    void SetFileDialogs(FileDialogs* dialogs);
    // Where the controller's printout can be asked for (the simulated
    // controller): the log's context menu and Ctrl+Shift+P then ask for it.
    void SetPrintoutRequest(std::function<void()> request);

    // After a conversion wrote into the model: every editor tab refills
    // itself (the document is then marked modified).
    std::function<void()> OnModelConverted;

    QPlainTextEdit* EventLog;
    TOKCustomNameDlg* OKCustomNameDlg;
    QAction* PrintoutAction;

private:
    void ShowContextMenu(const QPoint& position);
    // Shows `lines` in place of the log, a part at a time, telling
    // `progress` (when there is one) from `from` to the end of its bar.
    // False, the log as it was, when the user cancelled.
    bool ReplaceLines(std::vector<std::string> lines, ProgressWindow* progress, double from);
    // Appends the lines that came while the log was busy.
    void AppendWaitingLines();

    TData& data_;
    Document& document_;
    Prompts& prompts_;
    const Clock& clock_;
    std::vector<std::string> lines_;
    // While a load or save runs: the lines that came meanwhile.
    bool busy_ = false;
    std::vector<std::string> waitingLines_;
    std::unique_ptr<FileDialogs> ownFileDialogs_;
    FileDialogs* fileDialogs_ = nullptr;
    std::function<void()> printoutRequest_;
};

}  // namespace kelvane
