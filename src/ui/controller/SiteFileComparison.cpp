#include "ui/controller/SiteFileComparison.h"

#include <QFile>
#include <QFileInfo>

#include "compare/SiteComparison.h"
#include "file/ConfigFile.h"
#include "ui/controller/TfrmDifferences.h"

namespace kelvane {

void SiteFileComparison::Run() {
    const std::optional<std::string> path = dialogs_.AskOpenPath();
    if (!path) return;
    TData other;
    Document document;
    const ConfigOpenResult opened = OpenConfigFile(*path, other, document);
    if (!opened.Read()) {
        prompts_.Error(opened.message);
        return;
    }
    // The path is the file system's name for the file, not model text.
    const QString name = QFileInfo(QFile::decodeName(QByteArray::fromStdString(*path))).fileName();
    std::vector<SiteDifference> differences = CompareSites(data_, other, ComparisonScope::EveryField());
    if (differences.empty()) {
        prompts_.Information("The open site and " + name.toUtf8().toStdString() +
                             " hold the same configuration.");
        return;
    }
    const QString heading =
        QStringLiteral("The open site and %1 differ in %2 %3.")
            .arg(name)
            .arg(differences.size())
            .arg(differences.size() == 1 ? QStringLiteral("field") : QStringLiteral("fields"));
    differences_.ShowDifferences(QStringLiteral("Compare With File"), heading, QStringLiteral("This site"),
                                 name, std::move(differences), false);
}

}  // namespace kelvane
