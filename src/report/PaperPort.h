#pragma once
#include "report/PageMetrics.h"
#include "report/PrinterPort.h"

namespace kelvane {

// A port with no printer behind it: pages are laid out on one fixed paper
// (by default the locale's) with the margin of pages that have none, and
// nothing can be printed or previewed. For reports written only as PDF files.
class TPaperPort : public TPrinterPort {
public:
    explicit TPaperPort(const QPageSize& paper = LocaleDefaultPageSize()) : paper_(paper) {}

    bool PrinterInstalled() const override { return false; }
    QPageLayout PageLayout(QPageLayout::Orientation orientation) override {
        return QPageLayout(paper_, orientation, QMarginsF(0, 0, 0, 0));
    }
    QString OutputFile() const override { return {}; }
    QPagedPaintDevice* BeginJob(const QString&, QPageLayout::Orientation) override { return nullptr; }
    void EndJob() override {}
    bool AskPrintRange(QWidget*, int, TPrintRange&) override { return false; }
    void ShowPrinterSetup(QWidget*) override {}
    void ShowPreview(TPreviewPrinter&, QWidget*) override {}

private:
    QPageSize paper_;
};

}  // namespace kelvane
