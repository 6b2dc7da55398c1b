#pragma once
#include <string>

namespace kelvane {

inline constexpr const char* kVersionNotAvailable = "Not Available";
inline constexpr const char* kFirst64ZoneVersion = "08A00";
inline constexpr const char* kUntouchedDate = "__/__/__";

// Default access level codes of a new document: four of the digits 1..3 each,
// and different from each other.
inline constexpr const char* kDefaultAL2Code = "1212";
inline constexpr const char* kDefaultAL3Code = "3131";
inline constexpr const char* kDefaultResetCode = "DUAD";

// Site details and access codes common to the controller families.
class TSiteConfig {
public:
    virtual ~TSiteConfig() = default;

    std::string AL2Code = kDefaultAL2Code;
    std::string AL3Code = kDefaultAL3Code;
    std::string PanelLocation;
    std::string Engineer;
    std::string EngineerNo;
    bool CopyTime = false;
    std::string ClientName;
    std::string ClientAddress1;
    std::string ClientAddress2;
    std::string ClientAddress3;
    std::string ClientAddress4;
    std::string ClientAddress5;
    std::string InstallerName;
    std::string InstallerAddress1;
    std::string InstallerAddress2;
    std::string InstallerAddress3;
    std::string InstallerAddress4;
    std::string InstallerAddress5;
    std::string MainVersion = kVersionNotAvailable;

    // MainVersion, or "08A00" when it is empty.
    std::string GetMainVersion() const;
    // True when the controller's version is "08A00" or later (byte-wise
    // comparison), which gives 64 zones instead of 32.
    bool Supports64Zones() const;
    int ZoneLimit() const { return Supports64Zones() ? 64 : 32; }

    bool operator==(const TSiteConfig&) const = default;
};

// The settings of this controller family.
class TKSiteConfig1 : public TSiteConfig {
public:
    std::string CallCode = kDefaultResetCode;
    std::string AttackCode = kDefaultResetCode;
    std::string NightModeTime = "19:00";
    std::string DayModeTime = "07:30";
    bool NightModeAutoEnable = false;
    bool HTM2015Enable = false;
    bool SurveyorEnable = false;
    bool PrinterEnabled = false;
    bool PagerEnabled = false;
    int LoggerSetting = 0;
    int PagerLevel = 0;
    int AccTimeout = 1;
    int DivTimeout = 1;
    bool EmergState = false;
    bool AttackState = true;
    std::string ClientTel;
    std::string InstallDate = kUntouchedDate;
    std::string CommissionDate = kUntouchedDate;

    // Puts every field into its new-document state.
    void ResetToDefaults();

    bool operator==(const TKSiteConfig1&) const = default;
};

}  // namespace kelvane
