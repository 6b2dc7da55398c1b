#include "ui/routing/ZoneConfigTab.h"

#include <QEvent>
#include <QLabel>
#include <QScrollArea>

#include "qt/Latin1.h"
#include "ui/placenames/TfrmEditBox.h"
#include "ui/routing/EquationBox.h"
#include "ui/routing/EquationEditors.h"

namespace kelvane {

using namespace equation_rows;

namespace {

constexpr int kZonesOfAnOlderController = 32;
// The width of the name column: a name this long shows whole.
constexpr const char* kWideZoneName = "Rowan Wing Ground 12";
constexpr const char* kZoneProperty = "zone";

}  // namespace

ZoneConfigTab::ZoneConfigTab(TData& data, Document& document, Prompts& prompts, EquationEditors& editors,
                             QWidget* parent)
    : QWidget(parent), data_(data), document_(document) {
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("ZoneRows"));
    AddHeading(content, " Over-door light / addressable sounder routing equations");

    const int nameLeft = kFirstBoxLeft;
    const int nameWidth = fontMetrics().horizontalAdvance(QString::fromLatin1(kWideZoneName));
    const int areaWidth = EquationBox::WidthFor(EquationKind::Area);
    const int deviceWidth = EquationBox::WidthFor(EquationKind::Device);
    const int areaLeft = nameLeft + nameWidth + kColumnGap;
    const int deviceLeft = areaLeft + areaWidth + kColumnGap;
    AddColumnHeading(content, "Name", nameLeft);
    AddColumnHeading(content, "Area Equation", areaLeft);
    AddColumnHeading(content, "Device Equation", deviceLeft);

    for (int n = 1; n <= kZoneCount; ++n) {
        const auto index = static_cast<std::size_t>(n - 1);
        numberLabels_[index] = AddRowLabel(content, QStringLiteral("Zone %1").arg(n), n);
        nameLabels_[index] = AddRowLabel(content, QString(), n, nameLeft);
        nameLabels_[index]->setFixedWidth(nameWidth);
        for (QLabel* label : {numberLabels_[index], nameLabels_[index]}) {
            label->setProperty(kZoneProperty, n);
            label->setToolTip(QStringLiteral("Double-click to rename zone %1").arg(n));
            label->installEventFilter(this);
        }
        areaBoxes_[index] = AddBox(content, "iAreaEqnEditBox", n, areaLeft, areaWidth);
        areaBoxes_[index]->OnClick = [&editors](int zone) { editors.EditZoneAreas(zone); };
        deviceBoxes_[index] = AddBox(content, "iDeviceEqnEditBox", n, deviceLeft, deviceWidth);
        deviceBoxes_[index]->OnClick = [&editors](int zone) { editors.EditZoneDevices(zone); };
    }
    ScrollBox3 = PlaceInScrollBox(this, content, "ScrollBox3", kZoneCount, deviceLeft + deviceWidth);
    frmZoneName = new TfrmEditBox(prompts, this);
    frmZoneName->setObjectName(QStringLiteral("frmZoneName"));
    frmZoneName->Label1->setText(QString::fromLatin1(kZoneNameEntryText));
}

void ZoneConfigTab::RefreshZoneRows() {
    const bool allZones = data_.Supports64Zones();
    for (int n = 1; n <= kZoneCount; ++n) {
        const TKZone& zone = data_.ZoneList.Zones[static_cast<std::size_t>(n)];
        const bool available = allZones || n <= kZonesOfAnOlderController;
        NameLabel(n)->setText(Latin1(zone.Name));
        NameLabel(n)->setEnabled(available);
        NumberLabel(n)->setEnabled(available);
        AreaBox(n)->ShowEquation(EquationKind::Area, zone.AreaEquation);
        AreaBox(n)->SetAvailable(available);
        DeviceBox(n)->ShowEquation(EquationKind::Device, zone.DeviceEquation);
        DeviceBox(n)->SetAvailable(available);
    }
}

void ZoneConfigTab::HoldBackEditing(bool held) {
    ScrollBox3->widget()->setEnabled(!held);
}

void ZoneConfigTab::RenameZone(int n) {
    std::string& name = data_.ZoneList.Zones.at(static_cast<std::size_t>(n)).Name;
    const std::optional<QString> entered = frmZoneName->Ask(Latin1(name), kZoneNameTypingLimit);
    if (!entered || ToLatin1(*entered) == name) return;
    name = ToLatin1(*entered);
    NameLabel(n)->setText(*entered);
    document_.Changed("Rename Zone " + std::to_string(n));
}

bool ZoneConfigTab::eventFilter(QObject* watched, QEvent* event) {
    // A label is disabled on a zone the controller does not have and while a transfer runs.
    const QVariant zone = watched->property(kZoneProperty);
    if (event->type() == QEvent::MouseButtonDblClick && zone.isValid() &&
        static_cast<QWidget*>(watched)->isEnabled()) {
        RenameZone(zone.toInt());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace kelvane
