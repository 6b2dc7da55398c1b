#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "transfer/TransferStatus.h"
#include "ui/controller/TfrmStatus.h"
#include "ui/widgets/CaptionBar.h"

namespace kelvane::test {
namespace {

std::vector<std::string> Texts(const QListWidget* list) {
    std::vector<std::string> texts;
    for (int row = 0; row < list->count(); ++row) texts.push_back(list->item(row)->text().toStdString());
    return texts;
}

TEST(StatusWindow, IsAModelessCaptionedWindowWithoutTitleBarButtons) {
    TransferStatus status;
    TfrmStatus window(status);
    EXPECT_EQ(window.windowTitle(), "Status");
    EXPECT_FALSE(window.isModal());
    // Window managers draw their buttons whatever a window asks for: the
    // window has no frame from them and a title bar of its own.
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
    auto* bar = window.findChild<CaptionBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->Caption(), "Status");
    EXPECT_TRUE(bar->findChildren<QAbstractButton*>().isEmpty());
    EXPECT_EQ(window.btnCancel->text(), "Cancel");
    EXPECT_EQ(window.width(), 442);
    EXPECT_FALSE(window.isVisible());

    status.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(bar->geometry(), QRect(1, 1, 440, CaptionBar::kHeight));
    EXPECT_GE(window.btnCancel->mapTo(&window, QPoint(0, 0)).y(), bar->geometry().bottom());
    EXPECT_TRUE(window.rect().contains(
        window.btnCancel->geometry().translated(window.btnCancel->parentWidget()->pos())));
    status.Widen(TransferStatus::List::Load);
    EXPECT_EQ(bar->width(), 708);
    EXPECT_TRUE(window.rect().contains(
        window.StatusList->geometry().translated(window.StatusList->parentWidget()->pos())));

    // Dragging the title bar moves the window.
    const QPoint before = window.pos();
    QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, QPoint(50, 10));
    QMouseEvent move(QEvent::MouseMove, QPointF(90, 40), bar->mapToGlobal(QPointF(90, 40)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(bar, &move);
    QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, QPoint(90, 40));
    EXPECT_EQ(window.pos(), before + QPoint(40, 30));
}

TEST(StatusWindow, FollowsTextProgressAndCancelOfTheStatus) {
    TransferStatus status;
    TfrmStatus window(status);
    status.Show();
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.btnCancel->isVisible());
    status.SetStatusText("Loading Device Data");
    status.SetProgressMax(256);
    status.SetProgressPosition(12);
    EXPECT_EQ(window.pnlStatus->text(), "Loading Device Data");
    EXPECT_EQ(window.Progress->maximum(), 256);
    EXPECT_EQ(window.Progress->value(), 12);
    status.SetCancelVisible(false);
    EXPECT_FALSE(window.btnCancel->isVisible());

    status.Close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.pnlStatus->text(), "");
    EXPECT_EQ(window.Progress->value(), 0);
}

TEST(StatusWindow, WideWindowShowsOnlyTheTransfersCheckList) {
    TransferStatus status;
    TfrmStatus window(status);
    ASSERT_EQ(Texts(window.StatusList), TransferStatus::LoadItems());
    ASSERT_EQ(Texts(window.StatusList1), TransferStatus::SaveItems());
    EXPECT_EQ(window.StatusList1->item(1)->text(), "Saving  Zone Data");

    status.Show();
    status.Widen(TransferStatus::List::Save);
    EXPECT_EQ(window.width(), 710);
    EXPECT_TRUE(window.StatusList1->isVisible());
    EXPECT_FALSE(window.StatusList->isVisible());
    status.Check(TransferStatus::List::Save, 2);
    EXPECT_EQ(window.StatusList1->item(2)->checkState(), Qt::Checked);
    EXPECT_EQ(window.StatusList1->item(1)->checkState(), Qt::Unchecked);

    // Closed after a whole-configuration transfer, the next one starts narrow.
    status.Close();
    status.Show();
    EXPECT_EQ(window.width(), 442);
    EXPECT_FALSE(window.StatusList->isVisible());
    EXPECT_FALSE(window.StatusList1->isVisible());
    status.UnCheckAll();
    EXPECT_EQ(window.StatusList1->item(2)->checkState(), Qt::Unchecked);
}

TEST(StatusWindow, TicksCannotBeClickedByTheUser) {
    TransferStatus status;
    TfrmStatus window(status);
    EXPECT_FALSE(window.StatusList->item(0)->flags() & Qt::ItemIsUserCheckable);
}

TEST(StatusWindow, CancelTellsTheStatusAndOnlyTheTransferClosesTheWindow) {
    TransferStatus status;
    TfrmStatus window(status);
    int pressed = 0;
    status.OnCancelPressed = [&] { ++pressed; };
    status.Show();
    QTest::mouseClick(window.btnCancel, Qt::LeftButton);
    EXPECT_EQ(pressed, 1);
    QTest::keyClick(&window, Qt::Key_Escape);
    window.close();
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(status.Visible());
}

TEST(StatusWindow, SplashTextSizeIsSetAndRestored) {
    TransferStatus status;
    TfrmStatus window(status);
    window.SetTextPointSize(10);
    EXPECT_EQ(window.pnlStatus->font().pointSize(), 10);
    window.SetTextPointSize(8);
    EXPECT_EQ(window.pnlStatus->font().pointSize(), 8);
}

TEST(StatusWindow, StopsObservingWhenDestroyed) {
    TransferStatus status;
    { TfrmStatus window(status); }
    status.SetStatusText("after");  // must not reach the destroyed window
    EXPECT_FALSE(static_cast<bool>(status.OnChanged));
}

}  // namespace
}  // namespace kelvane::test
