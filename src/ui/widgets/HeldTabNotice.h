#pragma once
#include <QObject>
#include <QString>
#include <functional>

class QTabBar;

namespace kelvane {

// A click on a tab that is held back (disabled) does nothing by itself, and a
// hint shows only over an active window: this passes the tab's hint, its
// reason, to `show` when such a tab is clicked.
class HeldTabNotice : public QObject {
public:
    HeldTabNotice(QTabBar* tabs, std::function<void(const QString&)> show);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTabBar* tabs_;
    std::function<void(const QString&)> show_;
};

}  // namespace kelvane
