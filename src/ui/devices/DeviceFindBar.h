#pragma once
#include <QWidget>
#include <functional>
#include <vector>

#include "model/Data.h"

class QLabel;
class QLineEdit;
class QToolButton;

namespace kelvane {

inline constexpr const char* kNoMatchText = "No match";

// The find bar over the device editors: as the user types, the first device
// whose address, type, allocation or place name (with its suffix) matches
// is shown; Enter and F3 go to the next match, Shift+F3 to the previous
// one, both wrapping; Escape closes the bar. The bar says which
// match is shown ("3 of 12"). The page that holds it (its parent) says which
// devices it lists, in its order, and how to show one; Ctrl+F, F3 and
// Shift+F3 work anywhere in the window while that page shows.
class DeviceFindBar : public QWidget {
    Q_OBJECT
public:
    DeviceFindBar(const TData& data, QWidget* parent);

    // The devices the page lists, in the order it lists them.
    std::function<std::vector<int>()> Listed;
    // Shows `device` in the page (selects it).
    std::function<void(int)> Show;

    // Shows the bar with its text selected and the keyboard in it.
    void Open();
    void FindNext();
    void FindPrevious();
    // The device shown last; 0 when none.
    int Found() const { return found_; }

    QLineEdit* FindText;
    QLabel* MatchCount;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Looks again with the current text and goes `step` matches on from the
    // device shown last (0 stays on it when it still matches).
    void Step(int step);

    const TData& data_;
    QToolButton* previous_;
    QToolButton* next_;
    int found_ = 0;
};

}  // namespace kelvane
