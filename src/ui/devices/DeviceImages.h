#pragma once
#include <QIcon>
#include <QPixmap>
#include <array>
#include <map>
#include <memory>
#include <tuple>

class QPainter;
class QSvgRenderer;

namespace kelvane {

inline constexpr int kDeviceImageCount = 16;  // type codes 0..15
inline constexpr int kDeviceImageSide = 50;   // the pictures' own size, in pixels

// One list of device pictures, indexed by type code 0..15; image 0 is the
// remove tool and the empty address. The pictures are vector drawings,
// rendered at the size and screen scale asked for and kept once rendered.
class DeviceImageList {
public:
    DeviceImageList(const DeviceImageList&) = delete;
    DeviceImageList& operator=(const DeviceImageList&) = delete;

    int Count() const { return kDeviceImageCount; }
    bool Disabled() const { return disabled_; }

    // Image `index` at `size` logical pixels for a screen scale of `ratio`;
    // a null pixmap for an index outside 0..15.
    QPixmap Pixmap(int index, QSize size = QSize(kDeviceImageSide, kDeviceImageSide),
                   qreal ratio = 1.0) const;
    // Draws image `index` into `target` at the painter's screen scale; draws
    // nothing for an index outside 0..15.
    void Draw(QPainter& painter, const QRect& target, int index) const;

private:
    friend class DeviceImages;
    // The type pictures, then the loop view's picture of an empty address.
    static constexpr int kEmptyPicture = kDeviceImageCount;
    using Renderers = std::array<std::unique_ptr<QSvgRenderer>, kDeviceImageCount + 1>;
    QPixmap Rendered(int picture, QSize size, qreal ratio) const;
    void DrawPicture(QPainter& painter, const QRect& target, int picture) const;
    DeviceImageList(const Renderers& renderers, bool disabled) : renderers_(renderers), disabled_(disabled) {}

    const Renderers& renderers_;
    const bool disabled_;
    // (index, device width, device height) -> picture
    mutable std::map<std::tuple<int, int, int>, QPixmap> rendered_;
};

// The two image lists of the device editors, one object for the whole run,
// shared by the Device Summary tool bar and the Devices tab: `imglstApollo`
// for enabled devices, `ImageList_Disabled` for disabled ones (the same
// drawings in faded grey on the silver ground).
class DeviceImages {
public:
    DeviceImages();
    ~DeviceImages();
    DeviceImages(const DeviceImages&) = delete;
    DeviceImages& operator=(const DeviceImages&) = delete;

    // The list for a device with this enabled flag (greater than 0: enabled).
    const DeviceImageList& ListFor(int enabledFlag) const {
        return enabledFlag > 0 ? imglstApollo : ImageList_Disabled;
    }
    // A tool icon for type code `index`: the enabled picture, and the disabled
    // one when the tool is disabled. Sharp at every size and screen scale.
    QIcon Icon(int index) const;
    // The loop view's picture of an empty address (`imgEmpty`): the bare
    // mounting plate on silver, quieter than the remove tool's picture 0.
    void DrawEmpty(QPainter& painter, const QRect& target) const {
        imglstApollo.DrawPicture(painter, target, DeviceImageList::kEmptyPicture);
    }

    // The lists hold a reference to the drawings below, so the order in
    // which the members are built does not matter.
    const DeviceImageList imglstApollo{renderers_, false};
    const DeviceImageList ImageList_Disabled{renderers_, true};

private:
    DeviceImageList::Renderers renderers_;
};

}  // namespace kelvane
