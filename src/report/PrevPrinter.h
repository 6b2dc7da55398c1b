#pragma once
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "report/Canvas.h"
#include "report/PageMetrics.h"
#include "report/PrinterPort.h"

class QPicture;
class QWidget;

namespace kelvane {

class Prompts;

enum TPrinterOrientation { poPortrait, poLandscape };

// How the preview opens: fitted to the page or to the width, or at one of
// the zoom list's fixed factors.
enum TZoomOption { zoFitToPage, zoFitToWidth, zo25, zo50, zo75, zo100, zo125, zo150, zo200, zo300, zo400 };

// Records a document as a list of pages before anything is printed; the
// pages can then be previewed, printed in whole or in part, or written to
// a PDF. Every page is recorded in units of 1/600 inch on the current
// printer's paper and margins (the locale's default paper when no printer
// is installed), and scaled when it is replayed, so the document looks the
// same on any printer, on the screen and in a PDF. A document that can lay
// itself out again (OnLayout) does so when it is printed on other paper.
class TPreviewPrinter {
public:
    explicit TPreviewPrinter(TPrinterPort& port);
    ~TPreviewPrinter();
    TPreviewPrinter(const TPreviewPrinter&) = delete;
    TPreviewPrinter& operator=(const TPreviewPrinter&) = delete;

    TPrinterOrientation Orientation = poPortrait;
    // The print job's title.
    QString Title;
    // Whether the preview opens with the grid on.
    bool ShowGrid = false;
    TZoomOption ZoomOption = zoFitToPage;
    // The file the preview's PDF export offers first; the last one written
    // once it has written one.
    QString PdfPath;
    // Where the preview tells of a PDF it could not write, printing tells of
    // a job that could not be printed, and a job asks before it replaces a
    // file; null: nowhere (and no file is replaced).
    Prompts* MessagePrompts = nullptr;
    // Draws the whole document again, from BeginDoc to EndDoc, on the
    // current printer's paper. A job on other paper or margins than the
    // pages were recorded on calls it first; unset, the pages print as they
    // were recorded.
    std::function<void()> OnLayout;

    bool Printing() const { return printing_; }
    bool PageUsed() const { return pageUsed_; }

    // Page metrics, read whenever a page is begun.
    const TPageMetrics& Metrics() const { return metrics_; }
    int PixelsPerInchX() const { return metrics_.PixelsPerInchX; }
    int PixelsPerInchY() const { return metrics_.PixelsPerInchY; }
    int PageWidth() const { return metrics_.PageWidth; }
    int PageHeight() const { return metrics_.PageHeight; }
    int PageOffsetX() const { return metrics_.PageOffsetX; }
    int PageOffsetY() const { return metrics_.PageOffsetY; }

    // Discards every recorded page and begins the first of a new document.
    void BeginDoc();
    // Begins a new page; its canvas takes over the previous one's font, pen
    // and brush. Only while printing.
    void NewPage();
    // The canvas of the page being recorded; marks the page used. Only while
    // printing ("Canvas is not available before BeginDoc").
    TCanvas& Canvas();
    // Ends the document; a last page on which nothing was drawn is dropped.
    void EndDoc();

    int PageCount() const { return static_cast<int>(pages_.size()); }
    // Recorded page `index` (from 0); only once the document has ended.
    const QPicture& Page(int index) const;

    // Opens the port's preview window modally on the recorded pages. Not
    // while printing.
    void Preview(QWidget* parent = nullptr);
    // Prints every page as one job on the current printer, without a
    // dialog. A job that would replace a file asks first. False when nothing
    // was printed; a job that failed has been reported.
    bool Print();
    // Prints pages `first` to `last` (from 0) as one job on the current
    // printer; false when no job could start.
    bool PrintPages(int first, int last);
    // The platform's print dialog: the chosen range, as many jobs as copies
    // (into a file, the copies one after the other in one job). A job that
    // failed is reported. True when the dialog was confirmed.
    bool PrintDialog(QWidget* parent = nullptr);
    // Writes every page to a PDF file; false when it cannot be written.
    bool ExportPdf(const QString& path) const;

    TPrinterPort& Port() { return port_; }

private:
    void ReadMetrics();
    // Lays the document out again when the printer's paper is not the one
    // the pages were recorded on.
    void FitToPaper();
    bool PrintJob(int first, int last, int copies);
    void ReportFailedJob() const;
    QPageLayout::Orientation PageOrientation() const;

    TPrinterPort& port_;
    std::vector<std::unique_ptr<QPicture>> pages_;
    std::unique_ptr<TCanvas> canvas_;
    TCanvasState canvasState_;
    TPageMetrics metrics_;
    bool printing_ = false;
    bool pageUsed_ = false;
};

// Whether the file at `path` may be written: true when there is none, or
// when the user agrees through `prompts` to replace it (never without them).
bool MayReplaceFile(Prompts* prompts, const QString& path);

}  // namespace kelvane
