#pragma once
#include <QPageLayout>
#include <QString>

class QPagedPaintDevice;
class QWidget;

namespace kelvane {

class TPreviewPrinter;

// What the print dialog chose: pages First..Last (indices from 0), each
// copy to go out as a job of its own.
struct TPrintRange {
    int First = 0;
    int Last = -1;
    int Copies = 1;
};

// The platform's printing as the preview printer uses it: the current
// printer's paper, its print jobs, its dialogs and the preview window. The
// program has one for the whole run; tests put in their own.
class TPrinterPort {
public:
    virtual ~TPrinterPort() = default;

    // True when at least one printer is installed.
    virtual bool PrinterInstalled() const = 0;
    // The current printer's paper, turned to `orientation`, its margins the
    // printer's unprintable margins (whatever margins a dialog was given).
    virtual QPageLayout PageLayout(QPageLayout::Orientation orientation) = 0;
    // The file that a job on the current printer writes when it prints to a
    // file; empty when it prints on paper.
    virtual QString OutputFile() const = 0;
    // Starts a print job on the current printer; the device its pages are
    // painted on, or null when no job can start. EndJob follows once the
    // painter on the device has ended.
    virtual QPagedPaintDevice* BeginJob(const QString& title, QPageLayout::Orientation orientation) = 0;
    virtual void EndJob() = 0;
    // The platform's print dialog for pages 1..pageCount (page range
    // selection allowed); false when cancelled.
    virtual bool AskPrintRange(QWidget* parent, int pageCount, TPrintRange& range) = 0;
    // The platform's printer set-up dialog: which printer, its paper and its
    // properties.
    virtual void ShowPrinterSetup(QWidget* parent) = 0;
    // The preview window on the pages `printer` recorded, modal; it is
    // destroyed when it closes.
    virtual void ShowPreview(TPreviewPrinter& printer, QWidget* parent) = 0;
};

}  // namespace kelvane
