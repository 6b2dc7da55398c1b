#pragma once
#include <QWidget>

#include "core/Prompts.h"
#include "file/Document.h"
#include "model/Data.h"

namespace kelvane {

// The Network Config tab: kept hidden and disabled; nothing in the program
// shows it, so it holds no editor.
class NetworkConfigTab : public QWidget {
    Q_OBJECT
public:
    NetworkConfigTab(TData& data, Document& document, Prompts& prompts, QWidget* parent = nullptr);

private:
    [[maybe_unused]] TData& data_;
    [[maybe_unused]] Document& document_;
    [[maybe_unused]] Prompts& prompts_;
};

}  // namespace kelvane
