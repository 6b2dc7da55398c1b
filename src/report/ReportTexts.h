#pragma once
#include <QLocale>
#include <ctime>
#include <string>

#include "model/Data.h"
#include "model/Equation.h"

namespace kelvane {

// The texts the site report prints in its tables and its site page.

// Device n's allocation as the device list prints it: "Group " and the
// group number for group devices, "Area  " and the letter (character 65 +
// index, unchecked) for area devices, "Zone  " and the zone number for
// every other type, not fitted included.
std::string ReportAllocationText(const TKLoop& loop, int n);

// How the routing tables print an equation: a blank, then for each member
// of slots 1..8 its text and a blank, device addresses right-aligned in
// three characters and group numbers in two (" A C ", "   6  13 ", "  2 15 ").
std::string ReportEquationText(EquationKind kind, const Equation& equation);

std::string YesNoText(bool value);
// "Locally" or "Globally".
std::string SentText(bool global);
// "4  minute(s)".
std::string MinutesText(int minutes);

// What a page footer says of when it was printed: "Printed on : ", the date
// in the locale's short date format, " at : " and the time in its long time
// format, without the time zone ("Printed on : 12/7/26 at : 2:05:09 PM" in
// the United States). Where the locale writes them with characters that the
// report's 8-bit texts cannot hold, as "2026-12-07" and "14:05:09".
std::string PrintedOnText(const std::tm& time, const QLocale& locale = QLocale());

// The name the report gives the site in its footers and its title: the
// client's name, or the name of the site's file (`path`) when the client
// has none, or "New file" for a site never saved.
std::string ReportSiteName(const std::string& clientName, const std::string& path);
// "Kelvane Tools - Site report - " and the site's name.
std::string ReportJobTitle(const std::string& siteName);
// "Site : " and the site's name.
std::string SiteFooterText(const std::string& siteName);
// "Page n of N", or "Page n" while N (`pages`) is not known (0).
std::string PageText(int page, int pages);

}  // namespace kelvane
