#pragma once
#include <string>

namespace kelvane {

// Recognises an answer that comes after the reply time-out. The request has
// then gone again and the controller may answer both copies; its answers
// carry no sequence number (a device answer does not even say which device
// it describes), so the second answer would be taken for the answer to the
// next request and every record after it would shift by one. The controller
// answers in order, so such a late copy comes before the answer to the next
// request and repeats the answer already taken byte for byte.
class LateAnswers {
public:
    // The reply time-out struck on the current request; it goes again.
    void TimedOut();
    // A new request follows `answer`, which completed the one before.
    void NextRequest(const std::string& answer);
    // True for the late copy of the answer already taken: drop it.
    bool IsLateCopy(const std::string& answer);
    void Reset() { *this = LateAnswers(); }

private:
    int timedOutCopies_ = 0;  // copies of the current request that may still be answered
    int lateCopiesDue_ = 0;   // copies of the previous request that may still be answered
    std::string previousAnswer_;
    // A presumed late copy was dropped since the last send: a time-out now
    // more likely means it was the real answer after all.
    bool droppedSinceSend_ = false;
};

}  // namespace kelvane
