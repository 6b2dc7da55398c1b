#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <memory>

#include "DeviceSummaryFixture.h"
#include "FittedDevice.h"
#include "file/Document.h"
#include "model/Data.h"
#include "model/DeviceCatalogue.h"
#include "support/ScriptedPrompts.h"
#include "ui/devices/DeviceImages.h"
#include "ui/devices/DeviceTypeToolBar.h"
#include "ui/devices/LoopDrawGrid.h"
#include "ui/devices/LoopInfoBar.h"
#include "ui/devices/TDeviceConfig.h"
#include "ui/devices/TfrmLoop.h"
#include "ui/placenames/TNamesForm.h"

namespace kelvane::test {

// A right-button click: the press and release, then the menu event that
// the window system makes of them (QTest sends events straight to the
// widget, so the window system's part is played here).
inline void RightClick(QWidget* viewport, QPoint at) {
    QTest::mouseClick(viewport, Qt::RightButton, {}, at);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
    QApplication::sendEvent(viewport, &menu);
}

// The frame's page margins: the grid is the frame's width less these.
inline constexpr int kLoopFrameSideMargins = 12;

// One loop frame over a new site, shown with a grid 630 pixels wide, with
// scripted prompts.
class LoopFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        data.ResetToDefaults();
        picker = std::make_unique<TNamesForm>(data, document);
        frame = std::make_unique<TfrmLoop>(data, document, prompts, images, *picker);
        frame->resize(630 + kLoopFrameSideMargins, 700);
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
        frame->RefreshToolbar();
        frame->FrameResize();
    }

    void TearDown() override {
        frame.reset();
        picker.reset();
    }

    void Fit(int n, int code, int allocation = 0) { FitDevice(data, n, code, allocation); }

    LoopDrawGrid& Grid() const { return *frame->dwgLoop; }
    QWidget* Viewport() const { return frame->dwgLoop->viewport(); }
    QPoint CellCentre(int address) const { return Grid().CellRect(address).center(); }
    void ClickCell(int address) { QTest::mouseClick(Viewport(), Qt::LeftButton, {}, CellCentre(address)); }
    void RightClickCell(int address) { RightClick(Viewport(), CellCentre(address)); }
    void MoveOver(int address) { QTest::mouseMove(Viewport(), CellCentre(address)); }
    void PressTool(int tag) {
        QTest::mouseClick(tag == dtNotFitted ? frame->DeviceToolBar->ToolButtonRemove
                                             : frame->DeviceToolBar->ToolButton(tag),
                          Qt::LeftButton);
    }
    // The cell of `address` as the screen shows it.
    QImage CellPicture(int address) const { return Viewport()->grab(Grid().CellRect(address)).toImage(); }
    QString Panel(int panel) const { return frame->stbarLoopInfo->PanelText(panel); }

    TData data;
    Document document;
    ScriptedPrompts prompts;
    DeviceImages images;
    std::unique_ptr<TNamesForm> picker;
    std::unique_ptr<TfrmLoop> frame;
};

// Chooses the item captioned `caption` of the next menu that pops up, with
// the mouse as the user does; `seen` receives the menu's captions.
inline void WhenPopup(const char* caption, QStringList* seen = nullptr) {
    QTimer::singleShot(0, [caption, seen] {
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, 2000));
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        QAction* chosen = nullptr;
        for (QAction* item : menu->actions()) {
            if (seen) seen->append(item->text());
            if (item->text() == QLatin1String(caption)) chosen = item;
        }
        if (!chosen || !chosen->isEnabled()) {
            menu->close();
            return;
        }
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(chosen).center());
    });
}

// Runs `action` on the Device Configuration dialog once it is up.
inline void WhenDeviceConfig(std::function<void(TDeviceConfig&)> action) {
    WhenModal([action = std::move(action)](QWidget* modal) {
        auto* dialog = qobject_cast<TDeviceConfig*>(modal);
        ASSERT_NE(dialog, nullptr);
        action(*dialog);
    });
}

}  // namespace kelvane::test
