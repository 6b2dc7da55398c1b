#include "file/Document.h"

namespace kelvane {

void Document::SetModified(bool modified) {
    modified_ = modified;
    if (OnModifiedChanged) OnModifiedChanged();
}

void Document::Changed(const std::string& step) {
    SetModified(true);
    if (groupDepth_ > 0) {
        groupChanged_ = true;
        return;
    }
    if (OnChanged) OnChanged(step);
}

Document::StepGroup::StepGroup(Document& document, std::string step)
    : document_(document), step_(std::move(step)) {
    ++document_.groupDepth_;
}

Document::StepGroup::~StepGroup() {
    if (--document_.groupDepth_ > 0 || !document_.groupChanged_) return;
    document_.groupChanged_ = false;
    document_.Changed(step_);
}

std::string Document::Title() const {
    std::string title = kTitlePrefix + (Path.empty() ? std::string("New file") : Path);
    if (modified_) title += " - Modified";
    return title;
}

}  // namespace kelvane
