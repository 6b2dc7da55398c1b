#pragma once
#include <QDialog>

#include "file/Document.h"
#include "model/Data.h"

class QListWidget;
class QListWidgetItem;

namespace kelvane {

inline constexpr int kNamesFormHelpContext = 12;

// The place-name picker "Place Names List": the standard names and the
// site's custom names. Opened for one device with its current name
// selected, it stores the name the user clicks as the device's place-name
// index, tells whoever listens, and closes. Any editor that shows devices
// opens it the same way; closing it without a click changes nothing.
class TNamesForm : public QDialog {
    Q_OBJECT
public:
    TNamesForm(TData& data, Document& document, QWidget* parent = nullptr);

    // Fills both lists from the model and selects the current name of device
    // `n` (1..256): standard entry for an index of 40 or less, else custom
    // entry index - 41; the other list has no selection.
    void Preselect(int n);
    // Preselect, then the picker modally; true when a name was chosen.
    bool ShowForDevice(int n);
    // The device the picker is open for.
    int Device() const { return device_; }
    // Copies the standard and the 45 custom names into the lists.
    void RefreshLists();

    QListWidget* ListBox1;  // standard place names
    QListWidget* ListBox2;  // custom place names

signals:
    // The user chose `placeNameIndex` for device `n`; it is stored already.
    void placeNameChosen(int n, int placeNameIndex);
    // F1: the help at this window's context.
    void helpRequested(int context);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Choose(int placeNameIndex);

    TData& data_;
    Document& document_;
    int device_ = 1;
};

}  // namespace kelvane
