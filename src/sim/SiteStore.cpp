#include "sim/SiteStore.h"

#include "file/ConfigFile.h"
#include "sim/DemoSite.h"

namespace kelvane::sim {

bool SiteStore::Load(const std::string& siteFile, std::string& error) {
    if (siteFile.empty()) {
        BuildDemoSite(site_);
        return true;
    }
    Document document;
    const ConfigOpenResult result = OpenConfigFile(siteFile, site_, document);
    if (!result.Read()) error = result.message;
    return result.Read();
}

std::optional<std::string> SiteStore::AnswerRequest(unsigned char command, const std::string& payload) {
    return records_.AnswerRequest(command, payload);
}

std::optional<bool> SiteStore::StoreSavePacket(unsigned char command, const std::string& payload) {
    const std::optional<bool> stored = records_.StoreSavePacket(command, payload);
    if (stored.value_or(false)) {
        unwritten_ = true;
        lastSaveMs_ = clock_.NowMs();
    }
    return stored;
}

bool SiteStore::WriteIfSettled(std::string& error) {
    if (!unwritten_ || clock_.NowMs() - lastSaveMs_ < kSettleMs) return true;
    if (Flush(error)) return true;
    lastSaveMs_ = clock_.NowMs();  // tried again a second later
    return false;
}

bool SiteStore::Flush(std::string& error) {
    if (!unwritten_ || storeFile_.empty()) return true;
    Document document;
    const ConfigSaveResult result = WriteConfigFile(storeFile_, site_, document);
    if (!result.saved) {
        error = result.message;
        return false;
    }
    unwritten_ = false;
    return true;
}

}  // namespace kelvane::sim
