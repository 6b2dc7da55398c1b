#pragma once
#include <QIconEngine>
#include <functional>

namespace kelvane {

// An icon drawn by code at whatever size and pixel ratio it is shown, so that
// it stays sharp on every screen. The drawing is made for a square of
// `designSize` units and scaled to the size asked for; the disabled look is
// the style's own.
class PaintedIconEngine : public QIconEngine {
public:
    using Drawing = std::function<void(QPainter&)>;

    PaintedIconEngine(qreal designSize, Drawing drawing);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;
    QString key() const override;

    // An icon of this engine.
    static QIcon Icon(qreal designSize, Drawing drawing);

private:
    qreal designSize_;
    Drawing drawing_;
};

}  // namespace kelvane
