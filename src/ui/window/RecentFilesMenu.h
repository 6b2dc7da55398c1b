#pragma once
#include <QMenu>
#include <functional>
#include <string>

#include "file/RecentFiles.h"

class QAction;

namespace kelvane {

// The File menu's "Recent Files" submenu: one entry per remembered site
// file, most recent first, numbered for the keyboard and named by the file
// (by the whole path where two share a name). A file that no longer exists
// is shown disabled; every entry has its path as the hint. The submenu is
// available only while it has entries and the Open command it follows is.
class RecentFilesMenu : public QMenu {
    Q_OBJECT
public:
    RecentFilesMenu(RecentFiles& files, QAction* open, QWidget* parent = nullptr);

    // `path` was opened or saved: it heads the list now.
    void Remember(const std::string& path);
    // Builds the entries again from the list (also done each time the menu opens).
    void Rebuild();

    // An entry was chosen: the path to open.
    std::function<void(const std::string& path)> OnOpen;

private:
    void UpdateAvailability();

    RecentFiles& files_;
    QAction* open_;
    bool empty_ = true;
};

}  // namespace kelvane
