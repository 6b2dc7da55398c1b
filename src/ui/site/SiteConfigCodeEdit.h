#pragma once
#include <QLineEdit>

namespace kelvane {

// A box for a four-character code. Only the given characters can be typed or
// pasted (control keys work as usual), and no more than the code's length;
// a longer code from a file is shown whole. It reports when the user enters it and
// when the focus moves from it to another control of the window, so that the
// owner can check the code. Switching to another window, or to the menu bar
// and back, is neither: the commands that need the code check it themselves.
class SiteConfigCodeEdit : public QLineEdit {
    Q_OBJECT
public:
    SiteConfigCodeEdit(const QString& allowedCharacters, int maxLength, QWidget* parent = nullptr);

signals:
    void entered();
    void left();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

}  // namespace kelvane
