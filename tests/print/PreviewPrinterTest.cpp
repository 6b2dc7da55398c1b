#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QImage>
#include <QPrintDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <stdexcept>

#include "PrintTestSupport.h"
#include "print/QtPrinterPort.h"
#include "report/PageMetrics.h"
#include "report/PaperPort.h"
#include "support/ScriptedPrompts.h"

namespace kelvane::test {
namespace {

TEST(PageMetricsTest, RecordsEveryPaperAt600UnitsPerInch) {
    const TPageMetrics a4 =
        MetricsOf(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    EXPECT_EQ(a4.PixelsPerInchX, 600);
    EXPECT_EQ(a4.PixelsPerInchY, 600);
    EXPECT_EQ(a4.PageWidth, 4961);   // 210 mm
    EXPECT_EQ(a4.PageHeight, 7016);  // 297 mm
    const TPageMetrics letter =
        MetricsOf(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Landscape, QMarginsF()));
    EXPECT_EQ(letter.PageWidth, 6600);
    EXPECT_EQ(letter.PageHeight, 5100);
}

TEST(PageMetricsTest, MarginsAreThePrintersOrASixthOfAnInchWhereThereAreNone) {
    EXPECT_EQ(MetricsOf(A4WithMargins(0)).PageOffsetX, kDefaultPageOffset);
    EXPECT_EQ(MetricsOf(A4WithMargins(0)).PageOffsetY, 100);
    const TPageMetrics printer = MetricsOf(A4WithMargins(0.25));
    EXPECT_EQ(printer.PageOffsetX, 150);
    EXPECT_EQ(printer.PageOffsetY, 150);
}

TEST(PageMetricsTest, LocaleChoosesLetterOrA4) {
    EXPECT_EQ(LocaleDefaultPageSize(QLocale(QLocale::English, QLocale::UnitedStates)).id(),
              QPageSize::Letter);
    EXPECT_EQ(LocaleDefaultPageSize(QLocale(QLocale::English, QLocale::UnitedKingdom)).id(), QPageSize::A4);
    EXPECT_EQ(LocaleDefaultPageSize(QLocale::c()).id(), QPageSize::A4);
}

TEST(PreviewPrinterTest, EndDocDropsAnUnusedLastPageOnly) {
    FakePrinterPort port;
    TPreviewPrinter printer(port);
    printer.BeginDoc();
    EXPECT_TRUE(printer.Printing());
    EXPECT_FALSE(printer.PageUsed());
    printer.Canvas().TextOut(0, 0, "first");
    EXPECT_TRUE(printer.PageUsed());
    printer.NewPage();
    EXPECT_FALSE(printer.PageUsed());
    printer.EndDoc();
    EXPECT_FALSE(printer.Printing());
    EXPECT_EQ(printer.PageCount(), 1);

    printer.BeginDoc();
    printer.EndDoc();
    EXPECT_EQ(printer.PageCount(), 0);  // the previous pages went with BeginDoc
}

TEST(PreviewPrinterTest, CanvasAndPagesOnlyInsideADocument) {
    FakePrinterPort port;
    TPreviewPrinter printer(port);
    try {
        printer.Canvas();
        FAIL() << "a canvas before BeginDoc";
    } catch (const std::logic_error& error) {
        EXPECT_STREQ(error.what(), "Canvas is not available before BeginDoc");
    }
    EXPECT_THROW(printer.NewPage(), std::logic_error);
    printer.BeginDoc();
    EXPECT_THROW(printer.Preview(), std::logic_error);
    printer.EndDoc();
    EXPECT_THROW(printer.Canvas(), std::logic_error);
}

TEST(PreviewPrinterTest, FontPenAndBrushCarryOverToTheNextPage) {
    FakePrinterPort port;
    TPreviewPrinter printer(port);
    printer.BeginDoc();
    EXPECT_EQ(printer.Canvas().Font(), (TCanvasFont{"Arial", 10, 0, false}));
    EXPECT_EQ(printer.Canvas().State().BrushStyle, bsClear);
    printer.Canvas().SetFontName("Courier");
    printer.Canvas().SetFontSize(14);
    printer.Canvas().SetFontStyle(fsBold | fsUnderline);
    printer.Canvas().SetPenWidth(4);
    printer.NewPage();
    EXPECT_EQ(printer.Canvas().Font(), (TCanvasFont{"Courier", 14, fsBold | fsUnderline, false}));
    EXPECT_EQ(printer.Canvas().State().PenWidth, 4);
    printer.EndDoc();

    printer.BeginDoc();  // a new document starts afresh
    EXPECT_EQ(printer.Canvas().Font().Name, "Arial");
    EXPECT_EQ(printer.Canvas().State().PenWidth, 1);
    printer.EndDoc();
}

TEST(PreviewPrinterTest, MetricsComeFromThePrintersPaperInTheChosenOrientation) {
    FakePrinterPort port;
    port.layout = A4WithMargins(0.2);
    TPreviewPrinter printer(port);
    printer.Orientation = poLandscape;
    printer.BeginDoc();
    EXPECT_EQ(printer.PageWidth(), 7016);
    EXPECT_EQ(printer.PageHeight(), 4961);
    EXPECT_EQ(printer.PageOffsetX(), 120);
    printer.EndDoc();
}

TEST(CanvasTest, PointSizesBecomeDeviceUnitsAndCourierIsFixedPitch) {
    const QFont font = CanvasFont({"Courier", 14, 0, true}, 600);
    EXPECT_EQ(font.pixelSize(), 117);  // 14 x 600 / 72
    EXPECT_TRUE(QFontInfo(font).fixedPitch());
    FakePrinterPort port;
    TPreviewPrinter printer(port);
    printer.BeginDoc();
    TCanvas& canvas = printer.Canvas();
    canvas.SetFontName("Courier");
    canvas.SetFontSize(12);
    EXPECT_EQ(canvas.TextWidth("W"), 60);  // a tenth of an inch at 12 point
    EXPECT_EQ(canvas.TextWidth("iiiiiiiiii"), canvas.TextWidth("WWWWWWWWWW"));
    canvas.SetFontStyle(fsBold);
    EXPECT_EQ(canvas.TextWidth("W"), 60);
    printer.EndDoc();
}

// One inch square and a text recorded; where they land at `dpi`.
QRect InkOfReplayAt(int dpi) {
    FakePrinterPort port;
    TPreviewPrinter printer(port);
    printer.BeginDoc();
    printer.Canvas().SetBrushStyle(bsSolid);
    printer.Canvas().Rectangle(600, 600, 1200, 1200);
    printer.EndDoc();
    QImage image(2 * dpi + 10, 2 * dpi + 10, QImage::Format_RGB32);
    image.fill(Qt::black);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    QPainter painter(&image);
    ReplayPage(painter, printer.Page(0), dpi / 600.0, dpi / 600.0);
    painter.end();
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(0, 0, 0)) ink |= QRect(x, y, 1, 1);
    return ink;
}

TEST(PageReplayTest, ARecordedInchIsAnInchOnEveryDevice) {
    for (const int dpi : {96, 300, 600}) {
        const QRect ink = InkOfReplayAt(dpi);
        EXPECT_NEAR(ink.left(), dpi, 2) << dpi;
        EXPECT_NEAR(ink.width(), dpi, 3) << dpi;
        EXPECT_NEAR(ink.height(), dpi, 3) << dpi;
    }
}

TEST(PreviewPrinterTest, PrintDialogSendsEachCopyAsItsOwnJob) {
    FakePrinterPort port;
    TPreviewPrinter printer(port);
    printer.Title = QStringLiteral("Site");
    printer.BeginDoc();
    for (int page = 0; page < 4; ++page) {
        if (page > 0) printer.NewPage();
        printer.Canvas().TextOut(100, 100, "page " + std::to_string(page + 1));
    }
    printer.EndDoc();

    port.dialogAnswer = TPrintRange{1, 2, 2};  // pages 2 to 3, two copies
    EXPECT_TRUE(printer.PrintDialog());
    EXPECT_EQ(port.dialogPageCount, 4);
    ASSERT_EQ(port.jobs.size(), 2u);
    for (const FakePrinterPort::Job& job : port.jobs) {
        EXPECT_EQ(job.pages, 2);
        EXPECT_EQ(job.title, QStringLiteral("Site"));
    }

    port.jobs.clear();
    port.dialogAnswer.reset();
    EXPECT_FALSE(printer.PrintDialog());
    EXPECT_TRUE(port.jobs.empty());

    EXPECT_TRUE(printer.Print());
    ASSERT_EQ(port.jobs.size(), 1u);
    EXPECT_EQ(port.jobs[0].pages, 4);
    port.canPrint = false;
    EXPECT_FALSE(printer.Print());
}

TEST(PreviewPrinterTest, CopiesIntoAFileGoInOneJobAndAFailedJobIsReported) {
    FakePrinterPort port;
    TPreviewPrinter printer(port);
    ScriptedPrompts prompts;
    printer.MessagePrompts = &prompts;
    printer.BeginDoc();
    printer.Canvas().TextOut(100, 100, "page 1");
    printer.NewPage();
    printer.Canvas().TextOut(100, 100, "page 2");
    printer.EndDoc();

    // A second job into the file would replace the first copy.
    QTemporaryDir folder;
    port.outputFile = folder.filePath(QStringLiteral("site.pdf"));
    port.dialogAnswer = TPrintRange{0, 1, 3};
    EXPECT_TRUE(printer.PrintDialog());
    ASSERT_EQ(port.jobs.size(), 1u);
    EXPECT_EQ(port.jobs[0].pages, 6);
    EXPECT_TRUE(prompts.ShownMessages().empty());

    port.canPrint = false;
    EXPECT_TRUE(printer.PrintDialog());
    EXPECT_EQ(prompts.LastText(), "Unable to write to " + QFile::encodeName(port.outputFile).toStdString());
    port.outputFile.clear();
    EXPECT_TRUE(printer.PrintDialog());
    EXPECT_EQ(prompts.LastText(), "The report could not be sent to the printer.");
    EXPECT_EQ(prompts.ShownMessages().size(), 2u) << "one message for all the copies";
}

TEST(QtPrinterPortTest, TheSetUpChoosesThePrinterAndItsMarginsNeverMoveTheReport) {
    TQtPrinterPort port;
    bool printerSetUp = false;
    QTimer::singleShot(0, [&] {
        QWidget* shown = QApplication::activeModalWidget();
        printerSetUp = qobject_cast<QPrintDialog*>(shown) != nullptr;
        if (shown) shown->close();
    });
    port.ShowPrinterSetup(nullptr);
    EXPECT_TRUE(printerSetUp);

    // Margins that a dialog set are the user's, not the printer's unprintable ones.
    port.Printer().setPageMargins(QMarginsF(25, 25, 25, 25), QPageLayout::Millimeter);
    const TPageMetrics metrics = MetricsOf(port.PageLayout(QPageLayout::Portrait));
    EXPECT_LT(metrics.PageOffsetX, kRecordingUnitsPerInch / 2);
    EXPECT_LT(metrics.PageOffsetY, kRecordingUnitsPerInch / 2);
}

TEST(PreviewPrinterTest, ExportPdfKeepsTextAsTextOnTheRecordedPaper) {
    TPaperPort paper{QPageSize(QPageSize::Letter)};
    TPreviewPrinter printer(paper);
    printer.BeginDoc();
    printer.Canvas().SetFontName("Courier");
    printer.Canvas().TextOut(600, 600, "Loop Configuration");
    printer.NewPage();
    printer.Canvas().TextOut(600, 600, "second page");
    printer.EndDoc();

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("report.pdf"));
    ASSERT_TRUE(printer.ExportPdf(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(CountPdfPages(file.readAll()), 2);

    EXPECT_FALSE(printer.ExportPdf(folder.filePath(QStringLiteral("missing/report.pdf"))));
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("missing/report.pdf"))));

    const std::optional<QString> text = PdfText(path);
    if (!text) GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_TRUE(text->contains(QStringLiteral("Loop Configuration")));
    EXPECT_TRUE(text->contains(QStringLiteral("second page")));
}

}  // namespace
}  // namespace kelvane::test
