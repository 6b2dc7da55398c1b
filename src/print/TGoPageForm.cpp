#include "print/TGoPageForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace kelvane {

TGoPageForm::TGoPageForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("GoPageForm"));
    setWindowTitle(QStringLiteral("Go to Page Number"));
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);

    PageNum = new QSpinBox(this);
    PageNum->setObjectName(QStringLiteral("PageNum"));
    PageNum->setMinimum(1);
    PageNum->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    auto* label = new QLabel(QStringLiteral("&Page:"), this);
    label->setBuddy(PageNum);

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));

    auto* field = new QHBoxLayout;
    field->addWidget(label);
    field->addWidget(PageNum, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* column = new QVBoxLayout(this);
    column->addLayout(field);
    column->addLayout(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(240, 0)));

    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TGoPageForm::SetPages(int pageCount, int pageNumber) {
    PageNum->setMaximum(std::max(pageCount, 1));
    PageNum->setValue(pageNumber);
    PageNum->selectAll();
    PageNum->setFocus();
}

int TGoPageForm::PageNumber() const {
    return PageNum->value();
}

}  // namespace kelvane
