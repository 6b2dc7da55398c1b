#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "comms/LinkHarness.h"

namespace kelvane {
namespace {

struct Attempt {
    int mode;
    std::uint64_t atMs;
};

struct HandshakeFixture : ::testing::Test {
    std::unique_ptr<testing::LinkHarness> h;
    std::vector<Attempt> attempts;

    void Start(int controllerMode, bool silent = false) {
        sim::SimulatorOptions options;
        options.LinkMode = controllerMode;
        options.Silent = silent;
        h = std::make_unique<testing::LinkHarness>(options);
        h->comms.OnOutput = [this](TCommPanel&, const std::string& text) {
            // Mode 1 sends the frame in one piece; modes 2 and 3 the command byte first.
            if (text == "<SOH>A<NUL>A" || text == "A")
                attempts.push_back({h->comms.LinkMode, h->clock.NowMs()});
        };
        ASSERT_TRUE(h->comms.Open());
    }
    int CountIn(int mode) const {
        return static_cast<int>(std::count_if(attempts.begin(), attempts.end(),
                                              [&](const Attempt& a) { return a.mode == mode; }));
    }
};

TEST_F(HandshakeFixture, FallsThroughModesOneAndTwoToAControllerInModeThree) {
    Start(3);
    ASSERT_TRUE(h->RunUntil([&] { return h->comms.HandshakeDone; }, 120'000));
    EXPECT_EQ(h->comms.LinkMode, 3);
    EXPECT_EQ(CountIn(1), 11);
    EXPECT_EQ(CountIn(2), 11);
    EXPECT_EQ(CountIn(3), 1);
    EXPECT_EQ(h->simulator.Statistics().Handshakes, 1);
    EXPECT_FALSE(h->comms.HandshakeFailed);
    EXPECT_EQ(h->comms.RetriesLeft, 50);

    // The first attempt goes out on the first poll tick; then one every 4 s,
    // plus the two 50 ms parity guards of a marked-parity send.
    EXPECT_EQ(attempts.front().atMs, 100u);
    for (std::size_t i = 1; i < attempts.size(); ++i) {
        const std::uint64_t gap = attempts[i].atMs - attempts[i - 1].atMs;
        if (attempts[i].mode == 1)
            EXPECT_EQ(gap, 4000u) << "attempt " << i;
        else
            EXPECT_TRUE(gap >= 4000 && gap <= 4150) << "attempt " << i << " gap " << gap;
    }
}

TEST_F(HandshakeFixture, ModeOneControllerAnswersTheFirstAttempt) {
    Start(1);
    ASSERT_TRUE(h->RunUntil([&] { return h->comms.HandshakeDone; }, 1000));
    EXPECT_EQ(attempts.size(), 1u);
    EXPECT_EQ(h->comms.LinkMode, 1);
}

TEST_F(HandshakeFixture, SilentControllerExhaustsAllModesAndTheLinkStops) {
    Start(1, /*silent=*/true);
    ASSERT_TRUE(h->RunUntil([&] { return h->comms.HandshakeFailed; }, 200'000));
    EXPECT_EQ(CountIn(1), 11);
    EXPECT_EQ(CountIn(2), 11);
    EXPECT_EQ(CountIn(3), 11);
    EXPECT_EQ(h->comms.LinkMode, 0);
    const std::size_t sent = attempts.size();
    h->RunFor(20'000);
    EXPECT_EQ(attempts.size(), sent);  // nothing more goes out
}

TEST_F(HandshakeFixture, SuspendedLinkDoesNotStartTheHandshake) {
    Start(1);
    h->comms.Suspended = true;
    h->RunFor(1000);
    EXPECT_TRUE(attempts.empty());
    EXPECT_EQ(h->comms.LinkMode, 0);
}

TEST_F(HandshakeFixture, ReplyTimeoutAfterTheHandshakeGoesToTheOwner) {
    Start(1);
    ASSERT_TRUE(h->RunUntil([&] { return h->comms.HandshakeDone; }, 1000));
    int timeouts = 0;
    h->comms.OnTimeout = [&](TCommPanel&) { ++timeouts; };
    h->simulator.Options().Silent = true;
    h->comms.SendPacket(std::string("\\\0", 2));
    h->RunFor(3900);
    EXPECT_EQ(timeouts, 0);
    h->RunFor(200);
    EXPECT_EQ(timeouts, 1);
}

}  // namespace
}  // namespace kelvane
