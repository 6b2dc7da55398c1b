#pragma once
#include <cstdint>
#include <string>

#include "core/Clock.h"
#include "model/Data.h"
#include "transfer/TransferState.h"
#include "transfer/TransferStatus.h"

namespace kelvane {

// What the status bar says when a controller transfer of the open site has
// ended: what was loaded or saved, from or to which controller, and when;
// or, for one that stopped part-way, how far it got. A read-back (a verify
// or a compare) tells its own result and gets no notice.
class TransferNotice {
public:
    TransferNotice(const TData& data, const Clock& clock) : data_(data), clock_(clock) {}

    // A transfer starts: `state` holds its first step and its whole-site
    // flags; `readBack` for a load into a model of its own.
    void Started(const TransferState& state, bool readBack);
    // It ended at `step`, its chain finished or not; `status` holds the
    // sections its check list ticked. Empty when there is nothing to say.
    std::string Ended(std::uint8_t step, bool completed, const TransferStatus& status) const;

private:
    std::string LoadEnded(std::uint8_t step, bool completed, const TransferStatus& status) const;
    std::string SaveEnded(bool completed, const TransferStatus& status) const;
    std::string Controller() const;
    std::string Now() const;

    const TData& data_;
    const Clock& clock_;
    std::uint8_t firstStep_ = kStepIdle;
    bool readBack_ = false;
};

}  // namespace kelvane
