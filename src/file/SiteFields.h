#pragma once
#include <array>
#include <string>

#include "model/SiteConfig.h"

namespace kelvane {

// The site settings of TSiteConfig and TKSiteConfig1 as a table, so that the
// configuration file, the JSON form and the listing treat every field alike.
// `section` and `key` place the field in the configuration file (none for a
// field the file does not keep); `readerDefault` is what the file reader takes
// for a missing or unreadable value. `MainVersion` is not in the tables: its
// reading and writing rules are its own.

struct SiteTextField {
    const char* name;
    const char* label;
    std::string TKSiteConfig1::*member;
    const char* section;
    const char* key;
    const char* readerDefault;
};

struct SiteBoolField {
    const char* name;
    const char* label;
    bool TKSiteConfig1::*member;
    const char* section;
    const char* key;
    bool readerDefault;
};

struct SiteIntField {
    const char* name;
    const char* label;
    int TKSiteConfig1::*member;
    const char* section;
    const char* key;
    int readerDefault;
};

inline constexpr const char* kAccessCodesSection = "AccessCodes";
inline constexpr const char* kSiteConfigSection = "Site Config";

// In the order the file is written: the access codes, then the "Site Config"
// texts, flags and numbers.
inline const std::array<SiteTextField, 24> kSiteTextFields{{
    {"AL2Code", "User code (level 2)", &TKSiteConfig1::AL2Code, kAccessCodesSection, "L2", ""},
    {"AL3Code", "Engineer code (level 3)", &TKSiteConfig1::AL3Code, kAccessCodesSection, "L3", ""},
    {"CallCode", "Call reset code", &TKSiteConfig1::CallCode, kAccessCodesSection, "CallCode", ""},
    {"AttackCode", "Attack reset code", &TKSiteConfig1::AttackCode, kAccessCodesSection, "AttackCode", ""},
    {"ClientName", "Client name", &TKSiteConfig1::ClientName, kSiteConfigSection, "Client Name", ""},
    {"ClientAddress1", "Client address 1", &TKSiteConfig1::ClientAddress1, kSiteConfigSection,
     "Client Address 1", ""},
    {"ClientAddress2", "Client address 2", &TKSiteConfig1::ClientAddress2, kSiteConfigSection,
     "Client Address 2", ""},
    {"ClientAddress3", "Client address 3", &TKSiteConfig1::ClientAddress3, kSiteConfigSection,
     "Client Address 3", ""},
    {"ClientAddress4", "Client address 4", &TKSiteConfig1::ClientAddress4, kSiteConfigSection,
     "Client Address 4", ""},
    {"ClientAddress5", "Client post code", &TKSiteConfig1::ClientAddress5, kSiteConfigSection,
     "Client Address 5", ""},
    {"ClientTel", "Client telephone", &TKSiteConfig1::ClientTel, kSiteConfigSection, "Client Telephone", ""},
    {"PanelLocation", "Alarm position", &TKSiteConfig1::PanelLocation, kSiteConfigSection, "Alarm Position",
     ""},
    {"InstallerName", "Installer name", &TKSiteConfig1::InstallerName, kSiteConfigSection, "Installer Name",
     ""},
    {"InstallerAddress1", "Installer address 1", &TKSiteConfig1::InstallerAddress1, kSiteConfigSection,
     "Installer Address 1", ""},
    {"InstallerAddress2", "Installer address 2", &TKSiteConfig1::InstallerAddress2, kSiteConfigSection,
     "Installer Address 2", ""},
    {"InstallerAddress3", "Installer address 3", &TKSiteConfig1::InstallerAddress3, kSiteConfigSection,
     "Installer Address 3", ""},
    {"InstallerAddress4", "Installer address 4", &TKSiteConfig1::InstallerAddress4, kSiteConfigSection,
     "Installer Address 4", ""},
    {"InstallerAddress5", "Installer post code", &TKSiteConfig1::InstallerAddress5, kSiteConfigSection,
     "Installer Address 5", ""},
    {"Engineer", "Engineer name", &TKSiteConfig1::Engineer, kSiteConfigSection, "Engineer Name", ""},
    {"EngineerNo", "Service number", &TKSiteConfig1::EngineerNo, kSiteConfigSection, "Service Number", ""},
    {"InstallDate", "Install date", &TKSiteConfig1::InstallDate, kSiteConfigSection, "Install Date", ""},
    {"CommissionDate", "Commission date", &TKSiteConfig1::CommissionDate, kSiteConfigSection,
     "Commission Date", ""},
    {"DayModeTime", "Day mode time", &TKSiteConfig1::DayModeTime, kSiteConfigSection, "Day Mode Time",
     "07:30"},
    {"NightModeTime", "Night mode time", &TKSiteConfig1::NightModeTime, kSiteConfigSection, "Night Mode Time",
     "19:00"},
}};

inline const std::array<SiteBoolField, 8> kSiteBoolFields{{
    {"NightModeAutoEnable", "Night mode auto enable", &TKSiteConfig1::NightModeAutoEnable, kSiteConfigSection,
     "Night Mode AE", false},
    {"HTM2015Enable", "HTM2015 mode", &TKSiteConfig1::HTM2015Enable, kSiteConfigSection, "HTM2015 Mode",
     false},
    {"SurveyorEnable", "Surveyor mode", &TKSiteConfig1::SurveyorEnable, kSiteConfigSection, "Surveyor Mode",
     false},
    {"PrinterEnabled", "Printer enabled", &TKSiteConfig1::PrinterEnabled, kSiteConfigSection,
     "Printer Enabled", false},
    {"PagerEnabled", "Pager enabled", &TKSiteConfig1::PagerEnabled, kSiteConfigSection, "Pager Enabled",
     false},
    {"EmergState", "Emergency sent globally", &TKSiteConfig1::EmergState, kSiteConfigSection,
     "Emergency Sent Globally", false},
    {"AttackState", "Attack sent globally", &TKSiteConfig1::AttackState, kSiteConfigSection,
     "Attack Sent Globally", false},
    // Only the initial state of a check box; no file keeps it.
    {"CopyTime", "Copy PC time to panel", &TKSiteConfig1::CopyTime, nullptr, nullptr, false},
}};

inline const std::array<SiteIntField, 4> kSiteIntFields{{
    {"AccTimeout", "Accept timeout (minutes)", &TKSiteConfig1::AccTimeout, kSiteConfigSection,
     "Accept Timeout", 1},
    {"DivTimeout", "Divert timeout (minutes)", &TKSiteConfig1::DivTimeout, kSiteConfigSection,
     "Divert Timeout", 1},
    {"LoggerSetting", "Print log", &TKSiteConfig1::LoggerSetting, kSiteConfigSection, "LoggerSetting", 1},
    {"PagerLevel", "Pager level", &TKSiteConfig1::PagerLevel, kSiteConfigSection, "Pager Level", 1},
}};

}  // namespace kelvane
