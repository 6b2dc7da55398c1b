#include "ui/EventLogTab.h"

#include <QAction>
#include <QCheckBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMenu>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "comms/SigComPort.h"
#include "log/LogConverter.h"
#include "log/LogFile.h"
#include "ui/QtLogFileDialogs.h"
#include "ui/TOKCustomNameDlg.h"

namespace kelvane {

namespace {

constexpr int kLogFontPixels = 12;
constexpr const char* kPrintoutText = "Ask the Simulated Controller for its Configuration Printout";

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
    if (!HasControlBytes(line)) return QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size()));
    QString text;
    for (const char c : line) {
        if (c == '\t' || static_cast<unsigned char>(c) >= 0x20) text += QChar::fromLatin1(c);
        else text += QString::fromLatin1(ExpandControlChars(std::string(1, c)).c_str());
    }
    return text;
}

}  // namespace

EventLogTab::EventLogTab(TData& data, Document& document, Prompts& prompts, QWidget* parent)
    : QWidget(parent), data_(data), document_(document), prompts_(prompts) {
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
    EventLog->setFocus(Qt::OtherFocusReason);
    lines_.push_back(line);
    EventLog->appendPlainText(DisplayText(line));
}

void EventLogTab::SetLines(std::vector<std::string> lines) {
    lines_ = std::move(lines);
    QStringList shown;
    shown.reserve(static_cast<qsizetype>(lines_.size()));
    for (const std::string& line : lines_) shown << DisplayText(line);
    EventLog->setPlainText(shown.join(QLatin1Char('\n')));
}

void EventLogTab::LoadLogFromDisk() {
    const std::optional<std::string> path = fileDialogs_->AskOpenPath();
    if (!path) return;
    LogFileRead read = ReadLogFile(*path);
    if (!read.Read) {
        prompts_.Error(read.Error);
        return;
    }
    SetLines(std::move(read.Lines));
}

void EventLogTab::SaveLogToDisk() {
    const std::optional<std::string> path = fileDialogs_->AskSavePath();
    if (!path) return;
    std::string error;
    if (!WriteLogFile(*path, lines_, error)) prompts_.Error(error);
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
        document_.SetModified(true);
    }
    switch (result.Outcome) {
        case ConvertOutcome::Converted: prompts_.Information(result.Message); break;
        case ConvertOutcome::NoData:
        case ConvertOutcome::NotFormatted: prompts_.Warning(result.Message); break;
        case ConvertOutcome::Stopped: prompts_.Error(result.Message); break;
    }
}

}  // namespace kelvane
