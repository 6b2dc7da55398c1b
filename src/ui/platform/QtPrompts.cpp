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
            return QMessageBox::Yes | QMessageBox::No;
        case PromptButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case PromptButtons::AbortRetry:
            return QMessageBox::Abort | QMessageBox::Retry;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton QtPrompts::DefaultButtonFor(PromptButtons buttons) {
    switch (DefaultAnswer(buttons)) {
        case PromptAnswer::Yes:
            return QMessageBox::Yes;
        case PromptAnswer::No:
            return QMessageBox::No;
        case PromptAnswer::Cancel:
            return QMessageBox::Cancel;
        case PromptAnswer::Abort:
            return QMessageBox::Abort;
        case PromptAnswer::Retry:
            return QMessageBox::Retry;
        case PromptAnswer::Ok:
            break;
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
    if (helpContext != 0) {
        // Help opens the help over the message, which stays up to be
        // answered: the button does not close the box as its others do.
        QAbstractButton* help = box.addButton(QMessageBox::Help);
        QObject::disconnect(help, &QAbstractButton::clicked, nullptr, nullptr);
        QObject::connect(help, &QAbstractButton::clicked, &box,
                         [this, helpContext] { showHelp_(helpContext); });
    }
    box.exec();
    return AnswerFor(static_cast<QMessageBox::StandardButton>(box.standardButton(box.clickedButton())),
                     buttons);
}

}  // namespace kelvane
