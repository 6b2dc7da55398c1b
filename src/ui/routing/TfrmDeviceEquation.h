#pragma once
#include "ui/routing/StoringEquationEditor.h"

namespace kelvane {

// The device editor: the devices of a zone's device equation, picked from
// the fitted devices that report into an area. It stores the accepted
// equation itself.
class TfrmDeviceEquation : public StoringEquationEditor {
    Q_OBJECT
public:
    TfrmDeviceEquation(TData& data, Document& document, QWidget* parent = nullptr);

    // Shows the editor over zone z's device equation (z 1..64).
    void EditZone(int z);

protected:
    void FillList() override;

private:
    void FitColumns();
};

}  // namespace kelvane
