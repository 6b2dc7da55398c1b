#include <QByteArray>
#include <QJsonDocument>
#include <QJsonParseError>

#include "app/cli/SiteJson.h"
#include "fuzz/targets/FuzzTargets.h"
#include "fuzz/targets/ModelConsumers.h"

namespace kelvane::fuzz {

// A JSON site as kelvane-cli import reads it, then used as the program uses
// an imported site.
void SiteJson(const std::uint8_t* data, std::size_t size) {
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), &error);
    if (error.error != QJsonParseError::NoError || !json.isObject()) return;
    TData model;
    model.ResetToDefaults();
    std::string reason;
    if (cli::SiteFromJson(json.object(), model, reason)) UseModel(model);
}

}  // namespace kelvane::fuzz
