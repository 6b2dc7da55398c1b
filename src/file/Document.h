#pragma once
#include <functional>
#include <string>

namespace kelvane {

inline constexpr const char* kTitlePrefix = "Kelvane Prog Tools 2.3 - ";

// The state of the open document, apart from the model itself: the file it
// is bound to, whether it differs from that file, and the two gates that the
// editors and the controller transfers share.
class Document {
public:
    // Full path of the configuration file; empty for a new document.
    std::string Path;
    // The access level code being edited is valid; saving and the controller
    // transfers do nothing while it is false.
    bool CodesValid = true;
    // The custom place names must be sent on the next save of place names.
    bool CustomNamesChanged = false;

    bool Modified() const { return modified_; }
    // Sets the modified state and tells the views (title, Save command).
    void SetModified(bool modified);

    // "Kelvane Prog Tools 2.3 - " + path (or "New file"), + " - Modified".
    std::string Title() const;

    // Called by SetModified so that the window title and the Save commands follow.
    std::function<void()> OnModifiedChanged;

private:
    bool modified_ = false;
};

}  // namespace kelvane
