#pragma once
#include <QPrinter>

#include "report/PrinterPort.h"

namespace kelvane {

// The printers the platform knows of and the preview window, through one QPrinter kept for the
// whole run, so that what the set-up dialog chose stays chosen. With no
// printer installed it holds the locale's default paper and prints only to
// a file that the print dialog names. Margins that a dialog sets are not
// used: the reports lay themselves out inside the unprintable margins.
class TQtPrinterPort : public TPrinterPort {
public:
    TQtPrinterPort();

    bool PrinterInstalled() const override;
    QPageLayout PageLayout(QPageLayout::Orientation orientation) override;
    QString OutputFile() const override;
    QPagedPaintDevice* BeginJob(const QString& title, QPageLayout::Orientation orientation) override;
    void EndJob() override {}
    bool AskPrintRange(QWidget* parent, int pageCount, TPrintRange& range) override;
    void ShowPrinterSetup(QWidget* parent) override;
    void ShowPreview(TPreviewPrinter& printer, QWidget* parent) override;

    QPrinter& Printer() { return printer_; }

private:
    QPrinter printer_{QPrinter::HighResolution};
};

}  // namespace kelvane
