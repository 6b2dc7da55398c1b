#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QMainWindow>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>

#include "ui/window/HelpWindow.h"

namespace kelvane::test {
namespace {

QString PageText(const QUrl& url) {
    QFile file(QLatin1Char(':') + url.path());
    if (!file.open(QIODevice::ReadOnly)) return QString();
    return QString::fromUtf8(file.readAll());
}

TEST(HelpPlacement, CentredOverTheOwnerAndInsideTheScreen) {
    const QRect screen(0, 0, 1400, 1000);
    const QMargins frame(4, 28, 4, 4);
    // Over a window in the middle of the screen: centred on it, at full size.
    QRect outer = HelpWindow::Placement({640, 560}, frame, QRect(300, 200, 800, 620), screen);
    EXPECT_EQ(outer.size(), QSize(648, 592));
    EXPECT_EQ(outer.center(), QRect(300, 200, 800, 620).center());
    // Over a window near the lower edge: moved up just enough.
    outer = HelpWindow::Placement({640, 560}, frame, QRect(300, 700, 800, 620), screen);
    EXPECT_EQ(outer.bottom(), screen.bottom());
    EXPECT_EQ(outer.center().x(), QRect(300, 700, 800, 620).center().x());
    // On a small screen: as large as the screen, no larger.
    const QRect small(0, 0, 800, 480);
    outer = HelpWindow::Placement({640, 560}, frame, QRect(0, 0, 800, 600), small);
    EXPECT_EQ(outer.height(), 480);
    EXPECT_TRUE(small.contains(outer));
}

TEST(HelpPlacement, TheHelpWindowOpensOverTheMainWindow) {
    QMainWindow owner;
    owner.resize(500, 400);
    owner.move(180, 90);
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    HelpWindow help(&owner);
    help.ShowContext(10);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
    const QRect area = owner.screen()->availableGeometry();
    EXPECT_TRUE(area.contains(help.frameGeometry()))
        << help.frameGeometry().x() << "," << help.frameGeometry().y();
    EXPECT_LE((help.frameGeometry().center() - owner.frameGeometry().center()).manhattanLength(), 2);

    // Once open it stays where the user put it.
    help.move(10, 10);
    help.ShowContext(20);
    EXPECT_EQ(help.pos(), QPoint(10, 10));
}

TEST(HelpPages, EveryContextHasAPageOfItsOwnWithRealContent) {
    HelpWindow window;  // registers the pages
    QSet<QString> pages;
    for (int context : HelpWindow::Contexts()) {
        SCOPED_TRACE(context);
        const QUrl url = HelpWindow::PageFor(context);
        EXPECT_NE(url, HelpWindow::ContentsPage());
        const QString text = PageText(url);
        EXPECT_GT(text.size(), 1000);
        EXPECT_TRUE(text.contains(QLatin1String("<h1>")));
        pages.insert(text);
    }
    EXPECT_EQ(pages.size(), HelpWindow::Contexts().size());
    EXPECT_EQ(HelpWindow::Contexts(),
              (QList<int>{10, 12, 20, 22, 30, 32, 34, 40, 42, 50, 60, 62, 70, 72, 80, 90, 92}));
}

TEST(HelpPages, ContentsLinksEveryPageAndEveryLinkResolves) {
    HelpWindow window;
    const QString contents = PageText(HelpWindow::ContentsPage());
    for (int context : HelpWindow::Contexts())
        EXPECT_TRUE(contents.contains(QStringLiteral("context-%1.html").arg(context))) << context;

    QStringList all{QStringLiteral("index.html")};
    for (int context : HelpWindow::Contexts()) all << QStringLiteral("context-%1.html").arg(context);
    const QRegularExpression link(QStringLiteral("href=\"([^\"#]+)"));
    for (const QString& page : all) {
        const QString text = PageText(QUrl(QStringLiteral("qrc:/help/") + page));
        for (auto match = link.globalMatch(text); match.hasNext();) {
            const QString target = match.next().captured(1);
            EXPECT_TRUE(QFile::exists(QStringLiteral(":/help/") + target))
                << page.toStdString() << " -> " << target.toStdString();
        }
    }
}

TEST(HelpPages, WindowOpensAtTheAskedContextAndFallsBackToContents) {
    HelpWindow window;
    window.ShowContext(42);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.CurrentContext(), 42);
    EXPECT_FALSE(window.Browser->toPlainText().isEmpty());
    window.ShowContext(999);
    EXPECT_EQ(window.Browser->source(), HelpWindow::ContentsPage());
    EXPECT_EQ(window.CurrentContext(), 0);
}

}  // namespace
}  // namespace kelvane::test
