#include "ui/TypedLengthLimit.h"

#include <QLineEdit>
#include <algorithm>

namespace kelvane {

TypedLengthLimit::TypedLengthLimit(QLineEdit* box, int maxLength, const QString& allowedCharacters)
    : QValidator(box), maxLength_(maxLength), allowed_(allowedCharacters) {
    box->setValidator(this);
    // An edit is checked before the box takes it, so the text held here is
    // the one the edit started from.
    connect(box, &QLineEdit::textChanged, this, [this](const QString& text) { heldText_ = text; });
}

void TypedLengthLimit::ShowWhole(QLineEdit* box, const QString& text) {
    if (auto* limit = box->findChild<TypedLengthLimit*>(QString(), Qt::FindDirectChildrenOnly))
        limit->heldText_ = text;
    box->setText(text);
}

qsizetype TypedLengthLimit::NotAllowed(const QString& text) const {
    if (allowed_.isEmpty()) return 0;
    return std::count_if(text.begin(), text.end(), [this](QChar c) { return !allowed_.contains(c); });
}

QValidator::State TypedLengthLimit::validate(QString& input, int&) const {
    if (input.size() > std::max<qsizetype>(maxLength_, heldText_.size())) return Invalid;
    return NotAllowed(input) > NotAllowed(heldText_) ? Invalid : Acceptable;
}

}  // namespace kelvane
