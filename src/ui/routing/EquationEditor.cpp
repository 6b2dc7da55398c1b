#include "ui/routing/EquationEditor.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "qt/Latin1.h"
#include "ui/routing/Beeper.h"

namespace kelvane {

namespace {

constexpr int kFirstBlinkMs = 250;
constexpr int kGreyMs = 100;
constexpr int kWindowColourMs = 500;
constexpr int kFlashMs = 100;
constexpr int kWarningHoldMs = 500;
constexpr int kSlotBoxWidth = 44;
constexpr int kListMinimumHeight = 330;
constexpr const char* kSecondInstruction = "Clicking from the list on the Right";

QColor WindowColour() {
    return QApplication::palette().color(QPalette::Active, QPalette::Base);
}
QColor GreyTextColour() {
    return QApplication::palette().color(QPalette::Disabled, QPalette::WindowText);
}

void SetBase(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
}

QPushButton* MakeButton(const char* name, const char* caption, QWidget* parent) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    // Enter in a slot box is a key like any other, never a press of a button.
    button->setAutoDefault(false);
    return button;
}

bool PassesThrough(int key) {
    switch (key) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Escape:
        case Qt::Key_F1:
            return true;
        default:
            return false;
    }
}

}  // namespace

EquationEditor::EquationEditor(EquationKind kind, const EquationEditorTexts& texts, QWidget* parent)
    : QDialog(parent), texts_(texts), slots_(kind), beeper_(&SystemBeeper()) {
    setWindowTitle(QString::fromLatin1(texts_.caption));
    setWindowFlag(Qt::WindowMinMaxButtonsHint, false);
    BuildLayout();

    BlinkTimer = new QTimer(this);
    BlinkTimer->setObjectName(QStringLiteral("BlinkTimer"));
    BlinkTimer->setInterval(kFirstBlinkMs);
    connect(BlinkTimer, &QTimer::timeout, this, &EquationEditor::BlinkTimerTimer);
    WaitTimer = new QTimer(this);
    WaitTimer->setObjectName(QStringLiteral("WaitTimer"));
    WaitTimer->setInterval(TimedSteps::kTickMs);
    connect(WaitTimer, &QTimer::timeout, this, &EquationEditor::WaitTimerTimer);

    connect(btnDel, &QPushButton::clicked, this, &EquationEditor::DelClick);
    connect(btnAccept, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnReject, &QPushButton::clicked, this, &QDialog::reject);
    connect(List, &QTableWidget::cellClicked, this, [this](int row, int) { ListRowClick(row); });
}

EquationEditor::~EquationEditor() = default;

void EquationEditor::BuildLayout() {
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    QFont headingFont = Label2->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.2);
    Label2->setFont(headingFont);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    NumberBox = new QLineEdit(this);
    NumberBox->setObjectName(QString::fromLatin1(texts_.numberBoxName));
    NumberBox->setReadOnly(true);
    NumberBox->setFocusPolicy(Qt::NoFocus);
    NumberBox->setFixedWidth(kSlotBoxWidth);
    btnDel = MakeButton("btnDel", "DEL", this);
    btnDel->setToolTip(QStringLiteral("Deletes the selected entry"));
    // DEL clears the current slot; it must not take the focus from the slots.
    btnDel->setFocusPolicy(Qt::NoFocus);

    auto* numberRow = new QHBoxLayout;
    numberRow->addWidget(Label1);
    numberRow->addWidget(NumberBox);
    numberRow->addStretch();
    numberRow->addWidget(btnDel);

    auto* slotGrid = new QGridLayout;
    for (int slot = 1; slot <= kEquationTerms; ++slot) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("Edit%1").arg(slot));
        box->setReadOnly(true);
        box->setAlignment(Qt::AlignCenter);
        box->setFixedWidth(kSlotBoxWidth);
        box->setToolTip(QString::fromLatin1(texts_.slotHint));
        box->setContextMenuPolicy(Qt::NoContextMenu);
        box->installEventFilter(this);
        SlotBoxes[static_cast<std::size_t>(slot - 1)] = box;
        slotGrid->addWidget(box, (slot - 1) / 4, (slot - 1) % 4);
    }

    Error = new QLabel(QString::fromLatin1(texts_.warning), this);
    Error->setObjectName(QStringLiteral("Error"));
    QPalette warningPalette = Error->palette();
    warningPalette.setColor(QPalette::WindowText, Qt::red);
    Error->setPalette(warningPalette);
    QSizePolicy keepRoom = Error->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    Error->setSizePolicy(keepRoom);
    Error->hide();
    Label3 = new QLabel(QString::fromLatin1(texts_.instruction), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label4 = new QLabel(QString::fromLatin1(kSecondInstruction), this);
    Label4->setObjectName(QStringLiteral("Label4"));

    btnAccept = MakeButton("btnAccept", "ACCEPT", this);
    btnReject = MakeButton("btnReject", "REJECT", this);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(btnAccept);
    buttonRow->addWidget(btnReject);

    auto* left = new QVBoxLayout;
    left->addWidget(Label2);
    left->addLayout(numberRow);
    left->addSpacing(8);
    left->addLayout(slotGrid);
    left->addWidget(Error);
    left->addSpacing(4);
    left->addWidget(Label3);
    left->addWidget(Label4);
    left->addStretch();
    left->addLayout(buttonRow);

    List = new QTableWidget(this);
    List->setObjectName(QString::fromLatin1(texts_.listName));
    List->verticalHeader()->hide();
    List->verticalHeader()->setDefaultSectionSize(18);
    List->horizontalHeader()->setHighlightSections(false);
    List->horizontalHeader()->setSectionsClickable(false);
    List->setSelectionBehavior(QAbstractItemView::SelectRows);
    List->setSelectionMode(QAbstractItemView::SingleSelection);
    List->setEditTriggers(QAbstractItemView::NoEditTriggers);
    List->installEventFilter(this);
    List->setMinimumHeight(kListMinimumHeight);

    auto* columns = new QHBoxLayout(this);
    columns->addLayout(left);
    columns->addWidget(List, 1);
}

