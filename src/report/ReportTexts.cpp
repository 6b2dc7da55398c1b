#include "report/ReportTexts.h"

#include <QDateTime>
#include <QRegularExpression>
#include <filesystem>
#include <optional>

#include "model/DeviceCatalogue.h"
#include "model/SiteSettingTexts.h"

namespace kelvane {

namespace {

// The locale's long time format without its time zone ("h:mm:ss AP t"
// gives "h:mm:ss AP"): the time printed is the PC's own clock time.
QString LongTimeFormatWithoutZone(const QLocale& locale) {
    static const QRegularExpression kZone(QStringLiteral("\\s*\\bt+\\b\\s*"));
    QString format = locale.timeFormat(QLocale::LongFormat);
    return format.replace(kZone, QStringLiteral(" ")).trimmed();
}

// `text` in 8 bits, its spaces of any width as blanks; nothing when it
// has a character that Latin-1 does not.
std::optional<std::string> Latin1Text(const QString& text) {
    std::string bytes;
    for (const QChar c : text) {
        if (c.isSpace())
            bytes += ' ';
        else if (c.unicode() <= 0xff)
            bytes += static_cast<char>(c.unicode());
        else
            return std::nullopt;
    }
    return bytes;
}

}  // namespace

std::string ReportAllocationText(const TKLoop& loop, int n) {
    const int allocation = loop.Device(n).Allocation;
    if (loop.IsGroupDevice(n)) return "Group " + OneBasedNumber(allocation);
    if (loop.IsAreaDevice(n)) return std::string("Area  ") + AreaCharacter(allocation);
    return "Zone  " + OneBasedNumber(allocation);
}

std::string ReportEquationText(EquationKind kind, const Equation& equation) {
    const std::size_t width = kind == EquationKind::Device ? 3 : kind == EquationKind::Group ? 2 : 1;
    std::string text = " ";
    for (int slot = 1; slot <= kEquationTerms; ++slot) {
        const int value = equation[static_cast<std::size_t>(slot)];
        if (!IsMember(kind, value)) continue;
        const std::string member = MemberText(kind, value);
        if (member.size() < width) text.append(width - member.size(), ' ');
        text += member + " ";
    }
    return text;
}

std::string YesNoText(bool value) {
    return value ? "YES" : "NO";
}

std::string SentText(bool global) {
    return ListEntry(SentEntries(), global ? 1 : 0);
}

std::string MinutesText(int minutes) {
    return std::to_string(minutes) + "  minute(s)";
}

std::string PrintedOnText(const std::tm& time, const QLocale& locale) {
    const QDate date(time.tm_year + 1900, time.tm_mon + 1, time.tm_mday);
    const QTime clock(time.tm_hour, time.tm_min, time.tm_sec);
    const std::optional<std::string> dateText = Latin1Text(locale.toString(date, QLocale::ShortFormat));
    const std::optional<std::string> timeText =
        Latin1Text(locale.toString(clock, LongTimeFormatWithoutZone(locale)));
    if (dateText && timeText) return "Printed on : " + *dateText + " at : " + *timeText;
    return "Printed on : " + date.toString(Qt::ISODate).toStdString() +
           " at : " + clock.toString(Qt::ISODate).toStdString();
}

std::string ReportSiteName(const std::string& clientName, const std::string& path) {
    if (clientName.find_first_not_of(' ') != std::string::npos) return clientName;
    if (!path.empty()) return std::filesystem::path(path).filename().string();
    return "New file";
}

std::string ReportJobTitle(const std::string& siteName) {
    return "Kelvane Tools - Site report - " + siteName;
}

std::string SiteFooterText(const std::string& siteName) {
    return "Site : " + siteName;
}

std::string PageText(int page, int pages) {
    std::string text = "Page " + std::to_string(page);
    if (pages > 0) text += " of " + std::to_string(pages);
    return text;
}

}  // namespace kelvane
