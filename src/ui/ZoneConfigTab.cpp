#include "ui/ZoneConfigTab.h"

#include "ui/EquationBox.h"
#include "ui/EquationEditors.h"

namespace kelvane {

using namespace equation_rows;

namespace {

constexpr int kZonesOfAnOlderController = 32;

}  // namespace

ZoneConfigTab::ZoneConfigTab(TData& data, EquationEditors& editors, QWidget* parent)
    : QWidget(parent), data_(data) {
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("ZoneRows"));
    AddHeading(content, " Over-door light / addressable sounder routing equations");

    const int areaWidth = EquationBox::WidthFor(EquationKind::Area);
    const int deviceWidth = EquationBox::WidthFor(EquationKind::Device);
    const int deviceLeft = kFirstBoxLeft + areaWidth + kColumnGap;
    AddColumnHeading(content, "Area Equation", kFirstBoxLeft);
    AddColumnHeading(content, "Device Equation", deviceLeft);

    for (int n = 1; n <= kZoneCount; ++n) {
        AddRowLabel(content, QStringLiteral("Zone %1").arg(n), n);
        EquationBox* area = AddBox(content, "iAreaEqnEditBox", n, kFirstBoxLeft, areaWidth);
        area->OnClick = [&editors](int zone) { editors.EditZoneAreas(zone); };
        EquationBox* device = AddBox(content, "iDeviceEqnEditBox", n, deviceLeft, deviceWidth);
        device->OnClick = [&editors](int zone) { editors.EditZoneDevices(zone); };
        areaBoxes_[static_cast<std::size_t>(n - 1)] = area;
        deviceBoxes_[static_cast<std::size_t>(n - 1)] = device;
    }
    ScrollBox3 = PlaceInScrollBox(this, content, "ScrollBox3", kZoneCount, deviceLeft + deviceWidth);
}

void ZoneConfigTab::RefreshZoneRows() {
    const bool allZones = data_.Supports64Zones();
    for (int n = 1; n <= kZoneCount; ++n) {
        const TKZone& zone = data_.ZoneList.Zones[static_cast<std::size_t>(n)];
        const bool available = allZones || n <= kZonesOfAnOlderController;
        AreaBox(n)->ShowEquation(EquationKind::Area, zone.AreaEquation);
        AreaBox(n)->SetAvailable(available);
        DeviceBox(n)->ShowEquation(EquationKind::Device, zone.DeviceEquation);
        DeviceBox(n)->SetAvailable(available);
    }
}

}  // namespace kelvane
