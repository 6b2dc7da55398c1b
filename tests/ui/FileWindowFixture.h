#pragma once
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <string>

#include "DocumentFakes.h"
#include "core/SystemClock.h"
#include "file/ConfigFileStore.h"
#include "file/Document.h"
#include "model/Data.h"
#include "support/MemorySettings.h"
#include "support/ScriptedPrompts.h"
#include "ui/window/MainWindow.h"
#include "ui/window/StartupOptions.h"

namespace kelvane::test {

// The main window over real configuration files in a scratch folder.
class FileWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        window = std::make_unique<TfrmMain>(data, document, prompts, store, clock, StartupOptions{}, &dialogs,
                                            &settings);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    void TearDown() override {
        if (document.Modified()) document.SetModified(false);
        window.reset();
    }

    std::string PathOf(const char* name) const {
        return QFile::encodeName(folder.filePath(name)).toStdString();
    }

    QTemporaryDir folder;
    TData data;
    Document document;
    ScriptedPrompts prompts;
    ConfigFileStore store{data, document};
    ScriptedFileDialogs dialogs;
    MemorySettings settings;
    SystemClock clock;
    std::unique_ptr<TfrmMain> window;
};

}  // namespace kelvane::test
