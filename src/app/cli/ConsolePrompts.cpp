#include "app/cli/ConsolePrompts.h"

#include <cctype>
#include <string>
#include <vector>

namespace kelvane::cli {
namespace {

struct Choice {
    char key;
    const char* name;
    PromptAnswer answer;
};

// The choices of a button set; the first one is taken without a terminal.
std::vector<Choice> Choices(PromptButtons buttons) {
    switch (buttons) {
        case PromptButtons::AbortRetry:
            return {{'a', "Abort", PromptAnswer::Abort}, {'r', "Retry", PromptAnswer::Retry}};
        case PromptButtons::YesNo:
        case PromptButtons::YesNoDefaultNo:
            return {{'n', "No", PromptAnswer::No}, {'y', "Yes", PromptAnswer::Yes}};
        case PromptButtons::YesNoCancel:
            return {{'c', "Cancel", PromptAnswer::Cancel},
                    {'y', "Yes", PromptAnswer::Yes},
                    {'n', "No", PromptAnswer::No}};
        case PromptButtons::Ok:
            break;
    }
    return {{'o', "OK", PromptAnswer::Ok}};
}

// "[A]bort/[R]etry"
std::string Menu(const std::vector<Choice>& choices) {
    std::string menu;
    for (const Choice& choice : choices) {
        if (!menu.empty()) menu += "/";
        menu += std::string("[") + choice.name[0] + "]" + (choice.name + 1);
    }
    return menu;
}

}  // namespace

PromptAnswer ConsolePrompts::Ask(PromptKind, const std::string& text, PromptButtons buttons) {
    if (BeforeMessage) BeforeMessage();
    err_ << text << "\n";
    const std::vector<Choice> choices = Choices(buttons);
    if (buttons == PromptButtons::Ok) return PromptAnswer::Ok;
    if (!answers_) {
        err_ << "(no terminal to answer on: " << choices.front().name << ")\n";
        return choices.front().answer;
    }
    for (;;) {
        err_ << Menu(choices) << "? " << std::flush;
        std::string line;
        if (!std::getline(*answers_, line)) {
            err_ << "\n";
            return choices.front().answer;
        }
        const std::size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos) continue;
        const char key = static_cast<char>(std::tolower(static_cast<unsigned char>(line[first])));
        for (const Choice& choice : choices) {
            if (choice.key == key) return choice.answer;
        }
    }
}

}  // namespace kelvane::cli
