#include "ui/SiteConfigTab.h"

namespace kelvane {

SiteConfigTab::SiteConfigTab(TData& data, Document& document, Prompts& prompts, QWidget* parent)
    : QWidget(parent), data_(data), document_(document), prompts_(prompts) {}

void SiteConfigTab::FillSiteConfigTab() {}

bool SiteConfigTab::UploadTimeSelected() const { return false; }

void SiteConfigTab::SetConnectionStatusText(const QString&) {}

void SiteConfigTab::SetClock(const QString&, const QString&) {}

void SiteConfigTab::RefreshMainVersion() {}

}  // namespace kelvane
