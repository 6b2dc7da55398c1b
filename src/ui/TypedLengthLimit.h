#pragma once
#include <QValidator>

class QLineEdit;

namespace kelvane {

// The limits of a text box that hold for typing only. A box with a maximum
// length would cut a longer text it is given to show; this one shows the
// whole of it, and lets the user type only while the text stays within the
// limit or within the length it already had (so a long stored value can be
// shortened and corrected, never lengthened). Optionally only some
// characters may be typed; others that a stored value holds stay shown.
class TypedLengthLimit : public QValidator {
    Q_OBJECT
public:
    // Installs itself on `box`. `allowedCharacters` empty: any character.
    TypedLengthLimit(QLineEdit* box, int maxLength, const QString& allowedCharacters = {});

    // Shows `text` whole in `box`, whatever its length. Every program fill
    // of a limited box goes through here: the box checks a text it is given
    // as it checks an edit, and a text it found too long would leave it
    // taking the next key unchecked.
    static void ShowWhole(QLineEdit* box, const QString& text);

    State validate(QString& input, int& pos) const override;

private:
    qsizetype NotAllowed(const QString& text) const;

    int maxLength_;
    QString allowed_;
    QString heldText_;  // the box's text before the edit
};

}  // namespace kelvane
