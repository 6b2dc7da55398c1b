#include "report/Canvas.h"

#include <QPicture>
#include <cmath>

#include "qt/Latin1.h"

namespace kelvane {

QStringList FontFamilies(const std::string& name) {
    const QString family = Latin1(name);
    if (family.compare(QStringLiteral("Courier"), Qt::CaseInsensitive) == 0)
        return {QStringLiteral("Liberation Mono"), QStringLiteral("Courier New"), family};
    return {family};
}

QFont CanvasFont(const TCanvasFont& font, int pixelsPerInch) {
    QFont result;
    result.setFamilies(FontFamilies(font.Name));
    // As the platform's printing does it: points x resolution / 72, rounded.
    result.setPixelSize(std::max(1, static_cast<int>(std::lround(font.Size * pixelsPerInch / 72.0))));
    result.setBold((font.Style & fsBold) != 0);
    result.setItalic((font.Style & fsItalic) != 0);
    result.setUnderline((font.Style & fsUnderline) != 0);
    result.setFixedPitch(font.FixedPitch);
    result.setStyleHint(font.FixedPitch ? QFont::TypeWriter : QFont::AnyStyle);
    result.setHintingPreference(QFont::PreferNoHinting);
    result.setKerning(false);
    return result;
}

TCanvas::TCanvas(QPicture& page, const TCanvasState& state, int pixelsPerInch)
    : state_(state),
      pixelsPerInch_(pixelsPerInch),
      font_(CanvasFont(state.Font, pixelsPerInch)),
      metrics_(font_) {
    painter_.begin(&page);
    painter_.setFont(font_);
    ApplyPenAndBrush();
}

TCanvas::~TCanvas() {
    End();
}

void TCanvas::End() {
    if (painter_.isActive()) painter_.end();
}

void TCanvas::SetFont(const TCanvasFont& font) {
    state_.Font = font;
    font_ = CanvasFont(font, pixelsPerInch_);
    metrics_ = QFontMetrics(font_);
    if (painter_.isActive()) painter_.setFont(font_);
}

void TCanvas::SetPenWidth(int width) {
    state_.PenWidth = width;
    ApplyPenAndBrush();
}

void TCanvas::SetBrushStyle(TBrushStyle style) {
    state_.BrushStyle = style;
    ApplyPenAndBrush();
}

void TCanvas::ApplyPenAndBrush() {
    if (!painter_.isActive()) return;
    painter_.setPen(
        QPen(Qt::black, std::max(state_.PenWidth, 1), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    const bool clear = state_.BrushStyle == bsClear;
    painter_.setBrush(clear ? QBrush(Qt::NoBrush) : QBrush(Qt::white));
    painter_.setBackground(QBrush(Qt::white));
    painter_.setBackgroundMode(clear ? Qt::TransparentMode : Qt::OpaqueMode);
}

int TCanvas::TextWidth(const std::string& text) const {
    return metrics_.horizontalAdvance(Latin1(text));
}

int TCanvas::TextHeight(const std::string&) const {
    return metrics_.height();
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
    if (painter_.isActive()) painter_.drawText(QPoint(x, y + metrics_.ascent()), Latin1(text));
}

void TCanvas::LineTo(int x, int y) {
    const QPoint to(x, y);
    if (painter_.isActive()) painter_.drawLine(penPosition_, to);
    penPosition_ = to;
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
    if (painter_.isActive()) painter_.drawRect(QRectF(left, top, right - left, bottom - top));
}

}  // namespace kelvane
