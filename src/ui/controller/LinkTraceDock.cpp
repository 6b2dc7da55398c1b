#include "ui/controller/LinkTraceDock.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStringList>
#include <QVBoxLayout>
#include <vector>

#include "file/AtomicWriter.h"

namespace kelvane {

namespace {

constexpr const char* kUnableToWrite = "Unable to write to ";

QString Line(const TraceEntry& entry) {
    return QString::fromLatin1(FormatTraceEntry(entry).c_str());
}

}  // namespace

LinkTraceDock::LinkTraceDock(LinkTrace& trace, Prompts& prompts, QWidget* parent)
    : QDockWidget(QStringLiteral("Link Trace"), parent), trace_(trace), prompts_(prompts) {
    setObjectName(QStringLiteral("LinkTraceDock"));
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* controls = new QHBoxLayout;
    chkPause = new QCheckBox(QStringLiteral("&Pause"), body);
    chkPause->setObjectName(QStringLiteral("chkPause"));
    cboFilter = new QComboBox(body);
    cboFilter->setObjectName(QStringLiteral("cboFilter"));
    cboFilter->addItems({QStringLiteral("All"), QStringLiteral("Frames"), QStringLiteral("Text")});
    auto* filterLabel = new QLabel(QStringLiteral("&Show:"), body);
    filterLabel->setBuddy(cboFilter);
    btnClear = new QPushButton(QStringLiteral("&Clear"), body);
    btnClear->setObjectName(QStringLiteral("btnClear"));
    btnSave = new QPushButton(QStringLiteral("Sa&ve..."), body);
    btnSave->setObjectName(QStringLiteral("btnSave"));
    lblCount = new QLabel(body);
    lblCount->setObjectName(QStringLiteral("lblCount"));
    controls->addWidget(chkPause);
    controls->addWidget(filterLabel);
    controls->addWidget(cboFilter);
    controls->addWidget(btnClear);
    controls->addWidget(btnSave);
    controls->addStretch(1);
    controls->addWidget(lblCount);
    layout->addLayout(controls);

    txtTrace = new QPlainTextEdit(body);
    txtTrace->setObjectName(QStringLiteral("txtTrace"));
    txtTrace->setReadOnly(true);
    txtTrace->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtTrace->setMaximumBlockCount(kViewLines);
    txtTrace->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    txtTrace->setUndoRedoEnabled(false);
    layout->addWidget(txtTrace, 1);
    setWidget(body);

    AskSavePath = [this]() -> std::optional<std::string> {
        const QString path =
            QFileDialog::getSaveFileName(this, QStringLiteral("Save Link Trace"), QString(),
                                         QStringLiteral("Text files (*.txt);;All files (*)"));
        if (path.isEmpty()) return std::nullopt;
        return QFile::encodeName(path).toStdString();
    };

    refreshTimer_.setInterval(kRefreshMs);
    connect(&refreshTimer_, &QTimer::timeout, this, &LinkTraceDock::RefreshView);
    connect(chkPause, &QCheckBox::toggled, this, [this] { RefreshView(); });
    connect(cboFilter, &QComboBox::currentIndexChanged, this, [this] { Rebuild(); });
    connect(btnClear, &QPushButton::clicked, this, &LinkTraceDock::btnClearClick);
    connect(btnSave, &QPushButton::clicked, this, &LinkTraceDock::btnSaveClick);
    UpdateCount();
}

TraceFilter LinkTraceDock::Filter() const {
    switch (cboFilter->currentIndex()) {
        case 1:
            return TraceFilter::Frames;
        case 2:
            return TraceFilter::Text;
        default:
            return TraceFilter::All;
    }
}

bool LinkTraceDock::Following() const {
    return isVisible() && !chkPause->isChecked();
}

void LinkTraceDock::RefreshView() {
    if (!Following()) return;
    const std::deque<TraceEntry>& entries = trace_.Entries();
    const TraceFilter filter = Filter();
    std::size_t index = 0;
    if (!entries.empty() && shownUpTo_ > entries.front().Sequence)
        index = shownUpTo_ - entries.front().Sequence;
    // A batch larger than the view shows only its newest lines.
    std::vector<std::size_t> shown;
    for (; index < entries.size(); ++index) {
        if (TraceFilterShows(filter, entries[index])) shown.push_back(index);
    }
    shownUpTo_ = trace_.NextSequence();
    const std::size_t from = shown.size() > kViewLines ? shown.size() - kViewLines : 0;
    if (from < shown.size()) {
        QStringList lines;
        lines.reserve(static_cast<qsizetype>(shown.size() - from));
        for (std::size_t i = from; i < shown.size(); ++i) lines << Line(entries[shown[i]]);
        QScrollBar* bar = txtTrace->verticalScrollBar();
        const bool atEnd = bar->value() == bar->maximum();
        txtTrace->appendPlainText(lines.join(QLatin1Char('\n')));
        if (atEnd) bar->setValue(bar->maximum());
    }
    UpdateCount();
}

void LinkTraceDock::Rebuild() {
    txtTrace->clear();
    shownUpTo_ = 0;
    RefreshView();
}

void LinkTraceDock::UpdateCount() {
    lblCount->setText(QStringLiteral("%1 entries").arg(trace_.Entries().size()));
}

void LinkTraceDock::btnClearClick() {
    trace_.Clear();
    txtTrace->clear();
    shownUpTo_ = trace_.NextSequence();
    UpdateCount();
}

bool LinkTraceDock::SaveTo(const std::string& path) {
    std::string text = TraceFileHeader(trace_.StartedAt());
    const TraceFilter filter = Filter();
    for (const TraceEntry& entry : trace_.Entries()) {
        if (TraceFilterShows(filter, entry)) text += FormatTraceEntry(entry) + '\n';
    }
    AtomicWriter writer;
    return writer.Stage(path, text) && writer.Commit();
}

void LinkTraceDock::btnSaveClick() {
    const std::optional<std::string> path = AskSavePath ? AskSavePath() : std::nullopt;
    if (!path) return;
    if (!SaveTo(*path)) prompts_.Error(kUnableToWrite + *path);
}

void LinkTraceDock::showEvent(QShowEvent* event) {
    QDockWidget::showEvent(event);
    refreshTimer_.start();
    RefreshView();
}

void LinkTraceDock::hideEvent(QHideEvent* event) {
    QDockWidget::hideEvent(event);
    refreshTimer_.stop();
}

}  // namespace kelvane
