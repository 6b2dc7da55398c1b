#include "ui/StartupOptions.h"

#include <QCommandLineParser>
#include <QFile>

namespace kelvane {

ParsedCommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Kelvane Prog Tools: builds a site's nurse-call configuration, keeps it in .KCF files\n"
        "and loads it from or saves it to the site's Network Controller."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption simulate(QStringLiteral("simulate"),
                                      QStringLiteral("Talk to a simulated Network Controller (no serial port). On the View "
                                                     "Event Log tab it prints events now and then; Ctrl+Shift+P "
                                                     "there (or the log's right-click menu) has it print its "
                                                     "configuration for Convert."));
    const QCommandLineOption port(QStringLiteral("port"),
                                  QStringLiteral("Use the serial device <device> instead of the stored port."),
                                  QStringLiteral("device"));
    parser.addOption(help);
    parser.addOption(simulate);
    parser.addOption(port);

    ParsedCommandLine result;
    // The usage line names the program itself: Qt would name the running
    // executable, or nothing before the application object exists.
    QString text = parser.helpText();
    text.remove(0, text.indexOf(QLatin1Char('\n')));
    result.HelpText = QStringLiteral("Usage: kelvane-tools [options]") + text;
    if (!parser.parse(arguments)) {
        result.Error = parser.errorText();
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        result.Error = QStringLiteral("Unexpected argument: ") + parser.positionalArguments().first();
        return result;
    }
    result.ShowHelp = parser.isSet(help);
    result.Options.Simulate = parser.isSet(simulate);
    if (parser.isSet(port)) result.Options.PortDevice = QFile::encodeName(parser.value(port)).toStdString();
    if (parser.isSet(port) && parser.value(port).isEmpty()) result.Error = QStringLiteral("--port needs a device name.");
    return result;
}

}  // namespace kelvane
