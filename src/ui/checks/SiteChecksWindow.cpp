#include "ui/checks/SiteChecksWindow.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "qt/Latin1.h"
#include "ui/checks/HelpKey.h"
#include "ui/checks/SiteReview.h"

namespace kelvane {
namespace {

enum Column { ColSeverity, ColRecord, ColMessage, ColumnCount };

QIcon StyleIcon(QStyle::StandardPixmap pixmap) {
    const QStyle* style = QApplication::style();
    return QIcon(style->standardIcon(pixmap).pixmap(style->pixelMetric(QStyle::PM_SmallIconSize)));
}

QIcon SeverityIcon(Severity severity) {
    switch (severity) {
        case Severity::Error:
            return StyleIcon(QStyle::SP_MessageBoxCritical);
        case Severity::Warning:
            return StyleIcon(QStyle::SP_MessageBoxWarning);
        case Severity::Note:
            break;
    }
    return StyleIcon(QStyle::SP_MessageBoxInformation);
}

}  // namespace

SiteChecksWindow::SiteChecksWindow(const SiteReview& review, QWidget* parent)
    : QDockWidget(QStringLiteral("Site Checks"), parent),
      review_(review),
      icons_{SeverityIcon(Severity::Error), SeverityIcon(Severity::Warning), SeverityIcon(Severity::Note)} {
    setObjectName(QStringLiteral("SiteChecksWindow"));
    auto* body = new QWidget;
    auto* column = new QVBoxLayout(body);
    column->setContentsMargins(4, 4, 4, 4);
    lblSummary = new QLabel;
    lblSummary->setObjectName(QStringLiteral("lblSummary"));
    column->addWidget(lblSummary);
    lstFindings = new QTreeWidget;
    lstFindings->setObjectName(QStringLiteral("lstFindings"));
    lstFindings->setColumnCount(ColumnCount);
    lstFindings->setHeaderLabels(
        {QStringLiteral("Severity"), QStringLiteral("Record"), QStringLiteral("Message")});
    lstFindings->setRootIsDecorated(false);
    lstFindings->setUniformRowHeights(true);
    lstFindings->setWordWrap(false);
    lstFindings->setToolTip(QStringLiteral("Double-click a finding to go to its device, zone or group"));
    lstFindings->header()->setStretchLastSection(true);
    FitFixedColumns();
    column->addWidget(lstFindings);
    setWidget(body);

    connect(lstFindings, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item, int) { Choose(item); });
    new HelpKey(*this, [this] {
        if (OnHelp) OnHelp();
    });
    ShowFindings();
}

void SiteChecksWindow::ShowFindings() {
    const int row = lstFindings->currentIndex().row();
    lstFindings->clear();
    QList<QTreeWidgetItem*> items;
    for (const SiteFinding& finding : review_.Findings()) {
        auto* item = new QTreeWidgetItem;
        item->setIcon(ColSeverity, icons_[static_cast<std::size_t>(finding.severity)]);
        item->setText(ColSeverity, Latin1(SeverityText(finding.severity)));
        item->setText(ColRecord, Latin1(finding.record.Text()));
        item->setText(ColMessage, Latin1(finding.message));
        item->setToolTip(ColMessage, QString::fromLatin1(finding.code.data(),
                                                         static_cast<qsizetype>(finding.code.size())) +
                                         QStringLiteral(": ") + Latin1(finding.message));
        items.append(item);
    }
    lstFindings->addTopLevelItems(items);
    if (row >= 0 && !items.isEmpty())
        lstFindings->setCurrentItem(items.at(std::min(row, int(items.size()) - 1)));
    lblSummary->setText(review_.Findings().empty() ? QStringLiteral("The site checks find nothing to mend.")
                                                   : review_.CountText());
}

void SiteChecksWindow::FitFixedColumns() {
    // Sized once for their longest texts: measuring every finding again at
    // each refresh would cost more than the whole of the checks.
    const QFontMetrics metrics = lstFindings->fontMetrics();
    const int icon = lstFindings->style()->pixelMetric(QStyle::PM_SmallIconSize);
    const int margins = 3 * lstFindings->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 16;
    lstFindings->setColumnWidth(ColSeverity,
                                icon + metrics.horizontalAdvance(QStringLiteral("Severity")) + margins);
    lstFindings->setColumnWidth(ColRecord, metrics.horizontalAdvance(QStringLiteral("device 256")) + margins);
}

void SiteChecksWindow::Choose(QTreeWidgetItem* item) {
    const int index = lstFindings->indexOfTopLevelItem(item);
    const std::vector<SiteFinding>& findings = review_.Findings();
    if (index < 0 || index >= static_cast<int>(findings.size()) || !OnChosen) return;
    // A copy: going to the record may refresh the review.
    const SiteFinding chosen = findings[static_cast<std::size_t>(index)];
    OnChosen(chosen);
}

}  // namespace kelvane
