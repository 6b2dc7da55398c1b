#pragma once
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <memory>
#include <numeric>

#include "PrintTestSupport.h"
#include "core/ManualClock.h"
#include "report/Canvas.h"
#include "report/SiteReport.h"

namespace kelvane::test {

inline TReportOptions NoSections() {
    TReportOptions options;
    options.SiteInformation = options.DeviceInformation = options.ZoneInformation = false;
    options.GroupInformation = options.Comments = options.EventLog = false;
    return options;
}

// The report of `data` on an A4 printer with no unprintable margin (so a
// left and top offset of 100), replayed page by page.
class SiteReportTest : public ::testing::Test {
protected:
    void SetUp() override { data.ResetToDefaults(); }

    std::vector<DrawnPage> Build(const TReportOptions& options, const std::vector<std::string>& log = {}) {
        report = std::make_unique<TfrmReports>(port, clock, options.FittedOnly, "Rowan House");
        BuildSiteReport(*report, data, options, log);
        return ReplayAll(report->ReportPrinter);
    }
    std::vector<DrawnPage> BuildOnly(bool TReportOptions::*section) {
        TReportOptions options = NoSections();
        options.*section = true;
        return Build(options);
    }

    // The height and the width of a character of the report's font.
    static int LineHeight(int points, TFontStyles style = 0) {
        return QFontMetrics(CanvasFont({"Courier", points, style, true}, 600)).height();
    }
    static int CharWidth(int points, TFontStyles style = 0) {
        return QFontMetrics(CanvasFont({"Courier", points, style, true}, 600))
            .horizontalAdvance(QLatin1Char('W'));
    }

    // The table row numbers on a page: numbers written at the left stop,
    // clear of its line.
    static std::vector<int> RowNumbers(const DrawnPage& page) {
        std::vector<int> numbers;
        for (const DrawnText& text : page.texts) {
            bool number = false;
            const int value = text.text.toInt(&number);
            if (number && qAbs(text.topLeft.x() - kRowLeft) < 0.5) numbers.push_back(value);
        }
        return numbers;
    }
    static std::optional<DrawnText> Footer(const DrawnPage& page) { return page.FindStarting("Page "); }

    static constexpr int kLeft = 100;
    static constexpr int kRowLeft = kLeft + 20;
    TData data;
    FakePrinterPort port;
    ManualClock clock;
    std::unique_ptr<TfrmReports> report;
};

}  // namespace kelvane::test
