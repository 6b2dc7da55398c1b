#include "model/SiteSettingRules.h"

#include <algorithm>

#include "model/SiteSettingTexts.h"

namespace kelvane {

namespace {

bool InList(const std::vector<const char*>& entries, int index) {
    return index >= 0 && index < static_cast<int>(entries.size());
}

}  // namespace

void ApplySiteSettingRules(TKSiteConfig1& site) {
    site.AccTimeout = std::clamp(site.AccTimeout, kMinimumTimeout, kMaximumTimeout);
    site.DivTimeout = std::clamp(site.DivTimeout, kMinimumTimeout, kMaximumTimeout);
    if (site.HTM2015Enable) site.NightModeAutoEnable = false;
    if (site.SurveyorEnable) site.LoggerSetting = kSurveyorLoggerSetting;
    if (!InList(LoggerSettingEntries(), site.LoggerSetting)) site.LoggerSetting = 0;
    if (!site.PagerEnabled || !InList(PagerLevelEntries(), site.PagerLevel)) site.PagerLevel = 0;
    site.PagerEnabled = site.PagerLevel != 0;
}

}  // namespace kelvane
