#include "ui/widgets/Latin1PlainTextEdit.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>

#include "ui/widgets/Latin1Entry.h"

namespace kelvane {

Latin1PlainTextEdit::Latin1PlainTextEdit(Prompts& prompts, QWidget* parent)
    : QPlainTextEdit(parent), prompts_(prompts) {}

bool Latin1PlainTextEdit::TakeEntry(QString& entry) {
    int end = static_cast<int>(entry.size());
    const std::optional<char32_t> refused = TakeLatin1Entry(entry, end);
    if (refused) prompts_.Warning(RefusedEntryMessage(*refused));
    return !refused;
}

void Latin1PlainTextEdit::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    // Keys that type nothing, or a control character, are the editor's own.
    if (isReadOnly() || typed.isEmpty() || typed.at(0).unicode() < 0x20) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    QString entry = typed;
    if (!TakeEntry(entry)) {
        event->accept();
    } else if (entry == typed) {
        QPlainTextEdit::keyPressEvent(event);
    } else {
        insertPlainText(entry);
        event->accept();
    }
}

void Latin1PlainTextEdit::inputMethodEvent(QInputMethodEvent* event) {
    QString committed = event->commitString();
    if (committed.isEmpty() || isReadOnly()) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    if (!TakeEntry(committed)) committed.clear();
    QInputMethodEvent taken(event->preeditString(), event->attributes());
    taken.setCommitString(committed, event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&taken);
}

void Latin1PlainTextEdit::insertFromMimeData(const QMimeData* source) {
    if (!source->hasText()) return;
    QString text = source->text();
    if (TakeEntry(text)) insertPlainText(text);
}

}  // namespace kelvane
