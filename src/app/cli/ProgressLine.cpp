#include "app/cli/ProgressLine.h"

#include <utility>

namespace kelvane::cli {

ProgressLine::~ProgressLine() {
    End();
}

void ProgressLine::Follow(TransferStatus& status, std::function<int()> zoneLimit) {
    status_ = &status;
    progress_.emplace(std::move(zoneLimit));
    if (terminal_) status.OnChanged = [this] { Draw(); };
}

void ProgressLine::Draw() {
    // Called from the status it follows, which is alive while it calls.
    const std::string& text = status_->StatusText();
    if (!status_->Visible() || text.empty()) return;
    if (status_->Phase() != phaseShown_) {
        End();
        phaseShown_ = status_->Phase();
        percent_ = 0;
        if (!phaseShown_.empty()) out_ << phaseShown_ << "\n";
    }
    // The request past the last item shows nothing of its own.
    if (!progress_->NamesAnItem(text)) return;
    percent_ = progress_->Percent(*status_).value_or(percent_);
    std::string line = text;
    line += std::string(line.size() < 48 ? 48 - line.size() : 1, ' ') + std::to_string(percent_) + "%";
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
