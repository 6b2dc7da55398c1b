// The File menu's recent files and site files dropped onto the window.
#include <QDir>
#include <QDragEnterEvent>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QUrl>

#include "MainWindowFixture.h"
#include "WindowControls.h"
#include "file/RecentFiles.h"
#include "ui/controller/TfrmStatus.h"
#include "ui/site/SiteConfigTab.h"
#include "ui/window/ConfigFileDrop.h"
#include "ui/window/RecentFilesMenu.h"

namespace kelvane::test {
namespace {

class RecentFilesAndDropTest : public MainWindowTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        MainWindowTest::SetUp();
    }

    // A site file on disk, known to the store by its comments.
    std::string SiteFile(const char* name, const std::string& comment, const char* subfolder = "") {
        if (*subfolder) QDir(folder.path()).mkpath(QString::fromLatin1(subfolder));
        const QString path =
            QDir(folder.filePath(QString::fromLatin1(subfolder))).filePath(QString::fromLatin1(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        const std::string stored = QFile::encodeName(path).toStdString();
        store.AddFile(stored, {comment});
        return stored;
    }

    QList<QAction*> Entries() const {
        Child<RecentFilesMenu>(*window, "RecentFiles1")->Rebuild();
        return Child<RecentFilesMenu>(*window, "RecentFiles1")->actions();
    }
    static QString Hint(const std::string& path) {
        return QFile::decodeName(QByteArray::fromStdString(path));
    }

    // Drags `data` onto `target` and drops it there; true when the drop was taken.
    static bool DragAndDrop(QWidget* target, const QMimeData& data,
                            Qt::DropActions offered = Qt::CopyAction) {
        const QPointF at(5, 5);
        QDragEnterEvent enter(at.toPoint(), offered, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDropEvent drop(at, offered, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        return enter.isAccepted() && drop.isAccepted();
    }
    static QMimeData* Files(const QStringList& paths) {
        auto* data = new QMimeData;
        QList<QUrl> urls;
        for (const QString& path : paths) urls << QUrl::fromLocalFile(path);
        data->setUrls(urls);
        return data;
    }

    QTemporaryDir folder;
};

TEST_F(RecentFilesAndDropTest, TheSubmenuSitsAboveExitAndStartsUnavailable) {
    Show();
    const QList<QAction*> file = window->menuBar()->actions().first()->menu()->actions();
    const auto exit = file.indexOf(Child<QAction>(*window, "Exit1"));
    ASSERT_GE(exit, 2);
    EXPECT_TRUE(file[exit - 1]->isSeparator());
    EXPECT_EQ(file[exit - 2], Child<RecentFilesMenu>(*window, "RecentFiles1")->menuAction());
    EXPECT_EQ(Child<RecentFilesMenu>(*window, "RecentFiles1")->title(), "Recent Files");
    EXPECT_FALSE(Child<RecentFilesMenu>(*window, "RecentFiles1")->menuAction()->isEnabled());
}

TEST_F(RecentFilesAndDropTest, OpenedAndSavedFilesAreListedMostRecentFirst) {
    Show();
    const std::string ward = SiteFile("Ward.KCF", "Ward 7");
    const std::string annex = SiteFile("Annex.KCF", "Annex");
    dialogs.QueueOpen(ward);
    window->OpenDocument();
    dialogs.QueueOpen(annex);
    window->OpenDocument();
    TypeComment("x");
    const std::string copy = QFile::encodeName(folder.filePath("Copy & Paste.KCF")).toStdString();
    dialogs.QueueSave(copy);
    window->SaveDocumentAs();
    QFile(Hint(copy)).open(QIODevice::WriteOnly);  // the fake store writes in memory only

    EXPECT_TRUE(Child<RecentFilesMenu>(*window, "RecentFiles1")->menuAction()->isEnabled());
    const QList<QAction*> entries = Entries();
    ASSERT_EQ(entries.size(), 3);
    EXPECT_EQ(entries[0]->text(), "&1 Copy && Paste.KCF");
    EXPECT_EQ(entries[1]->text(), "&2 Annex.KCF");
    EXPECT_EQ(entries[2]->text(), "&3 Ward.KCF");
    EXPECT_EQ(entries[2]->toolTip(), Hint(ward));
    EXPECT_EQ(entries[2]->statusTip(), Hint(ward));
    for (QAction* entry : entries) EXPECT_TRUE(entry->isEnabled());

    // A file rejected or cancelled is not listed.
    dialogs.QueueOpen("/downloads/notes.txt");
    window->OpenDocument();
    dialogs.QueueOpen(std::nullopt);
    window->OpenDocument();
    EXPECT_EQ(Entries().size(), 3);

    // The list outlives the window.
    window.reset();
    MakeWindow({});
    EXPECT_EQ(Entries().size(), 3);
    EXPECT_EQ(Entries()[0]->toolTip(), Hint(copy));
}

TEST_F(RecentFilesAndDropTest, AFileThatIsGoneIsShownDisabledWithItsPath) {
    Show();
    const std::string ward = SiteFile("Ward.KCF", "Ward 7");
    const std::string gone = SiteFile("Gone.KCF", "Gone");
    Child<RecentFilesMenu>(*window, "RecentFiles1")->Remember(ward);
    Child<RecentFilesMenu>(*window, "RecentFiles1")->Remember(gone);
    ASSERT_TRUE(QFile::remove(Hint(gone)));
    const QList<QAction*> entries = Entries();
    ASSERT_EQ(entries.size(), 2);
    EXPECT_FALSE(entries[0]->isEnabled());
    EXPECT_EQ(entries[0]->toolTip(), Hint(gone));
    EXPECT_TRUE(entries[1]->isEnabled());
    EXPECT_TRUE(Child<RecentFilesMenu>(*window, "RecentFiles1")->toolTipsVisible());
}

TEST_F(RecentFilesAndDropTest, ChoosingAnEntryOpensItAsOpenWould) {
    Show();
    const std::string ward = SiteFile("Ward.KCF", "Ward 7");
    const std::string annex = SiteFile("Annex.KCF", "Annex");
    Child<RecentFilesMenu>(*window, "RecentFiles1")->Remember(ward);
    Child<RecentFilesMenu>(*window, "RecentFiles1")->Remember(annex);
    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageGroupConfig);
    Entries()[1]->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return document.Path == ward; }, 2000));
    EXPECT_EQ(data.Comments, std::vector<std::string>{"Ward 7"});
    EXPECT_EQ(Title(), "Kelvane Prog Tools 2.3 - " + ward);
    EXPECT_EQ(window->ActivePage(), kPageGroupConfig);
    EXPECT_FALSE(Child<TfrmStatus>(*window, "frmStatus")->isVisible());
    // It heads the list now.
    EXPECT_EQ(Entries()[0]->toolTip(), Hint(ward));
    EXPECT_EQ(dialogs.shown, 0);
}

