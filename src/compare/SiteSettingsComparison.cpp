#include "compare/DifferenceList.h"
#include "compare/ReturnedText.h"
#include "compare/SiteComparison.h"
#include "file/SiteFields.h"
#include "model/SiteSettingTexts.h"
#include "transfer/SaveRecords.h"

namespace kelvane {

namespace {

// The words of the site settings' numbers, as the Site Config tab's lists show them.
std::string NumberWords(int TKSiteConfig1::*member, int value) {
    if (member == &TKSiteConfig1::LoggerSetting) return ListEntryText(LoggerSettingEntries(), value);
    if (member == &TKSiteConfig1::PagerLevel) return ListEntryText(PagerLevelEntries(), value);
    return std::to_string(value);
}

bool IsSentFlag(bool TKSiteConfig1::*member) {
    return member == &TKSiteConfig1::EmergState || member == &TKSiteConfig1::AttackState;
}

bool IsAccessCode(std::string TKSiteConfig1::*member) {
    return member == &TKSiteConfig1::AL2Code || member == &TKSiteConfig1::AL3Code;
}

}  // namespace

void CompareSiteSettings(const TKSiteConfig1& a, const TKSiteConfig1& b, const ComparisonScope& scope,
                         DifferenceList& list) {
    list.Record(DifferenceSection::Site, 0);
    // A field counts when the file keeps it, or, for the controller, when
    // the save sends it and the load reads it back.
    auto counts = [&scope](const char* name, const char* key) {
        return scope.ControllerOnly ? SiteFieldTravels(name, scope.Has64Zones) : key != nullptr;
    };
    if (!scope.ControllerOnly) list.Text("MainVersion", a.MainVersion, b.MainVersion);
    for (const SiteTextField& field : kSiteTextFields) {
        if (!counts(field.name, field.key)) continue;
        const std::string& valueA = a.*field.member;
        const std::string& valueB = b.*field.member;
        if (scope.ControllerOnly && IsAccessCode(field.member)) {
            list.Text(field.name, ReturnedText(valueA, kAccessCodeAnswerWidth),
                      ReturnedText(valueB, kAccessCodeAnswerWidth));
        } else {
            list.Text(field.name, valueA, valueB);
        }
    }
    for (const SiteBoolField& field : kSiteBoolFields) {
        if (!counts(field.name, field.key)) continue;
        const bool valueA = a.*field.member;
        const bool valueB = b.*field.member;
        if (IsSentFlag(field.member) && valueA != valueB) {
            list.Add(field.name, SentEntries()[valueA], SentEntries()[valueB]);
        } else {
            list.Flag(field.name, valueA, valueB);
        }
    }
    for (const SiteIntField& field : kSiteIntFields) {
        if (!counts(field.name, field.key)) continue;
        list.Number(field.name, a.*field.member, b.*field.member,
                    [&field](int value) { return NumberWords(field.member, value); });
    }
}

}  // namespace kelvane
