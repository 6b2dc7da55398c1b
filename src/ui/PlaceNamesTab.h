#pragma once
#include <QWidget>

#include "core/Prompts.h"
#include "file/Document.h"
#include "model/Data.h"

class QLabel;
class QListWidget;

namespace kelvane {

// The Place Names tab: the standard place names and the site's custom place
// names. The lists take their height from the main window. Editing the
// custom names arrives with the place name editor.
class PlaceNamesTab : public QWidget {
    Q_OBJECT
public:
    PlaceNamesTab(TData& data, Document& document, Prompts& prompts, QWidget* parent = nullptr);

    // Copies the standard names and the custom names into the two lists.
    void RefreshPlaceNameLists();
    // Sets the height of both lists (never below zero).
    void SetListHeight(int height);

    QListWidget* ListBox1;  // standard place names
    QListWidget* ListBox2;  // custom place names

private:
    TData& data_;
    [[maybe_unused]] Document& document_;
    [[maybe_unused]] Prompts& prompts_;
};

}  // namespace kelvane
