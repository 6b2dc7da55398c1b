#pragma once
#include <functional>
#include <string>
#include <vector>

#include "model/CustomNameList.h"
#include "model/GroupList.h"
#include "model/Loop.h"
#include "model/RepeaterList.h"
#include "model/SiteConfig.h"
#include "model/ZoneList.h"

namespace kelvane {

// The one line that a new document's comments start with.
inline constexpr const char* kCommentsTemplate = "Comments Page";

// The complete configuration of one site. Exactly one exists per run; it is
// passed by reference to every part that reads or writes it, and a new or
// opened document overwrites it in place.
class TData {
public:
    TData();
    TData(const TData&) = delete;
    TData& operator=(const TData&) = delete;

    TKSiteConfig1 SiteConfig;
    TKZoneList ZoneList;
    TKGroupList GroupList;
    TRepeaterList RepeaterList;
    TKLoop Loop;
    TCustomNameList CustomNames;
    // The site's free comments, one entry per line (plain text).
    std::vector<std::string> Comments;

    // Called at the end of ResetToDefaults() so that views the model does
    // not own (the event log, the comments editor) empty themselves.
    std::function<void()> OnResetViews;

    // Puts the model into the new-document state.
    void ResetToDefaults();

    // The place name of device n (1..256): a standard name for index 0..40, a
    // custom name for 41..85, empty for an index that names neither.
    std::string DevicePlaceName(int n) const;
    std::string PlaceName(int placeNameIndex) const;

    // Shorthands for the site's version rules.
    std::string GetMainVersion() const { return SiteConfig.GetMainVersion(); }
    bool Supports64Zones() const { return SiteConfig.Supports64Zones(); }
};

}  // namespace kelvane
