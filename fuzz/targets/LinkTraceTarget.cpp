#include "comms/LinkTrace.h"
#include "comms/LinkTraceDecoder.h"
#include "core/ManualClock.h"
#include "fuzz/targets/FuzzInput.h"
#include "fuzz/targets/FuzzTargets.h"

namespace kelvane::fuzz {

// The trace decoder on any mix of sent and received bytes with any parity,
// port events between them, and every entry formatted.
void LinkTraceBytes(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    ManualClock clock;
    LinkTrace trace(clock, 64);
    trace.SetRecording(true);
    std::size_t formatted = 0;
    trace.OnRecorded = [&](const TraceEntry& entry) {
        Check(!FormatTraceEntry(entry).empty());
        ++formatted;
    };
    LinkTraceDecoder decoder(trace);
    while (!in.Empty()) {
        const std::uint8_t op = in.Byte();
        const auto parity = static_cast<TComPortParity>((op >> 2) % 5);
        clock.Advance(op >> 5);
        const std::string bytes = in.Bytes(in.Byte() % 32);
        const auto* raw = reinterpret_cast<const std::uint8_t*>(bytes.data());
        switch (op & 3) {
            case 0:
                decoder.Sent(raw, bytes.size(), parity);
                break;
            case 1:
                decoder.Received(raw, bytes.size(), parity, false);
                break;
            case 2:
                decoder.Received(raw, bytes.size(), parity, true);
                break;
            default: {
                LineSettings settings;
                settings.Parity = parity;
                settings.BaudRate = op;
                switch (op >> 5) {
                    case 0:
                        decoder.Closed();
                        break;
                    case 1:
                        decoder.Opened(bytes);
                        break;
                    case 2:
                        decoder.OpenFailed(bytes, bytes);
                        break;
                    case 3:
                        decoder.ReplyTimeout(op);
                        break;
                    case 4:
                        decoder.OutputTimeout(op);
                        break;
                    default:
                        decoder.Configured(settings);
                        break;
                }
            }
        }
    }
    decoder.Closed();
    Check(formatted == trace.NextSequence());
    Check(trace.Entries().size() <= 64);
}

}  // namespace kelvane::fuzz
