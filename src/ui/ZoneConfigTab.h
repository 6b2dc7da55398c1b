#pragma once
#include <QWidget>
#include <array>

#include "model/Data.h"

class QScrollArea;

namespace kelvane {

class EquationBox;
class EquationEditors;

// The Zone Config tab: the over-door light and addressable sounder routing,
// one row per zone with its area equation and its device equation. The rows
// are built once; a click on a box opens the zone's editor. Zones above 32
// are shown but cannot be edited while the controller has 32 zones.
class ZoneConfigTab : public QWidget {
    Q_OBJECT
public:
    ZoneConfigTab(TData& data, EquationEditors& editors, QWidget* parent = nullptr);

    // Fills the zone rows from the zone list.
    void RefreshZoneRows();

    // Zone n's boxes (n 1..64).
    EquationBox* AreaBox(int n) const { return areaBoxes_.at(static_cast<std::size_t>(n - 1)); }
    EquationBox* DeviceBox(int n) const { return deviceBoxes_.at(static_cast<std::size_t>(n - 1)); }

    QScrollArea* ScrollBox3;

private:
    TData& data_;
    std::array<EquationBox*, kZoneCount> areaBoxes_{};
    std::array<EquationBox*, kZoneCount> deviceBoxes_{};
};

}  // namespace kelvane
