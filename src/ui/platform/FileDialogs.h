#pragma once
#include <optional>
#include <string>

namespace kelvane {

// The open and save file dialogs of the document commands (and of the
// event log). The desktop program shows real dialogs; tests answer from a
// script.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The full path of the file to open, or nothing when the user cancelled.
    virtual std::optional<std::string> AskOpenPath() = 0;
    // The full path to save to, or nothing when the user cancelled.
    // `current`: the file being saved again under another name, whose folder
    // and name are offered; empty offers no name, in the last folder used.
    virtual std::optional<std::string> AskSavePath(const std::string& current) = 0;
};

}  // namespace kelvane
