#pragma once
#include <QDialog>

#include "core/Prompts.h"
#include "file/Document.h"
#include "model/Data.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kelvane {

class DeviceImages;
class TNamesForm;

// The "Device Configuration" dialog: one device of the loop at a time, its
// allocation (from the list of its class), place name (through the
// place-name picker), suffix and enabled state, with Next and Previous
// stepping through the addresses. The enabled state and the place name
// change the device at once; the allocation and the suffix are stored by
// Accept, and by Next and Previous when anything was changed. Every change
// that reaches the device marks the document modified.
class TDeviceConfig : public QDialog {
    Q_OBJECT
public:
    TDeviceConfig(TData& data, Document& document, Prompts& prompts, TNamesForm& namesForm,
                  const DeviceImages& images, QWidget* parent = nullptr);

    // Shows device `n` (1..256), then the dialog modally; true for Accept.
    bool ShowForDevice(int n);
    // The device shown.
    int Device() const { return device_; }
    bool Changed() const { return changed_; }

    // Fills every control from device Device().
    void FormShow();
    void AcceptButtonClick();
    void CancelButtonClick();
    void NextButtonClick();
    void PrevButtonClick();
    void BtnDisableClick();
    void DataChanged();
    void txtNameClick();

    QLabel* lblPointNo;
    QLabel* lblDeviceType;
    QLabel* lblAllocatedTo;
    QLabel* lblAllocationClass;
    QListWidget* lstZone;
    QLineEdit* txtName;
    QLineEdit* txtSuffix;
    QLabel* imgDevice;
    QPushButton* BtnDisable;
    QPushButton* AcceptButton;
    QPushButton* CancelButton;
    QPushButton* NextButton;
    QPushButton* PrevButton;

signals:
    // The dialog stored its allocation and suffix into the device.
    void stored();
    // Device `n` changed while the dialog stays open (enabled state, place name).
    void deviceChanged(int n);
    // F1: the help at this window's context.
    void helpRequested(int context);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void FillAllocationList();
    void ShowPicture();
    // Stores the suffix and the selected allocation into the device.
    void StoreDialog();
    void ShowAddress(int n);
    void PlaceNameChosen(int n);

    TData& data_;
    Document& document_;
    Prompts& prompts_;
    TNamesForm& namesForm_;
    const DeviceImages& images_;
    int device_ = 1;
    bool changed_ = false;
    bool filling_ = false;
};

}  // namespace kelvane
