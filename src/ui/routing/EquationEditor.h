#pragma once
#include <QDialog>
#include <array>
#include <functional>

#include "model/EquationSlots.h"
#include "ui/routing/TimedSteps.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTimer;

namespace kelvane {

class Beeper;

// What tells the three equation editors apart, apart from their lists.
struct EquationEditorTexts {
    const char* caption;
    const char* numberBoxName;  // "ZoneNo" or "GroupNo"
    const char* listName;       // "sgrdLoop2" or "sgrdLoop1"
    const char* warning;        // "That Area has already been selected!"
    const char* instruction;    // "Select the required Area by"
    const char* slotHint;
    int helpTopic;
};

// The design the area, device and group editors share: a heading, the zone
// or group number, eight slot boxes in two rows, a warning line, two
// instruction lines, "ACCEPT" and "REJECT" on the left; on the right a list
// whose rows are picked into the current slot. The current slot blinks;
// the warnings flash as timed steps on a 25 ms timer while the editor stays
// responsive, and no other pick is handled until a pick's warning is over
// (the buttons, Escape and the close button work at once). Backspace and
// Delete in a slot clear it. Created once and reused: every showing reloads
// the slots from the equation.
class EquationEditor : public QDialog {
    Q_OBJECT
public:
    ~EquationEditor() override;

    // The editor's sound; the program's beep unless a test sets its own.
    void SetBeeper(Beeper& beeper) { beeper_ = &beeper; }
    // Opens the help at a topic (F1).
    std::function<void(int topic)> OnHelp;

    EquationKind Kind() const { return slots_.Kind(); }
    bool Active() const { return active_; }
    // A pick is being handled (its warning still flashing).
    bool Busy() const { return busy_; }
    int CurrentSlot() const { return slots_.Current(); }
    const Equation& WorkingSlots() const { return slots_.Entries(); }
    int HelpTopic() const { return texts_.helpTopic; }

    // Handlers, named after their controls.
    void BlinkTimerTimer();
    void WaitTimerTimer();
    void ListRowClick(int row);
    void DelClick();
    void SlotClick(int slot);
    void SlotBackspace();
    void SlotOtherKey();
    void SlotExit(int slot);

    QLabel* Label2;  // heading
    QLabel* Label1;  // "For Zone" or "For Group"
    QLineEdit* NumberBox;
    QPushButton* btnDel;
    std::array<QLineEdit*, kEquationTerms> SlotBoxes{};  // Edit1 .. Edit8
    QLabel* Error;
    QLabel* Label3;
    QLabel* Label4;
    QPushButton* btnAccept;
    QPushButton* btnReject;
    QTableWidget* List;
    QTimer* BlinkTimer;
    QTimer* WaitTimer;

protected:
    EquationEditor(EquationKind kind, const EquationEditorTexts& texts, QWidget* parent);

    // Shows the editor modally over `equation` (returns at once); the
    // subclass stores the result in StoreAccepted.
    void ShowFor(const char* heading, const char* label, int number, const Equation& equation);
    // Refills the list from the model.
    virtual void FillList() = 0;
    // One column under `heading` with a row for every member of the kind:
    // "A" to "Z", or "1" to "32".
    void FillMemberList(const char* heading);
    // "ACCEPT" was pressed: `accepted` holds the sorted slots (entry 0 as
    // it came in).
    virtual void StoreAccepted(const Equation& accepted) = 0;

    void done(int result) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildLayout();
    int SlotOf(QObject* watched) const;
    void ShowSlotTexts();
    void SetBoxColours(const QColor& colour);
    void SetListColour(const QColor& colour);
    void SetInstructionsUnderlined(bool underlined);
    void StartDuplicateWarning(int slot, std::function<void()> finished);
    void StartKeyPrompt();
    void Animate(TimedSteps steps);

    EquationEditorTexts texts_;
    EquationSlots slots_;
    Beeper* beeper_;
    TimedSteps animation_;
    bool active_ = false;
    bool busy_ = false;
};

}  // namespace kelvane
