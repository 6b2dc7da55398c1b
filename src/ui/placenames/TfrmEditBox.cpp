#include "ui/placenames/TfrmEditBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/widgets/CaptionBar.h"
#include "ui/widgets/TypedLengthLimit.h"

namespace kelvane {

TfrmEditBox::TfrmEditBox(Prompts& prompts, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmEditBox"));
    setWindowTitle(QString());
    Label1 = new QLabel(QStringLiteral("Enter the New Custom Place Name"), this);
    TEditBox = new QLineEdit(this);
    TEditBox->setObjectName(QStringLiteral("TEditBox"));
    limit_ = new TypedLengthLimit(TEditBox, kCustomNameTypingLimit, prompts);
    btnAccept = new QPushButton(QStringLiteral("ACCEPT"), this);
    btnAccept->setObjectName(QStringLiteral("btnAccept"));
    btnAccept->setDefault(true);
    btnReject = new QPushButton(QStringLiteral("REJECT"), this);
    btnReject->setObjectName(QStringLiteral("btnReject"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnAccept);
    buttons->addWidget(btnReject);
    buttons->addStretch(1);
    // Untitled: a title bar of its own that shows no caption, since a window
    // manager's would put the program's name in an empty title.
    QVBoxLayout* column = CaptionBar::FrameWithContent(this);
    column->addWidget(Label1);
    column->addWidget(TEditBox);
    column->addLayout(buttons);
    TEditBox->setMinimumWidth(280);

    connect(btnAccept, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnReject, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmEditBox::Prepare(const QString& text, int maxLength) {
    // A paste is cut at the limit; what is typed or pasted becomes Latin-1 text.
    const int limit = std::max<int>(maxLength, static_cast<int>(text.size()));
    TEditBox->setMaxLength(limit);
    limit_->SetMaxLength(limit);
    TypedLengthLimit::ShowWhole(TEditBox, text);
    TEditBox->deselect();
    TEditBox->setCursorPosition(static_cast<int>(text.size()));
}

std::optional<QString> TfrmEditBox::Ask(const QString& text, int maxLength) {
    Prepare(text, maxLength);
    if (exec() != QDialog::Accepted) return std::nullopt;
    return Text();
}

QString TfrmEditBox::Text() const {
    return TEditBox->text();
}

void TfrmEditBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (QWidget* owner = parentWidget()) {
        const QRect window = owner->window()->frameGeometry();
        move(window.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
    }
}

void TfrmEditBox::setVisible(bool visible) {
    QDialog::setVisible(visible);
    // Showing gives the text box the focus as if tabbed to, which selects
    // the whole text; the name is edited, not retyped.
    if (!visible) return;
    TEditBox->setFocus(Qt::OtherFocusReason);
    TEditBox->deselect();
    TEditBox->setCursorPosition(static_cast<int>(TEditBox->text().size()));
}

}  // namespace kelvane
