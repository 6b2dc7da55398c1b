#pragma once
#include <QDialog>
#include <array>

#include "comms/PortPaths.h"
#include "comms/PortSettings.h"
#include "comms/commspanel.h"

class QButtonGroup;
class QComboBox;
class QPushButton;
class QRadioButton;

namespace kelvane {

// "Select Comm Port ...": picks COM1..COM4 for the controller link and, beside
// each, the device it opens (a detected serial port or any typed path).
class TCommSelectForm : public QDialog {
    Q_OBJECT
public:
    TCommSelectForm(TCommPanel& link, PortPaths& paths, PortSettings& settings, QWidget* parent = nullptr);

    // Selects the item of the link's current port and shows the stored paths.
    void ShowCurrent();

    QButtonGroup* radgrpComms = nullptr;
    std::array<QRadioButton*, 4> radioItems{};
    std::array<QComboBox*, 4> deviceBoxes{};
    QPushButton* btnAccept = nullptr;
    QPushButton* btnCancel = nullptr;

public slots:
    void btnAcceptClick();
    void btnCancelClick();

private:
    TCommPanel& link_;
    PortPaths& paths_;
    PortSettings& settings_;
};

}  // namespace kelvane
