// The main window comes back where it was, or at its default when that
// place is on no screen any more.
#include <QGuiApplication>
#include <QScreen>

#include "MainWindowFixture.h"
#include "ui/window/WindowGeometry.h"

namespace kelvane::test {
namespace {

TEST(WindowGeometryFits, OnlyARectangleWhollyOnOneScreensFreeArea) {
    const QList<QRect> twoScreens{QRect(0, 0, 1920, 1050), QRect(1920, 0, 1280, 1024)};
    EXPECT_TRUE(WindowGeometry::Fits(QRect(100, 80, 800, 600), twoScreens));
    EXPECT_TRUE(WindowGeometry::Fits(QRect(2000, 100, 800, 600), twoScreens));
    // The right-hand screen was unplugged.
    EXPECT_FALSE(WindowGeometry::Fits(QRect(2000, 100, 800, 600), {twoScreens[0]}));
    // Partly off the edge, across both, larger than the screen.
    EXPECT_FALSE(WindowGeometry::Fits(QRect(-50, 80, 800, 600), twoScreens));
    EXPECT_FALSE(WindowGeometry::Fits(QRect(1500, 80, 800, 600), twoScreens));
    EXPECT_FALSE(WindowGeometry::Fits(QRect(0, 0, 1280, 1100), twoScreens));
    EXPECT_FALSE(WindowGeometry::Fits(QRect(0, 0, 100, 100), {}));
}

class WindowGeometryTest : public MainWindowTest {
protected:
    void SetUp() override {}  // each test makes its window after choosing the stored place

    QRect FreeArea() const { return QGuiApplication::primaryScreen()->availableGeometry(); }
    void StoreAndStart(const WindowPlacement& placement) {
        WindowGeometry(settings).Store(placement);
        Start();
    }
    void Start() {
        MakeWindow({});
        defaultSize = window->size();
        Show();
    }
    void ExpectDefaultPlace() const {
        EXPECT_EQ(window->size(), defaultSize);
        const QPoint centre = window->frameGeometry().center();
        EXPECT_LE((centre - FreeArea().center()).manhattanLength(), 2);
    }
    // A rectangle on the screen that the window can take.
    QRect PlaceOnScreen() const {
        const QSize least = window ? window->minimumSizeHint() : QSize();
        const QSize size = QSize(600, 400).expandedTo(least).boundedTo(FreeArea().size() - QSize(12, 12));
        return QRect(FreeArea().topLeft() + QPoint(7, 5), size);
    }

    QSize defaultSize;
};

TEST_F(WindowGeometryTest, FirstRunCentresTheDefaultSize) {
    Start();
    ExpectDefaultPlace();
    EXPECT_FALSE(window->isMaximized());
}

TEST_F(WindowGeometryTest, AStoredPlaceOnTheScreenComesBack) {
    Start();
    const QRect place = PlaceOnScreen();
    window.reset();
    StoreAndStart({place, false});
    EXPECT_EQ(window->geometry(), place);
    EXPECT_FALSE(window->isMaximized());
}

TEST_F(WindowGeometryTest, APlaceOnNoScreenFallsBackToTheDefault) {
    const QRect area = FreeArea();
    StoreAndStart({QRect(area.right() + 400, area.top() + 10, 700, 500), false});
    ExpectDefaultPlace();
    window.reset();
    // Larger than the screen it was on.
    StoreAndStart({QRect(area.topLeft(), area.size() + QSize(300, 200)), false});
    ExpectDefaultPlace();
}

TEST_F(WindowGeometryTest, AMaximisedWindowStartsMaximised) {
    const QRect area = FreeArea();
    StoreAndStart({QRect(area.right() + 400, area.top(), 700, 500), true});
    EXPECT_TRUE(window->isMaximized());
}

TEST_F(WindowGeometryTest, ClosingStoresWhereTheWindowIs) {
    Start();
    const QRect place = PlaceOnScreen();
    window->setGeometry(place);
    ASSERT_TRUE(window->close());
    auto stored = WindowGeometry(settings).Stored();
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->Normal, place);
    EXPECT_FALSE(stored->Maximised);

    // A window kept open (Cancel to the exit question) stores nothing.
    window.reset();
    Start();
    window->setGeometry(place.translated(3, 3));
    TypeComment("x");
    prompts.Queue(PromptAnswer::Cancel);
    EXPECT_FALSE(window->close());
    EXPECT_EQ(WindowGeometry(settings).Stored()->Normal, place);

    // Maximised: the rectangle to come back to is the normal one.
    document.SetModified(false);
    window->showMaximized();
    ASSERT_TRUE(window->close());
    stored = WindowGeometry(settings).Stored();
    EXPECT_TRUE(stored->Maximised);
    EXPECT_EQ(stored->Normal, place.translated(3, 3));
}

}  // namespace
}  // namespace kelvane::test
