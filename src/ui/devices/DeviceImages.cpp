#include "ui/devices/DeviceImages.h"

#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>

static void InitDeviceResources() {
    Q_INIT_RESOURCE(devices);
}

namespace kelvane {

namespace {

// The disabled pictures keep the silver ground and fade every other colour
// to a grey of half the contrast against it.
constexpr int kSilver = 0xC0;

void FadeToGrey(QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = line[x];
            const int alpha = qAlpha(pixel);
            if (alpha == 0) continue;
            // Premultiplied: compare against silver at the pixel's own alpha.
            const int silver = kSilver * alpha / 255;
            const int grey = silver + (qGray(pixel) - silver) / 2;
            line[x] = qRgba(grey, grey, grey, alpha);
        }
    }
}

QString ResourceFor(int index) {
    return QStringLiteral(":/devices/device-%1.svg").arg(index, 2, 10, QLatin1Char('0'));
}

// Renders a tool icon at whatever size the button asks, in its mode.
class DeviceIconEngine : public QIconEngine {
public:
    DeviceIconEngine(const DeviceImages& images, int index) : images_(images), index_(index) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        ListFor(mode).Draw(*painter, rect, index_);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        return ListFor(mode).Pixmap(index_, size);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) override {
        // `size` is in device pixels already.
        QPixmap picture = ListFor(mode).Pixmap(index_, size);
        picture.setDevicePixelRatio(scale);
        return picture;
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
    QIconEngine* clone() const override { return new DeviceIconEngine(images_, index_); }
    QString key() const override { return QStringLiteral("KelvaneDeviceIcon"); }

private:
    const DeviceImageList& ListFor(QIcon::Mode mode) const {
        return mode == QIcon::Disabled ? images_.ImageList_Disabled : images_.imglstApollo;
    }

    const DeviceImages& images_;
    const int index_;
};

}  // namespace

QPixmap DeviceImageList::Pixmap(int index, QSize size, qreal ratio) const {
    if (index < 0 || index >= kDeviceImageCount) return QPixmap();
    return Rendered(index, size, ratio);
}

QPixmap DeviceImageList::Rendered(int index, QSize size, qreal ratio) const {
    if (size.isEmpty()) return QPixmap();
    const QSize pixels(static_cast<int>(std::lround(size.width() * ratio)),
                       static_cast<int>(std::lround(size.height() * ratio)));
    QPixmap& picture = rendered_[{index, pixels.width(), pixels.height()}];
    if (picture.isNull()) {
        QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderers_[static_cast<std::size_t>(index)]->render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
        painter.end();
        if (disabled_) FadeToGrey(image);
        picture = QPixmap::fromImage(std::move(image));
    }
    QPixmap shown = picture;
    shown.setDevicePixelRatio(ratio);
    return shown;
}

void DeviceImageList::Draw(QPainter& painter, const QRect& target, int index) const {
    if (index >= 0 && index < kDeviceImageCount) DrawPicture(painter, target, index);
}

void DeviceImageList::DrawPicture(QPainter& painter, const QRect& target, int picture) const {
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QPixmap shown = Rendered(picture, target.size(), ratio);
    if (!shown.isNull()) painter.drawPixmap(target, shown);
}

DeviceImages::DeviceImages() {
    InitDeviceResources();
    for (int index = 0; index < kDeviceImageCount; ++index)
        renderers_[static_cast<std::size_t>(index)] = std::make_unique<QSvgRenderer>(ResourceFor(index));
    renderers_[DeviceImageList::kEmptyPicture] =
        std::make_unique<QSvgRenderer>(QStringLiteral(":/devices/empty.svg"));
}

DeviceImages::~DeviceImages() = default;

QIcon DeviceImages::Icon(int index) const {
    return QIcon(new DeviceIconEngine(*this, index));
}

}  // namespace kelvane
