#pragma once
#include <QPoint>
#include <QWidget>

class QVBoxLayout;

namespace kelvane {

// A title bar with the caption and no buttons, for the dialogs that must not
// offer minimise, maximise or close: window managers draw those buttons
// whatever the window asks for. Given its window, the bar makes it
// frameless and takes the title bar's place: it shows the window's caption
// (and follows it), moves the window when dragged, and draws a thin border
// round the window. The window puts the bar at its top and keeps
// `kBorder` pixels free at its edges.
class CaptionBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = 22;
    static constexpr int kBorder = 1;

    explicit CaptionBar(QWidget* window);

    // For a fixed-size window laid out by a layout: gives `window` a bar
    // and a border and returns the layout its content goes into.
    static QVBoxLayout* FrameWithContent(QWidget* window);

    QString Caption() const { return window_->windowTitle(); }
    QSize sizeHint() const override { return {120, kHeight}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PaintBorder();

    QWidget* window_;
    bool dragging_ = false;
    QPoint grabbedAt_;  // the pointer's place in the window when the drag began
};

}  // namespace kelvane
