#pragma once
#include <QWidget>
#include <string>

#include "core/Prompts.h"
#include "file/Document.h"
#include "model/Data.h"

class QPlainTextEdit;

namespace kelvane {

// The View Event Log tab: the text the controller sends while the tab is
// open. Its file commands and the printout conversion arrive with the event
// log; the main window's four log buttons already call the entry points below.
class EventLogTab : public QWidget {
    Q_OBJECT
public:
    EventLogTab(TData& data, Document& document, Prompts& prompts, QWidget* parent = nullptr);

    // Empties the log view.
    void ClearDisplay();
    // Focuses the log view and appends one line the controller sent.
    void AppendLine(const std::string& line);
    // Asks for a log file and shows it.
    void LoadLogFromDisk();
    // Asks for a file name and writes the log view to it.
    void SaveLogToDisk();
    // Reads a configuration printout held in the log back into the model.
    void Convert();

    QPlainTextEdit* LogView;

private:
    [[maybe_unused]] TData& data_;
    [[maybe_unused]] Document& document_;
    [[maybe_unused]] Prompts& prompts_;
};

}  // namespace kelvane
