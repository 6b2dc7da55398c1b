#pragma once
#include "model/SiteConfig.h"

namespace kelvane {

// The call accept and divert timeouts, in whole minutes.
inline constexpr int kMinimumTimeout = 1;
inline constexpr int kMaximumTimeout = 8;
// The print log setting that surveyor mode keeps: "On every event".
inline constexpr int kSurveyorLoggerSetting = 2;

// Puts the site settings into the state the Site Config tab shows them in,
// so that everything that shows or prints them agrees with the tab:
// - a timeout outside 1..8 is set to the nearer limit;
// - HTM2015 mode turns auto night mode off;
// - surveyor mode logs every event;
// - a print log setting that is not in the list becomes "Disabled";
// - a disabled pager, or a pager level that is not in the list, is pager
//   level 0 with the pager disabled, and level 0 is a disabled pager.
void ApplySiteSettingRules(TKSiteConfig1& site);

}  // namespace kelvane
