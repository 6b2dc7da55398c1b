#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "sim/RecordHandler.h"

namespace kelvane::sim {

// A fault of the controller's configuration memory, for tests and training:
// a share of the device, zone, group and custom name packets is acknowledged
// as usual but stored wrongly (a place name, the first area of an equation
// or the first letter of a name changed) or not stored at all, as a save
// that ran one packet ahead would leave it. Drawn per packet from a
// generator seeded with `seed`: the same seed gives the same faults for the
// same traffic. Everything else passes to the store behind it.
class StoreFaults : public RecordHandler {
public:
    struct Fault {
        unsigned char Command;  // 'J', 'u', 's' or 'q'
        int Number;             // the device, zone, group or name number
        bool Skipped;           // not stored at all (otherwise stored wrongly)
    };

    StoreFaults(RecordHandler& store, double rate, std::uint32_t seed)
        : store_(store), rate_(rate), random_(seed) {}

    std::optional<std::string> AnswerRequest(unsigned char command, const std::string& payload) override {
        return store_.AnswerRequest(command, payload);
    }
    std::optional<bool> StoreSavePacket(unsigned char command, const std::string& payload) override;

    // The share of record packets faulted from now on.
    void SetRate(double rate) { rate_ = rate; }
    // Every fault so far, in order.
    const std::vector<Fault>& Faults() const { return faults_; }
    // A line for each fault, for a verbose console.
    std::function<void(const std::string&)> OnTrace;

    // Describes a fault: "device 17 not stored", "zone 5 stored wrongly".
    static std::string Describe(const Fault& fault);

private:
    bool Chance();

    RecordHandler& store_;
    double rate_;
    std::mt19937 random_;
    std::vector<Fault> faults_;
};

}  // namespace kelvane::sim
