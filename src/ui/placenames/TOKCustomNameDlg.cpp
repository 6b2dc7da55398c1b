#include "ui/placenames/TOKCustomNameDlg.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelvane {

TOKCustomNameDlg::TOKCustomNameDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("OKCustomNameDlg"));
    setWindowTitle(QStringLiteral("Dialog"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    chkBox1 = new QCheckBox(QStringLiteral("Update Custom Place Names"), this);
    chkBox1->setObjectName(QStringLiteral("chkBox1"));
    OKBtn = new QPushButton(QStringLiteral("Begin"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    OKBtn->setAutoDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(16, 16, 16, 12);
    column->setSpacing(16);
    column->addWidget(chkBox1);
    column->addLayout(buttons);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

}  // namespace kelvane
