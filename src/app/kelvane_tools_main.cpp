// kelvane-tools: the desktop programming tool.
#include <QApplication>
#include <cstdio>
#include <memory>

#include "core/SystemClock.h"
#include "file/ConfigFileStore.h"
#include "file/Document.h"
#include "model/Data.h"
#include "print/QtPrinterPort.h"
#include "print/ReportPrinting.h"
#include "transfer/TransferStatus.h"
#include "ui/controller/ControllerConnection.h"
#include "ui/controller/TfrmStatus.h"
#include "ui/platform/QtPrompts.h"
#include "ui/widgets/AppIcons.h"
#include "ui/window/MainWindow.h"
#include "ui/window/StartupOptions.h"

namespace {

constexpr const char* kSplashText = " Loading Kelvane Programming Tools - Please wait";

}  // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int index = 0; index < argc; ++index) arguments << QString::fromLocal8Bit(argv[index]);
    // The command line is read before the window system is reached, so that
    // --help and mistakes are answered on a machine without a display.
    const kelvane::ParsedCommandLine commandLine = kelvane::ParseCommandLine(arguments);
    if (!commandLine.Error.isEmpty()) {
        std::fprintf(stderr, "kelvane-tools: %s\n\n%s", qPrintable(commandLine.Error),
                     qPrintable(commandLine.HelpText));
        return 2;
    }
    if (commandLine.ShowHelp) {
        std::fputs(qPrintable(commandLine.HelpText), stdout);
        return 0;
    }

    // Without a display Qt stops here with its own message.
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Nisk"));
    QApplication::setApplicationName(QStringLiteral("Kelvane Tools"));
    QApplication::setWindowIcon(kelvane::MakeProgramIcon());

    kelvane::TransferStatus splashStatus;
    auto splash = std::make_unique<kelvane::TfrmStatus>(splashStatus);
    splash->SetTextPointSize(10);
    splashStatus.Show();
    splashStatus.SetCancelVisible(false);
    splashStatus.SetStatusText(kSplashText);
    QCoreApplication::processEvents();
    splash->SetTextPointSize(8);

    kelvane::TData data;
    kelvane::Document document;
    kelvane::QtPrompts prompts;
    kelvane::ConfigFileStore store(data, document);
    kelvane::SystemClock clock;
    kelvane::TfrmMain frmMain(data, document, prompts, store, clock, commandLine.Options);
    prompts.SetParent(&frmMain);
    prompts.SetHelpViewer([&frmMain](int context) { frmMain.ShowHelp(context); });
    kelvane::ControllerConnection connection(frmMain, data, document, prompts, clock);
    kelvane::TQtPrinterPort printers;
    kelvane::TReportPrinting printing(frmMain, data, document, prompts, clock, printers);

    splashStatus.SetCancelVisible(true);
    splash.reset();
    frmMain.show();
    return QApplication::exec();
}
