#pragma once
#include <QPlainTextEdit>

#include "core/Prompts.h"

namespace kelvane {

// A plain-text editor for text the site keeps as Latin-1: what is typed,
// pasted or dropped into it is taken as TakeLatin1Entry takes it, and an
// entry with a character the site cannot keep is left out whole and the
// character named through `prompts`.
class Latin1PlainTextEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit Latin1PlainTextEdit(Prompts& prompts, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // `entry` as Latin-1 text; false, with the refused character told, when it cannot be kept.
    bool TakeEntry(QString& entry);

    Prompts& prompts_;
};

}  // namespace kelvane
