#pragma once
#include <QDialog>
#include <functional>

class QComboBox;
class QFrame;
class QLabel;
class QMouseEvent;
class QScrollArea;
class QToolButton;

namespace kelvane {

class Prompts;
class TGoPageForm;
class TPreviewPageArea;
class TPreviewPrinter;

// "Preview Form": the recorded pages of a preview printer with zoom, one or
// two pages side by side, the one-inch grid, page navigation, printing and
// export to PDF. Opened, maximised and modal, by TPreviewPrinter::Preview.
class TPreviewForm : public QDialog {
    Q_OBJECT
public:
    explicit TPreviewForm(TPreviewPrinter& printer, QWidget* parent = nullptr);
    ~TPreviewForm() override;

    // Shows the window maximised and waits until it is closed.
    void ShowModal();

    // The page in the first page area (from 0) and the zoom factor (1.0 =
    // actual size on the screen).
    int CurrentPage = 0;
    double Zoom = 1.0;
    // The hand tool's state.
    bool Dragging = false;
    int DragStartX = 0;
    int DragStartY = 0;

    // Where "Export PDF..." writes; an empty answer cancels. Unset: a save dialog asks.
    std::function<QString()> AskPdfPath;
    // Where the export tells of a file it could not write; unset: nowhere.
    Prompts* MessagePrompts = nullptr;

    void GoToPage(int page);
    void FirstPageClick() { GoToPage(0); }
    void PrevPageClick();
    void NextPageClick();
    void LastPageClick();
    void GoPageClick();
    void PrintButClick();
    void ExportPdfButClick();
    void FitPageButClick() { SelectZoomEntry(0); }
    void FitWidthButClick() { SelectZoomEntry(1); }
    void OnePageButClick();
    void TwoPageButClick();
    void GridButClick();
    // Runs the layout twice, so that a change of scroll bars is taken into account.
    void ZoomBoxChange();
    // Places the page panels for the zoom list's entry and the page display.
    void FormResize();

    // Tool bar.
    QFrame* ToolBar;
    QToolButton* PrintBut;
    QToolButton* ExportPdfBut;
    QToolButton* PrevBut;
    QToolButton* NextBut;
    QComboBox* ZoomBox;
    QToolButton* FitPageBut;
    QToolButton* FitWidthBut;
    QToolButton* GridBut;
    QToolButton* ZoomCursorBut;
    QToolButton* HandCursorBut;
    QToolButton* OnePageBut;
    QToolButton* TwoPageBut;
    QToolButton* CloseBut;
    // Status bar.
    QFrame* StatusBar;
    QToolButton* FirstPageBtn;
    QToolButton* PrevPageBtn;
    QToolButton* NextPageBtn;
    QToolButton* LastPageBtn;
    QToolButton* GoPageBtn;
    QLabel* CurPageLabel;
    QLabel* ZoomLabel;
    QLabel* HintLabel;
    // Page area.
    QScrollArea* ScrollBox;
    QWidget* ContainPanel;
    QFrame* PagePanel1;
    QFrame* PagePanel2;
    TPreviewPageArea* PagePaintBox1;
    TPreviewPageArea* PagePaintBox2;
    TGoPageForm* GoPageForm;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildToolBar();
    void BuildStatusBar();
    void BuildPageArea();
    void SelectZoomEntry(int entry);
    void ShowPages();
    void UpdateButtons();
    void UpdateCursors();
    void ZoomAt(const QPoint& point, double factor);
    bool PageAreaMouse(TPreviewPageArea* area, QMouseEvent* event);

    TPreviewPrinter& printer_;
    bool layingOut_ = false;
    // What the status bar says of the last export.
    QString doneText_;
};

}  // namespace kelvane
