#include <gtest/gtest.h>

#include <string>

#include "ui/routing/TimedSteps.h"

namespace kelvane {
namespace {

TEST(TimedSteps, WaitsAreCountedInTicksOf25ms) {
    std::string log;
    TimedSteps steps;
    steps.Do([&] { log += 'a'; }).Wait(100).Do([&] { log += 'b'; }).Do([&] { log += 'c'; }).Wait(60).Do([&] {
        log += 'd';
    });
    steps.Start();
    EXPECT_EQ(log, "a");
    EXPECT_TRUE(steps.Running());
    for (int tick = 0; tick < 3; ++tick) steps.Tick();
    EXPECT_EQ(log, "a");
    steps.Tick();
    EXPECT_EQ(log, "abc");
    steps.Tick();  // 60 ms is two whole ticks
    EXPECT_EQ(log, "abc");
    steps.Tick();
    EXPECT_EQ(log, "abcd");
    EXPECT_FALSE(steps.Running());
    steps.Tick();
    EXPECT_EQ(log, "abcd");
}

TEST(TimedSteps, FinishingRunsWhatIsLeftInOrder) {
    std::string log;
    TimedSteps steps;
    steps.Do([&] { log += '1'; }).Wait(500).Do([&] { log += '2'; }).Wait(500).Do([&] { log += '3'; });
    steps.Start();
    steps.Tick();
    steps.Finish();
    EXPECT_EQ(log, "123");
    EXPECT_FALSE(steps.Running());
    steps.Finish();
    EXPECT_EQ(log, "123");
}

}  // namespace
}  // namespace kelvane
