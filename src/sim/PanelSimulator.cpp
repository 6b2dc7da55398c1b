#include "sim/PanelSimulator.h"

#include <algorithm>

#include "comms/PanelComms.h"
#include "sim/EventLogTalker.h"

namespace kelvane::sim {

namespace {

// A frame that stalls this long is abandoned; the next start byte begins anew.
constexpr std::uint64_t kInterByteLimitMs = 500;

std::string Packet(unsigned char command, const std::string& payload) {
    std::string packet(1, static_cast<char>(command));
    packet += static_cast<char>(payload.size());
    return packet + payload;
}

std::string Printable(const std::string& bytes) {
    return ExpandControlChars(bytes);
}

}  // namespace

PanelSimulator::PanelSimulator(SimPort& port, const Clock& clock, SimulatorOptions options,
                               RecordHandler* records)
    : port_(port), clock_(clock), options_(std::move(options)), records_(records), random_(options_.Seed) {}

std::string PanelSimulator::Frame(const std::string& packet) {
    return packet + static_cast<char>(PacketChecksum(packet));
}

void PanelSimulator::Service() {
    for (const LineByte& b : port_.Receive()) Take(b);
    const std::uint64_t now = clock_.NowMs();
    while (!pending_.empty() && pending_.front().DueMs <= now) {
        const std::string bytes = std::move(pending_.front().Bytes);
        pending_.pop_front();
        port_.Transmit(bytes);
    }
    // Log text goes out between answers, never inside one.
    if (eventLog_ && pending_.empty()) {
        const std::string text = eventLog_->Due();
        if (!text.empty()) port_.Transmit(text);
    }
}

bool PanelSimulator::StartsFrame(const LineByte& b) const {
    switch (options_.LinkMode) {
        case 2:
            return b.Parity == ptSPACE;
        case 3:
            return b.Parity == ptMARK;
        default:
            return b.Value == kSOH && b.Parity == ptNONE;
    }
}

bool PanelSimulator::ContinuesFrame(const LineByte& b) const {
    switch (options_.LinkMode) {
        case 2:
            return b.Parity == ptMARK;
        case 3:
            return b.Parity == ptSPACE;
        default:
            return b.Parity == ptNONE;
    }
}

void PanelSimulator::Take(const LineByte& b) {
    const std::uint64_t now = clock_.NowMs();
    if (inFrame_ && now - lastByteMs_ > kInterByteLimitMs) inFrame_ = false;
    lastByteMs_ = now;

    if (inFrame_ && ContinuesFrame(b)) {
        frame_ += static_cast<char>(b.Value);
        if (frame_.size() >= 2 && frame_.size() == static_cast<unsigned char>(frame_[1]) + 3u)
            FrameComplete();
        return;
    }
    inFrame_ = false;
    if (!StartsFrame(b)) return;  // noise, a stray byte or the wrong discipline
    inFrame_ = true;
    frame_.clear();
    // In the marked disciplines the start byte is the command itself.
    if (options_.LinkMode == 2 || options_.LinkMode == 3) frame_ += static_cast<char>(b.Value);
}

void PanelSimulator::FrameComplete() {
    inFrame_ = false;
    const std::string packet = frame_.substr(0, frame_.size() - 1);
    const auto checksum = static_cast<std::uint8_t>(frame_.back());
    if (checksum != PacketChecksum(packet)) {
        ++counts_.BadChecksums;
        Trace("bad checksum: " + Printable(frame_));
        Queue(std::string(1, static_cast<char>(kNAK)), DrawFate());
        return;
    }
    ++counts_.Frames;
    const auto command = static_cast<unsigned char>(packet[0]);
    commandsHeard_ += static_cast<char>(command);
    Trace("heard " + Printable(frame_));
    if (options_.Silent) return;
    const std::string payload = packet.substr(2);
    const AnswerFate scripted = options_.FateOf ? options_.FateOf(command, payload) : AnswerFate{};
    std::string answer;
    if (scripted.RequestSpoiled) {
        Trace("fault: request spoiled");
        answer.assign(1, static_cast<char>(kNAK));
    } else {
        answer = Answer(command, payload);
    }
    if (answer.empty()) return;
    Queue(std::move(answer), options_.FateOf ? scripted : DrawFate());
}

std::string PanelSimulator::Answer(unsigned char command, const std::string& payload) {
    if (eventLog_) eventLog_->FrameHeard(command);
    switch (command) {
        case 'A':
            ++counts_.Handshakes;
            return Frame(Packet('A', {}));
        case 'B':
            return Frame(Packet('B', std::string(1, options_.NvmFitted ? '\x01' : '\x00')));
        case '\\': {
            std::string version = options_.Version.substr(0, 5);
            version.resize(5, ' ');
            return Frame(Packet('\\', version));
        }
        case 'V':
            // The event log is listening: the controller goes on printing its
            // log as events happen and sends no framed answer, which would
            // only land in the log's text.
            return {};
        default:
            break;
    }
    if (records_) {
        if (auto stored = records_->StoreSavePacket(command, payload))
            return std::string(1, static_cast<char>(*stored ? kACK : kNAK));
        if (auto answer = records_->AnswerRequest(command, payload)) return Frame(*answer);
    }
    return std::string(1, static_cast<char>(kNAK));
}

bool PanelSimulator::Chance(double rate) {
    if (rate <= 0.0) return false;
    return std::uniform_real_distribution<double>(0.0, 1.0)(random_) < rate;
}

AnswerFate PanelSimulator::DrawFate() {
    AnswerFate fate;
    fate.Dropped = Chance(options_.DropRate);
    if (fate.Dropped) return fate;
    fate.Naked = Chance(options_.NakRate);
    fate.Corrupted = !fate.Naked && Chance(options_.CorruptRate);
    fate.Late = Chance(options_.DelayRate);
    return fate;
}

void PanelSimulator::Queue(std::string answer, const AnswerFate& fate) {
    std::uint64_t due = clock_.NowMs() + options_.TurnaroundMs;
    if (fate.Dropped) {
        ++counts_.Dropped;
        Trace("fault: answer dropped");
        return;
    }
    if (fate.Naked) {
        answer.assign(1, static_cast<char>(kNAK));
        Trace("fault: NAK instead of the answer");
    } else if (fate.Corrupted) {
        ++counts_.Corrupted;
        answer.back() = static_cast<char>(answer.back() ^ 0x80);
        Trace("fault: answer corrupted");
    }
    if (fate.Late) {
        ++counts_.Delayed;
        due += options_.DelayMs;
        Trace("fault: answer delayed");
    }
    if (answer.size() == 1 && static_cast<std::uint8_t>(answer[0]) == kNAK) ++counts_.Naked;
    ++counts_.Answers;
    // The controller answers in the order it was asked: a delayed answer
    // (the controller is busy) holds back the ones after it.
    if (!pending_.empty()) due = std::max(due, pending_.back().DueMs);
    pending_.push_back(Pending{due, std::move(answer)});
    Trace("answer due at " + std::to_string(due) + " ms");
}

void PanelSimulator::Trace(const std::string& line) const {
    if (OnTrace) OnTrace(line);
}

}  // namespace kelvane::sim
