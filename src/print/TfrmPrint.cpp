#include "print/TfrmPrint.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "print/PreviewIcons.h"
#include "print/TRadioGroup.h"
#include "ui/HelpContexts.h"
#include "ui/widgets/AppIcons.h"
#include "ui/widgets/CaptionBar.h"

namespace kelvane {
namespace {

QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const char* caption, bool ticked) {
    auto* box = new QCheckBox(QString::fromLatin1(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(ticked);
    return box;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, const char* hint) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    if (hint) {
        button->setToolTip(QString::fromLatin1(hint));
        button->setStatusTip(QString::fromLatin1(hint));
    }
    return button;
}

}  // namespace

TfrmPrint::TfrmPrint(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("frmPrint"));
    setWindowTitle(QStringLiteral("Select Print Options."));
    setProperty(kHelpContextProperty, kHelpPrintOptions);

    radgrpLoopInfo = new TRadioGroup(
        {QStringLiteral("Print all devices"), QStringLiteral("Print only fitted devices")}, this);
    radgrpLoopInfo->setObjectName(QStringLiteral("radgrpLoopInfo"));
    radgrpOrder = new TRadioGroup(
        {QStringLiteral("Order by device number"), QStringLiteral("Order by device type")}, this);
    radgrpOrder->setObjectName(QStringLiteral("radgrpOrder"));

    chkPrintSite = MakeCheckBox(this, "chkPrintSite", "Print site information", true);
    chkPrintLoop = MakeCheckBox(this, "chkPrintLoop", "Print device information", true);
    chkPrintZone = MakeCheckBox(this, "chkPrintZone", "Print zone information", true);
    chkPrintGroup = MakeCheckBox(this, "chkPrintGroup", "Print group information", true);
    chkComments = MakeCheckBox(this, "chkComments", "Print comments page", true);
    chkPrintLog = MakeCheckBox(this, "chkPrintLog", "Print log", false);
    chkRoutingOverview = MakeCheckBox(this, "chkRoutingOverview", "Routing overview", false);
    chkSiteChecks = MakeCheckBox(this, "chkSiteChecks", "Site checks", false);

    btnPreviewButton = MakeButton(this, "btnPreviewButton", QString(), "Print Preview");
    btnPreviewButton->setIcon(MakePreviewIcon(PreviewIcon::Zoom));
    btnPrint = MakeButton(this, "btnPrint", QString(), "Print");
    btnPrint->setIcon(MakeToolIcon(ToolIcon::Print));
    for (QPushButton* button : {btnPreviewButton, btnPrint}) {
        button->setIconSize(QSize(32, 32));
        button->setMinimumSize(QSize(56, 48));
    }
    btnProperties = MakeButton(this, "btnProperties", QStringLiteral("Properties"), nullptr);
    CancelButton = MakeButton(this, "CancelButton", QStringLiteral("Cancel."), nullptr);

    auto* sections = new QVBoxLayout;
    for (QCheckBox* box : {chkPrintSite, chkPrintLoop, chkPrintZone, chkPrintGroup, chkComments, chkPrintLog,
                           chkRoutingOverview, chkSiteChecks})
        sections->addWidget(box);
    sections->addStretch();
    auto* devices = new QVBoxLayout;
    devices->addWidget(radgrpLoopInfo);
    devices->addWidget(radgrpOrder);
    devices->addStretch();
    auto* choices = new QHBoxLayout;
    choices->addLayout(sections);
    choices->addSpacing(12);
    choices->addLayout(devices);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnPreviewButton);
    buttons->addWidget(btnPrint);
    buttons->addStretch();
    buttons->addWidget(btnProperties);
    buttons->addWidget(CancelButton);
    // A title bar of its own: the window manager's would carry buttons.
    QVBoxLayout* column = CaptionBar::FrameWithContent(this);
    column->addLayout(choices);
    column->addSpacing(8);
    column->addLayout(buttons);

    connect(btnPreviewButton, &QPushButton::clicked, this, &TfrmPrint::btnPreviewButtonClick);
    connect(btnPrint, &QPushButton::clicked, this, &TfrmPrint::btnPrintClick);
    connect(btnProperties, &QPushButton::clicked, this, &TfrmPrint::btnPropertiesClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(chkPrintLoop, &QCheckBox::toggled, this, &TfrmPrint::chkPrintLoopClick);
}

TReportOptions TfrmPrint::Options() const {
    TReportOptions options;
    options.SiteInformation = chkPrintSite->isChecked();
    options.DeviceInformation = chkPrintLoop->isChecked();
    options.ZoneInformation = chkPrintZone->isChecked();
    options.GroupInformation = chkPrintGroup->isChecked();
    options.Comments = chkComments->isChecked();
    options.EventLog = chkPrintLog->isChecked();
    options.RoutingOverview = chkRoutingOverview->isChecked();
    options.SiteChecks = chkSiteChecks->isChecked();
    options.FittedOnly = radgrpLoopInfo->ItemIndex() == 1;
    options.Order = radgrpOrder->ItemIndex() == 1 ? doDeviceType : doDeviceNumber;
    return options;
}

void TfrmPrint::chkPrintLoopClick() {
    radgrpLoopInfo->setEnabled(chkPrintLoop->isChecked());
    radgrpOrder->setEnabled(chkPrintLoop->isChecked());
}

void TfrmPrint::btnPreviewButtonClick() {
    // The preview opens in front: this window, which stays on top, goes first.
    hide();
    if (OnPreview) OnPreview(Options());
    accept();
}

void TfrmPrint::btnPrintClick() {
    hide();
    if (OnPrint) OnPrint(Options());
    accept();
}

void TfrmPrint::btnPropertiesClick() {
    if (OnProperties) OnProperties();
}

}  // namespace kelvane
