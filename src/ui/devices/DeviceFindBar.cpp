#include "ui/devices/DeviceFindBar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QToolButton>
#include <algorithm>

#include "model/DeviceFind.h"
#include "qt/Latin1.h"

namespace kelvane {

namespace {

QToolButton* MakeButton(QWidget* parent, const char* name, const QString& text, const QString& hint) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(text);
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setAutoRaise(true);
    return button;
}

}  // namespace

DeviceFindBar::DeviceFindBar(const TData& data, QWidget* parent) : QWidget(parent), data_(data) {
    setObjectName(QStringLiteral("DeviceFindBar"));
    auto* label = new QLabel(QStringLiteral("&Find:"), this);
    FindText = new QLineEdit(this);
    FindText->setObjectName(QStringLiteral("FindText"));
    FindText->setPlaceholderText(QStringLiteral("Address, type, zone/group/area or place name"));
    FindText->setClearButtonEnabled(true);
    label->setBuddy(FindText);
    MatchCount = new QLabel(this);
    MatchCount->setObjectName(QStringLiteral("MatchCount"));
    MatchCount->setMinimumWidth(MatchCount->fontMetrics().horizontalAdvance(QStringLiteral("256 of 256")) +
                                8);
    previous_ = MakeButton(this, "FindPrevious", QStringLiteral("Previous"),
                           QStringLiteral("Previous match (Shift+F3)"));
    next_ = MakeButton(this, "FindNext", QStringLiteral("Next"), QStringLiteral("Next match (F3)"));
    auto* close =
        MakeButton(this, "FindClose", QStringLiteral("Close"), QStringLiteral("Close the find bar (Esc)"));

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 2, 0, 2);
    row->addWidget(label);
    row->addWidget(FindText, 1);
    row->addWidget(MatchCount);
    row->addWidget(previous_);
    row->addWidget(next_);
    row->addWidget(close);

    connect(FindText, &QLineEdit::textEdited, this, [this] { Step(0); });
    connect(FindText, &QLineEdit::returnPressed, this, &DeviceFindBar::FindNext);
    connect(previous_, &QToolButton::clicked, this, &DeviceFindBar::FindPrevious);
    connect(next_, &QToolButton::clicked, this, &DeviceFindBar::FindNext);
    connect(close, &QToolButton::clicked, this, &QWidget::hide);

    // The keys work anywhere in the window while the page that holds the
    // bar is showing (a hidden page's keys are passed over).
    const auto shortcut = [parent](QKeySequence keys, auto slot) { new QShortcut(keys, parent, slot); };
    shortcut(QKeySequence::Find, [this] { Open(); });
    shortcut(QKeySequence(Qt::Key_F3), [this] { isVisible() ? FindNext() : Open(); });
    shortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3), [this] { isVisible() ? FindPrevious() : Open(); });
    hide();
}

void DeviceFindBar::Open() {
    show();
    FindText->setFocus(Qt::ShortcutFocusReason);
    FindText->selectAll();
    Step(0);
}

void DeviceFindBar::FindNext() {
    Step(1);
}

void DeviceFindBar::FindPrevious() {
    Step(-1);
}

void DeviceFindBar::Step(int step) {
    const std::vector<int> matches =
        Listed ? FindDevices(data_, Listed(), ToLatin1(FindText->text())) : std::vector<int>{};
    if (matches.empty()) {
        found_ = 0;
        MatchCount->setText(FindText->text().isEmpty() ? QString() : QString::fromLatin1(kNoMatchText));
        return;
    }
    const auto at = std::find(matches.begin(), matches.end(), found_);
    const auto count = static_cast<int>(matches.size());
    int index = 0;
    if (at != matches.end()) index = (static_cast<int>(at - matches.begin()) + step + count) % count;
    // From a device that no longer matches, back goes to the last match.
    else if (step < 0)
        index = count - 1;
    found_ = matches[static_cast<std::size_t>(index)];
    MatchCount->setText(QStringLiteral("%1 of %2").arg(index + 1).arg(count));
    if (Show) Show(found_);
}

void DeviceFindBar::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace kelvane
