#include "ui/window/StartupOptions.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace kelvane {

namespace {

// Qt's own options (-style Fusion, -platform xcb, -reverse ...) are the
// application object's to read: known here, so that they are neither a
// mistake nor taken for the file.
void AddQtOwnOptions(QCommandLineParser& parser) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const char* name :
         {"style", "stylesheet", "platform", "platformpluginpath", "platformtheme", "plugin",
          "qwindowgeometry", "qwindowtitle", "qwindowicon", "display", "session"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// The full path of the named file, as the file system names it. A file: URL
// names a local file too; a plain name is taken from the folder the program
// was started in.
std::string SiteFilePath(const QString& argument) {
    const QUrl url(argument);
    const QString file = url.isLocalFile() ? url.toLocalFile() : argument;
    return QFile::encodeName(QFileInfo(file).absoluteFilePath()).toStdString();
}

}  // namespace

ParsedCommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Kelvane Prog Tools: builds a site's nurse-call configuration, keeps it in .KCF files\n"
        "and loads it from or saves it to the site's Network Controller."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption simulate(
        QStringLiteral("simulate"),
        QStringLiteral("Talk to a simulated Network Controller (no serial port). On the View Event Log tab "
                       "it prints events now and then; Ctrl+Shift+P there (or the log's right-click menu) "
                       "has it print its configuration for Convert."));
    const QCommandLineOption port(
        QStringLiteral("port"), QStringLiteral("Use the serial device <device> instead of the stored port."),
        QStringLiteral("device"));
    const QCommandLineOption corruptStore(
        QStringLiteral("corrupt-store"),
        QStringLiteral(
            "With --simulate: the simulated controller stores this share (0..1) of the device, zone,\n"
            "group and custom name records wrongly or not at all, so that a verify finds them."),
        QStringLiteral("rate"));
    parser.addOption(help);
    parser.addOption(simulate);
    parser.addOption(port);
    parser.addOption(corruptStore);
    AddQtOwnOptions(parser);
    parser.addPositionalArgument(QStringLiteral("FILE.KCF"), QStringLiteral("The site file to open."),
                                 QStringLiteral("[FILE.KCF]"));

    ParsedCommandLine result;
    // The usage line names the program itself: Qt would name the running
    // executable, or nothing before the application object exists.
    QString text = parser.helpText();
    text.remove(0, text.indexOf(QLatin1Char('\n')));
    result.HelpText = QStringLiteral("Usage: kelvane-tools [options] [FILE.KCF]") + text;
    if (!parser.parse(arguments)) {
        result.Error = parser.errorText();
        return result;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        result.Error = QStringLiteral("Unexpected argument: ") + files[1];
        return result;
    }
    if (!files.isEmpty()) {
        if (files[0].isEmpty()) {
            result.Error = QStringLiteral("The file name is empty.");
            return result;
        }
        result.Options.OpenPath = SiteFilePath(files[0]);
    }
    result.ShowHelp = parser.isSet(help);
    result.Options.Simulate = parser.isSet(simulate);
    if (parser.isSet(port)) result.Options.PortDevice = QFile::encodeName(parser.value(port)).toStdString();
    if (parser.isSet(port) && parser.value(port).isEmpty())
        result.Error = QStringLiteral("--port needs a device name.");
    if (parser.isSet(corruptStore)) {
        bool number = false;
        result.Options.CorruptStoreRate = parser.value(corruptStore).toDouble(&number);
        if (!number || result.Options.CorruptStoreRate < 0.0 || result.Options.CorruptStoreRate > 1.0)
            result.Error = QStringLiteral("--corrupt-store needs a rate from 0 to 1.");
        else if (!result.Options.Simulate)
            result.Error = QStringLiteral("--corrupt-store needs --simulate.");
    }
    return result;
}

}  // namespace kelvane
