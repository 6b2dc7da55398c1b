#pragma once
#include <QWidget>

#include "core/Prompts.h"
#include "file/Document.h"
#include "model/Data.h"

namespace kelvane {

// The Zone Config tab: one row per zone with its area and device equations.
// The rows arrive with the zone editor.
class ZoneConfigTab : public QWidget {
    Q_OBJECT
public:
    ZoneConfigTab(TData& data, Document& document, Prompts& prompts, QWidget* parent = nullptr);

    // Fills the zone rows from the zone list.
    void RefreshZoneRows();

private:
    [[maybe_unused]] TData& data_;
    [[maybe_unused]] Document& document_;
    [[maybe_unused]] Prompts& prompts_;
};

}  // namespace kelvane
