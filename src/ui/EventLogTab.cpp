#include "ui/EventLogTab.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace kelvane {

EventLogTab::EventLogTab(TData& data, Document& document, Prompts& prompts, QWidget* parent)
    : QWidget(parent), LogView(new QPlainTextEdit(this)), data_(data), document_(document), prompts_(prompts) {
    LogView->setObjectName(QStringLiteral("LogView"));
    LogView->setReadOnly(true);
    LogView->setLineWrapMode(QPlainTextEdit::NoWrap);
    LogView->setFont(QFont(QStringLiteral("Monospace")));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(LogView);
}

void EventLogTab::ClearDisplay() { LogView->clear(); }

void EventLogTab::AppendLine(const std::string& line) {
    LogView->setFocus();
    LogView->appendPlainText(QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size())));
}

void EventLogTab::LoadLogFromDisk() {}

void EventLogTab::SaveLogToDisk() {}

void EventLogTab::Convert() {}

}  // namespace kelvane
