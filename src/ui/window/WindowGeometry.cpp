#include "ui/window/WindowGeometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace kelvane {

namespace {

constexpr const char* kLeftKey = "Window/Left";
constexpr const char* kTopKey = "Window/Top";
constexpr const char* kWidthKey = "Window/Width";
constexpr const char* kHeightKey = "Window/Height";
constexpr const char* kMaximisedKey = "Window/Maximised";

void Centre(QWidget& window) {
    const QScreen* display = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!display) return;
    const QRect area = display->availableGeometry();
    const QRect frame = window.frameGeometry();
    window.move(area.center() - QPoint(frame.width() / 2, frame.height() / 2));
}

}  // namespace

std::optional<WindowPlacement> WindowGeometry::Stored() const {
    const auto left = settings_.Number(kLeftKey);
    const auto top = settings_.Number(kTopKey);
    const auto width = settings_.Number(kWidthKey);
    const auto height = settings_.Number(kHeightKey);
    if (!left || !top || !width || !height || *width <= 0 || *height <= 0) return std::nullopt;
    return WindowPlacement{QRect(*left, *top, *width, *height),
                           settings_.Number(kMaximisedKey).value_or(0) != 0};
}

void WindowGeometry::Store(const WindowPlacement& placement) {
    settings_.SetNumber(kLeftKey, placement.Normal.x());
    settings_.SetNumber(kTopKey, placement.Normal.y());
    settings_.SetNumber(kWidthKey, placement.Normal.width());
    settings_.SetNumber(kHeightKey, placement.Normal.height());
    settings_.SetNumber(kMaximisedKey, placement.Maximised ? 1 : 0);
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
