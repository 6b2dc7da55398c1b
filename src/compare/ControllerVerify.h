#pragma once
#include <functional>
#include <string>
#include <vector>

#include "compare/SiteDifference.h"
#include "model/Data.h"
#include "transfer/SaveRecords.h"
#include "transfer/TransferSession.h"

namespace kelvane {

// Whether the controller holds a site: after a whole save (or a save of the
// records that differed), everything is read back into the session's own
// model through the load chain and compared with the site for what travels.
// The site and the open document are never touched. The status shows the
// read-back as the second of two phases.
//
// While it lives it takes the session's OnEnded; ends of transfers it did
// not start pass it by.
class ControllerVerify {
public:
    enum class Run { SaveAndVerify, Verify, ResaveAndVerify };

    struct Result {
        Run Kind = Run::Verify;
        bool Saved = false;     // the save ran to its end (never for Verify)
        bool Compared = false;  // the read-back ran to its end and was compared
        // The site's values against the controller's (empty when it holds the site).
        std::vector<SiteDifference> Differences;
    };

    static constexpr const char* kSavePhase = "Step 1 of 2: saving to the controller";
    static constexpr const char* kResavePhase = "Step 1 of 2: saving the differing records again";
    static constexpr const char* kVerifyPhase = "Step 2 of 2: reading back to verify";
    static constexpr const char* kComparePhase = "Reading back from the controller to compare";
    static constexpr const char* kHoldsSavedText = "The controller holds the configuration that was saved.";
    static constexpr const char* kNotReadBackText =
        "The configuration was saved to the controller, but it could not be read back to verify it.";

    ControllerVerify(TransferSession& session, const TData& site);
    ~ControllerVerify();
    ControllerVerify(const ControllerVerify&) = delete;
    ControllerVerify& operator=(const ControllerVerify&) = delete;

    // Each starts its run; nothing happens while a run or another transfer
    // is under way.
    void SaveAndVerify();
    void Verify();
    // Saves the records of `differences` again (each differing device, zone,
    // group and custom name, and the site packets that carry a differing
    // site field), then verifies.
    void ResaveAndVerify(const std::vector<SiteDifference>& differences);

    bool Busy() const { return phase_ != Phase::Idle; }
    // Fired once at the end of every run, however it ended.
    std::function<void(const Result&)> OnFinished;

    // The save packets that carry the differing fields, in the order of a
    // whole save, each once.
    static std::vector<SaveRecord> RecordsToSave(const std::vector<SiteDifference>& differences);

private:
    enum class Phase { Idle, Saving, ReadingBack };

    void Start(Run run, Phase phase, const char* phaseText, const std::function<void()>& start);
    void StartReadBack();
    void Ended(TransferSession::Outcome outcome);
    void Finish();

    TransferSession& session_;
    const TData& site_;
    Phase phase_ = Phase::Idle;
    Result result_;
};

}  // namespace kelvane
