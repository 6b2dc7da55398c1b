#pragma once
#include <string>
#include <string_view>

#include "model/Data.h"

namespace kelvane {

// Reads the texts of one device row (Latin-1, as the site keeps them) into
// a device's fields, in the forms a spreadsheet user may give them: the
// device summary table's own texts, any case, blanks around them ignored,
// and a few shorter forms. Each reading returns why the text is refused,
// empty when it was taken.
class DeviceCsvFields {
public:
    // `data`: the site the rows are for (its zone range, its custom names).
    explicit DeviceCsvFields(const TData& data) : data_(data) {}

    // A number from 1 to 256.
    std::string Address(std::string_view text, int& address) const;
    // A type's short or long name. Address 1 is always the Network
    // Controller.
    std::string Type(std::string_view text, int address, int& code) const;
    // For a device of type `code`: "Area C" or "C", "Group 5" or "5",
    // "Zone 12" or "12" (the types without a class are shown as zone
    // devices), within the class's range and the site's zones. Empty keeps
    // `allocation` as it is.
    std::string Allocation(std::string_view text, int code, int& allocation) const;
    // A standard or custom place name. The device's own index is kept when
    // its name is the one given (so a custom name that reads like a standard
    // one stays custom); empty keeps the index as it is.
    std::string PlaceName(std::string_view text, int& placeNameIndex) const;
    // At most 4 characters, as the editors allow, unless it is `suffix`
    // unchanged; empty is no suffix.
    std::string Suffix(std::string_view text, std::string& suffix) const;
    // YES or NO, 1 or 0, true or false. Empty: enabled when type `code` is a
    // fitted device, as placing a device does.
    std::string Enabled(std::string_view text, int code, int& enabled) const;

    // Whether two texts are the same but for case and blanks at their ends.
    static bool SameText(std::string_view a, std::string_view b);

private:
    const TData& data_;
};

}  // namespace kelvane
