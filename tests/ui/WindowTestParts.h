#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "DocumentFakes.h"
#include "ScratchSettings.h"
#include "file/Document.h"
#include "model/Data.h"
#include "support/ScriptedPrompts.h"

namespace kelvane::test {

// What a test builds the main window over: the model, the document, scripted
// prompts, an in-memory store and scripted file dialogs. Per-user settings
// go to a scratch folder of each test suite's own.
class WindowTestParts : public ::testing::Test {
protected:
    static void SetUpTestSuite() { scratchSettings = std::make_unique<ScratchSettings>(); }
    static void TearDownTestSuite() { scratchSettings.reset(); }

    static inline std::unique_ptr<ScratchSettings> scratchSettings;

    TData data;
    Document document;
    ScriptedPrompts prompts;
    FakeDocumentStore store{data};
    ScriptedFileDialogs dialogs;
};

}  // namespace kelvane::test
