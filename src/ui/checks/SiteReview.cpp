#include "ui/checks/SiteReview.h"

#include <algorithm>

#include "routing/SiteChecks.h"

namespace kelvane {
namespace {

QString Counted(int count, const char* one, const char* many) {
    return QString::number(count) + QLatin1Char(' ') + QString::fromLatin1(count == 1 ? one : many);
}

}  // namespace

SiteReview::SiteReview(const TData& data, QObject* parent)
    : QObject(parent), data_(data), map_(std::make_unique<RoutingMap>(data)) {
    findings_ = CheckSite(data_, *map_);
}

SiteReview::~SiteReview() = default;

void SiteReview::Refresh() {
    map_ = std::make_unique<RoutingMap>(data_);
    findings_ = CheckSite(data_, *map_);
    emit refreshed();
}

int SiteReview::Count(Severity severity) const {
    return static_cast<int>(
        std::count_if(findings_.begin(), findings_.end(),
                      [severity](const SiteFinding& f) { return f.severity == severity; }));
}

QString SiteReview::CountText() const {
    const int errors = Count(Severity::Error);
    const int warnings = Count(Severity::Warning);
    if (errors == 0 && warnings == 0) return QStringLiteral("No errors or warnings");
    return Counted(errors, "error", "errors") + QStringLiteral(", ") +
           Counted(warnings, "warning", "warnings");
}

}  // namespace kelvane
