#include "ui/HelpWindow.h"

#include <QTextBrowser>
#include <QVBoxLayout>

// Resources of a static library must be registered by hand.
static void InitHelpResources() { Q_INIT_RESOURCE(help); }

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
    resize(640, 560);
    connect(Browser, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) {
        context_ = 0;
        for (int context : Contexts())
            if (url == PageFor(context)) context_ = context;
    });
}

const QList<int>& HelpWindow::Contexts() {
    static const QList<int> contexts{10, 12, 20, 22, 30, 32, 34, 40, 42, 50, 60, 80, 90};
    return contexts;
}

QUrl HelpWindow::PageFor(int context) {
    if (!Contexts().contains(context)) return ContentsPage();
    return QUrl(QStringLiteral("qrc:/help/context-%1.html").arg(context));
}

QUrl HelpWindow::ContentsPage() { return QUrl(QStringLiteral("qrc:/help/index.html")); }

void HelpWindow::ShowContext(int context) {
    Browser->setSource(PageFor(context));
    show();
    raise();
    activateWindow();
}

}  // namespace kelvane
