#include "ui/window/DocumentCommands.h"

#include <optional>
#include <utility>

namespace kelvane {

DocumentCommands::DocumentCommands(TData& data, Document& document, Prompts& prompts, DocumentStore& store,
                                   FileDialogs& fileDialogs, DocumentView& view)
    : data_(data),
      document_(document),
      prompts_(prompts),
      store_(store),
      fileDialogs_(fileDialogs),
      view_(view) {}

void DocumentCommands::New() {
    if (!AskToLetGo(false)) return;
    if (prompts_.Ask(PromptKind::Confirmation, kNewQuestion, PromptButtons::YesNo) != PromptAnswer::Yes)
        return;
    view_.ReplacingModel(false);
    document_.Path.clear();
    data_.ResetToDefaults();
    // The codes are the new document's own now: no half-typed code is left
    // for the gate to hold back.
    document_.CodesValid = true;
    view_.FillAllTabs();
    document_.SetModified(false);
    view_.ModelReplaced();
}

void DocumentCommands::Open() {
    const std::optional<std::string> chosen = fileDialogs_.AskOpenPath();
    if (chosen) OpenFile(*chosen);
}

void DocumentCommands::OpenFile(const std::string& path) {
    // The file is tested first, without reading it into the model: a file
    // that is no configuration file (a disk image, a pipe) is refused before
    // any question, and the question about modified work comes before the
    // file takes its place. A cancelled save dialog keeps the work and opens nothing.
    std::string refusal;
    if (!store_.IsValid(path, refusal)) {
        prompts_.Error(refusal.empty() ? kNotValidFileMessage : refusal);
        return;
    }
    if (!AskToLetGo(false)) return;
    view_.ReplacingModel(true);
    Read(path);
    view_.ModelReplaced();
}

void DocumentCommands::Read(const std::string& path) {
    document_.Path = path;
    std::string errorText;
    if (store_.Read(path, errorText)) {
        document_.CustomNamesChanged = true;
        // The codes are the file's now, as for New.
        document_.CodesValid = true;
        view_.FillAllTabs();
        document_.SetModified(false);
        view_.RememberFile(path);
        return;
    }
    // Reading stopped part-way: the model holds part of the file. Bind the
    // document to no file and keep it modified, so nothing is lost or
    // written over without the user choosing a file.
    document_.Path.clear();
    view_.FillAllTabs();
    document_.SetModified(true);
    prompts_.Error(errorText.empty() ? "Unable to read " + path : errorText);
}

void DocumentCommands::Save() {
    if (view_.PassCodeGate()) SaveAfterGate();
}

void DocumentCommands::SaveAs() {
    if (view_.PassCodeGate()) SaveAsAfterGate();
}

DocumentCommands::SaveResult DocumentCommands::SaveAfterGate() {
    if (document_.Path.empty()) return SaveAsAfterGate();
    return Write(document_.Path) ? SaveResult::Written : SaveResult::Failed;
}

DocumentCommands::SaveResult DocumentCommands::SaveAsAfterGate() {
    const std::optional<std::string> chosen = fileDialogs_.AskSavePath(document_.Path);
    if (!chosen) return SaveResult::Cancelled;
    // The document is bound to the chosen file only once it was written there.
    std::string previousPath = std::exchange(document_.Path, *chosen);
    if (!Write(document_.Path)) {
        document_.Path = std::move(previousPath);
        view_.PathChanged();
        return SaveResult::Failed;
    }
    view_.PathChanged();
    return SaveResult::Written;
}

bool DocumentCommands::Write(const std::string& path) {
    std::string errorText;
    if (!store_.Write(path, errorText)) {
        prompts_.Error(errorText.empty() ? "Unable to write to " + path : errorText);
        return false;
    }
    document_.SetModified(false);
    view_.RememberFile(path);
    return true;
}

bool DocumentCommands::AskToLetGo(bool cancelledSaveLetsGo) {
    if (!document_.Modified()) return true;
    switch (prompts_.Ask(PromptKind::Confirmation, kExitQuestion, PromptButtons::YesNoCancel)) {
        case PromptAnswer::No:
            return true;
        case PromptAnswer::Yes: {
            // Exit closes whether or not a file was written, except when the
            // save could not happen against the user's wish: a code the gate
            // has just reported, or a write the file system refused. Then the
            // work stays open to be put right and saved.
            if (!view_.PassCodeGate()) return false;
            const SaveResult saved = SaveAfterGate();
            return saved == SaveResult::Written || (saved == SaveResult::Cancelled && cancelledSaveLetsGo);
        }
        default:
            return false;
    }
}

}  // namespace kelvane