// ---- showing and closing --------------------------------------------------

void EquationEditor::ShowFor(const char* heading, const char* label, int number, const Equation& equation) {
    active_ = true;
    busy_ = false;
    FillList();
    // The list opens at its first row, wherever it was left.
    List->scrollToTop();
    List->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Label2->setText(QString::fromLatin1(heading));
    Label1->setText(QString::fromLatin1(label));
    NumberBox->setText(QString::number(number));
    slots_.Load(equation);
    ShowSlotTexts();
    SetBoxColours(WindowColour());
    Error->hide();
    BlinkTimer->start();
    open();
    SlotBoxes[0]->setFocus(Qt::OtherFocusReason);
}

void EquationEditor::done(int result) {
    // A warning still flashing ends at once: the buttons and Escape close
    // the editor whenever they are used.
    active_ = false;
    BlinkTimer->stop();
    animation_.Finish();
    WaitTimer->stop();
    SetBoxColours(WindowColour());
    QDialog::done(result);
    if (result == QDialog::Accepted) {
        slots_.Sort();
        StoreAccepted(slots_.Entries());
    }
}

void EquationEditor::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && OnHelp) {
        OnHelp(texts_.helpTopic);
        return;
    }
    QDialog::keyPressEvent(event);
}

// ---- slot boxes -----------------------------------------------------------

int EquationEditor::SlotOf(QObject* watched) const {
    for (int slot = 1; slot <= kEquationTerms; ++slot) {
        if (SlotBoxes[static_cast<std::size_t>(slot - 1)] == watched) return slot;
    }
    return 0;
}

bool EquationEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == List && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && List->currentRow() >= 0) {
            ListRowClick(List->currentRow());
            return true;
        }
        return false;
    }
    const int slot = SlotOf(watched);
    if (slot == 0) return QDialog::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            SlotClick(slot);
            break;
        case QEvent::FocusIn: {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) SlotClick(slot);
            break;
        }
        case QEvent::FocusOut: {
            // Only a move to another control leaves the box; another window
            // or a menu coming up does not.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) SlotExit(slot);
            break;
        }
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            if (PassesThrough(key->key())) return false;
            if (key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete) {
                SlotBackspace();
            } else if (!key->text().isEmpty()) {
                SlotOtherKey();
            }
            // Nothing is ever typed into a slot.
            return true;
        }
        default:
            break;
    }
    return false;
}

void EquationEditor::SlotClick(int slot) {
    slots_.SetCurrent(slot);
}

void EquationEditor::SlotBackspace() {
    DelClick();
}

void EquationEditor::DelClick() {
    slots_.ClearCurrent();
    ShowSlotTexts();
}

void EquationEditor::SlotOtherKey() {
    StartKeyPrompt();
}

void EquationEditor::SlotExit(int slot) {
    if (!active_) return;
    const QString text = SlotBoxes[static_cast<std::size_t>(slot - 1)]->text();
    if (const int holder = slots_.DuplicateOnLeaving(slot, ToLatin1(text))) {
        StartDuplicateWarning(holder, {});
    }
}

