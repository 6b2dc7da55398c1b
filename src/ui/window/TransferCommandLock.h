#pragma once
#include <QObject>
#include <QPointer>
#include <vector>

class QAction;
class QActionGroup;
class QWidget;

namespace kelvane {

// Keeps a set of commands (menu items with their short cuts, tool and page
// buttons) disabled while a controller transfer runs. The window goes on
// enabling and disabling them as it always does (Save follows the modified
// state, the page buttons follow the page); while locked, what it sets is
// kept and takes effect when the transfer ends.
class TransferCommandLock : public QObject {
    Q_OBJECT
public:
    explicit TransferCommandLock(QObject* parent = nullptr);

    // An action's own setEnabled goes on working: while locked it is noted.
    void Add(QAction* action);
    // A button's state is set through SetEnabled once it is added.
    void Add(QWidget* button);
    void SetEnabled(QWidget* button, bool enabled);

    void SetLocked(bool locked);
    bool Locked() const { return locked_; }

signals:
    // The lock was taken (true) or released (false), for whatever else the
    // window holds back while a transfer runs.
    void lockChanged(bool locked);

private:
    struct Button {
        QPointer<QWidget> widget;
        bool wanted = true;  // the state the window last gave it
    };
    void Apply(const Button& button) const;

    QActionGroup* actions_;
    std::vector<Button> buttons_;
    bool locked_ = false;
};

}  // namespace kelvane
