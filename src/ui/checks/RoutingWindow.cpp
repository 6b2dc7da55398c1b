#include "ui/checks/RoutingWindow.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include "qt/Latin1.h"
#include "routing/RoutingMatrix.h"
#include "routing/SiteWords.h"
#include "ui/checks/CallPathText.h"
#include "ui/checks/HelpKey.h"
#include "ui/checks/RoutingMatrixModel.h"
#include "ui/checks/SiteReview.h"

namespace kelvane {
namespace {

// What an entry of the output list stands for, kept as its item data.
enum OutputKind { OutputDevice = 0, OutputZone = 1000, OutputGroup = 2000 };
// A call list entry: an area 0..25, or 100 + a device's address.
constexpr int kDeviceCall = 100;

QPlainTextEdit* MakeTextView(const char* name) {
    auto* view = new QPlainTextEdit;
    view->setObjectName(QString::fromLatin1(name));
    view->setReadOnly(true);
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    return view;
}

// Refills `box` with `entries` where they differ from what it holds, keeping
// the entry with the same data chosen.
void Refill(QComboBox* box, RoutingWindow::Choices& held, RoutingWindow::Choices entries) {
    if (entries == held) return;
    held = std::move(entries);
    const QVariant chosen = box->currentData();
    const QSignalBlocker blocker(box);
    box->clear();
    for (const auto& [text, value] : held) box->addItem(text, value);
    const int index = box->findData(chosen);
    box->setCurrentIndex(index >= 0 ? index : 0);
}

}  // namespace

RoutingWindow::RoutingWindow(const SiteReview& review, QWidget* parent)
    : QDockWidget(QStringLiteral("Routing"), parent), review_(review) {
    setObjectName(QStringLiteral("RoutingWindow"));
    matrix_ = new RoutingMatrixModel(review_, this);
    grdRouting = new QTableView;
    grdRouting->setObjectName(QStringLiteral("grdRouting"));
    grdRouting->setModel(matrix_);
    grdRouting->setSelectionMode(QAbstractItemView::SingleSelection);
    grdRouting->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdRouting->horizontalHeader()->setDefaultSectionSize(48);
    grdRouting->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdRouting->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdRouting->verticalHeader()->setDefaultSectionSize(grdRouting->fontMetrics().height() + 6);
    grdRouting->setToolTip(QString());

    auto* side = new QWidget;
    auto* column = new QVBoxLayout(side);
    column->setContentsMargins(4, 0, 0, 0);
    column->addWidget(new QLabel(QStringLiteral("Where does this call go:")));
    cboCall = new QComboBox;
    cboCall->setObjectName(QStringLiteral("cboCall"));
    column->addWidget(cboCall);
    txtCallPath = MakeTextView("txtCallPath");
    column->addWidget(txtCallPath, 3);
    column->addWidget(new QLabel(QStringLiteral("Whose calls does this show:")));
    cboOutput = new QComboBox;
    cboOutput->setObjectName(QStringLiteral("cboOutput"));
    column->addWidget(cboOutput);
    txtShownBy = MakeTextView("txtShownBy");
    column->addWidget(txtShownBy, 2);

    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(grdRouting);
    splitter->addWidget(side);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    setWidget(splitter);

    connect(grdRouting, &QTableView::doubleClicked, this, &RoutingWindow::CellDoubleClicked);
    connect(cboCall, &QComboBox::currentIndexChanged, this, &RoutingWindow::ShowCallPath);
    connect(cboOutput, &QComboBox::currentIndexChanged, this, &RoutingWindow::ShowShownBy);
    new HelpKey(*this, [this] {
        if (OnHelp) OnHelp();
    });
    ShowRouting();
}

void RoutingWindow::ShowRouting() {
    FillCallChoices();
    FillOutputChoices();
    ShowCallPath();
    ShowShownBy();
}

void RoutingWindow::FillCallChoices() {
    Choices entries;
    for (const Route& route : review_.Map().Routes()) {
        const CallSource& source = route.source;
        const int value = source.kind == CallSource::Kind::Area ? source.number : kDeviceCall + source.number;
        entries.emplace_back(Latin1(SourceWords(review_.Data(), source)), value);
    }
    Refill(cboCall, callChoices_, std::move(entries));
}

void RoutingWindow::FillOutputChoices() {
    const TData& data = review_.Data();
    Choices entries;
    for (const Route& route : review_.Map().Routes()) {
        const int n = route.source.number;
        if (route.source.kind == CallSource::Kind::Device &&
            (data.Loop.IsZoneDevice(n) || data.Loop.IsGroupDevice(n)))
            entries.emplace_back(Latin1(SourceWords(data, route.source)), OutputDevice + n);
    }
    for (int z = 1; z <= review_.Map().ZoneLimit(); ++z)
        entries.emplace_back(Latin1(ZoneWords(data, z)), OutputZone + z);
    for (int g = 1; g <= kGroupCount; ++g)
        entries.emplace_back(QStringLiteral("Group %1").arg(g), OutputGroup + g);
    Refill(cboOutput, outputChoices_, std::move(entries));
}

void RoutingWindow::ShowCallPath() {
    const int value = cboCall->currentData().toInt();
    const Route* route = value >= kDeviceCall ? review_.Map().DeviceRoute(value - kDeviceCall)
                                              : &review_.Map().AreaRoute(value);
    txtCallPath->setPlainText(route ? Latin1(CallPathText(review_.Data(), review_.Map(), *route))
                                    : QString());
}

void RoutingWindow::ShowShownBy() {
    const int value = cboOutput->currentData().toInt();
    const TData& data = review_.Data();
    const RoutingMap& map = review_.Map();
    std::string text;
    if (value > OutputGroup)
        text = ShownByGroupText(data, map, value - OutputGroup);
    else if (value > OutputZone)
        text = ShownByZoneText(data, map, value - OutputZone);
    else if (value > OutputDevice)
        text = ShownByDeviceText(data, map, value);
    txtShownBy->setPlainText(Latin1(text));
}

void RoutingWindow::CellDoubleClicked(const QModelIndex& index) {
    if (const std::optional<EquationChoice> choice = matrix_->EquationOf(index); choice && OnEditEquation)
        OnEditEquation(*choice);
}

}  // namespace kelvane
