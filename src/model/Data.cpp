#include "model/Data.h"

#include "model/DeviceCatalogue.h"

namespace kelvane {

TData::TData() {
    for (int n = 0; n < kCustomPlaceNameCount; ++n) CustomNames.AddCustomName();
    Comments = {kCommentsTemplate};
}

void TData::ResetToDefaults() {
    CustomNames.Clear();
    for (int n = 0; n < kCustomPlaceNameCount; ++n) CustomNames.AddCustomName();
    Loop.ResetToDefaults();
    ZoneList.ResetToDefaults();
    GroupList.ResetToDefaults();
    SiteConfig.ResetToDefaults();
    RepeaterList.ResetToDefaults();
    Comments = {kCommentsTemplate};
    SiteConfig.MainVersion = kVersionNotAvailable;
    if (OnResetViews) OnResetViews();
}

std::string TData::PlaceName(int placeNameIndex) const {
    if (placeNameIndex >= 0 && placeNameIndex < kStandardPlaceNameCount)
        return StandardPlaceName(placeNameIndex);
    const int custom = placeNameIndex - kFirstCustomPlaceNameIndex;
    if (custom >= 0 && custom < CustomNames.Count()) return CustomNames.Item(custom).Name;
    return "";
}

std::string TData::DevicePlaceName(int n) const {
    return PlaceName(Loop.Device(n).PlaceNameIndex);
}

}  // namespace kelvane
