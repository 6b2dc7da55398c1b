#include "ui/window/WindowGeometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "core/ProgramSettings.h"

namespace kelvane {

namespace {

void Centre(QWidget& window) {
    const QScreen* display = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!display) return;
    const QRect area = display->availableGeometry();
    const QRect frame = window.frameGeometry();
    window.move(area.center() - QPoint(frame.width() / 2, frame.height() / 2));
}

}  // namespace

std::optional<WindowPlacement> WindowGeometry::Stored() const {
    const ProgramSettings::StoredWindow stored = ProgramSettings(settings_).Window();
    const auto& [left, top, width, height, maximised] = stored;
    if (!left || !top || !width || !height || *width <= 0 || *height <= 0) return std::nullopt;
    return WindowPlacement{QRect(*left, *top, *width, *height), maximised};
}

void WindowGeometry::Store(const WindowPlacement& placement) {
    const QRect& normal = placement.Normal;
    ProgramSettings(settings_).SetWindow(normal.x(), normal.y(), normal.width(), normal.height(),
                                         placement.Maximised);
}

void WindowGeometry::StoreFrom(const QWidget& window) {
    Store({window.normalGeometry(), window.isMaximized()});
}

void WindowGeometry::Restore(QWidget& window) const {
    const std::optional<WindowPlacement> stored = Stored();
    if (stored && Fits(stored->Normal, ScreenAreas()))
        window.setGeometry(stored->Normal);
    else
        Centre(window);
    if (stored && stored->Maximised) window.setWindowState(window.windowState() | Qt::WindowMaximized);
}

bool WindowGeometry::Fits(const QRect& normal, const QList<QRect>& freeAreas) {
    for (const QRect& area : freeAreas)
        if (area.contains(normal)) return true;
    return false;
}

QList<QRect> WindowGeometry::ScreenAreas() {
    QList<QRect> areas;
    for (const QScreen* display : QGuiApplication::screens()) areas << display->availableGeometry();
    return areas;
}

}  // namespace kelvane
