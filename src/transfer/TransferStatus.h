#pragma once
#include <functional>
#include <string>
#include <vector>

namespace kelvane {

// What the status window shows while a controller transfer runs: a line of
// text, a progress bar, the Cancel button and, for whole-configuration
// transfers, the check list of the sections done. The transfer code writes
// here; the status window (or the command line's progress line) draws it.
class TransferStatus {
public:
    enum class List { None, Load, Save };

    static constexpr int kNarrowWidth = 442;
    static constexpr int kWideWidth = 710;

    static const std::vector<std::string>& LoadItems();
    static const std::vector<std::string>& SaveItems();

    // Shown modeless at the start of a transfer, with Cancel visible.
    void Show();
    // Closed at every end of a transfer; hiding clears the text and the
    // phase, zeroes the progress, hides both check lists and narrows the
    // window again.
    void Close();
    bool Visible() const { return visible_; }

    // Widens the window and shows `list` (hiding the other one).
    void Widen(List list);
    int Width() const { return list_ == List::None ? kNarrowWidth : kWideWidth; }
    List ShownList() const { return list_; }

    void SetStatusText(const std::string& text);
    const std::string& StatusText() const { return text_; }

    // Which part of a transfer made of several runs (a save and its verify)
    // is under way; empty for a transfer of one run. Closing clears it.
    void SetPhase(const std::string& phase);
    const std::string& Phase() const { return phase_; }

    // What the link is waiting for when no answer has come for a while (the
    // handshake's attempt and line discipline, the seconds since the
    // controller last answered); empty otherwise. Closing clears it.
    void SetWaiting(const std::string& waiting);
    const std::string& Waiting() const { return waiting_; }

    void SetProgressMax(int max);
    void SetProgressPosition(int position);
    int ProgressMax() const { return progressMax_; }
    int ProgressPosition() const { return progressPosition_; }

    void Check(List list, int item);
    bool Checked(List list, int item) const;
    void UnCheckAll();

    void SetCancelVisible(bool visible);
    bool CancelVisible() const { return cancelVisible_; }

    // Fired after every change, so views redraw.
    std::function<void()> OnChanged;
    // Fired when the user presses Cancel in a view.
    std::function<void()> OnCancelPressed;

private:
    void Changed();

    bool visible_ = false;
    bool cancelVisible_ = true;
    List list_ = List::None;
    std::string text_;
    std::string phase_;
    std::string waiting_;
    int progressMax_ = 100;
    int progressPosition_ = 0;
    std::vector<bool> loadChecks_ = std::vector<bool>(LoadItems().size(), false);
    std::vector<bool> saveChecks_ = std::vector<bool>(SaveItems().size(), false);
};

}  // namespace kelvane
