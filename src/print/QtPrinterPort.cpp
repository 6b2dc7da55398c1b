#include "print/QtPrinterPort.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <algorithm>

#include "print/PageMetrics.h"

namespace kelvane {

TQtPrinterPort::TQtPrinterPort() {
    // Without a printer the paper has no unprintable margin: the report then
    // keeps the margin of pages that have none, as a PDF written by the
    // command line does.
    if (!PrinterInstalled()) {
        printer_.setPageSize(LocaleDefaultPageSize());
        printer_.setPageMargins(QMarginsF(0, 0, 0, 0));
    }
}

bool TQtPrinterPort::PrinterInstalled() const {
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

QPageLayout TQtPrinterPort::PageLayout(QPageLayout::Orientation orientation) {
    printer_.setPageOrientation(orientation);
    return printer_.pageLayout();
}

QPagedPaintDevice* TQtPrinterPort::BeginJob(const QString& title, QPageLayout::Orientation orientation) {
    // A printer without a device behind it prints only to a file.
    if (printer_.outputFormat() == QPrinter::PdfFormat && printer_.outputFileName().isEmpty()) return nullptr;
    if (!printer_.isValid()) return nullptr;
    printer_.setPageOrientation(orientation);
    printer_.setDocName(title);
    return &printer_;
}

bool TQtPrinterPort::AskPrintRange(QWidget* parent, int pageCount, TPrintRange& range) {
    const int lastPage = std::max(pageCount, 1);
    QPrintDialog dialog(&printer_, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setMinMax(1, lastPage);
    dialog.setFromTo(1, lastPage);
    dialog.setPrintRange(QAbstractPrintDialog::AllPages);
    if (dialog.exec() != QDialog::Accepted) return false;
    range.First = 0;
    range.Last = pageCount - 1;
    if (dialog.printRange() == QAbstractPrintDialog::PageRange && dialog.fromPage() > 0) {
        range.First = dialog.fromPage() - 1;
        range.Last = std::min(dialog.toPage(), pageCount) - 1;
    }
    // Each copy goes out as a job of its own.
    range.Copies = std::max(printer_.copyCount(), 1);
    printer_.setCopyCount(1);
    return true;
}

void TQtPrinterPort::ShowPrinterSetup(QWidget* parent) {
    QPageSetupDialog dialog(&printer_, parent);
    dialog.exec();
}

}  // namespace kelvane
