#pragma once
#include <ctime>
#include <optional>
#include <string>

#include "model/Data.h"
#include "sim/RecordHandler.h"

namespace kelvane::sim {

// The simulated controller's configuration memory. It keeps its records in a
// site model of its own (devices, zones, groups, site settings, custom place
// names), answers every load request from it and writes every save packet
// into it. The model's `MainVersion` is the controller's firmware version: a
// version before "08A00" is an older controller with 32 zones.
//
// Where the tool does not look, the controller answers:
// - 0x00 in the device answer's two spare bytes, the suffix padded with
//   blanks (or cut) to its four bytes, and 0x00 after each reset code;
// - a zone it does not have (0, beyond 32 or 64 by version, or the tool's
//   one request past the last zone) with its number and empty equations;
//   a group or custom name number it does not have likewise with empty
//   entries or an empty name;
// - the full night-mode and logger layouts also on an older controller,
//   with the HTM2015 and surveyor bytes 0;
// - a custom name without its padding blanks.
// It stores suffixes and names without the padding blanks and the closing
// 0x00, keeps the date and time of the last time packet, and refuses (NAK)
// a packet of the wrong length or with a number outside its range: a device
// number other than 1..255, a type above 9, a place name above 85, a zone it
// does not have, a group or name number outside 1..32 or 1..45, an equation
// entry beyond its empty marker, an impossible date or time, a flag above 1,
// a logger mode above 2 or a pager level byte above 5. A malformed request
// gets no answer at all.
class ControllerRecords : public RecordHandler {
public:
    explicit ControllerRecords(TData& store) : store_(store) {}

    std::optional<std::string> AnswerRequest(unsigned char command, const std::string& payload) override;
    std::optional<bool> StoreSavePacket(unsigned char command, const std::string& payload) override;

    // Zones the controller has: 64, or 32 on an older controller.
    int ZoneCount() const { return store_.SiteConfig.ZoneLimit(); }
    // The date and time set by the last time packet, if one came.
    const std::optional<std::tm>& ClockSetting() const { return clock_; }

private:
    std::string DeviceAnswer(int n) const;
    std::string ZoneAnswer(int z) const;
    std::string GroupAnswer(int g) const;
    std::string NightModeAnswer() const;
    std::string LoggerAnswer() const;
    std::string PagerAnswer() const;
    std::string CustomNameAnswer(int k) const;

    bool StoreDevice(const std::string& payload);
    bool StoreZone(const std::string& payload);
    bool StoreGroup(const std::string& payload);
    bool StoreTime(const std::string& payload);
    bool StoreNightMode(const std::string& payload);
    bool StoreLogger(const std::string& payload);
    bool StorePager(const std::string& payload);
    bool StoreCustomName(const std::string& payload);

    TData& store_;
    std::optional<std::tm> clock_;
};

}  // namespace kelvane::sim
