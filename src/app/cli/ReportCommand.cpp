#include <QFile>
#include <QGuiApplication>
#include <memory>
#include <sstream>

#include "app/cli/FileCommands.h"
#include "app/cli/SiteFiles.h"
#include "core/SystemClock.h"
#include "log/LogFile.h"
#include "report/PaperPort.h"
#include "report/ReportTexts.h"
#include "report/SiteReport.h"

namespace kelvane::cli {
namespace {

struct ReportArguments {
    std::string site;
    std::string output;
    // The event log file whose lines fill the log section; empty: none.
    std::string log;
    TReportOptions options;
};

// Sets the sections from "site,devices,zones,groups,comments,log,routing,checks"; an
// empty list chooses none. False on a name that is none of them.
bool ParseSections(const std::string& list, TReportOptions& options, std::string& bad) {
    options.SiteInformation = options.DeviceInformation = options.ZoneInformation = false;
    options.GroupInformation = options.Comments = options.EventLog = false;
    options.RoutingOverview = options.SiteChecks = false;
    std::istringstream names(list);
    std::string name;
    while (std::getline(names, name, ',')) {
        if (name == "site")
            options.SiteInformation = true;
        else if (name == "devices")
            options.DeviceInformation = true;
        else if (name == "zones")
            options.ZoneInformation = true;
        else if (name == "groups")
            options.GroupInformation = true;
        else if (name == "comments")
            options.Comments = true;
        else if (name == "log")
            options.EventLog = true;
        else if (name == "routing")
            options.RoutingOverview = true;
        else if (name == "checks")
            options.SiteChecks = true;
        else if (!name.empty()) {
            bad = "unknown section \"" + name + "\"";
            return false;
        }
    }
    return true;
}

bool ParseArguments(const std::vector<std::string>& arguments, ReportArguments& parsed, std::string& error) {
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string& argument = arguments[index];
        const auto value = [&](std::string& into) {
            if (index + 1 >= arguments.size()) {
                error = argument + " needs a value";
                return false;
            }
            into = arguments[++index];
            return true;
        };
        std::string text;
        if (argument == "-o" || argument == "--output") {
            if (!value(parsed.output)) return false;
        } else if (argument == "--sections") {
            if (!value(text) || !ParseSections(text, parsed.options, error)) return false;
        } else if (argument == "--fitted-only") {
            parsed.options.FittedOnly = true;
        } else if (argument == "--order") {
            if (!value(text)) return false;
            if (text != "number" && text != "type") {
                error = "--order takes number or type";
                return false;
            }
            parsed.options.Order = text == "type" ? doDeviceType : doDeviceNumber;
        } else if (argument == "--log") {
            if (!value(parsed.log)) return false;
        } else if (!argument.empty() && argument[0] == '-') {
            error = "unknown option " + argument;
            return false;
        } else if (parsed.site.empty()) {
            parsed.site = argument;
        } else {
            error = "only one configuration file can be given";
            return false;
        }
    }
    if (!parsed.log.empty()) parsed.options.EventLog = true;
    if (parsed.site.empty() || parsed.output.empty())
        error = "a configuration file and -o OUT.pdf are needed";
    return error.empty();
}

// Fonts and painting need a GUI application; a report needs no display.
std::unique_ptr<QGuiApplication> EnsureGuiApplication() {
    if (QCoreApplication::instance()) return nullptr;
    static int argc = 1;
    static char name[] = "kelvane-cli";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

class ReportCommand : public Command {
public:
    std::string Name() const override { return "report"; }
    std::string Synopsis() const override {
        return "report FILE.KCF -o OUT.pdf [--sections LIST] [--fitted-only] [--order number|type] [--log "
               "FILE.log]";
    }
    std::string Summary() const override { return "write the site report as a PDF file"; }
    std::string Help() const override {
        return "Usage: kelvane-cli report FILE.KCF -o OUT.pdf [--sections LIST] [--fitted-only]\n"
               "                          [--order number|type] [--log FILE.log]\n"
               "Writes the site report of FILE.KCF (and its comments file FILE.RTF) to OUT.pdf,\n"
               "as the desktop program prints it, on the locale's default paper (A4, or Letter\n"
               "where US measures are used). Needs no display.\n"
               "  --sections LIST  a comma-separated choice of site,devices,zones,groups,\n"
               "                   comments,log,routing,checks (default: all but log,\n"
               "                   routing and checks; an empty list gives one blank page);\n"
               "                   routing is the routing overview (the matrix of where\n"
               "                   every call goes), checks the site checks' findings\n"
               "  --fitted-only    list only fitted devices (number order)\n"
               "  --order number|type  the device list in device number or device type order\n"
               "  --log FILE.log   adds the event log section, its lines read from FILE.log\n"
               "Exit status: 0 written, 1 a file cannot be read or written, 2 not a Kelvane\n"
               "Programming Tools file, 64 wrong command line.\n";
    }

    int Run(const std::vector<std::string>& arguments, CommandIo& io) override {
        ReportArguments parsed;
        std::string error;
        if (!ParseArguments(arguments, parsed, error)) {
            io.err << "kelvane-cli report: " << error << "\nUsage: kelvane-cli " << Synopsis() << "\n";
            return kExitUsage;
        }
        TData data;
        if (const int code = ReadSite(parsed.site, data, io.err); code != kExitOk) return code;
        LogFileRead log;
        if (!parsed.log.empty()) {
            log = ReadLogFile(parsed.log);
            if (!log.Read) {
                io.err << log.Error << "\n";
                return kExitFailure;
            }
        }

        const std::unique_ptr<QGuiApplication> application = EnsureGuiApplication();
        if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
            io.err << "kelvane-cli report: no painting available\n";
            return kExitFailure;
        }
        TPaperPort paper;
        SystemClock clock;
        TfrmReports report(paper, clock, parsed.options.FittedOnly,
                           ReportSiteName(data.SiteConfig.ClientName, parsed.site));
        BuildSiteReport(report, data, parsed.options, log.Lines);
        const QString output = QFile::decodeName(QByteArray::fromStdString(parsed.output));
        if (!report.ReportPrinter.ExportPdf(output)) {
            io.err << "Unable to write to " << parsed.output << "\n";
            return kExitFailure;
        }
        return kExitOk;
    }
};

}  // namespace

std::unique_ptr<Command> MakeReportCommand() {
    return std::make_unique<ReportCommand>();
}

}  // namespace kelvane::cli
