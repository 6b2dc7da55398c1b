#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTextBrowser>

#include "ui/HelpWindow.h"

namespace kelvane::test {
namespace {

QString PageText(const QUrl& url) {
    QFile file(QLatin1Char(':') + url.path());
    if (!file.open(QIODevice::ReadOnly)) return QString();
    return QString::fromUtf8(file.readAll());
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
    EXPECT_EQ(HelpWindow::Contexts(), (QList<int>{10, 12, 20, 22, 30, 32, 34, 40, 42, 50, 60, 80, 90}));
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
            EXPECT_TRUE(QFile::exists(QStringLiteral(":/help/") + target)) << page.toStdString() << " -> "
                                                                            << target.toStdString();
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
