#include "ui/eventlog/EventLogTab.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

#include "comms/SigComPort.h"
#include "log/LogConverter.h"
#include "log/LogFile.h"
#include "qt/Latin1.h"
#include "ui/eventlog/ProgressWindow.h"
#include "ui/placenames/TOKCustomNameDlg.h"
#include "ui/platform/QtLogFileDialogs.h"

namespace kelvane {

namespace {

constexpr int kLogFontPixels = 12;
constexpr const char* kPrintoutText = "Ask the Simulated Controller for its Configuration Printout";
constexpr const char* kProgressTitle = "View Event Log";
// How much of a load's progress reading the file takes; showing it takes the rest.
constexpr double kReadingPart = 0.2;
// The progress is told of every 64 KiB read, every 4096 lines written, and
// the view is given the lines this many at a time.
constexpr std::size_t kReadGrain = 1 << 16;
constexpr std::size_t kWriteGrain = 4096;
constexpr std::size_t kLinesAtATime = 4096;

// "Courier" 12 pixels; where the system has no Courier, its own fixed-pitch font.
QFont LogFont() {
    QFont font(QStringLiteral("Courier"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(kLogFontPixels);
    if (QFontInfo(font).fixedPitch()) return font;
    font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPixelSize(kLogFontPixels);
    return font;
}

// A file's name as the file system has it.
QString FileName(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

bool HasControlBytes(const std::string& line) {
    for (const char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 && c != '\t') return true;
    }
    return false;
}

// A line as the view shows it: Latin-1, with control bytes other than the
// tab named (<LF>), so that a line is always one line of the view.
QString DisplayText(const std::string& line) {
    if (!HasControlBytes(line)) return Latin1(line);
    QString text;
    for (const char c : line) {
        if (c == '\t' || static_cast<unsigned char>(c) >= 0x20)
            text += QChar::fromLatin1(c);
        else
            text += QString::fromLatin1(ExpandControlChars(std::string(1, c)).c_str());
    }
    return text;
}

}  // namespace

EventLogTab::EventLogTab(TData& data, Document& document, Prompts& prompts, const Clock& clock,
                         QWidget* parent)
    : QWidget(parent), data_(data), document_(document), prompts_(prompts), clock_(clock) {
    EventLog = new QPlainTextEdit(this);
    EventLog->setObjectName(QStringLiteral("EventLog"));
    EventLog->setReadOnly(true);
    EventLog->setUndoRedoEnabled(false);
    EventLog->setLineWrapMode(QPlainTextEdit::NoWrap);
    EventLog->setWordWrapMode(QTextOption::NoWrap);
    EventLog->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    EventLog->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    EventLog->setFont(LogFont());
    EventLog->setTabStopDistance(8 * EventLog->fontMetrics().horizontalAdvance(QLatin1Char(' ')));
    EventLog->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    EventLog->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(EventLog, &QWidget::customContextMenuRequested, this, &EventLogTab::ShowContextMenu);

    PrintoutAction = new QAction(QString::fromLatin1(kPrintoutText), this);
    PrintoutAction->setObjectName(QStringLiteral("PrintoutAction"));
    PrintoutAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    // Wherever the focus is in the window while the tab is shown.
    PrintoutAction->setShortcutContext(Qt::WindowShortcut);
    PrintoutAction->setEnabled(false);
    addAction(PrintoutAction);
    connect(PrintoutAction, &QAction::triggered, this, [this] {
        if (printoutRequest_) printoutRequest_();
    });

    OKCustomNameDlg = new TOKCustomNameDlg(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(EventLog);
    SetFileDialogs(nullptr);
}

EventLogTab::~EventLogTab() = default;

void EventLogTab::SetFileDialogs(FileDialogs* dialogs) {
    if (!dialogs && !ownFileDialogs_) ownFileDialogs_ = std::make_unique<QtLogFileDialogs>(this);
    fileDialogs_ = dialogs ? dialogs : ownFileDialogs_.get();
}

void EventLogTab::SetPrintoutRequest(std::function<void()> request) {
    printoutRequest_ = std::move(request);
    PrintoutAction->setEnabled(static_cast<bool>(printoutRequest_));
}

void EventLogTab::ShowContextMenu(const QPoint& position) {
    std::unique_ptr<QMenu> menu(EventLog->createStandardContextMenu(position));
    if (printoutRequest_) {
        menu->addSeparator();
        menu->addAction(PrintoutAction);
    }
    menu->exec(EventLog->viewport()->mapToGlobal(position));
}

void EventLogTab::ClearDisplay() {
    lines_.clear();
    EventLog->clear();
}

void EventLogTab::AppendLine(const std::string& line) {
    if (busy_) {
        waitingLines_.push_back(line);
        return;
    }
    EventLog->setFocus(Qt::OtherFocusReason);
    lines_.push_back(line);
    EventLog->appendPlainText(DisplayText(line));
}

void EventLogTab::AppendWaitingLines() {
    std::vector<std::string> waiting;
    waiting.swap(waitingLines_);
    for (const std::string& line : waiting) AppendLine(line);
}

void EventLogTab::SetLines(std::vector<std::string> lines) {
    ReplaceLines(std::move(lines), nullptr, 0);
}

bool EventLogTab::ReplaceLines(std::vector<std::string> lines, ProgressWindow* progress, double from) {
    // The new lines go after the old ones, which go once all of them are in:
    // until then, the old ones can be had back at once.
    QTextDocument* view = EventLog->document();
    const int oldBlocks = view->isEmpty() ? 0 : view->blockCount();
    for (std::size_t first = 0; first < lines.size(); first += kLinesAtATime) {
        if (progress && !progress->Report(from + (1 - from) * double(first) / double(lines.size()))) {
            if (oldBlocks == 0) {
                EventLog->clear();
            } else {
                QTextCursor added(view->findBlockByNumber(oldBlocks - 1));
                added.movePosition(QTextCursor::EndOfBlock);
                added.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
                added.removeSelectedText();
            }
            return false;
        }
        QStringList shown;
        const std::size_t last = std::min(lines.size(), first + kLinesAtATime);
        for (std::size_t index = first; index < last; ++index) shown << DisplayText(lines[index]);
        EventLog->appendPlainText(shown.join(QLatin1Char('\n')));
    }
    if (lines.empty()) {
        EventLog->clear();
    } else if (oldBlocks > 0) {
        QTextCursor old(view);
        old.setPosition(view->findBlockByNumber(oldBlocks).position(), QTextCursor::KeepAnchor);
        old.removeSelectedText();
    }
    EventLog->moveCursor(QTextCursor::Start);
    lines_ = std::move(lines);
    return true;
}

void EventLogTab::LoadLogFromDisk() {
    const std::optional<std::string> path = fileDialogs_->AskOpenPath();
    if (!path) return;
    std::string error;
    busy_ = true;
    {
        ProgressWindow progress(this, clock_, QString::fromLatin1(kProgressTitle),
                                QStringLiteral("Loading the event log from %1...").arg(FileName(*path)));
        Progress reading(progress.Part(0, kReadingPart), kReadGrain);
        LogFileRead read = ReadLogFile(*path, &reading);
        if (read.Read) ReplaceLines(std::move(read.Lines), &progress, kReadingPart);
        error = read.Error;
    }
    busy_ = false;
    if (!error.empty()) prompts_.Error(error);
    AppendWaitingLines();
}

void EventLogTab::SaveLogToDisk() {
    const std::optional<std::string> path = fileDialogs_->AskSavePath({});
    if (!path) return;
    std::string error;
    busy_ = true;
    {
        ProgressWindow progress(this, clock_, QString::fromLatin1(kProgressTitle),
                                QStringLiteral("Saving the event log to %1...").arg(FileName(*path)));
        Progress writing(progress.Part(0, 1), kWriteGrain);
        WriteLogFile(*path, lines_, error, &writing);
    }
    busy_ = false;
    if (!error.empty()) prompts_.Error(error);
    AppendWaitingLines();
}

void EventLogTab::Convert() {
    OKCustomNameDlg->chkBox1->setChecked(false);
    if (OKCustomNameDlg->exec() != QDialog::Accepted) return;
    const ConvertResult result = ConvertLog(lines_, data_, OKCustomNameDlg->chkBox1->isChecked());
    // A conversion that stops keeps the records before the bad one: the
    // pages show them and the document is modified, as after a whole one.
    if (result.Outcome == ConvertOutcome::Converted || result.ModelChanged()) {
        if (result.CustomNamesAdded > 0) document_.CustomNamesChanged = true;
        if (OnModelConverted) OnModelConverted();
        document_.Changed("Convert Event Log");
    }
    switch (result.Outcome) {
        case ConvertOutcome::Converted:
            prompts_.Information(result.Message);
            break;
        case ConvertOutcome::NoData:
        case ConvertOutcome::NotFormatted:
            prompts_.Warning(result.Message);
            break;
        case ConvertOutcome::Stopped:
            prompts_.Error(result.Message);
            break;
    }
}

}  // namespace kelvane