TEST_F(RecentFilesAndDropTest, EntriesWithTheSameNameShowTheirPaths) {
    Show();
    const std::string first = SiteFile("Site.KCF", "a", "north");
    const std::string second = SiteFile("Site.KCF", "b", "south");
    Child<RecentFilesMenu>(*window, "RecentFiles1")->Remember(first);
    Child<RecentFilesMenu>(*window, "RecentFiles1")->Remember(second);
    EXPECT_EQ(Entries()[0]->text(), "&1 " + Hint(second));
    EXPECT_EQ(Entries()[1]->text(), "&2 " + Hint(first));
}

TEST_F(RecentFilesAndDropTest, ASiteFileDroppedAnywhereOnTheWindowOpens) {
    Show();
    const std::string ward = SiteFile("Ward.KCF", "Ward 7");
    const std::string annex = SiteFile("annex.kcf", "Annex");
    std::unique_ptr<QMimeData> wardDrag(Files({Hint(ward)}));
    ASSERT_TRUE(DragAndDrop(Child<QTabWidget>(*window, "ConfigPages"), *wardDrag));
    // Opened once the drop has finished.
    EXPECT_TRUE(document.Path.empty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return document.Path == ward; }, 2000));
    EXPECT_EQ(Child<CommentsTab>(*window, "tabComment")->CommentsEdit->toPlainText(), "Ward 7");

    // Onto a box that takes dropped text itself, among other files.
    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageSiteConfig);
    auto* client = Child<SiteConfigTab>(*window, "tabSiteCfg")->findChild<QLineEdit*>("txtClientName");
    std::unique_ptr<QMimeData> mixed(Files({folder.filePath("readme.txt"), Hint(annex), Hint(ward)}));
    ASSERT_TRUE(DragAndDrop(client, *mixed));
    ASSERT_TRUE(QTest::qWaitFor([&] { return document.Path == annex; }, 2000));
    EXPECT_TRUE(client->text().isEmpty());
    EXPECT_EQ(Child<RecentFilesMenu>(*window, "RecentFiles1")->actions().size(), 2);
}

TEST_F(RecentFilesAndDropTest, OtherDropsAreLeftAlone) {
    Show();
    const std::string ward = SiteFile("Ward.KCF", "Ward 7");
    std::unique_ptr<QMimeData> text(Files({folder.filePath("readme.txt")}));
    EXPECT_FALSE(DragAndDrop(Child<QTabWidget>(*window, "ConfigPages"), *text));
    QMimeData remote;
    remote.setUrls({QUrl(QStringLiteral("https://example.com/Ward.KCF"))});
    EXPECT_FALSE(DragAndDrop(Child<QTabWidget>(*window, "ConfigPages"), remote));
    // A drag that may only move the file is not taken: the source would delete it.
    std::unique_ptr<QMimeData> moved(Files({Hint(ward)}));
    EXPECT_FALSE(DragAndDrop(Child<QTabWidget>(*window, "ConfigPages"), *moved, Qt::MoveAction));
    // Nor while Open is not available.
    Child<QAction>(*window, "Open1")->setEnabled(false);
    EXPECT_FALSE(DragAndDrop(Child<QTabWidget>(*window, "ConfigPages"), *moved));
    EXPECT_FALSE(Child<RecentFilesMenu>(*window, "RecentFiles1")->menuAction()->isEnabled());
    QCoreApplication::processEvents();
    EXPECT_TRUE(document.Path.empty());
    EXPECT_EQ(ConfigFileDrop::DroppedConfigFile(nullptr), std::nullopt);
}

}  // namespace
}  // namespace kelvane::test
