#pragma once
#include <string>

#include "model/Data.h"

namespace kelvane {

// Stores the controller's load answers into the site model. Each takes the
// answer's payload (the bytes after the command letter and the length) and
// returns false, storing nothing, when the answer is shorter than its layout
// or names a zone, group or custom name that does not exist.
class LoadAnswers {
public:
    explicit LoadAnswers(TData& data) : data_(data) {}

    bool Device(int n, const std::string& payload);  // "I": carries no number, stored into device n
    bool Zone(const std::string& payload);           // "t"
    bool Group(const std::string& payload);          // "r"
    bool CallCode(const std::string& payload);       // "O"
    bool AttackCode(const std::string& payload);     // "Q"
    bool AccessCodes(const std::string& payload);    // "S"
    bool NightMode(const std::string& payload);      // "x"
    bool Timeouts(const std::string& payload);       // 0x80
    bool Logger(const std::string& payload);         // "z"
    bool Pager(const std::string& payload);          // "|"
    bool Emergency(const std::string& payload);      // "~"
    bool CustomName(const std::string& payload);     // "p"

private:
    TData& data_;
};

}  // namespace kelvane
