#pragma once
#include <gtest/gtest.h>

#include <QAction>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>
#include <utility>

#include "DocumentFakes.h"
#include "core/MemorySettings.h"
#include "core/Pages.h"
#include "core/ScriptedPrompts.h"
#include "core/SystemClock.h"
#include "ui/CommentsTab.h"
#include "ui/MainWindow.h"

namespace kelvane::test {

// One main window over an in-memory store, scripted prompts, scripted file
// dialogs and per-user settings in memory (anything else that reaches the
// user's settings store goes to a scratch folder).
class MainWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        settingsDir = new QTemporaryDir;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir->path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir->path());
    }
    static void TearDownTestSuite() {
        delete settingsDir;
        settingsDir = nullptr;
    }

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
        window->ConfigPages->setCurrentIndex(kPageComments);
        QTest::keyClicks(window->tabComment->CommentsEdit, text);
    }

    std::string Title() const { return window->windowTitle().toStdString(); }
    bool SaveEnabled() const { return window->btnSave->isEnabled() && window->Save1->isEnabled(); }

    static inline QTemporaryDir* settingsDir = nullptr;

    TData data;
    Document document;
    ScriptedPrompts prompts;
    FakeDocumentStore store{data};
    ScriptedFileDialogs dialogs;
    MemorySettings settings;
    SystemClock clock;
    std::unique_ptr<TfrmMain> window;
};

}  // namespace kelvane::test
