#include "ui/window/TAboutBox.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/widgets/AppIcons.h"
#include "ui/widgets/CaptionBar.h"

namespace kelvane {

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About"));
    setModal(true);

    auto* icon = new QLabel(this);
    icon->setPixmap(MakeProgramIcon().pixmap(48, 48));
    ProductName = new QLabel(QStringLiteral("Kelvane Programming Tools"), this);
    ProductName->setObjectName(QStringLiteral("ProductName"));
    Version = new QLabel(QStringLiteral("2.2 (Build 1 20/02/06)"), this);
    Version->setObjectName(QStringLiteral("Version"));
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    // A title bar of its own: the window manager's would carry buttons.
    // OK and Escape close the box.
    auto* grid = new QGridLayout;
    CaptionBar::FrameWithContent(this)->addLayout(grid);
    grid->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(new QLabel(QStringLiteral("Product Name :"), this), 0, 1);
    grid->addWidget(ProductName, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Version :"), this), 1, 1);
    grid->addWidget(Version, 1, 2);
    grid->addWidget(OKButton, 2, 0, 1, 3, Qt::AlignHCenter);
}

}  // namespace kelvane
