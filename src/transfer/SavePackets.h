#pragma once
#include <ctime>
#include <string>

#include "model/Data.h"

namespace kelvane {

// The packets that write the site model into the controller, one record each.
// Numbers travel as single bytes; equation entries at or beyond their empty
// marker always travel as the marker itself, so no wrap-around can turn an
// empty entry into a member.
class SavePackets {
public:
    explicit SavePackets(const TData& data) : data_(data) {}

    std::string Device(int n) const;                // "J"
    std::string Zone(int z) const;                  // "u"
    std::string Group(int g) const;                 // "s"
    std::string AttackCode() const;                 // "R"
    std::string AccessCodes() const;                // "T"
    std::string CallCode() const;                   // "P"
    static std::string Time(const std::tm& local);  // "U"
    std::string NightMode() const;                  // "y"
    std::string Timeouts() const;                   // 0x81
    std::string Logger() const;                     // "{"
    std::string Pager() const;                      // "}"
    std::string Emergency() const;                  // 0x7F
    std::string CustomName(int k) const;            // "q"

private:
    const TData& data_;
};

}  // namespace kelvane
