#pragma once
#include <QBuffer>
#include <QPageLayout>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPicture>
#include <QTextItem>
#include <memory>
#include <optional>
#include <vector>

#include "print/PrevForm.h"
#include "report/PageReplay.h"
#include "report/PrevPrinter.h"
#include "report/PrinterPort.h"
#include "support/PdfFiles.h"

namespace kelvane::test {

// What a replayed page drew, in the page's device units.
struct DrawnText {
    QString text;
    QPointF topLeft;  // x where the text starts, y the top of its line
    double width = 0;
    // The top and the bottom of its letters' ink.
    double inkTop = 0;
    double inkBottom = 0;

    double Right() const { return topLeft.x() + width; }
    // Whether the two texts' letters share some height and their widths cross
    // (by more than a unit's rounding).
    bool Overlaps(const DrawnText& other) const {
        return inkTop + 1 < other.inkBottom && other.inkTop + 1 < inkBottom &&
               topLeft.x() + 1 < other.Right() && other.topLeft.x() + 1 < Right();
    }
};

struct DrawnPage {
    std::vector<DrawnText> texts;
    std::vector<QLineF> lines;
    std::vector<QRectF> rects;

    std::optional<DrawnText> Find(const QString& text) const {
        for (const DrawnText& drawn : texts)
            if (drawn.text == text) return drawn;
        return std::nullopt;
    }
    bool Has(const QString& text) const { return Find(text).has_value(); }
    std::optional<DrawnText> FindStarting(const QString& start) const {
        for (const DrawnText& drawn : texts)
            if (drawn.text.startsWith(start)) return drawn;
        return std::nullopt;
    }
    bool Empty() const { return texts.empty() && lines.empty() && rects.empty(); }
};

// A paint engine that keeps what it is asked to draw, transformed to device units.
class RecordingEngine : public QPaintEngine {
public:
    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }
    void updateState(const QPaintEngineState& state) override {
        if (state.state() & QPaintEngine::DirtyTransform) transform_ = state.transform();
    }
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        const QFontMetricsF metrics(item.font());
        const QRectF ink = transform_.mapRect(metrics.tightBoundingRect(item.text()).translated(p));
        page.texts.push_back({item.text(), transform_.map(QPointF(p.x(), p.y() - metrics.ascent())),
                              metrics.horizontalAdvance(item.text()) * transform_.m11(), ink.top(),
                              ink.bottom()});
    }
    void drawLines(const QLineF* lines, int count) override {
        for (int i = 0; i < count; ++i) page.lines.push_back(transform_.map(lines[i]));
    }
    void drawLines(const QLine* lines, int count) override {
        for (int i = 0; i < count; ++i) page.lines.push_back(transform_.map(QLineF(lines[i])));
    }
    void drawRects(const QRectF* rects, int count) override {
        for (int i = 0; i < count; ++i) page.rects.push_back(transform_.mapRect(rects[i]));
    }
    void drawRects(const QRect* rects, int count) override {
        for (int i = 0; i < count; ++i) page.rects.push_back(transform_.mapRect(QRectF(rects[i])));
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    // Rectangles drawn with a wide pen arrive as paths.
    void drawPath(const QPainterPath& path) override {
        page.rects.push_back(transform_.mapRect(path.boundingRect()));
    }
    // A line drawn with a pen of some width arrives as the outline of its
    // stroke: kept as the line along the stroke's middle.
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode) override {
        const QRectF stroke =
            transform_.mapRect(QPolygonF(QList<QPointF>(points, points + count)).boundingRect());
        const QPointF centre = stroke.center();
        page.lines.push_back(stroke.width() >= stroke.height()
                                 ? QLineF(stroke.left(), centre.y(), stroke.right(), centre.y())
                                 : QLineF(centre.x(), stroke.top(), centre.x(), stroke.bottom()));
    }

    DrawnPage page;

private:
    QTransform transform_;
};

// A test paint device of `dpi` that records through RecordingEngine.
class RecordingDevice : public QPaintDevice {
public:
    explicit RecordingDevice(int dpi = 600) : dpi_(dpi) {}
    ~RecordingDevice() override = default;
    QPaintEngine* paintEngine() const override { return &engine_; }
    const DrawnPage& Page() const { return engine_.page; }

protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
            case PdmWidth:
            case PdmHeight:
                return 20000;
            case PdmWidthMM:
            case PdmHeightMM:
                return 20000 * 254 / 10 / dpi_;
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY:
                return dpi_;
            case PdmDepth:
                return 32;
            case PdmNumColors:
                return 0x7fffffff;
            case PdmDevicePixelRatio:
                return 1;
            case PdmDevicePixelRatioScaled:
                return int(QPaintDevice::devicePixelRatioFScale());
            default:
                return 0;
        }
    }

private:
    int dpi_;
    mutable RecordingEngine engine_;
};

// Replays a recorded page at its own units (one recording unit, one device unit).
inline DrawnPage Replay(const QPicture& page) {
    RecordingDevice device;
    QPainter painter(&device);
    ReplayPage(painter, page, 1.0, 1.0);
    painter.end();
    return device.Page();
}

inline std::vector<DrawnPage> ReplayAll(const TPreviewPrinter& printer) {
    std::vector<DrawnPage> pages;
    for (int index = 0; index < printer.PageCount(); ++index) pages.push_back(Replay(printer.Page(index)));
    return pages;
}

// A printer port with one printer whose jobs are written to PDFs in memory.
class FakePrinterPort : public TPrinterPort {
public:
    struct Job {
        QString title;
        QPageLayout::Orientation orientation;
        int pages = 0;
    };

    bool installed = true;
    bool canPrint = true;
    // Where the jobs go when the printer prints to a file (they are not written).
    QString outputFile;
    QPageLayout layout{QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)};
    // What the print dialog answers; nullopt: cancelled.
    std::optional<TPrintRange> dialogAnswer;
    int dialogPageCount = -1;
    int setupShown = 0;
    std::vector<Job> jobs;

    bool PrinterInstalled() const override { return installed; }
    QPageLayout PageLayout(QPageLayout::Orientation orientation) override {
        QPageLayout turned = layout;
        turned.setOrientation(orientation);
        return turned;
    }
    QString OutputFile() const override { return outputFile; }
    QPagedPaintDevice* BeginJob(const QString& title, QPageLayout::Orientation orientation) override {
        if (!canPrint) return nullptr;
        buffer_ = std::make_unique<QBuffer>();
        buffer_->open(QIODevice::WriteOnly);
        writer_ = std::make_unique<QPdfWriter>(buffer_.get());
        writer_->setResolution(300);
        writer_->setPageLayout(PageLayout(orientation));
        jobs.push_back({title, orientation, 0});
        return writer_.get();
    }
    void EndJob() override {
        writer_.reset();
        jobs.back().pages = CountPdfPages(buffer_->data());
        buffer_.reset();
    }
    bool AskPrintRange(QWidget*, int pageCount, TPrintRange& range) override {
        dialogPageCount = pageCount;
        if (!dialogAnswer) return false;
        range = *dialogAnswer;
        return true;
    }
    void ShowPrinterSetup(QWidget*) override { ++setupShown; }
    void ShowPreview(TPreviewPrinter& printer, QWidget* parent) override {
        TPreviewForm form(printer, parent);
        form.ShowModal();
    }

private:
    std::unique_ptr<QBuffer> buffer_;
    std::unique_ptr<QPdfWriter> writer_;
};

// An A4 page with the same margin, in inches, all round.
inline QPageLayout A4WithMargins(double inches) {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(inches, inches, inches, inches), QPageLayout::Inch);
}

}  // namespace kelvane::test
