#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <set>

#include "ui/devices/DeviceImages.h"
#include "ui/widgets/AppIcons.h"

namespace kelvane::test {
namespace {

constexpr QRgb kSilver = 0xFFC0C0C0;

int ColouredPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qRed(pixel) != qGreen(pixel) || qGreen(pixel) != qBlue(pixel)) ++count;
        }
    return count;
}

class DeviceImagesTest : public ::testing::Test {
protected:
    DeviceImages images;
};

TEST_F(DeviceImagesTest, EveryTypeHasItsOwnFiftyPixelPictureOnSilver) {
    std::set<QByteArray> seen;
    for (int code = 0; code < kDeviceImageCount; ++code) {
        const QImage image =
            images.imglstApollo.Pixmap(code).toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(image.size(), QSize(50, 50)) << code;
        EXPECT_EQ(image.pixel(0, 0), kSilver) << code;
        EXPECT_EQ(image.pixel(49, 49), kSilver) << code;
        // There is a drawing on the ground, and no two types look the same.
        int drawn = 0;
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < 50; ++x) drawn += image.pixel(x, y) != kSilver;
        EXPECT_GT(drawn, 200) << code;
        const QByteArray bytes(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
        EXPECT_TRUE(seen.insert(bytes).second) << code;
    }
    EXPECT_GT(ColouredPixels(images.imglstApollo.Pixmap(1).toImage()), 100);  // the red call button
}

TEST_F(DeviceImagesTest, DisabledPicturesAreTheSameDrawingsInGrey) {
    for (int code = 0; code < kDeviceImageCount; ++code) {
        const QImage enabled =
            images.imglstApollo.Pixmap(code).toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage disabled =
            images.ImageList_Disabled.Pixmap(code).toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(disabled.size(), QSize(50, 50));
        EXPECT_EQ(ColouredPixels(disabled), 0) << code;
        EXPECT_EQ(disabled.pixel(0, 0), kSilver) << code;
        EXPECT_NE(enabled, disabled) << code;
    }
    EXPECT_EQ(&images.ListFor(1), &images.imglstApollo);
    EXPECT_EQ(&images.ListFor(0), &images.ImageList_Disabled);
    EXPECT_EQ(&images.ListFor(-1), &images.ImageList_Disabled);
}

TEST_F(DeviceImagesTest, HighScreenScalesGetSharpPicturesAndOddIndicesNone) {
    const QPixmap doubled = images.imglstApollo.Pixmap(7, QSize(50, 50), 2.0);
    EXPECT_EQ(doubled.size(), QSize(100, 100));
    EXPECT_EQ(doubled.devicePixelRatio(), 2.0);
    EXPECT_TRUE(images.imglstApollo.Pixmap(16).isNull());
    EXPECT_TRUE(images.imglstApollo.Pixmap(-1).isNull());

    QImage canvas(QSize(120, 120), QImage::Format_ARGB32);
    canvas.setDevicePixelRatio(2.0);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    images.imglstApollo.Draw(painter, QRect(0, 0, 50, 50), 4);
    images.imglstApollo.Draw(painter, QRect(0, 0, 50, 50), 99);  // draws nothing
    painter.end();
    EXPECT_EQ(canvas.pixel(1, 1), kSilver);
    EXPECT_EQ(canvas.pixel(101, 101), 0xFFFFFFFF);  // device pixels past the 50-point picture
}

TEST_F(DeviceImagesTest, ToolIconsShowTheDisabledPictureWhenDisabled) {
    const QIcon icon = images.Icon(9);
    const QImage normal = icon.pixmap(QSize(50, 50)).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage greyed =
        icon.pixmap(QSize(50, 50), QIcon::Disabled).toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(normal, images.imglstApollo.Pixmap(9).toImage().convertToFormat(QImage::Format_ARGB32));
    EXPECT_EQ(ColouredPixels(greyed), 0);
    EXPECT_GT(ColouredPixels(normal), 0);
    const QPixmap sharp = icon.pixmap(QSize(50, 50), 2.0);
    EXPECT_EQ(sharp.size(), QSize(100, 100));
}

// The program icon is drawn from its resource at the size asked for: a large
// one is as sharp as a small one, and never blank.
TEST(ProgramIcon, IsTheBellDrawingAtEverySize) {
    for (const int size : {16, 256}) {
        const QImage image = MakeProgramIcon().pixmap(size, size).toImage();
        ASSERT_EQ(image.width(), size);
        EXPECT_GT(ColouredPixels(image), size * size / 2) << size;
    }
}

}  // namespace
}  // namespace kelvane::test
