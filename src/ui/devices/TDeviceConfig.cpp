#include "ui/devices/TDeviceConfig.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "model/DeviceCatalogue.h"
#include "qt/Latin1.h"
#include "ui/HelpContexts.h"
#include "ui/devices/DeviceImages.h"
#include "ui/placenames/TNamesForm.h"
#include "ui/widgets/CaptionBar.h"
#include "ui/widgets/ListWidgets.h"
#include "ui/widgets/TypedLengthLimit.h"

namespace kelvane {

namespace {

constexpr int kSuffixTypingLimit = 4;

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

// "Device type: " and the longest of the type names: the dialog is sized
// once for it, so that it keeps its width (and its buttons their places) as
// Next and Previous step through the types.
int DeviceTypeLineWidth(const QFontMetrics& metrics) {
    int widest = 0;
    for (int code = 0; code < kDeviceTypeCount; ++code) {
        widest = std::max(widest, metrics.horizontalAdvance(QStringLiteral("Device type: ") +
                                                            Latin1(TKLoop::DeviceTypeName(code))));
    }
    return widest;
}

QLabel* MakeLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

}  // namespace

TDeviceConfig::TDeviceConfig(TData& data, Document& document, Prompts& prompts, TNamesForm& namesForm,
                             const DeviceImages& images, QWidget* parent)
    : QDialog(parent),
      data_(data),
      document_(document),
      prompts_(prompts),
      namesForm_(namesForm),
      images_(images) {
    setObjectName(QStringLiteral("DeviceConfig"));
    setWindowTitle(QStringLiteral("Device Configuration"));
    BuildControls();

    connect(AcceptButton, &QPushButton::clicked, this, &TDeviceConfig::AcceptButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &TDeviceConfig::CancelButtonClick);
    connect(NextButton, &QPushButton::clicked, this, &TDeviceConfig::NextButtonClick);
    connect(PrevButton, &QPushButton::clicked, this, &TDeviceConfig::PrevButtonClick);
    connect(BtnDisable, &QPushButton::clicked, this, &TDeviceConfig::BtnDisableClick);
    connect(lstZone, &QListWidget::itemSelectionChanged, this, [this] {
        if (!filling_) DataChanged();
    });
    connect(txtSuffix, &QLineEdit::textEdited, this, &TDeviceConfig::DataChanged);
    connect(&namesForm_, &TNamesForm::placeNameChosen, this, &TDeviceConfig::PlaceNameChosen);
}

void TDeviceConfig::BuildControls() {
    lblPointNo = MakeLabel(this, "lblPointNo");
    lblDeviceType = MakeLabel(this, "lblDeviceType");
    lblDeviceType->setMinimumWidth(DeviceTypeLineWidth(lblDeviceType->fontMetrics()));
    imgDevice = MakeLabel(this, "imgDevice");
    imgDevice->setFixedSize(kDeviceImageSide + 6, kDeviceImageSide + 6);
    imgDevice->setAlignment(Qt::AlignCenter);
    imgDevice->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    lblAllocatedTo = new QLabel(QStringLiteral("Allocated to"), this);
    lblAllocatedTo->setObjectName(QStringLiteral("lblAllocatedTo"));
    lblAllocationClass = MakeLabel(this, "lblAllocationClass");
    QFont bold = lblAllocationClass->font();
    bold.setBold(true);
    lblAllocationClass->setFont(bold);
    lstZone = new QListWidget(this);
    lstZone->setObjectName(QStringLiteral("lstZone"));
    lstZone->setSelectionMode(QAbstractItemView::SingleSelection);
    lstZone->setFixedSize(150, 160);

    txtName = new QLineEdit(this);
    txtName->setObjectName(QStringLiteral("txtName"));
    // The name is chosen from the picker that a click opens; it takes no typing.
    txtName->setReadOnly(true);
    txtName->setCursor(Qt::PointingHandCursor);
    txtName->setToolTip(QStringLiteral("Click to choose the place name"));
    txtName->installEventFilter(this);
    txtSuffix = new QLineEdit(this);
    txtSuffix->setObjectName(QStringLiteral("txtSuffix"));
    txtSuffix->setFixedWidth(60);
    new TypedLengthLimit(txtSuffix, kSuffixTypingLimit, prompts_);
    auto* nameLabel = new QLabel(QStringLiteral("Place name"), this);
    nameLabel->setBuddy(txtName);
    auto* suffixLabel = new QLabel(QStringLiteral("Suffix"), this);
    suffixLabel->setBuddy(txtSuffix);

    BtnDisable = MakeButton(this, "BtnDisable", "Disable");
    AcceptButton = MakeButton(this, "AcceptButton", "Accept");
    AcceptButton->setDefault(true);
    CancelButton = MakeButton(this, "CancelButton", "Cancel");
    PrevButton = MakeButton(this, "PrevButton", "Previous");
    NextButton = MakeButton(this, "NextButton", "Next");

    auto* heading = new QVBoxLayout;
    heading->addWidget(lblPointNo);
    heading->addWidget(lblDeviceType);
    heading->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addLayout(heading, 1);
    top->addWidget(imgDevice);

    auto* allocatedTo = new QHBoxLayout;
    allocatedTo->addWidget(lblAllocatedTo);
    allocatedTo->addWidget(lblAllocationClass);
    allocatedTo->addStretch(1);
    auto* fields = new QGridLayout;
    fields->addWidget(nameLabel, 0, 0);
    fields->addWidget(txtName, 1, 0);
    fields->addWidget(suffixLabel, 0, 1);
    fields->addWidget(txtSuffix, 1, 1);
    fields->setRowStretch(2, 1);
    fields->addWidget(BtnDisable, 3, 0, Qt::AlignLeft);
    auto* allocation = new QVBoxLayout;
    allocation->addLayout(allocatedTo);
    allocation->addWidget(lstZone);
    auto* middle = new QHBoxLayout;
    middle->addLayout(allocation);
    middle->addSpacing(12);
    middle->addLayout(fields, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(PrevButton);
    buttons->addWidget(NextButton);
    buttons->addStretch(1);
    buttons->addWidget(AcceptButton);
    buttons->addWidget(CancelButton);

    // A title bar of its own, fixed in size: the window manager's would carry
    // buttons. Accept, Cancel and Escape close the dialog.
    QVBoxLayout* page = CaptionBar::FrameWithContent(this);
    page->addLayout(top);
    page->addLayout(middle);
    page->addSpacing(6);
    page->addLayout(buttons);
}

bool TDeviceConfig::ShowForDevice(int n) {
    device_ = n;
    FormShow();
    return exec() == QDialog::Accepted;
}

void TDeviceConfig::FormShow() {
    filling_ = true;
    FillAllocationList();
    const TKDeviceType& device = data_.Loop.Device(device_);
    lblPointNo->setText(QStringLiteral("Device number: %1").arg(device_));
    lblDeviceType->setText(QStringLiteral("Device type: ") +
                           Latin1(TKLoop::DeviceTypeName(device.DeviceType)));
    txtName->setText(Latin1(data_.DevicePlaceName(device_)));
    TypedLengthLimit::ShowWhole(txtSuffix, Latin1(device.Suffix));
    ShowPicture();
    changed_ = false;
    BtnDisable->setText(device.Enabled <= 0 ? QStringLiteral("Enable") : QStringLiteral("Disable"));
    filling_ = false;
}

void TDeviceConfig::FillAllocationList() {
    QStringList entries;
    QString heading;
    const TKLoop& loop = data_.Loop;
    if (loop.IsGroupDevice(device_)) {
        for (int group = 0; group < kGroupCount; ++group) entries << QString::number(group + 1);
        heading = QStringLiteral("Group");
    } else if (loop.IsAreaDevice(device_)) {
        for (int area = 0; area < kAreaCount; ++area) entries << Latin1(AreaLetter(area));
        heading = QStringLiteral("Area");
    } else {
        // Zone devices, and the types without a class, which every other
        // view shows as zone devices too.
        const int zones = data_.SiteConfig.ZoneLimit();
        for (int zone = 0; zone < zones; ++zone) entries << Latin1(ZoneListName(zone));
        heading = QStringLiteral("Zone");
    }
    lstZone->clear();
    lstZone->addItems(entries);
    lblAllocationClass->setText(heading);
    const int allocation = loop.Device(device_).Allocation;
    if (allocation >= 0 && allocation < lstZone->count()) {
        lstZone->setCurrentRow(allocation);
        lstZone->scrollToItem(lstZone->item(allocation));
    } else {
        lstZone->clearSelection();
    }
}

void TDeviceConfig::ShowPicture() {
    const TKDeviceType& device = data_.Loop.Device(device_);
    const DeviceImageList& list =
        device.DeviceType == dtNotFitted ? images_.imglstApollo : images_.ListFor(device.Enabled);
    imgDevice->setPixmap(
        list.Pixmap(device.DeviceType, QSize(kDeviceImageSide, kDeviceImageSide), devicePixelRatioF()));
}

void TDeviceConfig::DataChanged() {
    changed_ = true;
}

void TDeviceConfig::StoreDialog() {
    TKDeviceType& device = data_.Loop.Device(device_);
    const std::string suffix = ToLatin1(txtSuffix->text());
    // With nothing selected (an allocation outside the list) the device
    // keeps the allocation it has.
    const int selected = SelectedRow(lstZone);
    const int allocation = selected >= 0 ? selected : device.Allocation;
    if (suffix != device.Suffix || allocation != device.Allocation) {
        device.Suffix = suffix;
        device.Allocation = allocation;
        document_.Changed(DeviceStepName(device_, "Allocation and Suffix"));
    }
    emit stored();
    changed_ = false;
}

void TDeviceConfig::AcceptButtonClick() {
    StoreDialog();
    accept();
}

void TDeviceConfig::CancelButtonClick() {
    reject();
}

void TDeviceConfig::ShowAddress(int n) {
    device_ = n;
    FormShow();
}

void TDeviceConfig::NextButtonClick() {
    if (changed_) StoreDialog();
    ShowAddress(device_ >= data_.Loop.NoLoopDevices() ? 1 : device_ + 1);
}

void TDeviceConfig::PrevButtonClick() {
    if (changed_) StoreDialog();
    ShowAddress(device_ <= 1 ? data_.Loop.NoLoopDevices() : device_ - 1);
}

void TDeviceConfig::BtnDisableClick() {
    int& enabled = data_.Loop.Device(device_).Enabled;
    enabled = enabled <= 0 ? 1 : 0;
    document_.Changed(DeviceStepName(device_, "Enabled"));
    BtnDisable->setText(enabled <= 0 ? QStringLiteral("Enable") : QStringLiteral("Disable"));
    DataChanged();
    ShowPicture();
    emit deviceChanged(device_);
}

void TDeviceConfig::txtNameClick() {
    namesForm_.ShowForDevice(device_);
}

void TDeviceConfig::PlaceNameChosen(int n) {
    // The picker serves every device editor; only a choice made from here
    // lands in this dialog.
    if (!isVisible() || n != device_) return;
    txtName->setText(Latin1(data_.DevicePlaceName(n)));
    DataChanged();
    emit deviceChanged(n);
}

bool TDeviceConfig::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtName && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        txtNameClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TDeviceConfig::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        emit helpRequested(kHelpDeviceConfig);
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace kelvane
