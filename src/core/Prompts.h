#pragma once
#include <string>

namespace kelvane {

// Every message box of the system goes through this interface, so that the
// desktop program shows real dialogs and tests answer them from a script.
enum class PromptKind { Error, Warning, Confirmation, Information };

enum class PromptButtons { Ok, YesNo, YesNoCancel, AbortRetry };

enum class PromptAnswer { Ok, Yes, No, Cancel, Abort, Retry };

class Prompts {
public:
    virtual ~Prompts() = default;
    // Shows `text` (8-bit, Latin-1) as a message of `kind` with `buttons` and
    // returns the button the user chose.
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
