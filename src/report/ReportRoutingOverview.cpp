#include <algorithm>

#include "report/ReportDocument.h"
#include "routing/RoutingMatrix.h"

namespace kelvane {
namespace {

constexpr int kMatrixPoints = 9;
// The row headings' width and a cell's, in characters of the matrix's font.
constexpr int kHeadingCharacters = 34;
constexpr int kCellCharacters = 4;

// A matrix row: a line's height and a quarter, so that the rules clear the text.
int RowPitch(int textHeight) {
    return std::max(textHeight + textHeight / 4, 1);
}

// "Z12", "G3": a column's heading in the matrix; the key names the zones.
std::string ShortHeading(const MatrixColumn& column) {
    return (column.kind == MatrixColumn::Kind::Zone ? "Z" : "G") + std::to_string(column.number);
}

std::vector<std::string> KeyLines(const RoutingMatrix& matrix) {
    std::vector<std::string> lines{"X  the zone shows the call (over-door lights and sounders)",
                                   "D  the group shows the call by day (Primary Areas)",
                                   "N  the group shows the call at night (Night Areas)",
                                   "V  the call reaches the group after a divert (Divert to Groups)", ""};
    for (std::size_t c = 0; c < matrix.Columns().size(); ++c) {
        const MatrixColumn& column = matrix.Columns()[c];
        if (column.kind != MatrixColumn::Kind::Zone) continue;
        std::string line = ShortHeading(column) + "  " + matrix.ColumnHeading(c) + ":";
        const std::vector<int> outputs = SetMembers(matrix.ColumnOutputs(c));
        if (outputs.empty()) line += " no fitted over-door light or sounder";
        for (const int n : outputs) line += " " + std::to_string(n);
        lines.push_back(line);
    }
    for (std::size_t c = 0; c < matrix.Columns().size(); ++c) {
        const MatrixColumn& column = matrix.Columns()[c];
        if (column.kind != MatrixColumn::Kind::Group) continue;
        std::string line = ShortHeading(column) + "  Group " + std::to_string(column.number) + " displays:";
        const std::vector<int> outputs = SetMembers(matrix.ColumnOutputs(c));
        if (outputs.empty()) line += " none fitted";
        for (const int n : outputs) line += " " + std::to_string(n);
        lines.push_back(line);
    }
    return lines;
}

}  // namespace

void TfrmReports::PrintRoutingOverview(const TData& data) {
    const RoutingMap map(data);
    const RoutingMatrix matrix(data, map);
    StartTitledSection("Routing Overview");
    SetFont(kMatrixPoints, 0);
    const int charWidth = std::max(Canvas().TextWidth("W"), 1);
    const int rowHeight = RowPitch(Canvas().TextHeight("W"));
    const int headingWidth = kHeadingCharacters * charWidth;
    const int cellWidth = kCellCharacters * charWidth;
    const std::size_t columnsPerPage = static_cast<std::size_t>(
        std::max((ReportPrinter.PageWidth() - 2 * LeftX - headingWidth) / cellWidth, 1));
    // The first page's title takes as much room as every later page's.
    const std::size_t rowsPerPage =
        static_cast<std::size_t>(std::max((BreakY - CurrentY) / rowHeight - 1, 1));
    const std::size_t rows = matrix.Rows().size();
    const std::size_t columns = std::max<std::size_t>(matrix.Columns().size(), 1);
    bool first = true;
    for (std::size_t firstColumn = 0; firstColumn < columns; firstColumn += columnsPerPage) {
        for (std::size_t firstRow = 0; firstRow < rows; firstRow += rowsPerPage) {
            if (!first) {
                StartTitledSection("Routing Overview");
                SetFont(kMatrixPoints, 0);
            }
            first = false;
            DrawMatrixPart(matrix,
                           {firstRow, std::min(firstRow + rowsPerPage, rows), firstColumn,
                            std::min(firstColumn + columnsPerPage, matrix.Columns().size())},
                           headingWidth, cellWidth);
            DrawFooter();
        }
    }
    PrintTextPages("Routing Overview - Key", KeyLines(matrix));
}

void TfrmReports::DrawMatrixPart(const RoutingMatrix& matrix, const TMatrixPart& part, int headingWidth,
                                 int cellWidth) {
    const int rowHeight = RowPitch(Canvas().TextHeight("W"));
    const int textOffset = rowHeight / 10;
    const int top = CurrentY;
    const int right = LeftX + headingWidth + static_cast<int>(part.lastColumn - part.firstColumn) * cellWidth;
    const int bottom = top + static_cast<int>(part.lastRow - part.firstRow + 1) * rowHeight;
    const auto cellX = [&](std::size_t column) {
        return LeftX + headingWidth + static_cast<int>(column - part.firstColumn) * cellWidth;
    };
    const auto centred = [&](std::size_t column, int y, const std::string& text) {
        Canvas().TextOut(cellX(column) + (cellWidth - Canvas().TextWidth(text)) / 2, y + textOffset, text);
    };
    Canvas().TextOut(LeftX + 2, top + textOffset, "Call from");
    for (std::size_t c = part.firstColumn; c < part.lastColumn; ++c)
        centred(c, top, ShortHeading(matrix.Columns()[c]));
    for (std::size_t r = part.firstRow; r < part.lastRow; ++r) {
        const int y = top + static_cast<int>(r - part.firstRow + 1) * rowHeight;
        Canvas().MoveTo(LeftX, y);
        Canvas().LineTo(right, y);
        Canvas().TextOut(LeftX + 2, y + textOffset, matrix.RowHeading(r).substr(0, kHeadingCharacters - 1));
        for (std::size_t c = part.firstColumn; c < part.lastColumn; ++c) centred(c, y, matrix.Mark(r, c));
    }
    Canvas().Rectangle(LeftX, top, right, bottom);
    for (std::size_t c = part.firstColumn; c <= part.lastColumn; ++c) {
        Canvas().MoveTo(cellX(c), top);
        Canvas().LineTo(cellX(c), bottom);
    }
    CurrentY = bottom + rowHeight;
}

}  // namespace kelvane
