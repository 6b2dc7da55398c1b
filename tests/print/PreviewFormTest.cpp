#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEnterEvent>
#include <QFile>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "PrintTestSupport.h"
#include "print/PrevForm.h"
#include "print/PreviewLayout.h"
#include "print/PreviewPageArea.h"
#include "print/TGoPageForm.h"
#include "support/ScriptedPrompts.h"

namespace kelvane::test {
namespace {

class PreviewFormTest : public ::testing::Test {
protected:
    // A document of `pages` pages, each with its number on it.
    void Record(int pages) {
        printer.BeginDoc();
        for (int page = 0; page < pages; ++page) {
            if (page > 0) printer.NewPage();
            printer.Canvas().TextOut(600, 600, "page " + std::to_string(page + 1));
        }
        printer.EndDoc();
    }
    void Open(int pages) {
        Record(pages);
        form = std::make_unique<TPreviewForm>(printer);
        form->resize(1200, 900);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    std::vector<bool> MovementEnabled() const {
        std::vector<bool> enabled;
        for (QToolButton* button : {form->PrevBut, form->NextBut, form->FirstPageBtn, form->PrevPageBtn,
                                    form->NextPageBtn, form->LastPageBtn, form->GoPageBtn})
            enabled.push_back(button->isEnabled());
        return enabled;
    }

    FakePrinterPort port;
    TPreviewPrinter printer{port};
    std::unique_ptr<TPreviewForm> form;
};

TEST_F(PreviewFormTest, OpensOnTheFirstPageFittedToIt) {
    Open(3);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Preview Form"));
    EXPECT_EQ(form->CurrentPage, 0);
    EXPECT_EQ(form->CurPageLabel->text(), QStringLiteral("Page 1 of 3"));
    EXPECT_EQ(form->ZoomBox->currentText(), QStringLiteral("Fit To Page"));
    EXPECT_TRUE(form->FitPageBut->isChecked());
    EXPECT_NEAR(form->PagePanel1->height(), form->ScrollBox->viewport()->height() - 20, 1);
    EXPECT_EQ(MovementEnabled(), (std::vector<bool>{false, true, false, false, true, true, true}));
    EXPECT_EQ(Replay(printer.Page(0)).texts.front().text, QStringLiteral("page 1"));
}

TEST_F(PreviewFormTest, NavigationMovesOnePageAndUpdatesTheButtons) {
    Open(3);
    QTest::mouseClick(form->NextBut, Qt::LeftButton);
    EXPECT_EQ(form->CurPageLabel->text(), QStringLiteral("Page 2 of 3"));
    EXPECT_EQ(MovementEnabled(), (std::vector<bool>(7, true)));
    QTest::mouseClick(form->LastPageBtn, Qt::LeftButton);
    EXPECT_EQ(form->CurrentPage, 2);
    EXPECT_FALSE(form->NextBut->isEnabled());
    QTest::mouseClick(form->PrevPageBtn, Qt::LeftButton);
    EXPECT_EQ(form->CurrentPage, 1);
    QTest::mouseClick(form->FirstPageBtn, Qt::LeftButton);
    EXPECT_EQ(form->CurrentPage, 0);

    QTimer::singleShot(0, form.get(), [this] {
        form->GoPageForm->PageNum->setValue(3);
        form->GoPageForm->accept();
    });
    QTest::mouseClick(form->GoPageBtn, Qt::LeftButton);
    EXPECT_EQ(form->CurrentPage, 2);
    EXPECT_EQ(form->GoPageForm->PageNum->maximum(), 3);
    EXPECT_EQ(form->GoPageForm->windowTitle(), QStringLiteral("Go to Page Number"));
}

TEST_F(PreviewFormTest, OnePageOrNoneDisablesEveryMovement) {
    Open(1);
    EXPECT_EQ(MovementEnabled(), std::vector<bool>(7, false));
    form.reset();
    Open(0);
    EXPECT_EQ(form->CurPageLabel->text(), QStringLiteral("Page 1 of 0"));
    EXPECT_EQ(MovementEnabled(), std::vector<bool>(7, false));
    EXPECT_FALSE(form->PagePaintBox1->HasPage());
}

TEST_F(PreviewFormTest, TwoPagesSideBySideLeaveTheSecondBlankOnTheLastPage) {
    Open(3);
    QTest::mouseClick(form->TwoPageBut, Qt::LeftButton);
    EXPECT_TRUE(form->PagePanel2->isVisible());
    EXPECT_EQ(form->PagePanel2->y(), form->PagePanel1->y());
    EXPECT_TRUE(form->PagePaintBox2->HasPage());
    QTest::mouseClick(form->LastPageBtn, Qt::LeftButton);
    EXPECT_TRUE(form->PagePaintBox1->HasPage());
    EXPECT_FALSE(form->PagePaintBox2->HasPage());

    form->ZoomBox->setCurrentIndex(ze50);  // any other zoom shows one page
    EXPECT_TRUE(form->OnePageBut->isChecked());
    EXPECT_FALSE(form->PagePanel2->isVisible());
    EXPECT_EQ(form->ZoomLabel->text(), QStringLiteral("50%"));
}

TEST_F(PreviewFormTest, ZoomToolClicksZoomByHalvesAndSwitchToCustom) {
    Open(2);
    form->resize(700, 600);
    form->ZoomBox->setCurrentIndex(ze100);
    const int width = form->PagePanel1->width();
    EXPECT_EQ(width, qRound(form->logicalDpiX() * double(printer.PageWidth()) / printer.PixelsPerInchX()));
    QTest::mouseClick(form->PagePaintBox1, Qt::LeftButton, {}, QPoint(400, 300));
    EXPECT_DOUBLE_EQ(form->Zoom, 1.5);
    EXPECT_EQ(form->ZoomBox->currentText(), QStringLiteral("Custom"));
    EXPECT_EQ(form->ZoomLabel->text(), QStringLiteral("150%"));
    // The clicked point is brought to the middle of the view.
    const QPoint clicked = form->PagePaintBox1->mapTo(form->ScrollBox->viewport(), QPoint(600, 450));
    EXPECT_NEAR(clicked.x(), form->ScrollBox->viewport()->width() / 2.0, 3);
    EXPECT_NEAR(clicked.y(), form->ScrollBox->viewport()->height() / 2.0, 3);
    QTest::mouseClick(form->PagePaintBox1, Qt::RightButton, {}, QPoint(200, 300));
    EXPECT_DOUBLE_EQ(form->Zoom, 1.0);
    EXPECT_EQ(form->PagePanel1->width(), width);
}

TEST_F(PreviewFormTest, HandToolDragsThePageAlong) {
    Open(1);
    form->ZoomBox->setCurrentIndex(ze200);
    QTest::mouseClick(form->HandCursorBut, Qt::LeftButton);
    QScrollBar* vertical = form->ScrollBox->verticalScrollBar();
    vertical->setValue(400);
    QTest::mousePress(form->PagePaintBox1, Qt::LeftButton, {}, QPoint(300, 500));
    EXPECT_TRUE(form->Dragging);
    QTest::mouseMove(form->PagePaintBox1, QPoint(300, 400));
    EXPECT_EQ(vertical->value(), 500);
    QTest::mouseRelease(form->PagePaintBox1, Qt::LeftButton, {}, QPoint(300, 400));
    EXPECT_FALSE(form->Dragging);
    EXPECT_DOUBLE_EQ(form->Zoom, 2.0);  // the hand tool does not zoom
}

TEST_F(PreviewFormTest, GridDrawsSilverLinesEveryInch) {
    Open(1);
    form->ZoomBox->setCurrentIndex(ze100);
    // Where the first inch line falls, the page is white without the grid.
    const auto silverNearFirstInch = [this] {
        const QImage image = form->PagePaintBox1->grab().toImage();
        int silver = 0;
        for (int x = form->logicalDpiX() - 2; x <= form->logicalDpiX() + 1; ++x)
            if (image.pixelColor(x, 30) == QColor(192, 192, 192)) ++silver;
        return silver;
    };
    EXPECT_EQ(silverNearFirstInch(), 0);
    QTest::mouseClick(form->GridBut, Qt::LeftButton);
    EXPECT_EQ(silverNearFirstInch(), 1);
}

TEST_F(PreviewFormTest, HintOfTheControlUnderTheMouse) {
    Open(2);
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QCoreApplication::sendEvent(form->FitWidthBut, &enter);
    EXPECT_EQ(form->HintLabel->text(), QStringLiteral("Fit to Width"));
    QCoreApplication::sendEvent(form->PagePaintBox1, &enter);
    EXPECT_TRUE(form->HintLabel->text().startsWith(QStringLiteral("Page View.  With Zoom Tool")));
    EXPECT_TRUE(form->HintLabel->text().endsWith(QStringLiteral("Click & drag with Hand Tool to pan.")));
}

TEST_F(PreviewFormTest, ExportPdfWritesThePagesOrSaysWhyNot) {
    Open(2);
    ScriptedPrompts prompts;
    form->MessagePrompts = &prompts;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("site"));
    form->AskPdfPath = [&] { return path; };
    QTest::mouseClick(form->ExportPdfBut, Qt::LeftButton);
    QFile written(path + QStringLiteral(".pdf"));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(CountPdfPages(written.readAll()), 2);
    EXPECT_TRUE(prompts.ShownMessages().empty());
    // The status bar says so, and says it again once a hint has come and gone.
    const QString exported =
        QStringLiteral("Exported 2 pages to ") + QDir::toNativeSeparators(path + QStringLiteral(".pdf"));
    EXPECT_EQ(form->HintLabel->text(), exported);
    QStatusTipEvent hint(QStringLiteral("Print"));
    QStatusTipEvent noHint{QString()};
    QApplication::sendEvent(form.get(), &hint);
    QApplication::sendEvent(form.get(), &noHint);
    EXPECT_EQ(form->HintLabel->text(), exported);

