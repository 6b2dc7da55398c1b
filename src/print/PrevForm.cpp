#include "print/PrevForm.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusTipEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/Prompts.h"
#include "print/PreviewIcons.h"
#include "print/PreviewLayout.h"
#include "print/PreviewPageArea.h"
#include "print/TGoPageForm.h"
#include "report/PrevPrinter.h"

namespace kelvane {
namespace {

constexpr double kZoomStep = 1.5;

QToolButton* AddButton(QWidget* bar, const char* name, const QString& caption, const char* hint) {
    auto* button = new QToolButton(bar);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setAutoRaise(true);
    button->setToolTip(QString::fromLatin1(hint));
    button->setStatusTip(QString::fromLatin1(hint));
    bar->layout()->addWidget(button);
    return button;
}

QToolButton* AddIconButton(QWidget* bar, const char* name, PreviewIcon icon, const char* hint) {
    QToolButton* button = AddButton(bar, name, QString(), hint);
    button->setIcon(MakePreviewIcon(icon));
    button->setIconSize(QSize(20, 20));
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    return button;
}

QLabel* AddLabel(QWidget* bar, const char* name, const char* hint, int minimumWidth) {
    auto* label = new QLabel(bar);
    label->setObjectName(QString::fromLatin1(name));
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setMinimumWidth(minimumWidth);
    if (hint) {
        label->setToolTip(QString::fromLatin1(hint));
        label->setStatusTip(QString::fromLatin1(hint));
    }
    bar->layout()->addWidget(label);
    return label;
}

void AddSeparator(QWidget* bar) {
    auto* line = new QFrame(bar);
    line->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    bar->layout()->addWidget(line);
}

int ZoomEntryOf(TZoomOption option) {
    switch (option) {
        case zoFitToPage:
            return zeFitToPage;
        case zoFitToWidth:
            return zeFitToWidth;
        default:
            return ze25 + (option - zo25);
    }
}

QFrame* MakePagePanel(QWidget* container, const char* name, TPreviewPageArea*& area, const char* areaName) {
    auto* panel = new QFrame(container);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    panel->setLineWidth(1);
    panel->setAutoFillBackground(true);
    QPalette paper = panel->palette();
    paper.setColor(QPalette::Window, Qt::white);
    panel->setPalette(paper);
    area = new TPreviewPageArea(panel);
    area->setObjectName(QString::fromLatin1(areaName));
    return panel;
}

}  // namespace

TPreviewForm::TPreviewForm(TPreviewPrinter& printer, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      MessagePrompts(printer.MessagePrompts),
      printer_(printer) {
    setObjectName(QStringLiteral("PreviewForm"));
    setWindowTitle(QStringLiteral("Preview Form"));
    BuildToolBar();
    BuildPageArea();
    BuildStatusBar();
    GoPageForm = new TGoPageForm(this);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(ToolBar);
    column->addWidget(ScrollBox, 1);
    column->addWidget(StatusBar);
    resize(900, 700);

    GridBut->setChecked(printer_.ShowGrid);
    PagePaintBox1->SetGrid(printer_.ShowGrid);
    PagePaintBox2->SetGrid(printer_.ShowGrid);
    {
        const QSignalBlocker quiet(ZoomBox);
        ZoomBox->setCurrentIndex(ZoomEntryOf(printer_.ZoomOption));
    }
    UpdateCursors();
    GoToPage(0);
    FormResize();
}

TPreviewForm::~TPreviewForm() = default;

void TPreviewForm::BuildToolBar() {
    ToolBar = new QFrame(this);
    ToolBar->setObjectName(QStringLiteral("ToolBar"));
    ToolBar->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    auto* row = new QHBoxLayout(ToolBar);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(2);

    PrintBut = AddButton(ToolBar, "PrintBut", QStringLiteral("&Print..."), "Print the Current Document");
    ExportPdfBut = AddButton(ToolBar, "ExportPdfBut", QStringLiteral("Export PDF..."),
                             "Write the Current Document to a PDF file");
    AddSeparator(ToolBar);
    PrevBut = AddButton(ToolBar, "PrevBut", QStringLiteral("Pre&v"), "Move to Previous Page in Document");
    NextBut = AddButton(ToolBar, "NextBut", QStringLiteral("&Next"), "Advance to Next Page in Document");
    AddSeparator(ToolBar);

    ZoomBox = new QComboBox(ToolBar);
    ZoomBox->setObjectName(QStringLiteral("ZoomBox"));
    ZoomBox->addItems(ZoomEntryTexts());
    ZoomBox->setMinimumContentsLength(12);
    row->addWidget(ZoomBox);
    FitPageBut = AddIconButton(ToolBar, "FitPageBut", PreviewIcon::FitPage, "Fit to Page");
    FitWidthBut = AddIconButton(ToolBar, "FitWidthBut", PreviewIcon::FitWidth, "Fit to Width");
    FitPageBut->setCheckable(true);
    FitWidthBut->setCheckable(true);
    GridBut = AddButton(ToolBar, "GridBut", QStringLiteral("Grid"), "Turns Grid On/Off");
    GridBut->setCheckable(true);
    AddSeparator(ToolBar);

    ZoomCursorBut =
        AddIconButton(ToolBar, "ZoomCursorBut", PreviewIcon::Zoom, "Selects the Zoom Tool to zoom in or out");
    HandCursorBut = AddIconButton(ToolBar, "HandCursorBut", PreviewIcon::Hand,
                                  "Selects the Hand Tool to pan across the Page");
    auto* tools = new QButtonGroup(this);
    for (QToolButton* tool : {ZoomCursorBut, HandCursorBut}) {
        tool->setCheckable(true);
        tools->addButton(tool);
    }
    ZoomCursorBut->setChecked(true);
    AddSeparator(ToolBar);

    OnePageBut = AddButton(ToolBar, "OnePageBut", QStringLiteral("&1"), "Display One page at a time");
    TwoPageBut = AddButton(ToolBar, "TwoPageBut", QStringLiteral("&2"), "Display Two pages side by side");
    auto* display = new QButtonGroup(this);
    for (QToolButton* choice : {OnePageBut, TwoPageBut}) {
        choice->setCheckable(true);
        display->addButton(choice);
    }
    OnePageBut->setChecked(true);
    AddSeparator(ToolBar);
    CloseBut = AddButton(ToolBar, "CloseBut", QStringLiteral("&Close"), "Close the Print Preview window");
    row->addStretch();

    connect(PrintBut, &QToolButton::clicked, this, &TPreviewForm::PrintButClick);
    connect(ExportPdfBut, &QToolButton::clicked, this, &TPreviewForm::ExportPdfButClick);
    connect(PrevBut, &QToolButton::clicked, this, &TPreviewForm::PrevPageClick);
    connect(NextBut, &QToolButton::clicked, this, &TPreviewForm::NextPageClick);
    connect(ZoomBox, &QComboBox::currentIndexChanged, this, &TPreviewForm::ZoomBoxChange);
    connect(FitPageBut, &QToolButton::clicked, this, &TPreviewForm::FitPageButClick);
    connect(FitWidthBut, &QToolButton::clicked, this, &TPreviewForm::FitWidthButClick);
    connect(GridBut, &QToolButton::clicked, this, &TPreviewForm::GridButClick);
    connect(ZoomCursorBut, &QToolButton::clicked, this, &TPreviewForm::UpdateCursors);
    connect(HandCursorBut, &QToolButton::clicked, this, &TPreviewForm::UpdateCursors);
    connect(OnePageBut, &QToolButton::clicked, this, &TPreviewForm::OnePageButClick);
    connect(TwoPageBut, &QToolButton::clicked, this, &TPreviewForm::TwoPageButClick);
    connect(CloseBut, &QToolButton::clicked, this, &QDialog::reject);
}

void TPreviewForm::BuildStatusBar() {
    StatusBar = new QFrame(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    auto* row = new QHBoxLayout(StatusBar);
    row->setContentsMargins(4, 1, 4, 1);
    row->setSpacing(2);
    FirstPageBtn =
        AddIconButton(StatusBar, "FirstPageBtn", PreviewIcon::First, "Go to First Page in Document");
    PrevPageBtn =
        AddIconButton(StatusBar, "PrevPageBtn", PreviewIcon::Previous, "Move to Previous Page in Document");
    NextPageBtn =
        AddIconButton(StatusBar, "NextPageBtn", PreviewIcon::Next, "Advance to Next Page in Document");
    LastPageBtn = AddIconButton(StatusBar, "LastPageBtn", PreviewIcon::Last, "Go to Last Page in Document");
    GoPageBtn = AddIconButton(StatusBar, "GoPageBtn", PreviewIcon::GoToPage, "Go to Page by Page Number");
    for (QToolButton* button : {FirstPageBtn, PrevPageBtn, NextPageBtn, LastPageBtn, GoPageBtn})
        button->setIconSize(QSize(16, 16));
    CurPageLabel = AddLabel(StatusBar, "CurPageLabel", "Displays the Current Page of the Document", 110);
    ZoomLabel = AddLabel(StatusBar, "ZoomLabel", "Displays the Current Zoom Level (100% = normal)", 60);
    HintLabel = AddLabel(StatusBar, "HintLabel", nullptr, 100);
    row->setStretchFactor(HintLabel, 1);

    connect(FirstPageBtn, &QToolButton::clicked, this, &TPreviewForm::FirstPageClick);
    connect(PrevPageBtn, &QToolButton::clicked, this, &TPreviewForm::PrevPageClick);
    connect(NextPageBtn, &QToolButton::clicked, this, &TPreviewForm::NextPageClick);
    connect(LastPageBtn, &QToolButton::clicked, this, &TPreviewForm::LastPageClick);
    connect(GoPageBtn, &QToolButton::clicked, this, &TPreviewForm::GoPageClick);
}

void TPreviewForm::BuildPageArea() {
    ScrollBox = new QScrollArea(this);
    ScrollBox->setObjectName(QStringLiteral("ScrollBox"));
    ScrollBox->setWidgetResizable(false);
    ScrollBox->setFrameStyle(QFrame::NoFrame);
    ContainPanel = new QWidget;
    ContainPanel->setObjectName(QStringLiteral("ContainPanel"));
    ContainPanel->setAutoFillBackground(true);
    QPalette shadow = ContainPanel->palette();
    shadow.setColor(QPalette::Window, shadow.color(QPalette::Dark));
    ContainPanel->setPalette(shadow);
    PagePanel1 = MakePagePanel(ContainPanel, "PagePanel1", PagePaintBox1, "PagePaintBox1");
    PagePanel2 = MakePagePanel(ContainPanel, "PagePanel2", PagePaintBox2, "PagePaintBox2");
    PagePanel2->hide();
    ScrollBox->setWidget(ContainPanel);
    ScrollBox->viewport()->installEventFilter(this);
    PagePaintBox1->installEventFilter(this);
    PagePaintBox2->installEventFilter(this);
}

void TPreviewForm::ShowModal() {
    setWindowState(windowState() | Qt::WindowMaximized);
    exec();
}

void TPreviewForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ZoomBoxChange();
}

// ---- navigation -------------------------------------------------------------

void TPreviewForm::GoToPage(int page) {
    CurrentPage = page;
    CurPageLabel->setText(QString::asprintf("Page %d of %d", page + 1, printer_.PageCount()));
    ShowPages();
    UpdateButtons();
}

void TPreviewForm::PrevPageClick() {
    if (CurrentPage > 0) GoToPage(CurrentPage - 1);
}

void TPreviewForm::NextPageClick() {
    if (CurrentPage + 1 < printer_.PageCount()) GoToPage(CurrentPage + 1);
}

void TPreviewForm::LastPageClick() {
    GoToPage(std::max(printer_.PageCount() - 1, 0));
}

void TPreviewForm::GoPageClick() {
    GoPageForm->SetPages(printer_.PageCount(), CurrentPage + 1);
    if (GoPageForm->exec() == QDialog::Accepted) GoToPage(GoPageForm->PageNumber() - 1);
}

void TPreviewForm::ShowPages() {
    PagePaintBox1->SetPage(&printer_, CurrentPage);
    PagePaintBox2->SetPage(&printer_, CurrentPage + 1);
}

void TPreviewForm::UpdateButtons() {
    const bool forward = CurrentPage + 1 < printer_.PageCount();
    const bool back = CurrentPage > 0;
    for (QToolButton* button : {NextBut, NextPageBtn, LastPageBtn}) button->setEnabled(forward);
    for (QToolButton* button : {PrevBut, PrevPageBtn, FirstPageBtn}) button->setEnabled(back);
    GoPageBtn->setEnabled(printer_.PageCount() > 1);
}

// ---- zoom and layout ----------------------------------------------------------

void TPreviewForm::SelectZoomEntry(int entry) {
    if (ZoomBox->currentIndex() == entry)
        ZoomBoxChange();
    else
        ZoomBox->setCurrentIndex(entry);
}

void TPreviewForm::ZoomBoxChange() {
    FormResize();
    FormResize();
}

void TPreviewForm::FormResize() {
    const QScopedValueRollback busy(layingOut_, true);
    if (ZoomBox->currentIndex() < 0) {
        const QSignalBlocker quiet(ZoomBox);
        ZoomBox->setCurrentIndex(zeFitToPage);
    }
    const int entry = ZoomBox->currentIndex();
    FitPageBut->setChecked(entry == zeFitToPage);
    FitWidthBut->setChecked(entry == zeFitToWidth);

    TPreviewLayoutInput input;
    input.client = ScrollBox->viewport()->size();
    input.screenDpiX = logicalDpiX();
    input.screenDpiY = logicalDpiY();
    input.metrics = printer_.Metrics();
    input.zoomEntry = entry;
    input.currentZoom = Zoom;
    input.twoPages = TwoPageBut->isChecked();
    const TPreviewLayout layout = LayOutPreview(input);

    Zoom = layout.zoom;
    if (!layout.twoPages) OnePageBut->setChecked(true);
    ContainPanel->resize(layout.container);
    PagePanel1->setGeometry(QRect(layout.firstPanel, layout.panel));
    PagePanel2->setGeometry(QRect(layout.secondPanel, layout.panel));
    PagePanel2->setVisible(layout.twoPages);
    PagePaintBox1->setGeometry(PagePanel1->contentsRect());
    PagePaintBox2->setGeometry(PagePanel2->contentsRect());
    ZoomLabel->setText(QLocale().toString(Zoom * 100, 'f', 0) + QLatin1Char('%'));
}

void TPreviewForm::OnePageButClick() {
    OnePageBut->setChecked(true);
    SelectZoomEntry(zeFitToPage);
}

void TPreviewForm::TwoPageButClick() {
    TwoPageBut->setChecked(true);
    SelectZoomEntry(zeFitToPage);
}

void TPreviewForm::GridButClick() {
    PagePaintBox1->SetGrid(GridBut->isChecked());
    PagePaintBox2->SetGrid(GridBut->isChecked());
}

void TPreviewForm::ZoomAt(const QPoint& point, double factor) {
    const QSize before = PagePaintBox1->size();
    Zoom *= factor;
    SelectZoomEntry(zeCustom);
    const QSize after = PagePaintBox1->size();
    if (before.isEmpty()) return;
    const QPoint scaled(int(double(point.x()) * after.width() / before.width()),
                        int(double(point.y()) * after.height() / before.height()));
    const QPoint target = PagePanel1->pos() + PagePaintBox1->pos() + scaled;
    const QSize view = ScrollBox->viewport()->size();
    ScrollBox->horizontalScrollBar()->setValue(target.x() - view.width() / 2);
    ScrollBox->verticalScrollBar()->setValue(target.y() - view.height() / 2);
}

// ---- tools --------------------------------------------------------------------

void TPreviewForm::UpdateCursors() {
    const QCursor cursor = ZoomCursorBut->isChecked() ? MakeZoomCursor() : QCursor(Qt::OpenHandCursor);
    PagePaintBox1->setCursor(cursor);
    PagePaintBox2->setCursor(cursor);
}

bool TPreviewForm::PageAreaMouse(TPreviewPageArea* area, QMouseEvent* event) {
    const QPoint global = event->globalPosition().toPoint();
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (ZoomCursorBut->isChecked()) {
                if (area != PagePaintBox1) return false;
                if (event->button() == Qt::LeftButton) ZoomAt(event->position().toPoint(), kZoomStep);
                if (event->button() == Qt::RightButton) ZoomAt(event->position().toPoint(), 1.0 / kZoomStep);
                return true;
            }
            Dragging = true;
            DragStartX = global.x();
            DragStartY = global.y();
            area->setCursor(Qt::ClosedHandCursor);
            return true;
        case QEvent::MouseMove:
            if (!Dragging) return false;
            ScrollBox->horizontalScrollBar()->setValue(ScrollBox->horizontalScrollBar()->value() +
                                                       DragStartX - global.x());
            ScrollBox->verticalScrollBar()->setValue(ScrollBox->verticalScrollBar()->value() + DragStartY -
                                                     global.y());
            DragStartX = global.x();
            DragStartY = global.y();
            return true;
        case QEvent::MouseButtonRelease:
            if (!Dragging) return false;
            Dragging = false;
            UpdateCursors();
            return true;
        default:
            return false;
    }
}

bool TPreviewForm::eventFilter(QObject* watched, QEvent* event) {
    // The scrolling area's client area changed size: the area itself, or its scroll bars.
    if (watched == ScrollBox->viewport() && event->type() == QEvent::Resize && !layingOut_) ZoomBoxChange();
    auto* area = qobject_cast<TPreviewPageArea*>(watched);
    if (area && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseMove ||
                 event->type() == QEvent::MouseButtonRelease))
        return PageAreaMouse(area, static_cast<QMouseEvent*>(event));
    return QDialog::eventFilter(watched, event);
}

