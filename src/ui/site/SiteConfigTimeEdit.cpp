#include "ui/site/SiteConfigTimeEdit.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>

#include "qt/Latin1.h"
#include "ui/site/SiteConfigTimeText.h"

namespace kelvane {

SiteConfigTimeEdit::SiteConfigTimeEdit(QWidget* parent) : QLineEdit(parent) {
    // Hours 0 to 23 with or without a leading 0, a colon, minutes 00 to 59;
    // a beginning of such a time is taken while typing.
    setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("([01]?[0-9]|2[0-3]):[0-5][0-9]")), this));
    setMaxLength(5);
    connect(this, &QLineEdit::textEdited, this, [this] {
        if (!hasAcceptableInput()) return;
        const std::string time = StepTimeText(ToLatin1(text()), 0, 0);
        finished_ = Latin1(time);
        emit timeTyped(time);
    });
}

void SiteConfigTimeEdit::ShowTime(const QString& time) {
    finished_ = time;
    setText(time);
}

void SiteConfigTimeEdit::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Up:
            emit stepped(0, 1);
            return;
        case Qt::Key_Down:
            emit stepped(0, -1);
            return;
        case Qt::Key_PageUp:
            emit stepped(1, 0);
            return;
        case Qt::Key_PageDown:
            emit stepped(-1, 0);
            return;
        default:
            QLineEdit::keyPressEvent(event);
    }
}

void SiteConfigTimeEdit::focusOutEvent(QFocusEvent* event) {
    if (text() != finished_) setText(finished_);
    QLineEdit::focusOutEvent(event);
}

}  // namespace kelvane
