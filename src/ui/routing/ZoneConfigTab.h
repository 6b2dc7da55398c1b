#pragma once
#include <QWidget>
#include <array>

#include "core/Prompts.h"
#include "file/Document.h"
#include "model/Data.h"

class QLabel;
class QScrollArea;

namespace kelvane {

class EquationBox;
class EquationEditors;
class TfrmEditBox;

inline constexpr int kZoneNameTypingLimit = 25;
inline constexpr const char* kZoneNameEntryText = "Enter the New Zone Name";

// The Zone Config tab: the over-door light and addressable sounder routing,
// one row per zone with its number and name, its area equation and its
// device equation. The rows are built once; a click on an equation box
// opens the zone's editor, and a double-click on the number or the name
// renames the zone through the entry box. Zones above 32 are shown but
// cannot be edited while the controller has 32 zones.
class ZoneConfigTab : public QWidget {
    Q_OBJECT
public:
    ZoneConfigTab(TData& data, Document& document, Prompts& prompts, EquationEditors& editors,
                  QWidget* parent = nullptr);

    // Fills the zone rows from the zone list.
    void RefreshZoneRows();
    // While held, the rows show the zones but take no edit.
    void HoldBackEditing(bool held);
    // The entry box for zone `n`'s name; a different name is stored and
    // marks the document modified.
    void RenameZone(int n);

    // Zone n's controls (n 1..64).
    QLabel* NumberLabel(int n) const { return numberLabels_.at(static_cast<std::size_t>(n - 1)); }
    QLabel* NameLabel(int n) const { return nameLabels_.at(static_cast<std::size_t>(n - 1)); }
    EquationBox* AreaBox(int n) const { return areaBoxes_.at(static_cast<std::size_t>(n - 1)); }
    EquationBox* DeviceBox(int n) const { return deviceBoxes_.at(static_cast<std::size_t>(n - 1)); }

    QScrollArea* ScrollBox3;
    TfrmEditBox* frmZoneName;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TData& data_;
    Document& document_;
    std::array<QLabel*, kZoneCount> numberLabels_{};
    std::array<QLabel*, kZoneCount> nameLabels_{};
    std::array<EquationBox*, kZoneCount> areaBoxes_{};
    std::array<EquationBox*, kZoneCount> deviceBoxes_{};
};

}  // namespace kelvane
