#include "app/cli/DifferenceReport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "app/cli/ControllerTransfer.h"
#include "qt/Latin1.h"

namespace kelvane::cli {

namespace {

std::string Counted(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " difference" : " differences");
}

}  // namespace

void PrintDifferences(const std::vector<SiteDifference>& differences, bool json, CommandIo& io) {
    if (!json) {
        io.out << io.text.Lines(DifferenceLines(differences));
        return;
    }
    QJsonArray array;
    for (const SiteDifference& difference : differences) {
        array.append(QJsonObject{{"section", Latin1(SectionName(difference.Section))},
                                 {"record", Latin1(RecordName(difference))},
                                 {"field", Latin1(difference.Field)},
                                 {"a", Latin1(difference.A)},
                                 {"b", Latin1(difference.B)}});
    }
    const QByteArray text = QJsonDocument(array).toJson(QJsonDocument::Indented);
    io.out.write(text.constData(), text.size());
}

namespace {

int ReportResult(const ControllerVerify::Result& result, const std::string& file, CommandIo& io) {
    if (!result.Compared) {
        if (result.Saved) io.err << ControllerVerify::kNotReadBackText << "\n";
        return kExitTransferFailed;
    }
    if (result.Differences.empty()) {
        io.err << (result.Kind == ControllerVerify::Run::Verify
                       ? "The controller holds the configuration in " + file + "."
                       : std::string(ControllerVerify::kHoldsSavedText))
               << "\n";
        return kExitOk;
    }
    PrintDifferences(result.Differences, false, io);
    io.err << Counted(result.Differences.size()) << " between " << file << " and the controller.\n";
    return kExitDifferences;
}

}  // namespace

int ReportVerify(const VerifyRun& run, const std::string& file, CommandIo& io) {
    const int code = ReportResult(run.Result, file, io);
    // An incomplete trace was reported on the error stream already.
    return run.TraceComplete ? code : kExitTransferFailed;
}

}  // namespace kelvane::cli
