#pragma once
#include <QDialog>
#include <QElapsedTimer>
#include <optional>

#include "file/Document.h"
#include "model/Data.h"

class QListWidget;
class QListWidgetItem;

namespace kelvane {

// The place-name picker "Place Names List": the standard names and the
// site's custom names. Opened for one device with its current name
// selected, it stores the name the user clicks as the device's place-name
// index, tells whoever listens, and closes. Any editor that shows devices
// opens it the same way; closing it without a click changes nothing.
// Typing the first letters of a name selects it, looked for among the
// standard names first and then among the custom ones, whichever list has
// the keyboard; Enter then chooses it.
class TNamesForm : public QDialog {
    Q_OBJECT
public:
    TNamesForm(TData& data, Document& document, QWidget* parent = nullptr);

    // Fills both lists from the model and selects the current name of device
    // `n` (1..256): standard entry for an index of 40 or less, else custom
    // entry index - 41; the other list has no selection. The list that holds
    // the current name has the keyboard.
    void Preselect(int n);
    // Preselect, then the picker modally; true when a name was chosen.
    bool ShowForDevice(int n);
    // The picker modally over device n's current name, storing nothing: the
    // place-name index the user chose, or nothing when closed without a choice.
    std::optional<int> PickForDevice(int n);
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
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Choose(int placeNameIndex);
    // Adds `typed` to the letters typed so far (a pause starts them again)
    // and selects the first name that begins with them.
    void TypeAhead(const QString& typed);

    TData& data_;
    Document& document_;
    int device_ = 1;
    // False while a choice is only picked, not stored.
    bool storing_ = true;
    int chosen_ = 0;
    QString typedAhead_;
    QElapsedTimer sinceLastKey_;
};

}  // namespace kelvane
