#include "ui/widgets/CaptionBar.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

namespace kelvane {

CaptionBar::CaptionBar(QWidget* window) : QWidget(window), window_(window) {
    setObjectName(QStringLiteral("CaptionBar"));
    setFixedHeight(kHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    window_->setWindowFlag(Qt::FramelessWindowHint, true);
    window_->installEventFilter(this);
}

QVBoxLayout* CaptionBar::FrameWithContent(QWidget* window) {
    auto* frame = new QVBoxLayout(window);
    frame->setContentsMargins(kBorder, kBorder, kBorder, kBorder);
    frame->setSpacing(0);
    frame->setSizeConstraint(QLayout::SetFixedSize);
    frame->addWidget(new CaptionBar(window));
    auto* content = new QVBoxLayout;
    // The content's layouts take their spacing from here, not from the frame.
    const QStyle* style = window->style();
    const int margin = style->pixelMetric(QStyle::PM_LayoutLeftMargin);
    content->setContentsMargins(margin, margin, margin, margin);
    content->setSpacing(std::max(style->pixelMetric(QStyle::PM_LayoutHorizontalSpacing), 6));
    frame->addLayout(content);
    return content;
}

bool CaptionBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_) {
        switch (event->type()) {
            case QEvent::WindowTitleChange:
            case QEvent::ActivationChange:
                update();
                break;
            // Painted before the window's own painting and its children's,
            // in the margin they leave free.
            case QEvent::Paint:
                PaintBorder();
                break;
            default:
                break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CaptionBar::PaintBorder() {
    QPainter painter(window_);
    painter.setPen(window_->palette().color(QPalette::Shadow));
    painter.drawRect(window_->rect().adjusted(0, 0, -1, -1));
}

void CaptionBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette::ColorGroup group = window_->isActiveWindow() ? QPalette::Active : QPalette::Inactive;
    painter.fillRect(rect(), palette().color(group, QPalette::Highlight));
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(palette().color(group, QPalette::HighlightedText));
    painter.drawText(rect().adjusted(6, 0, -6, 0), Qt::AlignCenter | Qt::TextSingleLine, Caption());
}

void CaptionBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    // The window system moves the window where it can; elsewhere the bar does.
    QWindow* handle = window_->windowHandle();
    if (handle && handle->startSystemMove()) return;
    dragging_ = true;
    grabbedAt_ = event->globalPosition().toPoint() - window_->pos();
}

void CaptionBar::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) window_->move(event->globalPosition().toPoint() - grabbedAt_);
}

void CaptionBar::mouseReleaseEvent(QMouseEvent*) {
    dragging_ = false;
}

}  // namespace kelvane
