#pragma once
#include <string>

#include "core/Prompts.h"
#include "file/Document.h"
#include "file/DocumentStore.h"
#include "model/Data.h"
#include "ui/platform/FileDialogs.h"

namespace kelvane {

inline constexpr const char* kNewQuestion = "This will clear the current setup. Do you wish to continue?";
inline constexpr const char* kNotValidFileMessage =
    "The selected file is not a valid Kelvane Programming Tools file";
inline constexpr const char* kExitQuestion = "Configuration is not saved. Do you wish to save it now?";

// What the document commands need of the window that shows the document.
class DocumentView {
public:
    virtual ~DocumentView() = default;

    // The gate in front of saving: moves the focus off any box being edited
    // so that its exit check runs; false, with the reason told, while the
    // access level code is not valid.
    virtual bool PassCodeGate() = 0;
    // The model is about to be replaced: by New, or (`fromDisk`) by a file
    // that is read now, which may take a while.
    virtual void ReplacingModel(bool fromDisk) = 0;
    // Every page shows the model again (never marks the document modified).
    virtual void FillAllTabs() = 0;
    // The replacement is over: the page that was in front is in front again.
    virtual void ModelReplaced() = 0;
    // `path` was opened or saved: it heads the recent files.
    virtual void RememberFile(const std::string& path) = 0;
    // The document was bound to another file (the modified state stayed).
    virtual void PathChanged() = 0;
};

// The document commands New, Open, Save and Save As, and the question
// about modified work before it is let go. They ask the user through the
// prompts and the file dialogs, read and write through the store, and
// tell the window through its view.
class DocumentCommands {
public:
    DocumentCommands(TData& data, Document& document, Prompts& prompts, DocumentStore& store,
                     FileDialogs& fileDialogs, DocumentView& view);

    void New();
    void Open();
    // What Open does once its dialog has given `path` (also for a recent
    // file, a dropped file and the file named on the command line): tests
    // the file, asks to save a modified document, then reads the file.
    void OpenFile(const std::string& path);
    void Save();
    void SaveAs();
    // The exit question on a modified document before other work takes its
    // place; true when it may be let go. A save dialog cancelled after Yes
    // keeps the work.
    bool LetGoOfWork() { return AskToLetGo(false); }
    // The same question as the program exits: a save dialog cancelled after
    // Yes lets the work go.
    bool LetGoOfWorkOnExit() { return AskToLetGo(true); }

private:
    // Cancelled: the user cancelled the save dialog. CodeInvalid: the code
    // gate stopped the save. Failed: the file system refused the write.
    enum class SaveResult { Written, Cancelled, CodeInvalid, Failed };

    bool AskToLetGo(bool cancelledSaveLetsGo);
    SaveResult SaveAfterGate();
    SaveResult SaveAsAfterGate();
    bool Write(const std::string& path);
    void Read(const std::string& path);

    TData& data_;
    Document& document_;
    Prompts& prompts_;
    DocumentStore& store_;
    FileDialogs& fileDialogs_;
    DocumentView& view_;
};

}  // namespace kelvane
