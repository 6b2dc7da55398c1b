#include "ui/window/HelpWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

#include "ui/HelpContexts.h"

namespace {
constexpr QSize kPreferredSize(640, 560);

// The window manager's frame around a window that is showing.
QMargins FrameOf(const QWidget& window) {
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}
}  // namespace

// Resources of a static library must be registered by hand.
static void InitHelpResources() {
    Q_INIT_RESOURCE(help);
}

namespace kelvane {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    InitHelpResources();
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Kelvane Tools Help"));
    Browser = new QTextBrowser(this);
    Browser->setObjectName(QStringLiteral("Browser"));
    Browser->setOpenLinks(true);
    Browser->setOpenExternalLinks(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Browser);
    resize(kPreferredSize);
    connect(Browser, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) {
        context_ = 0;
        for (int context : Contexts())
            if (url == PageFor(context)) context_ = context;
    });
    qApp->installEventFilter(this);
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1 &&
        watched->isWidgetType()) {
        const QVariant context = static_cast<QWidget*>(watched)->window()->property(kHelpContextProperty);
        if (context.isValid()) {
            ShowContext(context.toInt());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

const QList<int>& HelpWindow::Contexts() {
    static const QList<int> contexts(kHelpContexts.begin(), kHelpContexts.end());
    return contexts;
}

QUrl HelpWindow::PageFor(int context) {
    if (!Contexts().contains(context)) return ContentsPage();
    return QUrl(QStringLiteral("qrc:/help/context-%1.html").arg(context));
}

QUrl HelpWindow::ContentsPage() {
    return QUrl(QStringLiteral("qrc:/help/index.html"));
}

QRect HelpWindow::Placement(QSize preferred, QMargins frame, QRect owner, QRect area) {
    const QSize frameSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    QRect outer(QPoint(), (preferred + frameSize).boundedTo(area.size()));
    outer.moveCenter(owner.center());
    outer.moveLeft(std::clamp(outer.left(), area.left(), area.right() + 1 - outer.width()));
    outer.moveTop(std::clamp(outer.top(), area.top(), area.bottom() + 1 - outer.height()));
    return outer;
}

void HelpWindow::PlaceOverOwner() {
    const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    const QScreen* display = owner ? owner->screen() : screen();
    if (!display) return;
    const QRect area = display->availableGeometry();
    // Before its first show the window's own frame is not known: it gets
    // the same window manager's frame as its owner.
    const bool ownerShown = owner && owner->isVisible();
    const QMargins frame = ownerShown ? FrameOf(*owner) : QMargins();
    const QRect outer = Placement(kPreferredSize, frame, ownerShown ? owner->frameGeometry() : area, area);
    resize(outer.size().shrunkBy(frame));
    move(outer.topLeft());
}

// A modal window blocks every other window but those it owns, and window
// managers keep an owned dialog above its owner, in the owner's layer: the
// help opened while a modal box or dialog is up is made a dialog owned by
// that window, so it comes up above it and can be read while the box waits
// (over a dialog that stays on top of other windows it stays on top too).
// Otherwise the help is a window of its own.
void HelpWindow::KeepAbove(QWidget* modal) {
    const QWidget* ownerWidget = modal && modal != this ? modal->window() : nullptr;
    QWindow* owner = ownerWidget ? ownerWidget->windowHandle() : nullptr;
    Qt::WindowFlags kind = ownerWidget ? Qt::Dialog : Qt::Window;
    if (ownerWidget && ownerWidget->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        kind |= Qt::WindowStaysOnTopHint;
    const auto kindOf = [](Qt::WindowFlags flags) {
        return flags & (Qt::WindowType_Mask | Qt::WindowStaysOnTopHint);
    };
    if (windowHandle() && windowHandle()->transientParent() == owner && kindOf(windowFlags()) == kind) return;
    // The window manager reads both when the window is mapped.
    const bool showing = isVisible();
    const QRect place = geometry();
    if (showing) hide();
    if (kindOf(windowFlags()) != kind) setWindowFlags(kind);
    if (!windowHandle()) create();
    windowHandle()->setTransientParent(owner);
    if (showing) setGeometry(place);
}

void HelpWindow::ShowContext(int context) {
    Browser->setSource(PageFor(context));
    KeepAbove(QApplication::activeModalWidget());
    if (!isVisible()) PlaceOverOwner();
    show();
    raise();
    activateWindow();
}

}  // namespace kelvane
