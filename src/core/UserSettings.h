#pragma once
#include <optional>
#include <string>
#include <vector>

namespace kelvane {

// The per-user settings store as the program's parts see it: named whole
// numbers, named yes/no choices, named texts and named lists of texts (8-bit,
// as the file system names files). ProgramSettings names every key.
// The desktop program keeps them in the user's own settings; tests use
// MemorySettings.
class UserSettings {
public:
    virtual ~UserSettings() = default;

    // Nothing when the key holds no whole number.
    virtual std::optional<int> Number(const std::string& key) const = 0;
    virtual void SetNumber(const std::string& key, int value) = 0;
    // Nothing when the key holds no yes/no value.
    virtual std::optional<bool> Flag(const std::string& key) const = 0;
    virtual void SetFlag(const std::string& key, bool value) = 0;
    // Empty when the key holds no text.
    virtual std::string Text(const std::string& key) const = 0;
    virtual void SetText(const std::string& key, const std::string& value) = 0;
    // Empty when the key holds no list.
    virtual std::vector<std::string> List(const std::string& key) const = 0;
    virtual void SetList(const std::string& key, const std::vector<std::string>& values) = 0;
};

}  // namespace kelvane
