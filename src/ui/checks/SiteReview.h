#pragma once
#include <QObject>
#include <QString>
#include <memory>
#include <vector>

#include "model/Data.h"
#include "routing/RoutingMap.h"
#include "routing/SiteFinding.h"

namespace kelvane {

// Where every call of the open site goes and what the site checks find in
// it, computed again from the model whenever it may have changed. The routing
// and site check windows and the status bar's count show it.
class SiteReview : public QObject {
    Q_OBJECT
public:
    explicit SiteReview(const TData& data, QObject* parent = nullptr);
    ~SiteReview() override;

    // Computes the map and the findings from the model as it is now.
    void Refresh();

    const TData& Data() const { return data_; }
    const RoutingMap& Map() const { return *map_; }
    const std::vector<SiteFinding>& Findings() const { return findings_; }
    int Count(Severity severity) const;
    // "2 errors, 5 warnings"; "No errors or warnings" for a sound site.
    QString CountText() const;

signals:
    void refreshed();

private:
    const TData& data_;
    std::unique_ptr<RoutingMap> map_;
    std::vector<SiteFinding> findings_;
};

}  // namespace kelvane
