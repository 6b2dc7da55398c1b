#pragma once
#include <ostream>
#include <string>

#include "transfer/TransferStatus.h"

namespace kelvane::cli {

// The status window of a transfer as one line on a terminal: the status
// text and the progress, redrawn in place as they change, under a line of
// its own for each phase of a transfer of several runs. Draws nothing when
// the stream is not a terminal.
class ProgressLine {
public:
    ProgressLine(std::ostream& out, bool terminal) : out_(out), terminal_(terminal) {}
    ~ProgressLine();
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    // Draws `status` as it changes (for as long as `status` lives).
    void Follow(TransferStatus& status);
    // Leaves the line as it is and moves to the next one.
    void End();

private:
    void Draw();

    std::ostream& out_;
    bool terminal_;
    TransferStatus* status_ = nullptr;
    std::string shown_;
    std::string phaseShown_;
};

}  // namespace kelvane::cli
