#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "core/Clock.h"
#include "model/Data.h"
#include "sim/ControllerRecords.h"
#include "sim/RecordHandler.h"

namespace kelvane::sim {

// The simulated controller's configuration memory backed by configuration
// files: it starts from a site file (or the demo site) and, when given a
// store file, writes what the tool saved into it there once the saving has
// settled (no save packet for a second) and when the simulator ends.
class SiteStore : public RecordHandler {
public:
    static constexpr std::uint64_t kSettleMs = 1000;

    explicit SiteStore(const Clock& clock) : clock_(clock), records_(site_) {}

    // Loads `siteFile`, or the demo site when it is empty. False with a reason.
    bool Load(const std::string& siteFile, std::string& error);
    void SetStoreFile(const std::string& path) { storeFile_ = path; }

    TData& Site() { return site_; }
    ControllerRecords& Records() { return records_; }
    // Save packets stored since the store file was last written.
    bool Unwritten() const { return unwritten_; }

    std::optional<std::string> AnswerRequest(unsigned char command, const std::string& payload) override;
    std::optional<bool> StoreSavePacket(unsigned char command, const std::string& payload) override;

    // Writes the store file when saving has settled. False with a reason
    // when the write failed (it is tried again a second later).
    bool WriteIfSettled(std::string& error);
    // Writes the store file now if anything was saved since the last write.
    bool Flush(std::string& error);

private:
    const Clock& clock_;
    TData site_;
    ControllerRecords records_;
    std::string storeFile_;
    bool unwritten_ = false;
    std::uint64_t lastSaveMs_ = 0;
};

}  // namespace kelvane::sim
