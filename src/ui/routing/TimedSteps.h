#pragma once
#include <functional>
#include <vector>

namespace kelvane {

// A short animation as timed state rather than a nested event loop: a list
// of actions, each followed by an optional wait. Waits are counted in ticks
// of a 25 ms timer (a wait of ms lasts ms / 25 ticks), so the owner's timer,
// or a test, moves it on by calling Tick().
class TimedSteps {
public:
    static constexpr int kTickMs = 25;

    // Building: an action, then a wait before the next one.
    TimedSteps& Do(std::function<void()> action);
    TimedSteps& Wait(int ms);

    // Runs the actions up to the first wait.
    void Start();
    // One tick of the timer: when the wait is over, the next actions run.
    void Tick();
    // Runs every action not yet run, at once and in order, so that the
    // animation ends in its final state.
    void Finish();
    // A wait is still to pass.
    bool Running() const { return ticksLeft_ > 0; }

private:
    struct Step {
        std::function<void()> action;
        int waitTicks = 0;
    };

    void RunUntilWait();

    std::vector<Step> steps_;
    std::size_t next_ = 0;
    int ticksLeft_ = 0;
};

}  // namespace kelvane
