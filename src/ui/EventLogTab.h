#pragma once
#include <QWidget>

#include "core/Prompts.h"
#include "file/Document.h"
#include "model/Data.h"

namespace kelvane {

// The View Event Log tab: the text the controller sends while the tab is
// open. The log view and its file commands arrive with the event log; the
// main window's four log buttons already call the entry points below.
class EventLogTab : public QWidget {
    Q_OBJECT
public:
    EventLogTab(TData& data, Document& document, Prompts& prompts, QWidget* parent = nullptr);

    // Empties the log view.
    void ClearDisplay();
    // Asks for a log file and shows it.
    void LoadLogFromDisk();
    // Asks for a file name and writes the log view to it.
    void SaveLogToDisk();
    // Reads a configuration printout held in the log back into the model.
    void Convert();

private:
    [[maybe_unused]] TData& data_;
    [[maybe_unused]] Document& document_;
    [[maybe_unused]] Prompts& prompts_;
};

}  // namespace kelvane
