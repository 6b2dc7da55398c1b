#pragma once
#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "file/Document.h"
#include "model/Data.h"

namespace kelvane {

// The undo and redo history of the open document: the model after each
// named step, back to where the document was opened or created. A state
// shares every part of the model that the step left unchanged with the
// state before it, so a step costs what it changed (one part of the model),
// not a copy of the site. Consecutive steps of the same name (the letters
// typed into one box) are one step, unless the document was saved between
// them. Undoing back to the state last saved clears the modified mark;
// leaving it again sets the mark.
class EditHistory {
public:
    // Steps kept; the oldest goes when another is recorded.
    static constexpr std::size_t kDepth = 500;

    // Records the steps the document reports through Changed().
    EditHistory(TData& data, Document& document);
    ~EditHistory();
    EditHistory(const EditHistory&) = delete;
    EditHistory& operator=(const EditHistory&) = delete;

    // A fresh history (after New and Open): the model as it is now is where
    // it starts, the saved state when the document is not modified.
    void Reset();
    // The model holds the change `step`: the state after it is recorded,
    // and any steps undone before it are dropped. No step when the model is
    // as the last step left it.
    void Record(const std::string& step);
    // The document was saved: the model as it is now is the file's.
    void Saved();

    bool CanUndo() const { return !held_ && current_ > 0; }
    bool CanRedo() const { return !held_ && current_ + 1 < states_.size(); }
    // The name of the step Undo or Redo would take back or do again.
    std::string UndoStep() const;
    std::string RedoStep() const;
    // Puts the model back as it was before the last step (Undo) or after
    // the step undone last (Redo), all but the controller's version; false
    // when there is none or the history is held. The caller shows the model
    // again.
    bool Undo();
    bool Redo();

    // While held (a controller transfer writes into the model), nothing is
    // recorded, undone or redone; the transfer's changes become one step
    // when it ends.
    void SetHeld(bool held);

    // Called whenever what Undo and Redo would do has changed.
    std::function<void()> OnHistoryChanged;

private:
    // The whole model after one step, each part shared with the states
    // before and after that have the same part.
    struct State {
        std::string step;  // the step that led here; empty for the first state
        std::shared_ptr<const TKSiteConfig1> siteConfig;
        std::shared_ptr<const TKZoneList> zones;
        std::shared_ptr<const TKGroupList> groups;
        std::shared_ptr<const TRepeaterList> repeaters;
        std::shared_ptr<const TKLoop> loop;
        std::shared_ptr<const TCustomNameList> customNames;
        std::shared_ptr<const std::vector<std::string>> comments;
    };
    // The model now, sharing what is unchanged with `previous`; `changed`
    // tells whether any part differs from it.
    State Capture(const State* previous, bool& changed) const;
    void Restore(std::size_t index);
    void Announce() const;

    TData& data_;
    Document& document_;
    std::deque<State> states_;
    std::size_t current_ = 0;
    std::optional<std::size_t> saved_;
    // The last step may take in the next one of the same name.
    bool open_ = false;
    bool held_ = false;
};

}  // namespace kelvane
