#include "transfer/TransferStatus.h"

namespace kelvane {

const std::vector<std::string>& TransferStatus::LoadItems() {
    static const std::vector<std::string> items{
        "Loading Device Data",         "Loading Zone Data",           "Loading Group Data",
        "Loading Call Reset Code",     "Loading Attack Reset Code",   "Loading Access Codes",
        "Loading Night Mode settings", "Loading Custom Place Names",  "Loading Accept/Divert Timeouts",
        "Loading Logger settings",     "Loading RadioPager settings", "Loading Emergency mode setting",
    };
    return items;
}

const std::vector<std::string>& TransferStatus::SaveItems() {
    static const std::vector<std::string> items{
        "Saving Device Data",
        "Saving  Zone Data",
        "Saving Group Data",
        "Saving Call Reset Code",
        "Saving Attack Reset Code",
        "Saving Access Codes",
        "Saving Night Mode settings",
        "Saving Custom Place Names",
        "Updating the time from the PC",
        "Saving Accept/Divert Timeouts",
        "Saving Logger Settings",
        "Saving RadioPager Settings",
        "Saving Emergency Mode Setting",
    };
    return items;
}

void TransferStatus::Show() {
    visible_ = true;
    cancelVisible_ = true;
    Changed();
}

void TransferStatus::Close() {
    visible_ = false;
    text_.clear();
    phase_.clear();
    waiting_.clear();
    progressPosition_ = 0;
    list_ = List::None;
    Changed();
}

void TransferStatus::Widen(List list) {
    list_ = list;
    Changed();
}

void TransferStatus::SetStatusText(const std::string& text) {
    text_ = text;
    Changed();
}

void TransferStatus::SetPhase(const std::string& phase) {
    phase_ = phase;
    Changed();
}

void TransferStatus::SetWaiting(const std::string& waiting) {
    if (waiting == waiting_) return;
    waiting_ = waiting;
    Changed();
}

void TransferStatus::SetProgressMax(int max) {
    progressMax_ = max;
    Changed();
}

void TransferStatus::SetProgressPosition(int position) {
    progressPosition_ = position;
    Changed();
}

void TransferStatus::Check(List list, int item) {
    std::vector<bool>& checks = list == List::Load ? loadChecks_ : saveChecks_;
    if (list == List::None || item < 0 || item >= static_cast<int>(checks.size())) return;
    checks[static_cast<std::size_t>(item)] = true;
    Changed();
}

bool TransferStatus::Checked(List list, int item) const {
    const std::vector<bool>& checks = list == List::Load ? loadChecks_ : saveChecks_;
    if (list == List::None || item < 0 || item >= static_cast<int>(checks.size())) return false;
    return checks[static_cast<std::size_t>(item)];
}

void TransferStatus::UnCheckAll() {
    loadChecks_.assign(loadChecks_.size(), false);
    saveChecks_.assign(saveChecks_.size(), false);
    Changed();
}

void TransferStatus::SetCancelVisible(bool visible) {
    cancelVisible_ = visible;
    Changed();
}

void TransferStatus::Changed() {
    if (OnChanged) OnChanged();
}

}  // namespace kelvane
