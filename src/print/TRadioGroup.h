#pragma once
#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

namespace kelvane {

// A framed column of radio buttons of which one is chosen, by index.
class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit TRadioGroup(const QStringList& items, QWidget* parent = nullptr);

    int ItemIndex() const;
    void SetItemIndex(int index);
    QRadioButton* Item(int index) const;

private:
    QButtonGroup* buttons_;
};

}  // namespace kelvane
