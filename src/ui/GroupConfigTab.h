#pragma once
#include <QWidget>

#include "core/Prompts.h"
#include "file/Document.h"
#include "model/Data.h"

namespace kelvane {

// The Group Config tab: one row per group with its primary areas, night
// areas and divert groups. The rows arrive with the group editor.
class GroupConfigTab : public QWidget {
    Q_OBJECT
public:
    GroupConfigTab(TData& data, Document& document, Prompts& prompts, QWidget* parent = nullptr);

    // Fills the group rows from the group list.
    void RefreshGroupRows();

private:
    [[maybe_unused]] TData& data_;
    [[maybe_unused]] Document& document_;
    [[maybe_unused]] Prompts& prompts_;
};

}  // namespace kelvane
