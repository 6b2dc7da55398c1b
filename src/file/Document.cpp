#include "file/Document.h"

namespace kelvane {

void Document::SetModified(bool modified) {
    modified_ = modified;
    if (OnModifiedChanged) OnModifiedChanged();
}

std::string Document::Title() const {
    std::string title = kTitlePrefix + (Path.empty() ? std::string("New file") : Path);
    if (modified_) title += " - Modified";
    return title;
}

}  // namespace kelvane
