#pragma once
#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "app/cli/TransferProgress.h"
#include "transfer/TransferStatus.h"

namespace kelvane::cli {

// The status window of a transfer as one line on a terminal: the status
// text and the progress of the whole run (see TransferProgress), redrawn in
// place as they change, under a line of its own for each phase of a
// transfer of several runs. Draws nothing when the stream is not a terminal.
class ProgressLine {
public:
    ProgressLine(std::ostream& out, bool terminal) : out_(out), terminal_(terminal) {}
    ~ProgressLine();
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    // Draws `status` as it changes (for as long as `status` lives);
    // `zoneLimit` tells how many zones the controller has.
    void Follow(TransferStatus& status, std::function<int()> zoneLimit);
    // Leaves the line as it is and moves to the next one.
    void End();

private:
    void Draw();

    std::ostream& out_;
    bool terminal_;
    TransferStatus* status_ = nullptr;
    std::optional<TransferProgress> progress_;
    int percent_ = 0;
    std::string shown_;
    std::string phaseShown_;
};

}  // namespace kelvane::cli
