#pragma once
#include <cstddef>
#include <functional>
#include <utility>

namespace kelvane {

// Tells whoever waits for a long piece of work how far it has got, and
// learns from them whether it is to go on. The work calls At() as often as
// it likes; the report is asked only when another `grain` units are done.
class Progress {
public:
    // Given `done` of `total` units; answers false when the work is to stop.
    using Report = std::function<bool(std::size_t done, std::size_t total)>;

    explicit Progress(Report report, std::size_t grain = 1) : report_(std::move(report)), grain_(grain) {}

    // Whether the work goes on at `done` of `total` units. Once the report
    // said stop, it stays stopped.
    bool At(std::size_t done, std::size_t total) {
        if (stopped_) return false;
        if (done >= asked_ && done - asked_ < grain_ && done != total) return true;
        asked_ = done;
        stopped_ = !report_(done, total);
        return !stopped_;
    }
    bool Stopped() const { return stopped_; }

private:
    Report report_;
    std::size_t grain_;
    std::size_t asked_ = 0;
    bool stopped_ = false;
};

}  // namespace kelvane
