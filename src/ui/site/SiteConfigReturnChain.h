#pragma once
#include <QObject>
#include <vector>

class QWidget;

namespace kelvane {

// Return (or Enter) in one of a chain of boxes moves the focus to the next
// box of the chain, and from the last one back to the first.
class SiteConfigReturnChain : public QObject {
    Q_OBJECT
public:
    explicit SiteConfigReturnChain(QObject* parent = nullptr);

    void Append(QWidget* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<QWidget*> boxes_;
};

}  // namespace kelvane
