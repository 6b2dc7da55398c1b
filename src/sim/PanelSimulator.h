#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <random>
#include <string>

#include "core/Clock.h"
#include "sim/RecordHandler.h"
#include "sim/SimPort.h"

namespace kelvane::sim {

class EventLogTalker;

// What befalls one answer on its way back: lost, or replaced by NAK or with
// a bit of its last byte flipped, and sent late or not. A request that
// arrived spoiled is neither stored nor answered, but NAKed.
struct AnswerFate {
    bool Dropped = false;
    bool Naked = false;
    bool Corrupted = false;
    bool Late = false;
    bool RequestSpoiled = false;
};

struct SimulatorOptions {
    // The discipline the controller listens in: 1 plain after SOH, 2 first
    // byte spaced and the rest marked, 3 first byte marked and the rest spaced.
    int LinkMode = 1;
    // Five characters, answered to the version query.
    std::string Version = "08A00";
    bool NvmFitted = true;
    // Fault rates, 0..1, drawn per answer from a generator seeded with Seed.
    double DropRate = 0.0;     // no answer at all
    double CorruptRate = 0.0;  // one bit of the answer's last byte flipped
    double NakRate = 0.0;      // NAK instead of the answer
    double DelayRate = 0.0;    // answer DelayMs late
    std::uint32_t DelayMs = 5000;
    std::uint32_t Seed = 1;
    // When set, decides the fault of each answer from the request it answers
    // (command letter and payload) in place of the rates: a script of crossings.
    std::function<AnswerFate(unsigned char command, const std::string& payload)> FateOf;
    // Hears everything, answers nothing.
    bool Silent = false;
    // Time from the end of a request to the start of its answer.
    std::uint32_t TurnaroundMs = 20;
};

// The Network Controller's side of the link: assembles the frames it is
// sent in its own link mode (bytes of the wrong parity break a frame off),
// answers the handshake, the NVM-link and version queries and the
// keep-alives itself, and hands every other request and save packet to a
// record store. Single-threaded: the owner calls Service() often.
class PanelSimulator {
public:
    struct Counts {
        int Frames = 0;        // well-formed frames heard
        int BadChecksums = 0;  // frames NAKed for their checksum
        int Handshakes = 0;    // "A" answered
        int Dropped = 0;
        int Corrupted = 0;
        int Naked = 0;  // NAKs sent for any reason
        int Delayed = 0;
        int Answers = 0;  // answers sent or due, each after its turnaround
    };

    PanelSimulator(SimPort& port, const Clock& clock, SimulatorOptions options = {},
                   RecordHandler* records = nullptr);

    // The store for load requests and save packets; null answers them with NAK.
    void SetRecordHandler(RecordHandler* records) { records_ = records; }
    // The controller's log output while the tool listens on its event log
    // page (heard from the "V" keep-alive); null prints nothing.
    void SetEventLog(EventLogTalker* eventLog) { eventLog_ = eventLog; }
    SimulatorOptions& Options() { return options_; }
    const Counts& Statistics() const { return counts_; }
    // The command letters heard, in order (one per well-formed frame).
    const std::string& CommandsHeard() const { return commandsHeard_; }

    // Takes what has arrived and sends the answers that are due.
    void Service();

    // A line of what the simulator heard and did, for a verbose console.
    std::function<void(const std::string&)> OnTrace;

    // The controller's framing: command, length, payload, checksum (no SOH).
    static std::string Frame(const std::string& packet);

private:
    struct Pending {
        std::uint64_t DueMs;
        std::string Bytes;
    };

    void Take(const LineByte& b);
    bool StartsFrame(const LineByte& b) const;
    bool ContinuesFrame(const LineByte& b) const;
    void FrameComplete();
    // The answer to one well-formed request (empty: no answer).
    std::string Answer(unsigned char command, const std::string& payload);
    // The fate of the next answer by the rates.
    AnswerFate DrawFate();
    void Queue(std::string answer, const AnswerFate& fate);
    bool Chance(double rate);
    void Trace(const std::string& line) const;

    SimPort& port_;
    const Clock& clock_;
    SimulatorOptions options_;
    RecordHandler* records_;
    EventLogTalker* eventLog_ = nullptr;
    std::mt19937 random_;

    bool inFrame_ = false;
    std::string frame_;
    std::uint64_t lastByteMs_ = 0;
    std::deque<Pending> pending_;
    Counts counts_;
    std::string commandsHeard_;
};

}  // namespace kelvane::sim
