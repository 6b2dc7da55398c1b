#include "file/EditHistory.h"

namespace kelvane {

namespace {

// `part` as `previous` holds it when they are equal, else a copy of it.
template <typename Part>
std::shared_ptr<const Part> Share(const Part& part, const std::shared_ptr<const Part>* previous,
                                  bool& changed) {
    if (previous != nullptr && **previous == part) return *previous;
    changed = true;
    return std::make_shared<const Part>(part);
}

}  // namespace

EditHistory::EditHistory(TData& data, Document& document) : data_(data), document_(document) {
    document_.OnChanged = [this](const std::string& step) { Record(step); };
    Reset();
}

EditHistory::~EditHistory() {
    document_.OnChanged = nullptr;
}

EditHistory::State EditHistory::Capture(const State* previous, bool& changed) const {
    State state;
    // The version is the connected controller's, which no edit sets: a
    // handshake is no step, and undoing leaves the version as it is.
    TKSiteConfig1 siteConfig = data_.SiteConfig;
    siteConfig.MainVersion.clear();
    state.siteConfig = Share(siteConfig, previous ? &previous->siteConfig : nullptr, changed);
    state.zones = Share(data_.ZoneList, previous ? &previous->zones : nullptr, changed);
    state.groups = Share(data_.GroupList, previous ? &previous->groups : nullptr, changed);
    state.repeaters = Share(data_.RepeaterList, previous ? &previous->repeaters : nullptr, changed);
    state.loop = Share(data_.Loop, previous ? &previous->loop : nullptr, changed);
    state.customNames = Share(data_.CustomNames, previous ? &previous->customNames : nullptr, changed);
    state.comments = Share(data_.Comments, previous ? &previous->comments : nullptr, changed);
    return state;
}

void EditHistory::Reset() {
    bool changed = false;
    states_.clear();
    states_.push_back(Capture(nullptr, changed));
    current_ = 0;
    saved_.reset();
    if (!document_.Modified()) saved_ = 0;
    open_ = false;
    Announce();
}

void EditHistory::Record(const std::string& step) {
    if (held_) return;
    bool changed = false;
    State state = Capture(&states_[current_], changed);
    if (!changed) return;
    state.step = step;
    states_.erase(states_.begin() + static_cast<std::ptrdiff_t>(current_) + 1, states_.end());
    if (saved_ && *saved_ > current_) saved_.reset();
    if (open_ && current_ > 0 && states_[current_].step == step && saved_ != current_) {
        // Another keystroke of the same edit: the step now ends here.
        states_[current_] = std::move(state);
    } else {
        states_.push_back(std::move(state));
        ++current_;
    }
    open_ = true;
    if (states_.size() > kDepth + 1) {
        states_.pop_front();
        --current_;
        if (saved_) saved_ = *saved_ > 0 ? std::optional<std::size_t>(*saved_ - 1) : std::nullopt;
    }
    Announce();
}

void EditHistory::Saved() {
    saved_ = current_;
    open_ = false;
}

std::string EditHistory::UndoStep() const {
    return CanUndo() ? states_[current_].step : std::string();
}

std::string EditHistory::RedoStep() const {
    return CanRedo() ? states_[current_ + 1].step : std::string();
}

bool EditHistory::Undo() {
    if (!CanUndo()) return false;
    Restore(current_ - 1);
    return true;
}

bool EditHistory::Redo() {
    if (!CanRedo()) return false;
    Restore(current_ + 1);
    return true;
}

void EditHistory::Restore(std::size_t index) {
    const State& state = states_[index];
    std::string version = std::move(data_.SiteConfig.MainVersion);
    data_.SiteConfig = *state.siteConfig;
    data_.SiteConfig.MainVersion = std::move(version);
    data_.ZoneList = *state.zones;
    data_.GroupList = *state.groups;
    data_.RepeaterList = *state.repeaters;
    data_.Loop = *state.loop;
    // The controller must be sent the custom names again when they differ
    // from what the last save of place names sent.
    if (!(data_.CustomNames == *state.customNames)) document_.CustomNamesChanged = true;
    data_.CustomNames = *state.customNames;
    data_.Comments = *state.comments;
    current_ = index;
    open_ = false;
    document_.SetModified(saved_ != current_);
    Announce();
}

void EditHistory::SetHeld(bool held) {
    held_ = held;
    open_ = false;
    Announce();
}

void EditHistory::Announce() const {
    if (OnHistoryChanged) OnHistoryChanged();
}

}  // namespace kelvane
