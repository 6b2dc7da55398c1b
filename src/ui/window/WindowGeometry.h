#pragma once
#include <QList>
#include <QRect>
#include <optional>

#include "core/UserSettings.h"

class QWidget;

namespace kelvane {

// Where a window was when it last closed: its normal (not maximised)
// rectangle, without the frame, and whether it was maximised.
struct WindowPlacement {
    QRect Normal;
    bool Maximised = false;
};

// Remembers the main window's size, position and maximised state in the
// per-user settings and puts it back at start-up. A stored rectangle that
// lies on no screen's free area (the screen was unplugged or made smaller)
// is not used: the window keeps its default size, centred on its screen.
class WindowGeometry {
public:
    explicit WindowGeometry(UserSettings& settings) : settings_(settings) {}

    std::optional<WindowPlacement> Stored() const;
    void Store(const WindowPlacement& placement);
    // Stores where `window` is now.
    void StoreFrom(const QWidget& window);

    // Places `window` (shown or about to be) where it was, or at the default.
    void Restore(QWidget& window) const;

    // True when `normal` lies wholly on one of `freeAreas`.
    static bool Fits(const QRect& normal, const QList<QRect>& freeAreas);
    // The free area (without panels) of every screen.
    static QList<QRect> ScreenAreas();

private:
    UserSettings& settings_;
};

}  // namespace kelvane
