#include <algorithm>
#include <array>

#include "routing/CheckParts.h"

namespace kelvane {
namespace {

struct DefaultCode {
    const char* label;  // as the Site Config tab names the code
    std::string TKSiteConfig1::*member;
    const char* newSiteValue;
};

constexpr std::array<DefaultCode, 4> kCodes{{
    {"User (AL2) Code", &TKSiteConfig1::AL2Code, kDefaultAL2Code},
    {"Engineer (AL3) Code", &TKSiteConfig1::AL3Code, kDefaultAL3Code},
    {"Call Reset Code", &TKSiteConfig1::CallCode, kDefaultResetCode},
    {"Attack Reset Code", &TKSiteConfig1::AttackCode, kDefaultResetCode},
}};

}  // namespace

void CheckSettings(const TData& data, std::vector<SiteFinding>& findings) {
    const FindingRecord site{FindingRecord::Kind::Site, 0};
    const auto& groups = data.GroupList.Groups;
    const bool nightAreas = std::any_of(groups.begin() + 1, groups.end(), [](const TKGroup& group) {
        return HasMember(EquationKind::Area, group.NightAreaEquation);
    });
    if (data.SiteConfig.NightModeAutoEnable && !nightAreas) {
        findings.push_back(
            {Severity::Note, "night-without-areas", site,
             "Auto Night Mode is on, but no group has Night Areas: at night no corridor display "
             "shows a call"});
    }
    for (const DefaultCode& code : kCodes) {
        if (data.SiteConfig.*code.member != code.newSiteValue) continue;
        findings.push_back({Severity::Note, "default-codes", site,
                            std::string("The ") + code.label + " is still " + code.newSiteValue +
                                ", the value every new site starts with: anyone who knows it can use it"});
    }
}

}  // namespace kelvane
