#pragma once
#include <QWidget>
#include <string>

#include "core/Prompts.h"
#include "file/Document.h"
#include "model/Data.h"

class QListWidget;
class QPushButton;

namespace kelvane {

class TfrmEditBox;

// The Place Names tab: the standard place names and the site's custom place
// names, which the engineer renames through the entry box. The lists take
// their height from the main window.
class PlaceNamesTab : public QWidget {
    Q_OBJECT
public:
    PlaceNamesTab(TData& data, Document& document, Prompts& prompts, QWidget* parent = nullptr);

    // Copies the custom names into their list (in place: the selection stays).
    void RefreshPlaceNameLists();
    // Sets the height of both lists (never below zero).
    void SetListHeight(int height);
    // While held, the names can be looked through but not edited.
    void HoldBackEditing(bool held);

    // A click in either list: the other list loses its selection, and
    // "Edit Place Name" shows only for the custom list.
    void ListBox1Click();
    void ListBox2Click();
    // The double-click on a custom name and "Edit Place Name": the entry box
    // for the selected custom name.
    void EditSelectedCustomName();
    // The entry box accepted `text` for the custom name selected in ListBox2.
    void CustomNameEntered(const std::string& text);

    QListWidget* ListBox1;  // standard place names
    QListWidget* ListBox2;  // custom place names
    QPushButton* btnPlaceNameChange;
    TfrmEditBox* frmEditBox;

private:
    TData& data_;
    Document& document_;
    Prompts& prompts_;
    bool editingHeld_ = false;
};

}  // namespace kelvane
