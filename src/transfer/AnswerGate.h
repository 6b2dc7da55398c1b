#pragma once
#include <string>

namespace kelvane {

// Keeps every answer with the request it answers, so that no record is ever
// stored under another's number.
//
// The controller answers the requests it hears in the order they came: one
// answer, acknowledgement or NAK per copy, or nothing when the copy or its
// answer is lost. A request goes again after a time-out, a NAK or a bad
// checksum, and each copy may still be answered: after such a resend the
// link is unsettled, with answers owed to requests already dealt with. That
// alone is harmless where the answer says what it answers: a zone, group or
// custom name answer names its record, and each site setting, the NVM link
// and the version have a letter of their own; an answer that is not the one
// awaited is dropped. But a device answer does not carry its number and an
// acknowledgement carries nothing, so an owed copy would be taken for the
// next record's. Such a request goes only on a settled link: when the link
// is unsettled, a marker goes first (a zone query with a number of its
// own), every answer before the marker's answer is dropped, and the marker's
// answer proves that nothing sent before it is still owed. A marker that
// goes unanswered is followed by another with a new number, never resent.
class AnswerGate {
public:
    // How the answer to a request shows that it answers it.
    enum class Identity {
        // By its letter, and for a zone, group or custom name by the number
        // it carries; a device answer and an acknowledgement by nothing.
        Usual,
        // By its letter only: a request past the last zone or custom name,
        // whose answer carries no number of a record.
        LetterOnly,
    };

    enum class Verdict {
        Take,     // the answer to the request in hand
        Drop,     // owed to an earlier request, or noise: ignore it
        Settled,  // the marker was answered: send Released() now
    };

    // `request` (command, length, payload) is to go out; returns what to
    // send now: the request itself, or a marker that must be answered first.
    std::string Send(const std::string& request, Identity identity = Identity::Usual);
    // The request in hand goes again (time-out, NAK, bad checksum, an answer
    // that would not do); returns what to send: the request once more, or a
    // new marker while the link is being settled.
    std::string Resend();
    // After Settled: the request held back, which goes now.
    std::string Released();

    // A frame (command, length, payload, checksum) with a valid checksum.
    Verdict JudgeFrame(const std::string& frame);
    // An acknowledgement outside a frame.
    Verdict JudgeAck();

    // The transfer ended; a request still in hand may yet be answered.
    void Abandon();

    // True while a marker awaits its answer.
    bool Settling() const { return settling_; }
    // True when answers may still be owed to requests already dealt with.
    bool Unsettled() const { return unsettled_; }

private:
    bool NeedsSettledLink() const;
    std::string NewMarker();
    Verdict Judged(bool answersRequest);

    std::string request_;
    Identity identity_ = Identity::Usual;
    bool awaiting_ = false;  // the request in hand has not been answered
    int copies_ = 0;         // copies of the request in hand sent so far
    bool unsettled_ = false;
    bool settling_ = false;
    int marker_ = 0;  // number of the last marker sent, 1..32
};

}  // namespace kelvane
