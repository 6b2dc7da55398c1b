#pragma once
#include <QMargins>
#include <QRect>
#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace kelvane {

// The program's help: one HTML page per help context, built into the program,
// shown in a browser window that is created once and reused. Any window or
// dialog opens it at its own context; F1 in a window that names its context
// in the property kHelpContextProperty opens it there. Opened while a modal
// box or dialog is up, it comes up above that window and can be used while
// the box waits.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the window at the page of `context` (the contents page for a
    // context that has none) and brings it to the front. A window not yet
    // showing opens over its owner, sized to fit the screen.
    void ShowContext(int context);

    // The window's outer rectangle (frame included): `preferred` inside a
    // frame of `frame`, made smaller where it does not fit `area`, centred
    // over `owner` and moved as little as needed to lie wholly in `area`.
    static QRect Placement(QSize preferred, QMargins frame, QRect owner, QRect area);
    // The context last shown; 0 for the contents page.
    int CurrentContext() const { return context_; }

    // The help contexts the program uses, each with a page of its own.
    static const QList<int>& Contexts();
    static QUrl PageFor(int context);
    static QUrl ContentsPage();

    QTextBrowser* Browser;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PlaceOverOwner();
    void KeepAbove(QWidget* modal);

    int context_ = 0;
};

}  // namespace kelvane
