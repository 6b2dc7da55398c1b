#include "print/PrevPrinter.h"

#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPicture>
#include <stdexcept>

#include "print/PageReplay.h"
#include "print/PrevForm.h"

namespace kelvane {
namespace {

constexpr const char* kCanvasNotAvailable = "Canvas is not available before BeginDoc";

// The busy cursor while a job is sent, where there is a window system.
class BusyCursor {
public:
    BusyCursor() : shown_(qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
        if (shown_) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~BusyCursor() {
        if (shown_) QGuiApplication::restoreOverrideCursor();
    }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    bool shown_;
};

TCanvasState FirstCanvasState() {
    TCanvasState state;
    state.Font = TCanvasFont{"Arial", 10, 0, false};
    state.BrushStyle = bsClear;
    return state;
}

}  // namespace

TPreviewPrinter::TPreviewPrinter(TPrinterPort& port) : port_(port), canvasState_(FirstCanvasState()) {
    ReadMetrics();
}

TPreviewPrinter::~TPreviewPrinter() {
    canvas_.reset();
}

QPageLayout::Orientation TPreviewPrinter::PageOrientation() const {
    return Orientation == poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

void TPreviewPrinter::ReadMetrics() {
    metrics_ = MetricsOf(port_.PageLayout(PageOrientation()));
}

void TPreviewPrinter::BeginDoc() {
    canvas_.reset();
    pages_.clear();
    canvasState_ = FirstCanvasState();
    printing_ = true;
    NewPage();
}

void TPreviewPrinter::NewPage() {
    if (!printing_) throw std::logic_error("NewPage is only possible between BeginDoc and EndDoc");
    if (canvas_) {
        canvasState_ = canvas_->State();
        canvas_.reset();
    }
    ReadMetrics();
    pages_.push_back(std::make_unique<QPicture>());
    canvas_ = std::make_unique<TCanvas>(*pages_.back(), canvasState_, metrics_.PixelsPerInchY);
    pageUsed_ = false;
}

TCanvas& TPreviewPrinter::Canvas() {
    if (!printing_ || !canvas_) throw std::logic_error(kCanvasNotAvailable);
    pageUsed_ = true;
    return *canvas_;
}

void TPreviewPrinter::EndDoc() {
    if (!printing_) return;
    printing_ = false;
    if (canvas_) canvasState_ = canvas_->State();
    canvas_.reset();
    if (!pageUsed_ && !pages_.empty()) pages_.pop_back();
}

const QPicture& TPreviewPrinter::Page(int index) const {
    return *pages_.at(static_cast<std::size_t>(index));
}

void TPreviewPrinter::Preview(QWidget* parent) {
    if (printing_) throw std::logic_error("Preview is not possible while a document is being recorded");
    TPreviewForm form(*this, parent);
    form.ShowModal();
}

bool TPreviewPrinter::Print() {
    return PrintPages(0, PageCount() - 1);
}

bool TPreviewPrinter::PrintPages(int first, int last) {
    BusyCursor busy;
    QPagedPaintDevice* device = port_.BeginJob(Title, PageOrientation());
    if (!device) return false;
    QPainter painter;
    if (!painter.begin(device)) {
        port_.EndJob();
        return false;
    }
    for (int index = std::max(first, 0); index <= last && index < PageCount(); ++index) {
        ReplayOntoPaper(painter, Page(index));
        if (index < last && index + 1 < PageCount()) device->newPage();
    }
    painter.end();
    port_.EndJob();
    return true;
}

bool TPreviewPrinter::PrintDialog(QWidget* parent) {
    TPrintRange range;
    range.Last = PageCount() - 1;
    if (!port_.AskPrintRange(parent, PageCount(), range)) return false;
    for (int copy = 0; copy < range.Copies; ++copy) {
        if (!PrintPages(range.First, range.Last)) break;
    }
    return true;
}

bool TPreviewPrinter::ExportPdf(const QString& path) const {
    std::vector<const QPicture*> pages;
    for (const auto& page : pages_) pages.push_back(page.get());
    return WritePdf(path, pages, metrics_, Title);
}

}  // namespace kelvane
