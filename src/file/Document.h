#pragma once
#include <functional>
#include <string>
#include <utility>

namespace kelvane {

inline constexpr const char* kTitlePrefix = "Kelvane Prog Tools 2.3 - ";

// The name of a step that changed one field of one device: "Change Device 17 " + `field`.
inline std::string DeviceStepName(int device, const std::string& field) {
    return "Change Device " + std::to_string(device) + " " + field;
}

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

    // The model holds a change the user made: the document is modified and
    // the change is one step of the edit history, named `step` for the Edit
    // menu ("Change Device 17 Type"). Called once the model holds the change;
    // a call that changed nothing makes no step.
    void Changed(const std::string& step);

    // Several changes as one step (twenty devices given one type): while a
    // StepGroup lives, Changed() only marks the document; when the outermost
    // one ends, the changes made meanwhile become one step under its name.
    class StepGroup {
    public:
        StepGroup(Document& document, std::string step);
        ~StepGroup();
        StepGroup(const StepGroup&) = delete;
        StepGroup& operator=(const StepGroup&) = delete;
        // The name once the group knows what it did ("Change 18 Devices Type").
        void Rename(std::string step) { step_ = std::move(step); }

    private:
        Document& document_;
        std::string step_;
    };

    // "Kelvane Prog Tools 2.3 - " + path (or "New file"), + " - Modified".
    std::string Title() const;

    // Called by SetModified so that the window title and the Save commands follow.
    std::function<void()> OnModifiedChanged;
    // Called by Changed() outside any StepGroup, to record the step.
    std::function<void(const std::string& step)> OnChanged;

private:
    bool modified_ = false;
    int groupDepth_ = 0;
    bool groupChanged_ = false;
};

}  // namespace kelvane
