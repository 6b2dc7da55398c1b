#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include "PrintTestSupport.h"
#include "print/PrevForm.h"
#include "print/ReportPrinting.h"
#include "print/TRadioGroup.h"
#include "print/TfrmPrint.h"
#include "ui/HelpContexts.h"
#include "ui/MainWindowFixture.h"
#include "ui/WindowControls.h"
#include "ui/eventlog/EventLogTab.h"
#include "ui/widgets/CaptionBar.h"
#include "ui/window/HelpWindow.h"

namespace kelvane::test {
namespace {

TEST(TfrmPrintTest, F1OpensThePrintOptionsPage) {
    HelpWindow help;
    TfrmPrint dialog;
    dialog.open();
    QTest::keyClick(dialog.chkPrintSite, Qt::Key_F1);
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(help.CurrentContext(), kHelpPrintOptions);
    EXPECT_EQ(help.windowHandle()->transientParent(), dialog.windowHandle());
}

TEST(TfrmPrintTest, DefaultsCaptionsAndTheDeviceChoicesFollowTheDeviceBox) {
    TfrmPrint dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Select Print Options."));
    EXPECT_TRUE(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
    // Its own title bar, without the window manager's buttons (minimising it
    // would hide the whole program).
    EXPECT_TRUE(dialog.windowFlags() & Qt::FramelessWindowHint);
    ASSERT_NE(dialog.findChild<CaptionBar*>(), nullptr);
    EXPECT_EQ(dialog.findChild<CaptionBar*>()->Caption(), QStringLiteral("Select Print Options."));
    EXPECT_EQ(dialog.radgrpLoopInfo->Item(1)->text(), QStringLiteral("Print only fitted devices"));
    EXPECT_EQ(dialog.radgrpOrder->Item(1)->text(), QStringLiteral("Order by device type"));
    EXPECT_EQ(dialog.CancelButton->text(), QStringLiteral("Cancel."));
    EXPECT_EQ(dialog.btnPreviewButton->toolTip(), QStringLiteral("Print Preview"));
    const TReportOptions defaults = dialog.Options();
    EXPECT_TRUE(defaults.SiteInformation && defaults.DeviceInformation && defaults.ZoneInformation &&
                defaults.GroupInformation && defaults.Comments);
    EXPECT_FALSE(defaults.EventLog);
    EXPECT_FALSE(defaults.FittedOnly);
    EXPECT_EQ(defaults.Order, doDeviceNumber);

    dialog.chkPrintLoop->setChecked(false);
    EXPECT_FALSE(dialog.radgrpLoopInfo->isEnabled());
    EXPECT_FALSE(dialog.radgrpOrder->isEnabled());
    dialog.chkPrintLoop->setChecked(true);
    EXPECT_TRUE(dialog.radgrpOrder->isEnabled());

    dialog.radgrpLoopInfo->SetItemIndex(1);
    dialog.radgrpOrder->SetItemIndex(1);
    dialog.chkPrintLog->setChecked(true);
    dialog.chkPrintZone->setChecked(false);
    const TReportOptions chosen = dialog.Options();
    EXPECT_TRUE(chosen.FittedOnly);
    EXPECT_EQ(chosen.Order, doDeviceType);
    EXPECT_TRUE(chosen.EventLog);
    EXPECT_FALSE(chosen.ZoneInformation);
}

// The desktop program's printing on the real main window, with a fake printer.
class DesktopPrintingTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        printing = std::make_unique<TReportPrinting>(*window, data, document, prompts, clock, port);
        Show();
    }
    void TearDown() override {
        printing.reset();
        MainWindowTest::TearDown();
    }
    // Runs `inside` once the print options dialog is open, then clicks `button` in it.
    void WithPrintOptions(const std::function<void(TfrmPrint&)>& inside) {
        bool opened = false;
        QTimer::singleShot(0, window.get(), [&] {
            auto* dialog = qobject_cast<TfrmPrint*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            opened = true;
            inside(*dialog);
            if (dialog->isVisible()) dialog->reject();
        });
        QTest::mouseClick(Child<QToolButton>(*window, "btnPrint"), Qt::LeftButton);
        EXPECT_TRUE(opened);
    }

