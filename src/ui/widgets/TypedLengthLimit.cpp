#include "ui/widgets/TypedLengthLimit.h"

#include <QLineEdit>
#include <QTimer>
#include <algorithm>

#include "ui/widgets/Latin1Entry.h"

namespace kelvane {

TypedLengthLimit::TypedLengthLimit(QLineEdit* box, int maxLength, Prompts& prompts)
    : TypedLengthLimit(box, maxLength, QString(), &prompts) {}

TypedLengthLimit::TypedLengthLimit(QLineEdit* box, int maxLength, const QString& allowedCharacters)
    : TypedLengthLimit(box, maxLength, allowedCharacters, nullptr) {}

TypedLengthLimit::TypedLengthLimit(QLineEdit* box, int maxLength, const QString& allowedCharacters,
                                   Prompts* prompts)
    : QValidator(box), maxLength_(maxLength), allowed_(allowedCharacters), prompts_(prompts) {
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

bool TypedLengthLimit::TakeAsLatin1(QString& input, int& pos) const {
    const std::optional<char32_t> refused = TakeLatin1Entry(input, pos);
    if (!refused) return true;
    Prompts* prompts = prompts_;
    const std::string message = RefusedEntryMessage(*refused);
    // Told once the box has undone the edit, not in the middle of it.
    QTimer::singleShot(0, this, [prompts, message] { prompts->Warning(message); });
    return false;
}

QValidator::State TypedLengthLimit::validate(QString& input, int& pos) const {
    // The text the box already holds is not an edit: a stored value shows as it is.
    if (prompts_ && input != heldText_ && !TakeAsLatin1(input, pos)) return Invalid;
    if (input.size() > std::max<qsizetype>(maxLength_, heldText_.size())) return Invalid;
    return NotAllowed(input) > NotAllowed(heldText_) ? Invalid : Acceptable;
}

}  // namespace kelvane
