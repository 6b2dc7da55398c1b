#pragma once
#include <gtest/gtest.h>

#include <QAction>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <memory>
#include <utility>

#include "WindowControls.h"
#include "WindowTestParts.h"
#include "core/SystemClock.h"
#include "support/MemorySettings.h"
#include "ui/Pages.h"
#include "ui/site/CommentsTab.h"
#include "ui/window/MainWindow.h"

namespace kelvane::test {

// One main window over an in-memory store, scripted prompts, scripted file
// dialogs and per-user settings in memory (anything else that reaches the
// user's settings store goes to a scratch folder).
class MainWindowTest : public WindowTestParts {
protected:
    void SetUp() override { MakeWindow(StartupOptions{}); }

    void MakeWindow(StartupOptions options) {
        window = std::make_unique<TfrmMain>(data, document, prompts, store, clock, std::move(options),
                                            &dialogs, &settings);
    }

    void TearDown() override {
        // Leave without the exit question.
        if (window && document.Modified()) document.SetModified(false);
        window.reset();
    }

    void Show() {
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    void TypeComment(const QString& text) {
        Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageComments);
        QTest::keyClicks(Child<CommentsTab>(*window, "tabComment")->CommentsEdit, text);
    }

    std::string Title() const { return window->windowTitle().toStdString(); }
    bool SaveEnabled() const {
        return Child<QToolButton>(*window, "btnSave")->isEnabled() &&
               Child<QAction>(*window, "Save1")->isEnabled();
    }

    MemorySettings settings;
    SystemClock clock;
    std::unique_ptr<TfrmMain> window;
};

}  // namespace kelvane::test
