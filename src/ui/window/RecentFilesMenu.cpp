#include "ui/window/RecentFilesMenu.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

namespace kelvane {

namespace {

QString DecodedPath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

}  // namespace

RecentFilesMenu::RecentFilesMenu(RecentFiles& files, QAction* open, QWidget* parent)
    : QMenu(QStringLiteral("Recent Files"), parent), files_(files), open_(open) {
    setObjectName(QStringLiteral("RecentFiles1"));
    menuAction()->setObjectName(QStringLiteral("RecentFiles1Action"));
    menuAction()->setStatusTip(QStringLiteral("Open a file used recently"));
    setToolTipsVisible(true);
    connect(this, &QMenu::aboutToShow, this, &RecentFilesMenu::Rebuild);
    connect(open_, &QAction::changed, this, &RecentFilesMenu::UpdateAvailability);
    Rebuild();
}

void RecentFilesMenu::Remember(const std::string& path) {
    files_.Remember(path);
    Rebuild();
}

void RecentFilesMenu::Rebuild() {
    clear();
    const std::vector<std::string> paths = files_.Paths();
    QStringList names;
    for (const std::string& path : paths) names << QFileInfo(DecodedPath(path)).fileName();

    for (std::size_t index = 0; index < paths.size(); ++index) {
        const QString path = DecodedPath(paths[index]);
        const QString& name = names[static_cast<qsizetype>(index)];
        QString shown = names.count(name) > 1 ? path : name;
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* entry = addAction(QStringLiteral("&%1 %2").arg(index + 1).arg(shown));
        entry->setObjectName(QStringLiteral("RecentFile%1").arg(index + 1));
        entry->setToolTip(path);
        entry->setStatusTip(path);
        entry->setEnabled(QFileInfo(path).isFile());
        // Opened once the menu has closed: the open rebuilds this menu, entry included.
        connect(entry, &QAction::triggered, this, [this, chosen = paths[index]] {
            QTimer::singleShot(0, this, [this, chosen] {
                if (OnOpen) OnOpen(chosen);
            });
        });
    }
    empty_ = paths.empty();
    UpdateAvailability();
}

void RecentFilesMenu::UpdateAvailability() {
    menuAction()->setEnabled(!empty_ && open_->isEnabled());
}

}  // namespace kelvane
