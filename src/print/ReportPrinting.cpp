#include "print/ReportPrinting.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "print/TfrmPrint.h"
#include "report/ReportTexts.h"
#include "ui/window/MainWindow.h"

namespace kelvane {

TReportPrinting::TReportPrinting(TfrmMain& frmMain, const TData& data, const Document& document,
                                 Prompts& prompts, const Clock& clock, TPrinterPort& port)
    : frmPrint(new TfrmPrint(&frmMain)),
      frmMain_(frmMain),
      data_(data),
      document_(document),
      prompts_(prompts),
      clock_(clock),
      port_(port) {
    frmPrint->OnPreview = [this](const TReportOptions& options) { PreviewReport(options); };
    frmPrint->OnPrint = [this](const TReportOptions& options) { PrintReport(options); };
    frmPrint->OnProperties = [this] { ShowPrinterProperties(); };
    QObject::connect(&frmMain_, &TfrmMain::printOptionsRequested, frmPrint, [this] { ShowPrintOptions(); });
    QObject::connect(&frmMain_, &TfrmMain::printerPropertiesRequested, frmPrint,
                     [this] { ShowPrinterProperties(); });
}

TReportPrinting::~TReportPrinting() {
    QObject::disconnect(&frmMain_, nullptr, frmPrint, nullptr);
}

void TReportPrinting::ShowPrintOptions() {
    frmPrint->exec();
}

void TReportPrinting::ShowPrinterProperties() {
    QWidget* parent = frmPrint->isVisible() ? static_cast<QWidget*>(frmPrint) : &frmMain_;
    port_.ShowPrinterSetup(parent);
}

std::unique_ptr<TfrmReports> TReportPrinting::BuildReport(const TReportOptions& options) const {
    auto report = std::make_unique<TfrmReports>(port_, clock_, options.FittedOnly,
                                                ReportSiteName(data_.SiteConfig.ClientName, document_.Path));
    report->ReportPrinter.MessagePrompts = &prompts_;
    std::vector<std::string> logLines;
    if (options.EventLog) logLines = frmMain_.PagesView().EventLogLines();
    BuildSiteReport(*report, data_, options, logLines);
    return report;
}

QString TReportPrinting::SuggestedPdfPath() const {
    if (!lastPdfPath_.isEmpty()) return lastPdfPath_;
    if (document_.Path.empty()) return QDir::home().filePath(QStringLiteral("Site report.pdf"));
    const QFileInfo site(QFile::decodeName(QByteArray::fromStdString(document_.Path)));
    return site.dir().filePath(site.completeBaseName() + QStringLiteral(".pdf"));
}

void TReportPrinting::PreviewReport(const TReportOptions& options) {
    const std::unique_ptr<TfrmReports> report = BuildReport(options);
    TPreviewPrinter& printer = report->ReportPrinter;
    printer.PdfPath = SuggestedPdfPath();
    printer.Preview(&frmMain_);
    if (printer.PdfPath != SuggestedPdfPath()) lastPdfPath_ = printer.PdfPath;
}

void TReportPrinting::PrintReport(const TReportOptions& options) {
    BuildReport(options)->ReportPrinter.Print();
}

}  // namespace kelvane
