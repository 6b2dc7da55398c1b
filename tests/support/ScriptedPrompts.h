#pragma once
#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/Prompts.h"

namespace kelvane {

// Prompts answered from a script, for tests and for unattended runs. Every
// message is recorded; a message with a single OK button needs no scripted
// answer, any other question takes the next queued answer (and fails loudly
// when none is queued, so a test never passes on an unexpected question).
class ScriptedPrompts : public Prompts {
public:
    struct Shown {
        PromptKind kind;
        std::string text;
        PromptButtons buttons;
        // The help context offered with the message; 0 for none.
        int helpContext = 0;
    };

    void Queue(PromptAnswer answer) { answers_.push_back(answer); }

    PromptAnswer Ask(PromptKind kind, const std::string& text, PromptButtons buttons) override {
        return Answer({kind, text, buttons});
    }
    PromptAnswer AskWithHelp(PromptKind kind, const std::string& text, PromptButtons buttons,
                             int helpContext) override {
        return Answer({kind, text, buttons, helpContext});
    }

    const std::vector<Shown>& ShownMessages() const { return shown_; }
    std::string LastText() const { return shown_.empty() ? std::string() : shown_.back().text; }
    void Clear() {
        shown_.clear();
        answers_.clear();
    }
    std::size_t PendingAnswers() const { return answers_.size(); }

    // Optional: called as each message is shown (for example to check focus).
    std::function<void(const Shown&)> OnShown;

private:
    PromptAnswer Answer(Shown message) {
        const PromptButtons buttons = message.buttons;
        shown_.push_back(std::move(message));
        if (OnShown) OnShown(shown_.back());
        if (buttons == PromptButtons::Ok) return PromptAnswer::Ok;
        if (answers_.empty()) throw std::logic_error("unscripted question: " + shown_.back().text);
        PromptAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

    std::deque<PromptAnswer> answers_;
    std::vector<Shown> shown_;
};

}  // namespace kelvane
