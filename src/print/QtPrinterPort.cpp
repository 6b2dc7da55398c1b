#include "print/QtPrinterPort.h"

#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QPushButton>
#include <algorithm>

#include "print/PrevForm.h"
#include "report/PageMetrics.h"

namespace kelvane {

namespace {

// `layout` with the printer's unprintable margins as its margins.
QPageLayout WithUnprintableMargins(QPageLayout layout) {
    layout.setMargins(layout.minimumMargins());
    return layout;
}

}  // namespace

TQtPrinterPort::TQtPrinterPort() {
    // Without a printer the paper has no unprintable margin: the report then
    // keeps the margin of pages that have none, as a PDF written by the
    // command line does.
    if (!PrinterInstalled()) printer_.setPageSize(LocaleDefaultPageSize());
}

bool TQtPrinterPort::PrinterInstalled() const {
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

QPageLayout TQtPrinterPort::PageLayout(QPageLayout::Orientation orientation) {
    printer_.setPageOrientation(orientation);
    return WithUnprintableMargins(printer_.pageLayout());
}

QString TQtPrinterPort::OutputFile() const {
    return printer_.outputFormat() == QPrinter::PdfFormat ? printer_.outputFileName() : QString();
}

QPagedPaintDevice* TQtPrinterPort::BeginJob(const QString& title, QPageLayout::Orientation orientation) {
    // A printer without a device behind it prints only to a file.
    if (printer_.outputFormat() == QPrinter::PdfFormat && printer_.outputFileName().isEmpty()) return nullptr;
    if (!printer_.isValid()) return nullptr;
    printer_.setPageOrientation(orientation);
    // The pages are laid out inside the unprintable margins, as PageLayout gives them.
    printer_.setPageLayout(WithUnprintableMargins(printer_.pageLayout()));
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
    QPrintDialog dialog(&printer_, parent);
    dialog.setObjectName(QStringLiteral("PrinterSetupDialog"));
    dialog.setWindowTitle(QStringLiteral("Print Setup"));
    // The printer, its paper and its properties; which pages and how many
    // copies are the print dialog's to ask.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    // It sets up the printer and prints nothing.
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) ok->setText(QStringLiteral("OK"));
    }
    if (dialog.exec() != QDialog::Accepted) return;
    printer_.setCopyCount(1);
    printer_.setPrintRange(QPrinter::AllPages);
}

void TQtPrinterPort::ShowPreview(TPreviewPrinter& printer, QWidget* parent) {
    TPreviewForm form(printer, parent);
    form.ShowModal();
}

}  // namespace kelvane