bool TPreviewForm::event(QEvent* event) {
    // The hint of the control under the mouse; with none, what was done last.
    if (event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        HintLabel->setText(tip.isEmpty() ? doneText_ : tip);
        return true;
    }
    return QDialog::event(event);
}

// ---- printing and export ------------------------------------------------------

void TPreviewForm::PrintButClick() {
    printer_.PrintDialog(this);
    // Printed on other paper, the document was laid out again for it.
    GoToPage(std::min(CurrentPage, std::max(printer_.PageCount() - 1, 0)));
    ZoomBoxChange();
}

void TPreviewForm::ExportPdfButClick() {
    QString path = AskPdfPath
                       ? AskPdfPath()
                       : QFileDialog::getSaveFileName(this, QStringLiteral("Export PDF"), printer_.PdfPath,
                                                      QStringLiteral("PDF files (*.pdf)"));
    if (path.isEmpty()) return;
    // The dialog asked about the name it was given, not about this one.
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        path += QStringLiteral(".pdf");
        if (!MayReplaceFile(MessagePrompts, path)) return;
    }
    if (printer_.ExportPdf(path)) {
        printer_.PdfPath = path;
        const int pages = printer_.PageCount();
        doneText_ = QStringLiteral("Exported %1 %2 to %3")
                        .arg(pages)
                        .arg(pages == 1 ? QStringLiteral("page") : QStringLiteral("pages"))
                        .arg(QDir::toNativeSeparators(path));
        HintLabel->setText(doneText_);
    } else if (MessagePrompts) {
        MessagePrompts->Error("Unable to write to " + QFile::encodeName(path).toStdString());
    }
}

}  // namespace kelvane
