#pragma once
#include <optional>
#include <string>
#include <vector>

#include "core/UserSettings.h"

namespace kelvane {

// The program's per-user settings by name and type: every key of the store
// and what a key that holds nothing reads as. A view over the store, made
// wherever a setting is read or written.
class ProgramSettings {
public:
    static constexpr const char* kPortKey = "Port";
    static constexpr const char* kRecentFilesKey = "RecentFiles";
    static constexpr const char* kLastFolderKey = "LastFolder";
    static constexpr const char* kVerifyAfterSavingKey = "Verify After Saving";
    static constexpr const char* kAskBeforeSavingWithErrorsKey = "Ask Before Saving With Errors";
    static constexpr const char* kWindowLeftKey = "Window/Left";
    static constexpr const char* kWindowTopKey = "Window/Top";
    static constexpr const char* kWindowWidthKey = "Window/Width";
    static constexpr const char* kWindowHeightKey = "Window/Height";
    static constexpr const char* kWindowMaximisedKey = "Window/Maximised";

    explicit ProgramSettings(UserSettings& store) : store_(store) {}

    // The serial port chosen (COM1..COM4 as 1..4); 1 when none is stored.
    int Port() const { return store_.Number(kPortKey).value_or(1); }
    void SetPort(int port) { store_.SetNumber(kPortKey, port); }
    // "COM1".."COM8": the device serial port `number` (1..8) opens; empty
    // when none is stored.
    static std::string PortPathKey(int number) { return "COM" + std::to_string(number); }
    std::string PortPath(int number) const { return store_.Text(PortPathKey(number)); }
    void SetPortPath(int number, const std::string& path) { store_.SetText(PortPathKey(number), path); }

    // The site files last opened or saved, most recent first.
    std::vector<std::string> RecentFiles() const { return store_.List(kRecentFilesKey); }
    void SetRecentFiles(const std::vector<std::string>& paths) { store_.SetList(kRecentFilesKey, paths); }

    // The folder a file dialog last chose a file in; empty when none.
    std::string LastFolder() const {
        const std::vector<std::string> stored = store_.List(kLastFolderKey);
        return stored.empty() ? std::string() : stored.front();
    }
    void SetLastFolder(const std::string& folder) { store_.SetList(kLastFolderKey, {folder}); }

    // Tools > Verify After Saving; on when none is stored.
    bool VerifyAfterSaving() const { return store_.Flag(kVerifyAfterSavingKey).value_or(true); }
    void SetVerifyAfterSaving(bool on) { store_.SetFlag(kVerifyAfterSavingKey, on); }

    // Settings > Ask Before Saving a Site with Errors; on when none is stored.
    bool AskBeforeSavingWithErrors() const {
        return store_.Flag(kAskBeforeSavingWithErrorsKey).value_or(true);
    }
    void SetAskBeforeSavingWithErrors(bool on) { store_.SetFlag(kAskBeforeSavingWithErrorsKey, on); }

    // The main window's normal rectangle and whether it was maximised.
    struct StoredWindow {
        std::optional<int> Left, Top, Width, Height;
        bool Maximised = false;
    };
    StoredWindow Window() const {
        return {store_.Number(kWindowLeftKey), store_.Number(kWindowTopKey), store_.Number(kWindowWidthKey),
                store_.Number(kWindowHeightKey), store_.Number(kWindowMaximisedKey).value_or(0) != 0};
    }
    void SetWindow(int left, int top, int width, int height, bool maximised) {
        store_.SetNumber(kWindowLeftKey, left);
        store_.SetNumber(kWindowTopKey, top);
        store_.SetNumber(kWindowWidthKey, width);
        store_.SetNumber(kWindowHeightKey, height);
        store_.SetNumber(kWindowMaximisedKey, maximised ? 1 : 0);
    }

    UserSettings& Store() { return store_; }

private:
    UserSettings& store_;
};

}  // namespace kelvane
