#include "ui/routing/TimedSteps.h"

namespace kelvane {

TimedSteps& TimedSteps::Do(std::function<void()> action) {
    steps_.push_back({std::move(action), 0});
    return *this;
}

TimedSteps& TimedSteps::Wait(int ms) {
    if (steps_.empty()) steps_.push_back({});
    steps_.back().waitTicks += ms / kTickMs;
    return *this;
}

void TimedSteps::Start() {
    next_ = 0;
    ticksLeft_ = 0;
    RunUntilWait();
}

void TimedSteps::Tick() {
    if (ticksLeft_ > 0 && --ticksLeft_ == 0) RunUntilWait();
}

void TimedSteps::Finish() {
    ticksLeft_ = 0;
    while (next_ < steps_.size()) {
        const Step& step = steps_[next_++];
        if (step.action) step.action();
    }
}

void TimedSteps::RunUntilWait() {
    while (next_ < steps_.size()) {
        const Step& step = steps_[next_++];
        if (step.action) step.action();
        if (step.waitTicks > 0) {
            ticksLeft_ = step.waitTicks;
            return;
        }
    }
}

}  // namespace kelvane
