#include "transfer/AnswerGate.h"

#include <string_view>

namespace kelvane {

namespace {

// The marker asks for a zone that every controller has; its answer carries
// the zone's number, which tells this marker from every earlier one.
constexpr char kMarkerCommand = 't';
constexpr int kMarkerNumbers = 32;

unsigned char CommandOf(const std::string& packet) {
    return packet.empty() ? 0 : static_cast<unsigned char>(packet[0]);
}

// Requests answered with a frame of their own letter; every other packet
// (a save packet) is answered with an acknowledgement.
bool AnsweredWithFrame(unsigned char command) {
    static constexpr std::string_view letters("IOQSx\x80z|~trpB\\");
    return letters.find(static_cast<char>(command)) != std::string_view::npos;
}

// Answers that carry the number they were asked for as their first payload byte.
bool CarriesNumber(unsigned char command) {
    return command == 't' || command == 'r' || command == 'p';
}

// The first payload byte of a packet or frame (command, length, payload...).
int NumberIn(const std::string& packet) {
    return packet.size() > 2 ? static_cast<unsigned char>(packet[2]) : -1;
}

}  // namespace

std::string AnswerGate::Send(const std::string& request, Identity identity) {
    // A request still awaited when the next goes may yet be answered.
    if (awaiting_) unsettled_ = true;
    request_ = request;
    identity_ = identity;
    awaiting_ = true;
    settling_ = unsettled_ && NeedsSettledLink();
    if (settling_) return NewMarker();
    copies_ = 1;
    return request_;
}

std::string AnswerGate::Resend() {
    if (settling_) return NewMarker();
    awaiting_ = true;
    ++copies_;
    return request_;
}

std::string AnswerGate::Released() {
    return request_;
}

bool AnswerGate::NeedsSettledLink() const {
    const unsigned char command = CommandOf(request_);
    return !AnsweredWithFrame(command) || command == 'I' || identity_ == Identity::LetterOnly;
}

std::string AnswerGate::NewMarker() {
    marker_ = marker_ % kMarkerNumbers + 1;
    return std::string{kMarkerCommand, '\x01', static_cast<char>(marker_)};
}

AnswerGate::Verdict AnswerGate::JudgeFrame(const std::string& frame) {
    const unsigned char command = CommandOf(frame);
    if (settling_) {
        if (command != kMarkerCommand || NumberIn(frame) != marker_) return Verdict::Drop;
        // Nothing sent before the marker is owed any more.
        settling_ = false;
        unsettled_ = false;
        copies_ = 1;
        return Verdict::Settled;
    }
    const unsigned char asked = CommandOf(request_);
    const bool numbered = CarriesNumber(asked) && identity_ == Identity::Usual;
    const bool answers = awaiting_ && AnsweredWithFrame(asked) && command == asked &&
                         (!numbered || NumberIn(frame) == NumberIn(request_));
    return Judged(answers);
}

AnswerGate::Verdict AnswerGate::JudgeAck() {
    if (settling_) return Verdict::Drop;
    return Judged(awaiting_ && !AnsweredWithFrame(CommandOf(request_)));
}

AnswerGate::Verdict AnswerGate::Judged(bool answersRequest) {
    if (!answersRequest) {
        // Something answered that nothing awaits: more may follow.
        unsettled_ = true;
        return Verdict::Drop;
    }
    awaiting_ = false;
    // Every copy of the request may be answered; one answer was taken.
    if (copies_ > 1) unsettled_ = true;
    return Verdict::Take;
}

void AnswerGate::Abandon() {
    if (awaiting_) unsettled_ = true;
    awaiting_ = false;
    settling_ = false;
}

}  // namespace kelvane
