#pragma once
#include <QObject>
#include <functional>

class QWidget;

namespace kelvane {

// F1 anywhere in a window (docked in the main window or floating) opens that
// window's own help page rather than the main window's.
class HelpKey : public QObject {
public:
    HelpKey(QWidget& window, std::function<void()> showHelp);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> showHelp_;
};

}  // namespace kelvane
