#pragma once
#include <QDialog>

class QPushButton;
class QSpinBox;

namespace kelvane {

// "Go to Page Number": a page number from 1 to the document's last page.
class TGoPageForm : public QDialog {
    Q_OBJECT
public:
    explicit TGoPageForm(QWidget* parent = nullptr);

    // Sets the upper limit and the number shown.
    void SetPages(int pageCount, int pageNumber);
    int PageNumber() const;

    QSpinBox* PageNum;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
};

}  // namespace kelvane
