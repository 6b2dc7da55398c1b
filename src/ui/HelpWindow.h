#pragma once
#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace kelvane {

// The program's help: one HTML page per help context, built into the program,
// shown in a browser window that is created once and reused. Any window or
// dialog opens it at its own context.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the window at the page of `context` (the contents page for a
    // context that has none) and brings it to the front.
    void ShowContext(int context);
    // The context last shown; 0 for the contents page.
    int CurrentContext() const { return context_; }

    // The help contexts the program uses, each with a page of its own.
    static const QList<int>& Contexts();
    static QUrl PageFor(int context);
    static QUrl ContentsPage();

    QTextBrowser* Browser;

private:
    int context_ = 0;
};

}  // namespace kelvane
