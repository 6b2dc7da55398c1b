#pragma once
#include <QDialog>

class QCheckBox;
class QPushButton;

namespace kelvane {

// The question Convert asks before it reads a printout into the site:
// whether place names the printout holds that are neither standard nor
// custom names become custom place names. Created once and reused.
class TOKCustomNameDlg : public QDialog {
    Q_OBJECT
public:
    explicit TOKCustomNameDlg(QWidget* parent = nullptr);

    QCheckBox* chkBox1;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
};

}  // namespace kelvane
