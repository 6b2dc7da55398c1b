#pragma once
#include <functional>
#include <optional>
#include <string>

#include "transfer/TransferStatus.h"

namespace kelvane::cli {

// A whole controller transfer as the command line shows it: one
// percentage for all of it (the status window's bar starts again with
// each section), and only items that exist (the chains ask once past the
// last zone and the last custom place name, and that request names no item).
class TransferProgress {
public:
    // `zoneLimit`: how many zones the controller has, as far as the
    // transfer has found out (32 or 64).
    explicit TransferProgress(std::function<int()> zoneLimit) : zoneLimit_(std::move(zoneLimit)) {}

    // How much of the run that `status` shows is done, 0 to 100; nothing
    // for a status that does not tell (the handshake).
    std::optional<int> Percent(const TransferStatus& status) const;
    // False for a status text that counts an item past the last of its kind.
    bool NamesAnItem(const std::string& text) const;

private:
    struct Place {
        int reached = 0;  // items of the whole transfer up to the status text's one
        int total = 0;    // items of the whole transfer
    };
    // Where the status text of a whole load or save stands in it.
    std::optional<Place> PlaceOf(const std::string& text) const;

    std::function<int()> zoneLimit_;
};

}  // namespace kelvane::cli
