#include "ui/controller/TfrmStatus.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "qt/Latin1.h"
#include "ui/widgets/CaptionBar.h"

namespace kelvane {

namespace {

constexpr int kHeight = 250;  // below the title bar
constexpr int kOuterHeight = kHeight + CaptionBar::kHeight + 2 * CaptionBar::kBorder;
constexpr int kStatusAreaWidth = 426;
constexpr int kListLeft = 442;
constexpr int kListWidth = 260;

QListWidget* MakeCheckList(QWidget* parent, const char* name, const std::vector<std::string>& items) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setFocusPolicy(Qt::NoFocus);
    for (const std::string& text : items) {
        auto* item = new QListWidgetItem(Latin1(text), list);
        // Ticked by the transfer only, never by a click.
        item->setFlags(Qt::ItemIsEnabled);
        item->setCheckState(Qt::Unchecked);
    }
    list->setGeometry(kListLeft, 8, kListWidth, kHeight - 16);
    list->hide();
    return list;
}

void ShowTicks(QListWidget* list, const TransferStatus& status, TransferStatus::List which) {
    for (int row = 0; row < list->count(); ++row)
        list->item(row)->setCheckState(status.Checked(which, row) ? Qt::Checked : Qt::Unchecked);
}

}  // namespace

TfrmStatus::TfrmStatus(TransferStatus& status, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), status_(status) {
    setObjectName(QStringLiteral("frmStatus"));
    setWindowTitle(QStringLiteral("Status"));
    setModal(false);
    // A title bar of its own: the window manager's would carry buttons.
    bar_ = new CaptionBar(this);
    bar_->move(CaptionBar::kBorder, CaptionBar::kBorder);
    body_ = new QWidget(this);
    body_->move(CaptionBar::kBorder, CaptionBar::kBorder + CaptionBar::kHeight);

    pnlBack = new QFrame(body_);
    pnlBack->setObjectName(QStringLiteral("pnlBack"));
    pnlBack->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlBack->setGeometry(8, 8, kStatusAreaWidth, 120);

    pnlStatus = new QLabel(pnlBack);
    pnlStatus->setObjectName(QStringLiteral("pnlStatus"));
    pnlStatus->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlStatus->setAlignment(Qt::AlignCenter);
    pnlStatus->setWordWrap(true);
    pnlStatus->setGeometry(8, 8, kStatusAreaWidth - 16, 104);

    Progress = new QProgressBar(body_);
    Progress->setObjectName(QStringLiteral("Progress"));
    Progress->setRange(0, 100);
    Progress->setTextVisible(false);
    Progress->setGeometry(8, 144, kStatusAreaWidth, 20);

    lblPhase = new QLabel(body_);
    lblPhase->setObjectName(QStringLiteral("lblPhase"));
    lblPhase->setAlignment(Qt::AlignCenter);
    lblPhase->setGeometry(8, 166, kStatusAreaWidth, 20);
    lblPhase->hide();

    btnCancel = new QPushButton(QStringLiteral("Cancel"), body_);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setGeometry((kStatusAreaWidth - 100) / 2 + 8, 190, 100, 28);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmStatus::btnCancelClick);

    lblWaiting = new QLabel(body_);
    lblWaiting->setObjectName(QStringLiteral("lblWaiting"));
    lblWaiting->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblWaiting->setWordWrap(true);
    lblWaiting->setGeometry(8, 220, kStatusAreaWidth, kHeight - 222);

    StatusList = MakeCheckList(body_, "StatusList", TransferStatus::LoadItems());
    StatusList1 = MakeCheckList(body_, "StatusList1", TransferStatus::SaveItems());

    SetTextPointSize(8);
    SetWidth(TransferStatus::kNarrowWidth);
    status_.OnChanged = [this] { StatusChanged(); };
    StatusChanged();
}

TfrmStatus::~TfrmStatus() {
    status_.OnChanged = nullptr;
}

void TfrmStatus::SetTextPointSize(int points) {
    QFont font = pnlStatus->font();
    font.setPointSize(points);
    pnlStatus->setFont(font);
}

void TfrmStatus::StatusChanged() {
    const std::string& text = status_.StatusText();
    pnlStatus->setText(Latin1(text));
    Progress->setMaximum(status_.ProgressMax());
    // A position past the maximum shows a full bar (the bar itself would ignore it).
    Progress->setValue(std::clamp(status_.ProgressPosition(), 0, status_.ProgressMax()));
    btnCancel->setVisible(status_.CancelVisible());
    const std::string& phase = status_.Phase();
    lblPhase->setText(Latin1(phase));
    lblPhase->setVisible(!phase.empty());
    const std::string& waiting = status_.Waiting();
    lblWaiting->setText(Latin1(waiting));
    StatusList->setVisible(status_.ShownList() == TransferStatus::List::Load);
    StatusList1->setVisible(status_.ShownList() == TransferStatus::List::Save);
    ShowTicks(StatusList, status_, TransferStatus::List::Load);
    ShowTicks(StatusList1, status_, TransferStatus::List::Save);
    if (width() != status_.Width()) {
        SetWidth(status_.Width());
        if (isVisible()) CentreOnParent();
    }

    if (status_.Visible() && !isVisible()) {
        CentreOnParent();
        show();
    } else if (!status_.Visible() && isVisible()) {
        hide();
    }
}

void TfrmStatus::SetWidth(int width) {
    setFixedSize(width, kOuterHeight);
    bar_->resize(width - 2 * CaptionBar::kBorder, CaptionBar::kHeight);
    body_->resize(width - 2 * CaptionBar::kBorder, kHeight);
}

void TfrmStatus::CentreOnParent() {
    const QRect area = parentWidget() && parentWidget()->isVisible()
                           ? parentWidget()->frameGeometry()
                           : (screen() ? screen()->availableGeometry() : QRect());
    if (area.isEmpty()) return;
    move(area.center() - QPoint(width() / 2, height() / 2));
}

void TfrmStatus::closeEvent(QCloseEvent* event) {
    if (status_.Visible()) event->ignore();
}

void TfrmStatus::btnCancelClick() {
    if (status_.OnCancelPressed) status_.OnCancelPressed();
}

}  // namespace kelvane
