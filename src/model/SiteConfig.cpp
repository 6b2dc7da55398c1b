#include "model/SiteConfig.h"

namespace kelvane {

std::string TSiteConfig::GetMainVersion() const {
    return MainVersion.empty() ? std::string(kFirst64ZoneVersion) : MainVersion;
}

bool TSiteConfig::Supports64Zones() const {
    // std::string compares bytes as unsigned char, shorter-is-less on a common prefix.
    return GetMainVersion().compare(kFirst64ZoneVersion) >= 0;
}

void TKSiteConfig1::ResetToDefaults() {
    *this = TKSiteConfig1{};
}

}  // namespace kelvane
