#pragma once
#include <string>

namespace kelvane {

// Every message box of the system goes through this interface, so that the
// desktop program shows real dialogs and tests answer them from a script.
enum class PromptKind { Error, Warning, Confirmation, Information };

// YesNoDefaultNo: Yes and No with No as the answer Enter gives, for a
// question whose Yes goes ahead with something risky.
enum class PromptButtons { Ok, YesNo, YesNoCancel, AbortRetry, YesNoDefaultNo };

enum class PromptAnswer { Ok, Yes, No, Cancel, Abort, Retry };

class Prompts {
public:
    virtual ~Prompts() = default;
    // Shows `text` as a message of `kind` with `buttons` and returns the
    // button the user chose. A text is read as UTF-8, the file system's
    // encoding of file names (the fixed texts are plain ASCII); a text that
    // is not valid UTF-8 is read as Latin-1, the model's 8-bit texts.
    virtual PromptAnswer Ask(PromptKind kind, const std::string& text, PromptButtons buttons) = 0;
    // As Ask, with a Help button beside `buttons` that opens the help at
    // `helpContext` and leaves the message up. Where there is no help to
    // show, the message is asked without it.
    virtual PromptAnswer AskWithHelp(PromptKind kind, const std::string& text, PromptButtons buttons,
                                     int /*helpContext*/) {
        return Ask(kind, text, buttons);
    }

    void Error(const std::string& text) { Ask(PromptKind::Error, text, PromptButtons::Ok); }
    void Warning(const std::string& text) { Ask(PromptKind::Warning, text, PromptButtons::Ok); }
    void Information(const std::string& text) { Ask(PromptKind::Information, text, PromptButtons::Ok); }
};

}  // namespace kelvane
