#include "transfer/LateAnswers.h"

namespace kelvane {

void LateAnswers::TimedOut() {
    if (!droppedSinceSend_) ++timedOutCopies_;
    droppedSinceSend_ = false;
}

void LateAnswers::NextRequest(const std::string& answer) {
    lateCopiesDue_ = timedOutCopies_;
    timedOutCopies_ = 0;
    previousAnswer_ = answer;
    droppedSinceSend_ = false;
}

bool LateAnswers::IsLateCopy(const std::string& answer) {
    if (lateCopiesDue_ == 0) return false;
    if (answer != previousAnswer_) {
        // Any late copy would have come before this answer.
        lateCopiesDue_ = 0;
        return false;
    }
    --lateCopiesDue_;
    droppedSinceSend_ = true;
    return true;
}

}  // namespace kelvane
