#pragma once
#include <QWidget>

#include "print/PageMetrics.h"

class QPicture;

namespace kelvane {

// One page area of the preview: the recorded page scaled onto the area (its
// paper's width and height onto the area's), and the one-inch grid.
class TPreviewPageArea : public QWidget {
    Q_OBJECT
public:
    explicit TPreviewPageArea(QWidget* parent = nullptr);

    // `page` null: the area stays blank.
    void SetPage(const QPicture* page, const TPageMetrics& metrics);
    void SetGrid(bool shown);
    bool HasPage() const { return page_ != nullptr; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void DrawGrid(QPainter& painter, double scaleX, double scaleY) const;

    const QPicture* page_ = nullptr;
    TPageMetrics metrics_;
    bool grid_ = false;
};

}  // namespace kelvane
