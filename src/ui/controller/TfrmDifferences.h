#pragma once
#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "compare/SiteDifference.h"
#include "core/Prompts.h"

class QFileDialog;
class QLabel;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

namespace kelvane {

class DifferenceTableModel;

// The differences between the open site and the controller or another file:
// a heading and a table of section, record, field and the two values, which
// sorts by any column, copies its rows and saves them as text. For the
// controller it can offer to save the differing records again. Created once
// and reused; it opens window-modal and does not block its caller.
class TfrmDifferences : public QDialog {
    Q_OBJECT
public:
    explicit TfrmDifferences(Prompts& prompts, QWidget* parent = nullptr);

    // Fills the dialog and opens it. `headingA` and `headingB` name the two
    // value columns; `offerSaveAgain` shows "Save Again".
    void ShowDifferences(const QString& caption, const QString& heading, const QString& headingA,
                         const QString& headingB, std::vector<SiteDifference> differences,
                         bool offerSaveAgain);
    const std::vector<SiteDifference>& Differences() const;

    // The rows in the order the table shows them, as text lines.
    std::string ShownLines() const;
    // The selected rows (every row when none is selected) with the column
    // headings first, tab-separated, onto the clipboard.
    void CopyRows();
    // Asks for a file and writes the heading and the shown lines into it.
    void SaveAsText();

    // Asks where to save the text; nothing when the user cancelled. Tests
    // replace it; by default it is a file dialog kept between uses.
    std::function<std::optional<std::string>()> AskTextPath;

    QLabel* lblHeading;
    QTableView* grdDifferences;
    QPushButton* btnCopy;
    QPushButton* btnSaveText;
    QPushButton* btnSaveAgain;
    QPushButton* btnClose;

signals:
    // "Save Again" was pressed (the dialog has closed).
    void saveAgainRequested();

private:
    std::optional<std::string> AskWithDialog();

    Prompts& prompts_;
    DifferenceTableModel* model_;
    QSortFilterProxyModel* sorted_;
    QFileDialog* textDialog_ = nullptr;
};

}  // namespace kelvane
