#pragma once
#include <QWidget>

#include "report/PageMetrics.h"

namespace kelvane {

class TPreviewPrinter;

// One page area of the preview: a recorded page of the printer scaled onto
// the area (its paper's width and height onto the area's), and the
// one-inch grid. The page is looked up as it is painted, so the area shows
// the printer's pages even after they were laid out again.
class TPreviewPageArea : public QWidget {
    Q_OBJECT
public:
    explicit TPreviewPageArea(QWidget* parent = nullptr);

    // Page `index` (from 0) of `printer`; null, or a page the printer does
    // not have: the area stays blank.
    void SetPage(const TPreviewPrinter* printer, int index);
    void SetGrid(bool shown);
    bool HasPage() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void DrawGrid(QPainter& painter, const TPageMetrics& metrics, double scaleX, double scaleY) const;

    const TPreviewPrinter* printer_ = nullptr;
    int index_ = 0;
    bool grid_ = false;
};

}  // namespace kelvane
