#pragma once
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPoint>
#include <string>

class QPicture;

namespace kelvane {

enum TFontStyle : unsigned { fsBold = 1u, fsItalic = 2u, fsUnderline = 4u };
using TFontStyles = unsigned;

enum TBrushStyle { bsSolid, bsClear };

// The font as the report asks for it: a family name, a size in points, the
// styles and the pitch.
struct TCanvasFont {
    std::string Name = "Arial";
    int Size = 10;
    TFontStyles Style = 0;
    bool FixedPitch = false;

    bool operator==(const TCanvasFont&) const = default;
};

// What a canvas hands on to the canvas of the next page.
struct TCanvasState {
    TCanvasFont Font;
    int PenWidth = 1;
    TBrushStyle BrushStyle = bsClear;
};

// The family a report font name is drawn with. "Courier" is drawn with a
// face that has Courier's fixed pitch and line height on every machine
// (Liberation Mono, metric-compatible with Courier New), before any
// stand-in of the platform.
QStringList FontFamilies(const std::string& name);

// The Qt font for `font` on a surface of `pixelsPerInch`: point sizes
// become device units there, unhinted, so that widths measured while
// recording hold wherever the page is replayed.
QFont CanvasFont(const TCanvasFont& font, int pixelsPerInch);

// The drawing surface of one recorded page, in the page's device units
// (measured from the paper's corner). Texts are 8-bit (Latin-1); a text
// is placed by the top of its line, as the reports lay it out.
class TCanvas {
public:
    TCanvas(QPicture& page, const TCanvasState& state, int pixelsPerInch);
    ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    const TCanvasState& State() const { return state_; }
    const TCanvasFont& Font() const { return state_.Font; }

    void SetFontName(const std::string& name) { SetFontPart(&TCanvasFont::Name, name); }
    void SetFontSize(int points) { SetFontPart(&TCanvasFont::Size, points); }
    void SetFontStyle(TFontStyles style) { SetFontPart(&TCanvasFont::Style, style); }
    void SetFixedPitch(bool fixed) { SetFontPart(&TCanvasFont::FixedPitch, fixed); }
    void SetPenWidth(int width);
    void SetBrushStyle(TBrushStyle style);

    int TextWidth(const std::string& text) const;
    int TextHeight(const std::string& text) const;

    void TextOut(int x, int y, const std::string& text);
    void MoveTo(int x, int y) { penPosition_ = QPoint(x, y); }
    void LineTo(int x, int y);
    // Outlined with the pen, filled with the brush (nothing when clear).
    void Rectangle(int left, int top, int right, int bottom);

    // Ends the recording of the page; the canvas draws nothing after it.
    void End();

private:
    void SetFont(const TCanvasFont& font);
    template <typename Part>
    void SetFontPart(Part TCanvasFont::*part, const Part& value) {
        TCanvasFont font = state_.Font;
        font.*part = value;
        SetFont(font);
    }
    void ApplyPenAndBrush();

    QPainter painter_;
    TCanvasState state_;
    int pixelsPerInch_;
    QFont font_;
    QFontMetrics metrics_;
    QPoint penPosition_;
};

}  // namespace kelvane
