#include "report/PrevPrinter.h"

#include <QCursor>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPicture>
#include <stdexcept>

#include "core/Prompts.h"
#include "report/PageReplay.h"

namespace kelvane {
namespace {

constexpr const char* kCanvasNotAvailable = "Canvas is not available before BeginDoc";
constexpr const char* kNoPrinterMessage =
    "No printer is installed. Preview the report to export it as a PDF file.";
constexpr const char* kPrintFailedMessage = "The report could not be sent to the printer.";

std::string FileName(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

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
    port_.ShowPreview(*this, parent);
}

bool TPreviewPrinter::Print() {
    if (!MayReplaceFile(MessagePrompts, port_.OutputFile())) return false;
    if (PrintPages(0, PageCount() - 1)) return true;
    ReportFailedJob();
    return false;
}

bool TPreviewPrinter::PrintPages(int first, int last) {
    return PrintJob(first, last, 1);
}

bool TPreviewPrinter::PrintDialog(QWidget* parent) {
    TPrintRange range;
    range.Last = PageCount() - 1;
    if (!port_.AskPrintRange(parent, PageCount(), range)) return false;
    // The dialog has asked before a file is replaced; a second job into the
    // same file would replace the first.
    const bool intoFile = !port_.OutputFile().isEmpty();
    const int jobs = intoFile ? 1 : range.Copies;
    for (int job = 0; job < jobs; ++job) {
        if (!PrintJob(range.First, range.Last, intoFile ? range.Copies : 1)) {
            ReportFailedJob();
            break;
        }
    }
    return true;
}

void TPreviewPrinter::FitToPaper() {
    if (OnLayout && MetricsOf(port_.PageLayout(PageOrientation())) != metrics_) OnLayout();
}

bool TPreviewPrinter::PrintJob(int first, int last, int copies) {
    BusyCursor busy;
    FitToPaper();
    last = std::min(last, PageCount() - 1);
    first = std::max(first, 0);
    QPagedPaintDevice* device = port_.BeginJob(Title, PageOrientation());
    if (!device) return false;
    QPainter painter;
    if (!painter.begin(device)) {
        port_.EndJob();
        return false;
    }
    for (int copy = 0; copy < copies; ++copy) {
        for (int index = first; index <= last; ++index) {
            if (copy > 0 || index > first) device->newPage();
            ReplayOntoPaper(painter, Page(index));
        }
    }
    painter.end();
    port_.EndJob();
    return true;
}

void TPreviewPrinter::ReportFailedJob() const {
    if (!MessagePrompts) return;
    const QString file = port_.OutputFile();
    if (!file.isEmpty())
        MessagePrompts->Error("Unable to write to " + FileName(file));
    else
        MessagePrompts->Error(port_.PrinterInstalled() ? kPrintFailedMessage : kNoPrinterMessage);
}

bool TPreviewPrinter::ExportPdf(const QString& path) const {
    std::vector<const QPicture*> pages;
    for (const auto& page : pages_) pages.push_back(page.get());
    return WritePdf(path, pages, metrics_, Title);
}

bool MayReplaceFile(Prompts* prompts, const QString& path) {
    if (path.isEmpty() || !QFileInfo::exists(path)) return true;
    return prompts && prompts->Ask(PromptKind::Confirmation,
                                   FileName(path) + " already exists.\nDo you want to replace it?",
                                   PromptButtons::YesNo) == PromptAnswer::Yes;
}

}  // namespace kelvane
