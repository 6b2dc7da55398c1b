#pragma once
#include <string>
#include <vector>

namespace kelvane {

// One custom place name (at most 11 characters when typed in the editor).
class TKCustomPlaceNames {
public:
    std::string Name;

    bool operator==(const TKCustomPlaceNames&) const = default;
};

// The custom place names in order: entry 0..44 is custom name 1..45.
class TCustomNameList {
public:
    int Count() const { return static_cast<int>(names_.size()); }
    TKCustomPlaceNames& Item(int index) { return names_.at(static_cast<std::size_t>(index)); }
    const TKCustomPlaceNames& Item(int index) const { return names_.at(static_cast<std::size_t>(index)); }

    // Appends "Custom " + the new count and returns the new entry's index.
    int AddCustomName();
    void Clear() { names_.clear(); }

    bool operator==(const TCustomNameList&) const = default;

private:
    std::vector<TKCustomPlaceNames> names_;
};

}  // namespace kelvane
