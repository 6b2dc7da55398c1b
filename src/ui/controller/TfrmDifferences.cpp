#include "ui/controller/TfrmDifferences.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "file/AtomicWriter.h"
#include "file/ConfigFile.h"
#include "ui/controller/DifferenceTableModel.h"

namespace kelvane {

namespace {

constexpr int kWidth = 760;
constexpr int kHeight = 480;

QPushButton* AddButton(QHBoxLayout* row, const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromLatin1(caption));
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

}  // namespace

TfrmDifferences::TfrmDifferences(Prompts& prompts, QWidget* parent) : QDialog(parent), prompts_(prompts) {
    setObjectName(QStringLiteral("frmDifferences"));
    setWindowModality(Qt::WindowModal);
    resize(kWidth, kHeight);

    lblHeading = new QLabel;
    lblHeading->setObjectName(QStringLiteral("lblHeading"));
    lblHeading->setWordWrap(true);

    model_ = new DifferenceTableModel(this);
    sorted_ = new QSortFilterProxyModel(this);
    sorted_->setSourceModel(model_);
    sorted_->setSortRole(DifferenceTableModel::SortRole);
    grdDifferences = new QTableView;
    grdDifferences->setObjectName(QStringLiteral("grdDifferences"));
    grdDifferences->setModel(sorted_);
    grdDifferences->setSortingEnabled(true);
    grdDifferences->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdDifferences->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdDifferences->setWordWrap(false);
    grdDifferences->verticalHeader()->hide();
    grdDifferences->verticalHeader()->setDefaultSectionSize(grdDifferences->fontMetrics().height() + 6);
    grdDifferences->horizontalHeader()->setStretchLastSection(true);

    auto* buttons = new QHBoxLayout;
    btnCopy = AddButton(buttons, "btnCopy", "Copy");
    btnSaveText = AddButton(buttons, "btnSaveText", "Save As Text...");
    buttons->addStretch();
    btnSaveAgain = AddButton(buttons, "btnSaveAgain", "Save Again");
    btnSaveAgain->setToolTip(
        QStringLiteral("Save the differing records to the controller again and verify them"));
    btnClose = AddButton(buttons, "btnClose", "Close");
    btnClose->setDefault(true);

    auto* column = new QVBoxLayout(this);
    column->addWidget(lblHeading);
    column->addWidget(grdDifferences);
    column->addLayout(buttons);

    connect(btnCopy, &QPushButton::clicked, this, &TfrmDifferences::CopyRows);
    connect(btnSaveText, &QPushButton::clicked, this, &TfrmDifferences::SaveAsText);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnSaveAgain, &QPushButton::clicked, this, [this] {
        accept();
        emit saveAgainRequested();
    });
    AskTextPath = [this] { return AskWithDialog(); };
}

void TfrmDifferences::ShowDifferences(const QString& caption, const QString& heading, const QString& headingA,
                                      const QString& headingB, std::vector<SiteDifference> differences,
                                      bool offerSaveAgain) {
    setWindowTitle(caption);
    lblHeading->setText(heading);
    model_->SetDifferences(std::move(differences), headingA, headingB);
    // Back to the order of a save: a stable sort by section keeps it.
    grdDifferences->sortByColumn(DifferenceTableModel::colSection, Qt::AscendingOrder);
    grdDifferences->resizeColumnsToContents();
    grdDifferences->clearSelection();
    btnSaveAgain->setVisible(offerSaveAgain);
    open();
}

const std::vector<SiteDifference>& TfrmDifferences::Differences() const {
    return model_->Differences();
}

std::string TfrmDifferences::ShownLines() const {
    std::string lines;
    for (int row = 0; row < sorted_->rowCount(); ++row) {
        const int source = sorted_->mapToSource(sorted_->index(row, 0)).row();
        lines += DifferenceLine(Differences()[static_cast<std::size_t>(source)]) + "\n";
    }
    return lines;
}

void TfrmDifferences::CopyRows() {
    QList<int> rows;
    for (const QModelIndex& index : grdDifferences->selectionModel()->selectedRows()) rows << index.row();
    std::sort(rows.begin(), rows.end());
    if (rows.isEmpty()) {
        for (int row = 0; row < sorted_->rowCount(); ++row) rows << row;
    }
    QStringList lines;
    QStringList headings;
    for (int column = 0; column < DifferenceTableModel::kColumnCount; ++column)
        headings << sorted_->headerData(column, Qt::Horizontal).toString();
    lines << headings.join(QLatin1Char('\t'));
    for (int row : rows) {
        QStringList cells;
        for (int column = 0; column < DifferenceTableModel::kColumnCount; ++column)
            cells << sorted_->index(row, column).data().toString();
        lines << cells.join(QLatin1Char('\t'));
    }
    QApplication::clipboard()->setText(lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

void TfrmDifferences::SaveAsText() {
    const std::optional<std::string> path = AskTextPath ? AskTextPath() : std::nullopt;
    if (!path) return;
    const std::string text = lblHeading->text().toLatin1().toStdString() + "\n\n" + ShownLines();
    if (!WriteFileAtomically(*path, text)) prompts_.Error(kUnableToWritePrefix + *path);
}

std::optional<std::string> TfrmDifferences::AskWithDialog() {
    if (!textDialog_) {
        textDialog_ = new QFileDialog(this);
        textDialog_->setAcceptMode(QFileDialog::AcceptSave);
        textDialog_->setNameFilters({QStringLiteral("Text Files (*.txt)"), QStringLiteral("All Files (*)")});
        textDialog_->setDefaultSuffix(QStringLiteral("txt"));
    }
    if (textDialog_->exec() != QDialog::Accepted || textDialog_->selectedFiles().isEmpty())
        return std::nullopt;
    return QFile::encodeName(textDialog_->selectedFiles().first()).toStdString();
}

}  // namespace kelvane
