#include "ui/window/ConfigFileDrop.h"

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace kelvane {

ConfigFileDrop::ConfigFileDrop(QWidget& window, QAction* open)
    : QObject(&window), window_(window), open_(open) {
    window_.setAcceptDrops(true);
    // The whole application is watched: a box that takes drops itself gets
    // the drag before the window would.
    qApp->installEventFilter(this);
}

ConfigFileDrop::~ConfigFileDrop() {
    qApp->removeEventFilter(this);
}

std::optional<std::string> ConfigFileDrop::DroppedConfigFile(const QMimeData* data) {
    if (!data || !data->hasUrls()) return std::nullopt;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile()) continue;
        const QFileInfo file(url.toLocalFile());
        if (file.suffix().compare(QStringLiteral("KCF"), Qt::CaseInsensitive) == 0)
            return QFile::encodeName(file.absoluteFilePath()).toStdString();
    }
    return std::nullopt;
}

bool ConfigFileDrop::OnWindow(QObject* watched) const {
    const auto* widget = qobject_cast<QWidget*>(watched);
    return widget && widget->window() == &window_;
}

bool ConfigFileDrop::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
    if (!OnWindow(watched) || !open_->isEnabled()) return false;
    auto* drop = static_cast<QDropEvent*>(event);
    const std::optional<std::string> path = DroppedConfigFile(drop->mimeData());
    if (!path) return false;
    // Never a move: the drag source would take the file away afterwards.
    const Qt::DropActions offered = drop->possibleActions();
    if (!(offered & (Qt::CopyAction | Qt::LinkAction))) return false;
    drop->setDropAction(offered & Qt::CopyAction ? Qt::CopyAction : Qt::LinkAction);
    drop->accept();
    if (type == QEvent::Drop) {
        // The questions and the loading status come after the drag source has been answered.
        QTimer::singleShot(0, this, [this, chosen = *path] {
            if (OnDrop) OnDrop(chosen);
        });
    }
    return true;
}

}  // namespace kelvane
