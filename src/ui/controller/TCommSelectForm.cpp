#include "ui/controller/TCommSelectForm.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSerialPortInfo>
#include <QVBoxLayout>

#include "ui/HelpContexts.h"
#include "ui/widgets/CaptionBar.h"

namespace kelvane {

TCommSelectForm::TCommSelectForm(TCommPanel& link, PortPaths& paths, PortSettings& settings, QWidget* parent)
    : QDialog(parent), link_(link), paths_(paths), settings_(settings) {
    setWindowTitle("Select Comm Port ...");
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint);
    setModal(true);
    setProperty(kHelpContextProperty, kHelpSerialPort);

    QStringList detected;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) detected << info.systemLocation();

    auto* group = new QGroupBox(this);
    auto* grid = new QGridLayout(group);
    radgrpComms = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        radioItems[i] = new QRadioButton(QString("Select COM%1").arg(i + 1), group);
        radgrpComms->addButton(radioItems[i], i);
        deviceBoxes[i] = new QComboBox(group);
        deviceBoxes[i]->setEditable(true);
        deviceBoxes[i]->setInsertPolicy(QComboBox::NoInsert);
        deviceBoxes[i]->addItems(detected);
        deviceBoxes[i]->setMinimumContentsLength(18);
        grid->addWidget(radioItems[i], i, 0);
        grid->addWidget(deviceBoxes[i], i, 1);
    }
    radioItems[0]->setChecked(true);

    btnAccept = new QPushButton("Accept.", this);
    btnAccept->setDefault(true);
    btnCancel = new QPushButton("Cancel.", this);
    connect(btnAccept, &QPushButton::clicked, this, &TCommSelectForm::btnAcceptClick);
    connect(btnCancel, &QPushButton::clicked, this, &TCommSelectForm::btnCancelClick);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnAccept);
    buttons->addWidget(btnCancel);
    // A title bar of its own: the window manager's would carry buttons.
    // Accept, Cancel and Escape close the dialog.
    QVBoxLayout* layout = CaptionBar::FrameWithContent(this);
    layout->addWidget(group);
    layout->addLayout(buttons);

    ShowCurrent();
}

void TCommSelectForm::ShowCurrent() {
    const int current = static_cast<int>(link_.ComPort());
    if (current < 4) radioItems[current]->setChecked(true);
    for (int i = 0; i < 4; ++i) {
        const auto port = static_cast<TComPortNumber>(i);
        deviceBoxes[i]->setCurrentText(QString::fromLocal8Bit(paths_.StoredPath(port).c_str()));
    }
}

void TCommSelectForm::btnAcceptClick() {
    const int item = radgrpComms->checkedId();
    link_.Close();
    link_.SetComPort(static_cast<TComPortNumber>(pnCOM1 + item));
    for (int i = 0; i < 4; ++i) {
        paths_.SetPath(static_cast<TComPortNumber>(i),
                       deviceBoxes[i]->currentText().trimmed().toLocal8Bit().toStdString());
    }
    settings_.SetPort(item + 1);
    settings_.SavePaths(paths_);
    accept();
}

void TCommSelectForm::btnCancelClick() {
    ShowCurrent();
    reject();
}

}  // namespace kelvane
