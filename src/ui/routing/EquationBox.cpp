#include "ui/routing/EquationBox.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollArea>
#include <QVBoxLayout>

#include "model/EquationText.h"
#include "qt/Latin1.h"

namespace kelvane {

namespace {

const QColor kAvailableColour(255, 255, 255);
const QColor kUnavailableColour(192, 192, 192);
// The backgrounds are fixed, so the texts are too: black on white whatever
// the desktop's palette, and dark enough to read on silver (the equations of
// a shut zone are still shown).
const QColor kAvailableText(0, 0, 0);
const QColor kUnavailableText(96, 96, 96);

}  // namespace

EquationBox::EquationBox(const QString& name, int tag, QWidget* parent) : QLineEdit(parent), tag_(tag) {
    setObjectName(name);
    setProperty("tag", tag);
    setReadOnly(true);
    setCursor(Qt::ArrowCursor);
    setContextMenuPolicy(Qt::NoContextMenu);
    setFont(BoxFont());
}

void EquationBox::ShowEquation(EquationKind kind, const Equation& equation) {
    const std::string text = EquationText(kind, equation);
    setText(Latin1(text));
}

void EquationBox::SetAvailable(bool available) {
    setEnabled(available);
    QPalette colours = palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colours.setColor(group, QPalette::Base, available ? kAvailableColour : kUnavailableColour);
        colours.setColor(group, QPalette::Text, available ? kAvailableText : kUnavailableText);
    }
    setPalette(colours);
}

QFont EquationBox::BoxFont() {
    return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

int EquationBox::WidthFor(EquationKind kind) {
    const std::string widest = EquationText(kind, FilledEquation(EmptyMarker(kind) - 1));
    return QFontMetrics(BoxFont()).horizontalAdvance(QString::fromLatin1(widest.c_str())) + 16;
}

void EquationBox::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && OnClick) OnClick(tag_);
}

void EquationBox::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (OnClick) OnClick(tag_);
            return;
        default:
            QLineEdit::keyPressEvent(event);
    }
}

namespace equation_rows {

void AddHeading(QWidget* content, const char* text) {
    auto* heading = new QLabel(QString::fromLatin1(text), content);
    heading->setObjectName(QStringLiteral("Heading"));
    QFont font = heading->font();
    font.setBold(true);
    font.setUnderline(true);
    heading->setFont(font);
    heading->move(kLabelLeft, 4);
}

void AddColumnHeading(QWidget* content, const char* text, int left) {
    auto* heading = new QLabel(QString::fromLatin1(text), content);
    heading->move(left, BoxTop(1) - kBoxHeight + 1);
}

QLabel* AddRowLabel(QWidget* content, const QString& text, int n, int left) {
    auto* label = new QLabel(text, content);
    label->move(left, BoxTop(n) + 2);
    return label;
}

EquationBox* AddBox(QWidget* content, const char* name, int n, int left, int width) {
    auto* box = new EquationBox(QString::fromLatin1(name) + QString::number(n), n, content);
    box->setGeometry(left, BoxTop(n), width, kBoxHeight);
    return box;
}

QScrollArea* PlaceInScrollBox(QWidget* page, QWidget* content, const char* name, int rows, int right) {
    content->setFixedSize(right + kColumnGap, BoxTop(rows) + kBoxHeight + kSpacing / 2);
    auto* scrollBox = new QScrollArea(page);
    scrollBox->setObjectName(QString::fromLatin1(name));
    scrollBox->setWidget(content);
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(scrollBox);
    return scrollBox;
}

}  // namespace equation_rows

}  // namespace kelvane
