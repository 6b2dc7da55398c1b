#pragma once
#include <functional>
#include <istream>
#include <ostream>

#include "core/Prompts.h"

namespace kelvane::cli {

// The system's messages on the command line: every message goes to the
// error stream as its own text. A question is answered from `answers` (the
// terminal) when there is one; otherwise, and at the end of the input, it
// takes the answer that stops (Abort, No, Cancel).
class ConsolePrompts : public Prompts {
public:
    ConsolePrompts(std::ostream& err, std::istream* answers) : err_(err), answers_(answers) {}

    PromptAnswer Ask(PromptKind kind, const std::string& text, PromptButtons buttons) override;

    // Called before a message is written (so a progress line can end first).
    std::function<void()> BeforeMessage;

private:
    std::ostream& err_;
    std::istream* answers_;
};

}  // namespace kelvane::cli
