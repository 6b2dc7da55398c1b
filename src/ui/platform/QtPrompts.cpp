#include "ui/platform/QtPrompts.h"

#include <QApplication>
#include <QPushButton>
#include <QStringDecoder>

namespace kelvane {

QMessageBox::Icon QtPrompts::IconFor(PromptKind kind) {
    switch (kind) {
        case PromptKind::Error:
            return QMessageBox::Critical;
        case PromptKind::Warning:
            return QMessageBox::Warning;
        case PromptKind::Confirmation:
            return QMessageBox::Question;
        case PromptKind::Information:
            return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons QtPrompts::ButtonsFor(PromptButtons buttons) {
    switch (buttons) {
        case PromptButtons::Ok:
            return QMessageBox::Ok;
        case PromptButtons::YesNo:
        case PromptButtons::YesNoDefaultNo:
            return QMessageBox::Yes | QMessageBox::No;
        case PromptButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case PromptButtons::AbortRetry:
            return QMessageBox::Abort | QMessageBox::Retry;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton QtPrompts::DefaultButtonFor(PromptButtons buttons) {
    switch (buttons) {
        case PromptButtons::Ok:
            return QMessageBox::Ok;
        case PromptButtons::YesNo:
        case PromptButtons::YesNoCancel:
            return QMessageBox::Yes;
        case PromptButtons::AbortRetry:
            return QMessageBox::Abort;
        case PromptButtons::YesNoDefaultNo:
            return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

QString QtPrompts::TitleFor(PromptKind kind) {
    switch (kind) {
        case PromptKind::Error:
            return QStringLiteral("Error");
        case PromptKind::Warning:
            return QStringLiteral("Warning");
        case PromptKind::Confirmation:
            return QStringLiteral("Confirm");
        case PromptKind::Information:
            return QStringLiteral("Information");
    }
    return QString();
}

PromptAnswer QtPrompts::AnswerFor(QMessageBox::StandardButton button, PromptButtons buttons) {
    switch (button) {
        case QMessageBox::Yes:
            return PromptAnswer::Yes;
        case QMessageBox::No:
            return PromptAnswer::No;
        case QMessageBox::Cancel:
            return PromptAnswer::Cancel;
        case QMessageBox::Abort:
            return PromptAnswer::Abort;
        case QMessageBox::Retry:
            return PromptAnswer::Retry;
        case QMessageBox::Ok:
            return PromptAnswer::Ok;
        default:
            break;
    }
    // Closed with Escape or the title bar: the safest answer of the set.
    switch (buttons) {
        case PromptButtons::Ok:
            return PromptAnswer::Ok;
        case PromptButtons::YesNo:
        case PromptButtons::YesNoDefaultNo:
            return PromptAnswer::No;
        case PromptButtons::YesNoCancel:
            return PromptAnswer::Cancel;
        case PromptButtons::AbortRetry:
            return PromptAnswer::Abort;
    }
    return PromptAnswer::Cancel;
}

QString QtPrompts::TextFor(const std::string& text) {
    const QByteArrayView bytes(text.data(), static_cast<qsizetype>(text.size()));
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString decoded = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : decoded;
}

PromptAnswer QtPrompts::Ask(PromptKind kind, const std::string& text, PromptButtons buttons) {
    return Show(kind, text, buttons, 0);
}

PromptAnswer QtPrompts::AskWithHelp(PromptKind kind, const std::string& text, PromptButtons buttons,
                                    int helpContext) {
    return Show(kind, text, buttons, showHelp_ ? helpContext : 0);
}

PromptAnswer QtPrompts::Show(PromptKind kind, const std::string& text, PromptButtons buttons,
                             int helpContext) {
    QMessageBox box(IconFor(kind), TitleFor(kind), TextFor(text), ButtonsFor(buttons), parent_);
    box.setDefaultButton(DefaultButtonFor(buttons));
    QAbstractButton* help = helpContext != 0 ? box.addButton(QMessageBox::Help) : nullptr;
    // A message box closes on any of its buttons; Help opens the help and
    // puts the same message up again, so the user still answers it.
    for (;;) {
        box.exec();
        if (!help || box.clickedButton() != help) break;
        showHelp_(helpContext);
    }
    return AnswerFor(static_cast<QMessageBox::StandardButton>(box.standardButton(box.clickedButton())),
                     buttons);
}

}  // namespace kelvane
