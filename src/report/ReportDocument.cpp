#include "report/ReportDocument.h"

#include <algorithm>

#include "report/ReportTexts.h"

namespace kelvane {
namespace {

// Room left above the foot of the page when a table or text breaks.
constexpr int kBreakMargin = 300;
// How far a table row's texts stand right of their column's line.
constexpr int kCellInset = 20;
// The smallest size a text is drawn at to fit its room; past it, the text is cut.
constexpr int kSmallestFittedPoints = 8;

}  // namespace

TfrmReports::TfrmReports(TPrinterPort& port, const Clock& clock, bool fittedOnly, const std::string& siteName)
    : ReportPrinter(port), FittedOnly(fittedOnly), clock_(clock), siteName_(siteName) {
    ReportPrinter.Title = QString::fromLatin1(ReportJobTitle(siteName));
    BeginReport();
}

void TfrmReports::BeginReport() {
    ReportPrinter.BeginDoc();
    Canvas().SetFixedPitch(true);
    LeftX = ReportPrinter.PageOffsetX();
    TopY = ReportPrinter.PageOffsetY();
    UsableHeight = ReportPrinter.PageHeight() - 2 * ReportPrinter.PageOffsetY();
    BreakY = UsableHeight - kBreakMargin;
    CurrentY = TopY;
    RowHeight = 0;
    ColumnX = {};
    ColumnCount = 1;
    FrameLeft = FrameRight = 0;
    PageNumber = 0;
    NumberedPages = 0;
    FirstSection = true;
    tableTop_ = 0;
}

void TfrmReports::SetFont(int points, TFontStyles style) {
    Canvas().SetFontSize(points);
    Canvas().SetFontStyle(style);
}

void TfrmReports::StartSection() {
    if (!FirstSection) {
        ReportPrinter.NewPage();
        CurrentY = TopY;
    }
    FirstSection = false;
}

void TfrmReports::DrawTitle(const std::string& text) {
    Canvas().SetFontName(kReportFont);
    SetFont(14, kTitleStyle);
    RowHeight = Canvas().TextHeight(text);
    Canvas().TextOut((ReportPrinter.PageWidth() - Canvas().TextWidth(text)) / 2, CurrentY, text);
    CurrentY += 2 * RowHeight;
}

void TfrmReports::StartColumns() {
    ColumnCount = 1;
    ColumnX[1] = LeftX;
}

void TfrmReports::DrawHeaderCell(const std::string& text, int width, bool centred) {
    if (ColumnCount + 1 >= static_cast<int>(ColumnX.size())) return;
    const int left = ColumnX[static_cast<std::size_t>(ColumnCount)];
    const int cellWidth = width * Canvas().TextWidth("W");
    ColumnX[static_cast<std::size_t>(ColumnCount) + 1] = left + cellWidth;
    ++ColumnCount;
    const int x = centred ? left + (cellWidth - Canvas().TextWidth(text)) / 2 : left + 2;
    Canvas().TextOut(x, CurrentY, text);
}

void TfrmReports::DrawHeaderRow(std::initializer_list<THeaderCell> cells) {
    StartColumns();
    for (const THeaderCell& cell : cells) DrawHeaderCell(cell.text, cell.width, cell.centred);
}

void TfrmReports::StartTitledSection(const std::string& title) {
    StartSection();
    Canvas().SetFontName(kReportFont);
    DrawTitle(title);
}

void TfrmReports::DrawFrame(int left, int top, int right, int bottom) {
    FrameLeft = left;
    FrameRight = right;
    Canvas().Rectangle(left, top, right, bottom);
}

void TfrmReports::DrawColumnLines(int top, int bottom) {
    for (int stop = 1; stop <= ColumnCount; ++stop) {
        Canvas().MoveTo(ColumnX[static_cast<std::size_t>(stop)], top);
        Canvas().LineTo(ColumnX[static_cast<std::size_t>(stop)], bottom);
    }
}

void TfrmReports::DrawTableFrame(int rows) {
    const int bottom = CurrentY + rows * Canvas().TextHeight("W");
    tableTop_ = CurrentY;
    DrawFrame(LeftX, CurrentY, ColumnX[static_cast<std::size_t>(ColumnCount)], bottom);
    DrawColumnLines(CurrentY, bottom);
}

// At the top of the row's line, below the descenders of the row above.
void TfrmReports::DrawRowSeparator() {
    Canvas().MoveTo(FrameLeft, CurrentY);
    Canvas().LineTo(FrameRight, CurrentY);
}

void TfrmReports::DrawTableRow(const std::vector<std::string>& texts) {
    RowHeight = Canvas().TextHeight("W");
    if (CurrentY > tableTop_) DrawRowSeparator();
    for (std::size_t column = 0; column < texts.size() && column + 1 < ColumnX.size(); ++column)
        Canvas().TextOut(ColumnX[column + 1] + kCellInset, CurrentY, texts[column]);
    CurrentY += RowHeight;
}

void TfrmReports::DrawBox(int left, int top, int right, int bottom, int inset, bool doubled) {
    Canvas().Rectangle(left, top, right, bottom);
    if (doubled) Canvas().Rectangle(left + inset, top + inset, right - inset, bottom - inset);
}

void TfrmReports::DrawField(int x, int y, int width, const std::string& value, const char* label, int right) {
    Canvas().SetFontName(kReportFont);
    SetFont(14, fsBold);
    std::string caption = label ? label : "";
    if (caption.size() < static_cast<std::size_t>(width))
        caption.resize(static_cast<std::size_t>(width), ' ');
    Canvas().TextOut(x, y, caption + ": ");
    const int valueX = x + (width + 3) * Canvas().TextWidth("W");
    Canvas().SetFontStyle(0);
    DrawFittedText(valueX, y + 15, value, right);
}

void TfrmReports::DrawFittedText(int x, int y, const std::string& text, int right) {
    const int points = Canvas().Font().Size;
    const int height = Canvas().TextHeight(text);
    while (Canvas().Font().Size > kSmallestFittedPoints && x + Canvas().TextWidth(text) > right)
        Canvas().SetFontSize(Canvas().Font().Size - 1);
    std::string fitted = text;
    while (!fitted.empty() && x + Canvas().TextWidth(fitted) > right) fitted.pop_back();
    // On the same line as a text of the full size would stand.
    Canvas().TextOut(x, y + height - Canvas().TextHeight(fitted), fitted);
    Canvas().SetFontSize(points);
}

void TfrmReports::DrawFooter() {
    ++PageNumber;
    SetFont(10, 0);
    CurrentY = UsableHeight - 2 * Canvas().TextHeight("F");
    StartColumns();
    const std::tm now = clock_.LocalTime();
    DrawHeaderCell(PrintedOnText(now), 76, false);
    DrawHeaderCell(PageText(PageNumber, NumberedPages), 15, true);
    const int lineHeight = Canvas().TextHeight("W");
    // The site on the line below, so that a loose page can be traced.
    DrawFittedText(ColumnX[1] + 2, CurrentY + lineHeight, SiteFooterText(siteName_), ColumnX[2] - 2);
    DrawFrame(LeftX, CurrentY - lineHeight / 2, ColumnX[static_cast<std::size_t>(ColumnCount)],
              CurrentY + 2 * lineHeight);
    DrawColumnLines(CurrentY - lineHeight / 2, CurrentY + 2 * lineHeight);
}

// ---- comments and event log -------------------------------------------------

void TfrmReports::StartTextPage(const std::string& title) {
    StartTitledSection(title);
    CurrentY += 2 * RowHeight;
    SetFont(12, 0);
}

std::vector<std::string> TfrmReports::FittedPieces(const std::string& line) {
    const int charWidth = std::max(Canvas().TextWidth("W"), 1);
    const std::size_t perLine =
        static_cast<std::size_t>(std::max((ReportPrinter.PageWidth() - 2 * LeftX) / charWidth, 1));
    std::vector<std::string> pieces;
    std::string rest = line;
    while (rest.size() > perLine) {
        std::size_t cut = rest.rfind(' ', perLine);
        if (cut == std::string::npos || cut == 0) cut = perLine;
        pieces.push_back(rest.substr(0, cut));
        rest.erase(0, rest[cut] == ' ' ? cut + 1 : cut);
    }
    pieces.push_back(rest);
    return pieces;
}

void TfrmReports::PrintTextPages(const std::string& title, const std::vector<std::string>& lines) {
    StartTextPage(title);
    for (const std::string& line : lines) {
        for (const std::string& piece : FittedPieces(line)) {
            if (CurrentY > BreakY) {
                DrawFooter();
                StartTextPage(title);
            }
            Canvas().TextOut(LeftX, CurrentY, piece);
            CurrentY += RowHeight;
        }
    }
    DrawFooter();
}

}  // namespace kelvane
