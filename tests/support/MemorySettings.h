#pragma once
#include <map>

#include "core/UserSettings.h"

namespace kelvane {

// Per-user settings held in memory, for tests: the user's own settings are
// left alone.
class MemorySettings : public UserSettings {
public:
    std::optional<int> Number(const std::string& key) const override {
        const auto found = numbers_.find(key);
        if (found == numbers_.end()) return std::nullopt;
        return found->second;
    }
    void SetNumber(const std::string& key, int value) override { numbers_[key] = value; }

    std::optional<bool> Flag(const std::string& key) const override {
        const auto found = flags_.find(key);
        if (found == flags_.end()) return std::nullopt;
        return found->second;
    }
    void SetFlag(const std::string& key, bool value) override { flags_[key] = value; }

    std::string Text(const std::string& key) const override {
        const auto found = texts_.find(key);
        return found == texts_.end() ? std::string() : found->second;
    }
    void SetText(const std::string& key, const std::string& value) override { texts_[key] = value; }

    std::vector<std::string> List(const std::string& key) const override {
        const auto found = lists_.find(key);
        return found == lists_.end() ? std::vector<std::string>{} : found->second;
    }
    void SetList(const std::string& key, const std::vector<std::string>& values) override {
        lists_[key] = values;
    }

private:
    std::map<std::string, int> numbers_;
    std::map<std::string, bool> flags_;
    std::map<std::string, std::string> texts_;
    std::map<std::string, std::vector<std::string>> lists_;
};

}  // namespace kelvane
