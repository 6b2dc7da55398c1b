#pragma once
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "core/Clock.h"
#include "core/Prompts.h"
#include "file/Document.h"
#include "model/Data.h"
#include "report/PrinterPort.h"
#include "report/SiteReport.h"

namespace kelvane {

class TfrmMain;
class TfrmPrint;

// The desktop program's printing, wired to the main window: the print
// options dialog (tool button and File > Print, after the code gate), the
// printer set-up dialog (File > Printer Properties and the dialog's
// Properties), and the site report previewed or printed on the port's
// current printer.
class TReportPrinting {
public:
    TReportPrinting(TfrmMain& frmMain, const TData& data, const Document& document, Prompts& prompts,
                    const Clock& clock, TPrinterPort& port);
    ~TReportPrinting();
    TReportPrinting(const TReportPrinting&) = delete;
    TReportPrinting& operator=(const TReportPrinting&) = delete;

    void ShowPrintOptions();
    void ShowPrinterProperties();
    // The report of the open site with `options`, the event log section from
    // the View Event Log tab; ready to preview or print, its questions and
    // messages through the window's prompts.
    std::unique_ptr<TfrmReports> BuildReport(const TReportOptions& options) const;
    void PreviewReport(const TReportOptions& options);
    // Prints every page without a print dialog; asks before it replaces a
    // file, and tells the user when no job could start.
    void PrintReport(const TReportOptions& options);

    TfrmPrint* frmPrint;

private:
    QString SuggestedPdfPath() const;

    TfrmMain& frmMain_;
    const TData& data_;
    const Document& document_;
    Prompts& prompts_;
    const Clock& clock_;
    TPrinterPort& port_;
    QString lastPdfPath_;
};

}  // namespace kelvane
