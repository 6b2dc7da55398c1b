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
    // date and time of `clock` and `siteName` (ReportSiteName), which also
    // titles the print job.
    TfrmReports(TPrinterPort& port, const Clock& clock, bool fittedOnly, const std::string& siteName);

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
    // How many pages the whole report numbers, for the footers' "Page n of
    // N"; 0 while it is not known (the footers then say "Page n").
    int NumberedPages = 0;
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
    // The frame and the column lines of a table of `rows` rows from CurrentY.
    void DrawTableFrame(int rows);
    void DrawRowSeparator();
    // A table row: the texts at the column stops, with a line above them
    // unless the row is the first in its frame (the frame's top is its line).
    void DrawTableRow(const std::vector<std::string>& texts);
    void DrawBox(int left, int top, int right, int bottom, int inset, bool doubled);
    // A bold label padded to `width` characters and ": ", then the value;
    // a value that would pass `right` is drawn smaller, as it fits.
    void DrawField(int x, int y, int width, const std::string& value, const char* label, int right);
    // Draws `text` at (x, y) in the current font, or in a smaller size when
    // it would pass `right`; the font's size stays as it was.
    void DrawFittedText(int x, int y, const std::string& text, int right);
    void DrawFooter();

    // Sections' parts.
    // The name, address, post code, telephone and last line of a block.
    struct TAddressBlock {
        std::array<std::string, 8> values;
        std::array<const char*, 8> labels;
    };
    void DrawAddressBlock(const TAddressBlock& block, int left, int top, int lineHeight, int right);
    void DrawClientBlock(const TKSiteConfig1& site, int left, int top, int lineHeight, int right);
    void DrawInstallerBlock(const TKSiteConfig1& site, int left, int top, int lineHeight, int charWidth,
                            int right);
    void DrawSettingsBlock(const TKSiteConfig1& site, int left, int top, int split, int right);
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
    std::string siteName_;
    // The top of the table frame drawn last: its first row needs no line above.
    int tableTop_ = 0;
};

}  // namespace kelvane
