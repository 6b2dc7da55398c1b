#include "sim/EventLogTalker.h"

#include <algorithm>
#include <utility>

#include "model/DeviceCatalogue.h"
#include "sim/ConfigurationPrintout.h"

namespace kelvane::sim {

namespace {

constexpr unsigned char kLogKeepAlive = 'V';

bool IsCallPoint(int type) {
    return type == dtCallpoint || type == dtAudioCallpoint || type == dtDoorbell;
}

std::string Padded(std::string text, std::size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

std::string Address(int n) {
    std::string text = std::to_string(n);
    return "Device " + std::string(text.size() < 3 ? 3 - text.size() : 0, '0') + text;
}

}  // namespace

EventLogTalker::EventLogTalker(const TData& site, const Clock& clock, Options options)
    : site_(site), clock_(clock), options_(options), random_(options.Seed) {}

void EventLogTalker::FrameHeard(unsigned char command) {
    if (command != kLogKeepAlive) {
        heard_ = false;
        return;
    }
    const std::uint64_t now = clock_.NowMs();
    // A tool that starts listening sees its first event soon.
    if (!Listening()) nextEventMs_ = now + Between(500, 2000);
    heard_ = true;
    lastKeepAliveMs_ = now;
}

bool EventLogTalker::Listening() const {
    return heard_ && clock_.NowMs() - lastKeepAliveMs_ <= options_.ListenWindowMs;
}

void EventLogTalker::RequestPrintout() {
    if (PrintoutWaiting()) return;
    printoutRequested_ = true;
    if (OnTrace)
        OnTrace(Listening() ? "printout asked for" : "printout asked for; it starts when the tool listens");
}

std::uint32_t EventLogTalker::Between(std::uint32_t low, std::uint32_t high) {
    return std::uniform_int_distribution<std::uint32_t>(low, std::max(low, high))(random_);
}

void EventLogTalker::ScheduleEvent(std::uint64_t now) {
    nextEventMs_ = now + Between(options_.MinEventGapMs, options_.MaxEventGapMs);
}

std::string EventLogTalker::Due() {
    if (!Listening()) return {};
    const std::uint64_t now = clock_.NowMs();
    if (printoutRequested_) {
        printoutRequested_ = false;
        // A blank line first, as a printer feeds the paper: it also ends
        // whatever the tool's line holds from before it listened.
        printing_.emplace_back();
        for (std::string& line : ConfigurationPrintout(site_, clock_.LocalTime()))
            printing_.push_back(std::move(line));
        nextLineMs_ = now;
        if (OnTrace) OnTrace("printing the configuration, " + std::to_string(printing_.size()) + " lines");
    }
    if (!printing_.empty()) {
        if (now < nextLineMs_) return {};
        std::string line = std::move(printing_.front()) + kLineEnding;
        printing_.pop_front();
        nextLineMs_ = now + options_.PrintoutLineGapMs;
        // Events wait until the printout is through.
        if (printing_.empty()) ScheduleEvent(now);
        return line;
    }
    if (now < nextEventMs_) return {};
    ScheduleEvent(now);
    std::string line = NextEvent();
    if (OnTrace) OnTrace("event: " + line);
    return line + kLineEnding;
}

std::string EventLogTalker::Stamped(const std::string& what, const std::string& where) const {
    const std::tm now = clock_.LocalTime();
    char stamp[32];
    const std::size_t length = std::strftime(stamp, sizeof stamp, "%H:%M:%S %d/%m/%y", &now);
    return std::string(stamp, length) + "  " + Padded(what, 10) + where;
}

std::string EventLogTalker::Place(int n) const {
    const TKDeviceType& device = site_.Loop.Device(n);
    std::string place = site_.DevicePlaceName(n);
    if (!device.Suffix.empty()) place += " " + device.Suffix;
    place = Padded(place, 16);
    if (DeviceAllocationClass(device.DeviceType) == AllocationClass::Area &&
        !AreaLetter(device.Allocation).empty())
        place += "Area " + AreaLetter(device.Allocation);
    return place;
}

std::string EventLogTalker::NextEvent() {
    std::vector<int> callPoints;
    std::vector<int> fitted;
    int monitoringPoint = 0;
    for (int n = 1; n <= kLoopDeviceCount; ++n) {
        const TKDeviceType& device = site_.Loop.Device(n);
        if (device.DeviceType == dtNotFitted) continue;
        fitted.push_back(n);
        const bool calling =
            std::any_of(calls_.begin(), calls_.end(), [n](const Call& c) { return c.device == n; });
        if (IsCallPoint(device.DeviceType) && !calling) callPoints.push_back(n);
        if (device.DeviceType == dtMonitoringPoint && monitoringPoint == 0) monitoringPoint = n;
    }
    const std::uint32_t roll = Between(0, 99);
    // A fault clears itself a few events later.
    if (faultyDevice_ != 0 && roll < 25) {
        const int device = std::exchange(faultyDevice_, 0);
        return Stamped("FAULT CLR", Address(device) + " responding");
    }
    if (faultyDevice_ == 0 && roll >= 94 && !fitted.empty()) {
        faultyDevice_ = fitted[Between(0, static_cast<std::uint32_t>(fitted.size() - 1))];
        return Stamped("FAULT", Address(faultyDevice_) + " not responding");
    }
    if (monitoringPoint != 0 && roll >= 88) {
        doorOpen_ = !doorOpen_;
        return Stamped(doorOpen_ ? "DOOR OPEN" : "DOOR SHUT", Place(monitoringPoint));
    }
    // Calls already made are accepted, then reset; new ones come in between.
    if (!calls_.empty() && (roll < 55 || callPoints.empty())) {
        Call& call = calls_.front();
        if (!call.accepted) {
            call.accepted = true;
            return Stamped("ACCEPT", Place(call.device));
        }
        const int device = call.device;
        calls_.erase(calls_.begin());
        return Stamped("RESET", Place(device));
    }
    if (callPoints.empty()) return Stamped("SYSTEM", "Normal");
    const int device = callPoints[Between(0, static_cast<std::uint32_t>(callPoints.size() - 1))];
    calls_.push_back({device, false});
    return Stamped(site_.Loop.Device(device).DeviceType == dtDoorbell ? "DOORBELL" : "CALL", Place(device));
}

}  // namespace kelvane::sim