    FakePrinterPort port;
    std::unique_ptr<TReportPrinting> printing;
};

TEST_F(DesktopPrintingTest, TheCodeGateComesBeforeThePrintOptions) {
    // A short user code left behind the gate: its message, and nothing opens.
    data.SiteConfig.AL2Code = "121";
    window->FillAllTabs();
    document.CodesValid = false;
    QTest::mouseClick(Child<QToolButton>(*window, "btnPrint"), Qt::LeftButton);
    EXPECT_EQ(prompts.LastText(), "Error. Access Level code must have 4 digits");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    data.SiteConfig.AL2Code = "1212";
    window->FillAllTabs();
    document.CodesValid = true;
    WithPrintOptions([](TfrmPrint& dialog) { dialog.chkPrintSite->setChecked(false); });
    // The choices stay as they were left.
    WithPrintOptions([](TfrmPrint& dialog) { EXPECT_FALSE(dialog.chkPrintSite->isChecked()); });
}

TEST_F(DesktopPrintingTest, PreviewShowsTheReportAndClosesTheOptions) {
    bool previewed = false;
    WithPrintOptions([&](TfrmPrint& dialog) {
        QTimer::singleShot(0, window.get(), [&] {
            auto* preview = qobject_cast<TPreviewForm*>(QApplication::activeModalWidget());
            ASSERT_NE(preview, nullptr);
            previewed = true;
            // Site page, device list, zones, groups and comments of a new site.
            EXPECT_TRUE(preview->CurPageLabel->text().startsWith(QStringLiteral("Page 1 of ")));
            EXPECT_TRUE(preview->NextBut->isEnabled());
            preview->reject();
        });
        QTest::mouseClick(dialog.btnPreviewButton, Qt::LeftButton);
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_TRUE(previewed);
}

TEST_F(DesktopPrintingTest, PrintSendsEveryPageOrSaysThereIsNoPrinter) {
    WithPrintOptions([](TfrmPrint& dialog) { QTest::mouseClick(dialog.btnPrint, Qt::LeftButton); });
    ASSERT_EQ(port.jobs.size(), 1u);
    EXPECT_GE(port.jobs[0].pages, 6);
    EXPECT_EQ(port.jobs[0].title, QStringLiteral("Kelvane Tools - Site report - New file"));
    EXPECT_TRUE(prompts.ShownMessages().empty());

    port.installed = false;
    port.canPrint = false;
    WithPrintOptions([](TfrmPrint& dialog) { QTest::mouseClick(dialog.btnPrint, Qt::LeftButton); });
    EXPECT_EQ(prompts.LastText(), "No printer is installed. Preview the report to export it as a PDF file.");
}

TEST_F(DesktopPrintingTest, PrintIntoAFileThatExistsAsksFirst) {
    // The preview's print dialog left the printer printing to this file.
    QTemporaryDir folder;
    port.outputFile = folder.filePath(QStringLiteral("report.pdf"));
    {
        QFile earlier(port.outputFile);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier report");
    }
    const std::string question =
        QFile::encodeName(port.outputFile).toStdString() + " already exists.\nDo you want to replace it?";
    prompts.Queue(PromptAnswer::No);
    WithPrintOptions([](TfrmPrint& dialog) { QTest::mouseClick(dialog.btnPrint, Qt::LeftButton); });
    EXPECT_TRUE(port.jobs.empty());
    ASSERT_EQ(prompts.ShownMessages().size(), 1u);
    EXPECT_EQ(prompts.LastText(), question);
    EXPECT_EQ(prompts.ShownMessages()[0].kind, PromptKind::Confirmation);

    prompts.Queue(PromptAnswer::Yes);
    WithPrintOptions([](TfrmPrint& dialog) { QTest::mouseClick(dialog.btnPrint, Qt::LeftButton); });
    EXPECT_EQ(port.jobs.size(), 1u);
    EXPECT_EQ(prompts.ShownMessages().size(), 2u);
}

TEST_F(DesktopPrintingTest, AJobThatFailsFromThePreviewIsReportedAsFromTheOptions) {
    port.canPrint = false;
    port.dialogAnswer = TPrintRange{};
    WithPrintOptions([&](TfrmPrint& dialog) {
        QTimer::singleShot(0, window.get(), [&] {
            auto* preview = qobject_cast<TPreviewForm*>(QApplication::activeModalWidget());
            ASSERT_NE(preview, nullptr);
            QTest::mouseClick(preview->PrintBut, Qt::LeftButton);
            preview->reject();
        });
        QTest::mouseClick(dialog.btnPreviewButton, Qt::LeftButton);
    });
    ASSERT_EQ(prompts.ShownMessages().size(), 1u);
    EXPECT_EQ(prompts.LastText(), "The report could not be sent to the printer.");
    WithPrintOptions([](TfrmPrint& dialog) { QTest::mouseClick(dialog.btnPrint, Qt::LeftButton); });
    ASSERT_EQ(prompts.ShownMessages().size(), 2u);
    EXPECT_EQ(prompts.ShownMessages()[1].text, prompts.ShownMessages()[0].text);
}

TEST_F(DesktopPrintingTest, PrinterPropertiesFromTheMenuAndTheDialog) {
    Child<QAction>(*window, "PrinterProperties1")->trigger();
    EXPECT_EQ(port.setupShown, 1);
    WithPrintOptions([](TfrmPrint& dialog) { QTest::mouseClick(dialog.btnProperties, Qt::LeftButton); });
    EXPECT_EQ(port.setupShown, 2);
}

TEST_F(DesktopPrintingTest, TheEventLogSectionPrintsTheLogTabsLines) {
    Child<EventLogTab>(*window, "tabViewLog")->AppendLine("12:01 CALL Bedroom 101");
    Child<EventLogTab>(*window, "tabViewLog")->AppendLine("12:02 RESET Bedroom 101");
    TReportOptions options;
    options.SiteInformation = options.DeviceInformation = options.ZoneInformation = false;
    options.GroupInformation = options.Comments = false;
    options.EventLog = true;
    const std::unique_ptr<TfrmReports> report = printing->BuildReport(options);
    ASSERT_EQ(report->ReportPrinter.PageCount(), 1);
    const DrawnPage page = Replay(report->ReportPrinter.Page(0));
    EXPECT_TRUE(page.Has(QStringLiteral("Event Log")));
    EXPECT_TRUE(page.Has(QStringLiteral("12:01 CALL Bedroom 101")));
    EXPECT_TRUE(page.Has(QStringLiteral("12:02 RESET Bedroom 101")));
}

}  // namespace
}  // namespace kelvane::test
