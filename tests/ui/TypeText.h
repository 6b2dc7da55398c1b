#pragma once
#include <QTest>

namespace kelvane::test {

// Types `text` into `widget` a character at a time, as a keyboard with
// those characters would: QTest's own typing knows ASCII keys only.
inline void TypeText(QWidget* widget, const QString& text) {
    for (const char32_t character : text.toStdU32String()) {
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString::fromUcs4(&character, 1),
                            Qt::NoModifier);
    }
}

}  // namespace kelvane::test
