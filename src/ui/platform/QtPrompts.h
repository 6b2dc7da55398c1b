#pragma once
#include <QMessageBox>
#include <functional>

#include "core/Prompts.h"

class QWidget;

namespace kelvane {

// The desktop program's message boxes: one modal QMessageBox per question,
// with the icon of its kind and its fixed button set. Texts are read as
// Prompts describes: UTF-8 (file names), else Latin-1 (model texts).
class QtPrompts : public Prompts {
public:
    explicit QtPrompts(QWidget* parent = nullptr) : parent_(parent) {}

    // Message boxes are centred on this window (the main window once it exists).
    void SetParent(QWidget* parent) { parent_ = parent; }

    // What the Help button of a message opens: the help at a context.
    void SetHelpViewer(std::function<void(int context)> showHelp) { showHelp_ = std::move(showHelp); }

    PromptAnswer Ask(PromptKind kind, const std::string& text, PromptButtons buttons) override;
    PromptAnswer AskWithHelp(PromptKind kind, const std::string& text, PromptButtons buttons,
                             int helpContext) override;

    // The pieces of a box, kept apart so that they can be checked without
    // showing a modal box.
    static QMessageBox::Icon IconFor(PromptKind kind);
    static QMessageBox::StandardButtons ButtonsFor(PromptButtons buttons);
    static QMessageBox::StandardButton DefaultButtonFor(PromptButtons buttons);
    static QString TitleFor(PromptKind kind);
    static PromptAnswer AnswerFor(QMessageBox::StandardButton button, PromptButtons buttons);
    static QString TextFor(const std::string& text);

private:
    PromptAnswer Show(PromptKind kind, const std::string& text, PromptButtons buttons, int helpContext);

    QWidget* parent_;
    std::function<void(int)> showHelp_;
};

}  // namespace kelvane
