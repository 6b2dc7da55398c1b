#pragma once
#include <array>

namespace kelvane {

// The help's contexts: each is one page of the help, context-<n>.html. The
// pages, their editors and the prompts that offer Help open the help at one
// of these.
inline constexpr int kHelpDeviceSummary = 10;
inline constexpr int kHelpPlaceNamesList = 12;
inline constexpr int kHelpDevices = 20;
inline constexpr int kHelpDeviceConfig = 22;
inline constexpr int kHelpZoneConfig = 30;
inline constexpr int kHelpAreaEquation = 32;
inline constexpr int kHelpDeviceEquation = 34;
inline constexpr int kHelpGroupConfig = 40;
inline constexpr int kHelpGroupEquation = 42;
inline constexpr int kHelpPlaceNames = 50;
inline constexpr int kHelpSiteConfig = 60;
inline constexpr int kHelpSerialPort = 62;
inline constexpr int kHelpRouting = 70;
inline constexpr int kHelpSiteChecks = 72;
inline constexpr int kHelpEventLog = 80;
// The comments page, and the help of a page that has none of its own.
inline constexpr int kHelpComments = 90;
inline constexpr int kHelpPrintOptions = 92;

// A window whose property of this name holds a help context opens the help
// there on F1.
inline constexpr const char* kHelpContextProperty = "helpContext";

inline constexpr std::array kHelpContexts{
    kHelpDeviceSummary, kHelpPlaceNamesList, kHelpDevices,     kHelpDeviceConfig,  kHelpZoneConfig,
    kHelpAreaEquation,  kHelpDeviceEquation, kHelpGroupConfig, kHelpGroupEquation, kHelpPlaceNames,
    kHelpSiteConfig,    kHelpSerialPort,     kHelpRouting,     kHelpSiteChecks,    kHelpEventLog,
    kHelpComments,      kHelpPrintOptions};

}  // namespace kelvane