void EquationEditor::ShowSlotTexts() {
    for (int slot = 1; slot <= kEquationTerms; ++slot) {
        const std::string text = SlotText(Kind(), slots_.Value(slot));
        SlotBoxes[static_cast<std::size_t>(slot - 1)]->setText(QString::fromLatin1(text.c_str()));
    }
}

// ---- the list -------------------------------------------------------------

void EquationEditor::FillMemberList(const char* heading) {
    const int count = EmptyMarker(Kind());
    List->clear();
    List->setColumnCount(1);
    List->horizontalHeader()->setStretchLastSection(true);
    List->setHorizontalHeaderLabels({QString::fromLatin1(heading)});
    List->setRowCount(count);
    for (int member = 0; member < count; ++member) {
        const std::string text = MemberText(Kind(), member);
        List->setItem(member, 0, new QTableWidgetItem(QString::fromLatin1(text.c_str())));
    }
}

void EquationEditor::ListRowClick(int row) {
    if (busy_ || !active_) return;
    const QTableWidgetItem* cell = List->item(row, 0);
    if (!cell) return;
    busy_ = true;
    const std::string rowText = ToLatin1(cell->text());
    const EquationSlots::Pick pick = slots_.PickMember(ReadMember(Kind(), rowText));
    if (pick.duplicate) {
        StartDuplicateWarning(pick.duplicate, [this] { busy_ = false; });
        return;
    }
    if (pick.filled) SlotBoxes[static_cast<std::size_t>(pick.filled - 1)]->setText(cell->text());
    busy_ = false;
}

// ---- blinking and flashing ------------------------------------------------

void EquationEditor::BlinkTimerTimer() {
    SetBoxColours(WindowColour());
    if (BlinkTimer->interval() == kGreyMs) {
        BlinkTimer->setInterval(kWindowColourMs);
    } else {
        BlinkTimer->setInterval(kGreyMs);
        SetBase(SlotBoxes[static_cast<std::size_t>(slots_.Current() - 1)], GreyTextColour());
    }
}

void EquationEditor::WaitTimerTimer() {
    animation_.Tick();
    if (!animation_.Running()) WaitTimer->stop();
}

void EquationEditor::Animate(TimedSteps steps) {
    // Only a pick's own warning may start while it is handled.
    animation_.Finish();
    animation_ = std::move(steps);
    animation_.Start();
    if (animation_.Running()) {
        WaitTimer->start();
    } else {
        WaitTimer->stop();
    }
}

void EquationEditor::StartDuplicateWarning(int slot, std::function<void()> finished) {
    if (busy_ && !finished) return;
    QLineEdit* box = SlotBoxes[static_cast<std::size_t>(slot - 1)];
    auto frame = [box](bool on) { return [box, on] { box->setFrame(on); }; };
    TimedSteps steps;
    steps
        .Do([this] {
            Error->show();
            beeper_->Beep();
        })
        .Do(frame(false))
        .Wait(kFlashMs)
        .Do(frame(true))
        .Wait(kFlashMs)
        .Do(frame(false))
        .Wait(kFlashMs)
        .Do(frame(true))
        .Wait(kWarningHoldMs)
        .Do([this] { Error->hide(); })
        .Do(std::move(finished));
    Animate(std::move(steps));
}

void EquationEditor::StartKeyPrompt() {
    if (busy_) return;
    auto list = [this](bool yellow) {
        return [this, yellow] { SetListColour(yellow ? QColor(Qt::yellow) : WindowColour()); };
    };
    TimedSteps steps;
    steps.Do([this] { SetInstructionsUnderlined(true); })
        .Do(list(true))
        .Wait(kFlashMs)
        .Do(list(false))
        .Wait(kFlashMs)
        .Do(list(true))
        .Wait(kFlashMs)
        .Do(list(false))
        .Do([this] {
            beeper_->Beep();
            SetInstructionsUnderlined(false);
        });
    Animate(std::move(steps));
}

void EquationEditor::SetBoxColours(const QColor& colour) {
    for (QLineEdit* box : SlotBoxes) SetBase(box, colour);
}

void EquationEditor::SetListColour(const QColor& colour) {
    SetBase(List, colour);
}

void EquationEditor::SetInstructionsUnderlined(bool underlined) {
    for (QLabel* line : {Label3, Label4}) {
        QFont font = line->font();
        font.setUnderline(underlined);
        line->setFont(font);
    }
}

}  // namespace kelvane
