#pragma once
#include <QWidget>

class QToolButton;

namespace kelvane {

// A pair of small arrows, up above down, that step a value by one per click
// (repeating while held).
class SiteConfigUpDown : public QWidget {
    Q_OBJECT
public:
    explicit SiteConfigUpDown(QWidget* parent = nullptr);

    QToolButton* UpArrow() const { return up_; }
    QToolButton* DownArrow() const { return down_; }

signals:
    // +1 for the up arrow, -1 for the down arrow.
    void stepped(int step);

private:
    QToolButton* up_;
    QToolButton* down_;
};

}  // namespace kelvane