    form->AskPdfPath = [&] { return folder.filePath(QStringLiteral("no/such/folder.pdf")); };
    QTest::mouseClick(form->ExportPdfBut, Qt::LeftButton);
    ASSERT_EQ(prompts.ShownMessages().size(), 1u);
    EXPECT_EQ(prompts.LastText().rfind("Unable to write to ", 0), 0u);
}

TEST_F(PreviewFormTest, PrintedOnOtherPaperThePreviewShowsThePagesLaidOutAgain) {
    Open(3);
    form->LastPageClick();
    printer.OnLayout = [this] { Record(2); };
    port.layout = QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF());
    port.dialogAnswer = TPrintRange{0, 2, 1};
    QTest::mouseClick(form->PrintBut, Qt::LeftButton);
    ASSERT_EQ(port.jobs.size(), 1u);
    EXPECT_EQ(port.jobs[0].pages, 2);
    EXPECT_EQ(form->CurPageLabel->text(), QStringLiteral("Page 2 of 2"));
    EXPECT_EQ(printer.PageHeight(), 6600);
    EXPECT_TRUE(form->PagePaintBox1->HasPage());
    EXPECT_FALSE(form->PagePaintBox1->grab().isNull());  // paints the new page
}

TEST_F(PreviewFormTest, PreviewOpensMaximisedAndCloses) {
    Record(2);
    printer.ShowGrid = true;
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* shown = qobject_cast<TPreviewForm*>(QApplication::activeModalWidget());
        ASSERT_NE(shown, nullptr);
        seen = true;
        EXPECT_TRUE(shown->windowState() & Qt::WindowMaximized);
        EXPECT_TRUE(shown->GridBut->isChecked());
        QTest::keyClick(shown, Qt::Key_Escape);
    });
    printer.Preview();
    EXPECT_TRUE(seen);
    EXPECT_EQ(printer.PageCount(), 2);  // previewing leaves the pages as they were
}

}  // namespace
}  // namespace kelvane::test
