#pragma once
#include <QValidator>

#include "core/Prompts.h"

class QLineEdit;

namespace kelvane {

// The limits of a text box that hold for typing only. A box with a maximum
// length would cut a longer text it is given to show; this one shows the
// whole of it, and lets the user type only while the text stays within the
// limit or within the length it already had (so a long stored value can be
// shortened and corrected, never lengthened).
//
// A free-text box takes what is typed, pasted or dropped as the site's
// Latin-1 text (ToLatin1Text): typographic characters become their Latin-1
// look-alikes, and an edit that brings any other character is undone and
// the character named in a warning. A box of some characters only lets
// just those be typed; others that a stored value holds stay shown.
class TypedLengthLimit : public QValidator {
    Q_OBJECT
public:
    // Free text; installs itself on `box`.
    TypedLengthLimit(QLineEdit* box, int maxLength, Prompts& prompts);
    // Only `allowedCharacters` (Latin-1) may be typed; installs itself on `box`.
    TypedLengthLimit(QLineEdit* box, int maxLength, const QString& allowedCharacters);

    void SetMaxLength(int maxLength) { maxLength_ = maxLength; }

    // Shows `text` whole in `box`, whatever its length. Every program fill
    // of a limited box goes through here: the box checks a text it is given
    // as it checks an edit, and a text it found too long would leave it
    // taking the next key unchecked.
    static void ShowWhole(QLineEdit* box, const QString& text);

    State validate(QString& input, int& pos) const override;

private:
    TypedLengthLimit(QLineEdit* box, int maxLength, const QString& allowedCharacters, Prompts* prompts);
    qsizetype NotAllowed(const QString& text) const;
    // Makes `input` Latin-1 text; false, with the refused character told
    // once the edit has been undone, when it holds one the site cannot keep.
    bool TakeAsLatin1(QString& input, int& pos) const;

    int maxLength_;
    QString allowed_;
    Prompts* prompts_;  // free text: where a refused character is told
    QString heldText_;  // the box's text before the edit
};

}  // namespace kelvane
