#pragma once
#include <QJsonObject>
#include <string>

#include "model/Data.h"

namespace kelvane::cli {

// The whole model as a JSON object under the model's own field names. Texts
// are the model's bytes read as Latin-1.
QJsonObject SiteToJson(const TData& data);

// Fills `data` from a JSON object of the SiteToJson shape. Every field must be
// present with its type; on the first one that is not, returns false with a
// one-line reason in `error` (the model is then partly filled).
bool SiteFromJson(const QJsonObject& json, TData& data, std::string& error);

}  // namespace kelvane::cli
