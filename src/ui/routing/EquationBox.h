#pragma once
#include <QLineEdit>
#include <functional>
#include <string>

#include "model/Equation.h"

class QLabel;
class QScrollArea;

namespace kelvane {

// One read-only box of the Zone Config and Group Config tabs: it shows the
// text of one equation and, when clicked (or Enter or Space while it has the
// focus), asks for its equation to be edited. Its tag is the zone or group
// number of its row.
class EquationBox : public QLineEdit {
    Q_OBJECT
public:
    EquationBox(const QString& name, int tag, QWidget* parent);

    int Tag() const { return tag_; }
    std::function<void(int tag)> OnClick;

    void ShowEquation(EquationKind kind, const Equation& equation);
    // Enabled on a white background, or disabled on silver (a zone the
    // controller does not have).
    void SetAvailable(bool available);

    // The boxes' fixed-pitch font, and a width that takes eight members of `kind` in it.
    static QFont BoxFont();
    static int WidthFor(EquationKind kind);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int tag_;
};

// The fixed geometry of both tabs: rows 25 pixels apart, the boxes of row n
// at 25 x n + 25 from the top, the row labels 2 pixels lower at 10 from the left.
namespace equation_rows {
inline constexpr int kSpacing = 25;
inline constexpr int kLabelLeft = 10;
inline constexpr int kFirstBoxLeft = 80;
inline constexpr int kColumnGap = 16;
inline constexpr int kBoxHeight = 21;
inline int BoxTop(int n) {
    return kSpacing * n + kSpacing;
}

// The bold, underlined heading and a column heading above the boxes at `left`.
void AddHeading(QWidget* content, const char* text);
void AddColumnHeading(QWidget* content, const char* text, int left);
// "Zone 5" or "Group 5" beside row n (or another text of row n at `left`).
QLabel* AddRowLabel(QWidget* content, const QString& text, int n, int left = kLabelLeft);
// The box named `name` + n in row n, at `left`.
EquationBox* AddBox(QWidget* content, const char* name, int n, int left, int width);
// Sizes `content` for its rows, `right` being its widest edge, and puts it
// into a scrolling box named `name` that fills `page`.
QScrollArea* PlaceInScrollBox(QWidget* page, QWidget* content, const char* name, int rows, int right);
}  // namespace equation_rows

}  // namespace kelvane
