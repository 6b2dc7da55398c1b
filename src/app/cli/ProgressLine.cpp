#include "app/cli/ProgressLine.h"

#include <algorithm>

namespace kelvane::cli {

ProgressLine::~ProgressLine() { End(); }

void ProgressLine::Follow(TransferStatus& status) {
    status_ = &status;
    if (terminal_) status.OnChanged = [this] { Draw(); };
}

void ProgressLine::Draw() {
    // Called from the status it follows, which is alive while it calls.
    if (!status_->Visible() || status_->StatusText().empty()) return;
    if (status_->Phase() != phaseShown_) {
        End();
        phaseShown_ = status_->Phase();
        if (!phaseShown_.empty()) out_ << phaseShown_ << "\n";
    }
    const int max = status_->ProgressMax();
    // A position past the maximum shows a full bar, as the window's does.
    const int percent = max > 0 ? std::clamp(status_->ProgressPosition() * 100 / max, 0, 100) : 0;
    std::string line = status_->StatusText();
    line += std::string(line.size() < 48 ? 48 - line.size() : 1, ' ') + std::to_string(percent) + "%";
    if (line == shown_) return;
    // Blanks over whatever the previous line had beyond this one.
    const std::size_t wipe = shown_.size() > line.size() ? shown_.size() - line.size() : 0;
    out_ << '\r' << line << std::string(wipe, ' ') << std::string(wipe, '\b') << std::flush;
    shown_ = line;
}

void ProgressLine::End() {
    if (shown_.empty()) return;
    out_ << "\n" << std::flush;
    shown_.clear();
}

}  // namespace kelvane::cli
