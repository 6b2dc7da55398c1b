#pragma once
#include <QDialog>
#include <optional>

#include "core/Prompts.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace kelvane {

class TypedLengthLimit;

inline constexpr int kCustomNameTypingLimit = 11;

// The custom-name entry box: untitled, centred on the main window, the line
// "Enter the New Custom Place Name", the text box and "ACCEPT" / "REJECT".
class TfrmEditBox : public QDialog {
    Q_OBJECT
public:
    // A refused character typed into the box is told through `prompts`.
    explicit TfrmEditBox(Prompts& prompts, QWidget* parent = nullptr);

    // Puts `text` into the box, not selected, with at most `maxLength`
    // characters to type (a longer text is shown whole and can only shrink).
    void Prepare(const QString& text, int maxLength);
    // Prepare, then the box modally; the text on ACCEPT, nothing on REJECT.
    std::optional<QString> Ask(const QString& text, int maxLength);
    QString Text() const;

    QLabel* Label1;
    QLineEdit* TEditBox;
    QPushButton* btnAccept;
    QPushButton* btnReject;

    // Shown, the box has the text box in focus with nothing selected.
    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    TypedLengthLimit* limit_;
};

}  // namespace kelvane
