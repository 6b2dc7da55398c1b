#pragma once
#include <QDialog>

class QLabel;
class QPushButton;

namespace kelvane {

// The about box: program icon, product name and version, and OK.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    QLabel* ProductName;
    QLabel* Version;
    QPushButton* OKButton;
};

}  // namespace kelvane
