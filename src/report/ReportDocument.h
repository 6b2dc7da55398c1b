#pragma once
#include <array>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/Clock.h"
#include "model/Data.h"
#include "report/PrevPrinter.h"

namespace kelvane {

class RoutingMatrix;

enum TDeviceOrder { doDeviceNumber, doDeviceType };

// The report's font, and the style of its titles and table headings.
inline constexpr const char* kReportFont = "Courier";
inline constexpr TFontStyles kTitleStyle = fsBold | fsItalic | fsUnderline;

// The report document: the site report drawn page by page onto its own
// preview printer, in that printer's device units. One is made for each
// preview or print and discarded after it.
class TfrmReports {
public:
    // Begins the document on a printer of `port`; the footers print the
    // date and time of `clock`.
    TfrmReports(TPrinterPort& port, const Clock& clock, bool fittedOnly);

    // Begins the document afresh on the printer's current paper: the pages
    // drawn so far are dropped.
    void BeginReport();

    // The sections, each on pages of its own.
    void PrintSiteInformation(const TData& data);
    void PrintDeviceList(const TData& data, TDeviceOrder order);
    void PrintZoneTable(const TData& data);
    void PrintGroupTable(const TData& data);
    // A titled list of text lines ("Comments", "Event Log").
    void PrintTextPages(const std::string& title, const std::vector<std::string>& lines);
    // The cause-and-effect matrix of the site's routing, split over as many
    // pages as its rows and columns need, then its key.
    void PrintRoutingOverview(const TData& data);
    // Every finding of the site checks.
    void PrintSiteChecks(const TData& data);
    // Ends the document; the pages are then ready to preview or print.
    void EndReport() { ReportPrinter.EndDoc(); }

    TPreviewPrinter ReportPrinter;
    int LeftX = 0;
    int TopY = 0;
    int UsableHeight = 0;
    int BreakY = 0;
    int CurrentY = 0;
    int RowHeight = 0;
    // Column stops 1..ColumnCount (entry 0 unused).
    std::array<int, 11> ColumnX{};
    int ColumnCount = 1;
    int FrameLeft = 0;
    int FrameRight = 0;
    int PageNumber = 0;
    bool FittedOnly = false;
    bool FirstSection = true;

private:
    TCanvas& Canvas() { return ReportPrinter.Canvas(); }
    void SetFont(int points, TFontStyles style);

    // Drawing primitives.
    void StartSection();
    void DrawTitle(const std::string& text);
    void StartColumns();
    void DrawHeaderCell(const std::string& text, int width, bool centred);
    // A header row from the left margin: each cell's text and width in "W"s.
    struct THeaderCell {
        const char* text;
        int width;
        bool centred;
    };
    void DrawHeaderRow(std::initializer_list<THeaderCell> cells);
    // A new section headed by a title in the report's font.
    void StartTitledSection(const std::string& title);
    // A routing table's title, header row and frame for its 32 rows.
    void DrawRoutingHeader(const std::string& title, std::initializer_list<THeaderCell> cells);
    void DrawFrame(int left, int top, int right, int bottom);
    void DrawColumnLines(int top, int bottom);
    void DrawTableFrame(int rows);
    void DrawRowSeparator();
    // A table row: the separator above it unless it is number 1, the texts at the column stops.
    void DrawTableRow(int number, const std::vector<std::string>& texts);
    void DrawBox(int left, int top, int right, int bottom, int inset, bool doubled);
    void DrawField(int x, int y, int width, const std::string& value, const char* label);
    void DrawFooter();

    // Sections' parts.
    // The name, address, post code, telephone and last line of a block.
    struct TAddressBlock {
        std::array<std::string, 8> values;
        std::array<const char*, 8> labels;
    };
    void DrawAddressBlock(const TAddressBlock& block, int left, int top, int lineHeight);
    void DrawClientBlock(const TKSiteConfig1& site, int left, int top, int lineHeight);
    void DrawInstallerBlock(const TKSiteConfig1& site, int left, int top, int lineHeight, int charWidth);
    void DrawSettingsBlock(const TKSiteConfig1& site, int left, int top);
    void DrawDeviceHeader(int rowsLeft);
    void StartTextPage(const std::string& title);
    // The pieces of `line` that fit across the page, at blanks where it has them.
    std::vector<std::string> FittedPieces(const std::string& line);
    // One page of the routing matrix: rows [firstRow, lastRow) and columns
    // [firstColumn, lastColumn).
    struct TMatrixPart {
        std::size_t firstRow, lastRow, firstColumn, lastColumn;
    };
    void DrawMatrixPart(const RoutingMatrix& matrix, const TMatrixPart& part, int headingWidth,
                        int cellWidth);

    const Clock& clock_;
};

}  // namespace kelvane
