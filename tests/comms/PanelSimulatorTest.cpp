#include <gtest/gtest.h>

#include "comms/LinkHarness.h"
#include "sim/SimulatedPanelDevice.h"

namespace kelvane {
namespace {

using testing::Bytes;

class FakeRecords : public sim::RecordHandler {
public:
    std::optional<std::string> AnswerRequest(unsigned char command, const std::string& payload) override {
        if (command != 'I') return std::nullopt;
        return std::string("I\x01", 2) + payload;
    }
    std::optional<bool> StoreSavePacket(unsigned char command, const std::string& payload) override {
        if (command != 'J') return std::nullopt;
        saved.push_back(payload);
        return payload.size() == 2;
    }
    std::vector<std::string> saved;
};

// The controller alone, spoken to in link mode 1 from the tool's end.
struct SimFixture : ::testing::Test {
    ManualClock clock;
    SimulatedLine line;
    sim::LineEndPort end{line.B()};
    sim::SimulatorOptions options;
    std::unique_ptr<sim::PanelSimulator> simulator;

    void Make() {
        simulator = std::make_unique<sim::PanelSimulator>(end, clock, options);
        line.A().Open("tool");
    }
    // Sends one mode-1 frame and returns what the controller answers within 1 s.
    std::string Ask(const std::string& packet) {
        const std::string frame = "\x01" + packet + static_cast<char>(PacketChecksum(packet));
        line.A().Write(reinterpret_cast<const std::uint8_t*>(frame.data()), frame.size());
        return Collect(1000);
    }
    std::string Collect(std::uint64_t ms) {
        for (std::uint64_t t = 0; t < ms; t += 10) {
            simulator->Service();
            clock.Advance(10);
        }
        simulator->Service();
        std::string s;
        for (const LineByte& b : line.A().ReadMarked()) s += static_cast<char>(b.Value);
        return s;
    }
};

TEST_F(SimFixture, AnswersTheLinkQueries) {
    Make();
    EXPECT_EQ(Ask(std::string("A\0", 2)), Bytes({'A', 0, 'A'}));
    EXPECT_EQ(Ask(std::string("B\0", 2)), Bytes({'B', 1, 1, 'B' + 2}));
    EXPECT_EQ(Ask(std::string("\\\0", 2)), sim::PanelSimulator::Frame(std::string("\\\x05"
                                                                                  "08A00",
                                                                                  7)));
    EXPECT_EQ(Ask(std::string("V\0", 2)), "");
    EXPECT_EQ(simulator->CommandsHeard(), "AB\\V");
}

TEST_F(SimFixture, OptionsChangeTheAnswers) {
    options.NvmFitted = false;
    options.Version = "07B12";
    Make();
    EXPECT_EQ(Ask(std::string("B\0", 2)), Bytes({'B', 1, 0, 'B' + 1}));
    EXPECT_EQ(Ask(std::string("\\\0", 2)).substr(2, 5), "07B12");
}

TEST_F(SimFixture, KeepAliveWithItsExtraByteIsAnsweredOnce) {
    Make();
    EXPECT_EQ(Ask(std::string("A\0A", 3)), Bytes({'A', 0, 'A'}));
}

TEST_F(SimFixture, AnswersAfterTheTurnaround) {
    options.TurnaroundMs = 300;
    Make();
    const std::string frame = Bytes({1, 'A', 0, 'A'});
    line.A().Write(reinterpret_cast<const std::uint8_t*>(frame.data()), frame.size());
    EXPECT_EQ(Collect(290), "");
    EXPECT_EQ(Collect(20), Bytes({'A', 0, 'A'}));
}

TEST_F(SimFixture, RecordsAnswerRequestsAndTakeSavePackets) {
    Make();
    EXPECT_EQ(Ask(Bytes({'I', 1, 7})), std::string(1, char(kNAK)));  // no store: NAK
    FakeRecords records;
    simulator->SetRecordHandler(&records);
    EXPECT_EQ(Ask(Bytes({'I', 1, 7})), sim::PanelSimulator::Frame(Bytes({'I', 1, 7})));
    EXPECT_EQ(Ask(Bytes({'J', 2, 1, 2})), std::string(1, char(kACK)));
    EXPECT_EQ(Ask(Bytes({'J', 1, 9})), std::string(1, char(kNAK)));
    EXPECT_EQ(Ask(Bytes({'Y', 0})), std::string(1, char(kNAK)));
    EXPECT_EQ(records.saved.size(), 2u);
}

TEST_F(SimFixture, BadChecksumAndStrayBytes) {
    Make();
    const std::string bad = Bytes({0x55, 0x01, 'A', 0x00, 0x00});  // noise, then a bad frame
    line.A().Write(reinterpret_cast<const std::uint8_t*>(bad.data()), bad.size());
    EXPECT_EQ(Collect(100), std::string(1, char(kNAK)));
    EXPECT_EQ(simulator->Statistics().BadChecksums, 1);
}

TEST_F(SimFixture, StalledFrameIsAbandoned) {
    Make();
    const std::string start = Bytes({1, 'A'});
    line.A().Write(reinterpret_cast<const std::uint8_t*>(start.data()), start.size());
    EXPECT_EQ(Collect(600), "");
    EXPECT_EQ(Ask(std::string("A\0", 2)), Bytes({'A', 0, 'A'}));
}

TEST_F(SimFixture, FaultsOnDemand) {
    options.DropRate = 1.0;
    Make();
    EXPECT_EQ(Ask(std::string("A\0", 2)), "");
    simulator->Options().DropRate = 0;
    simulator->Options().NakRate = 1.0;
    EXPECT_EQ(Ask(std::string("A\0", 2)), std::string(1, char(kNAK)));
    simulator->Options().NakRate = 0;
    simulator->Options().CorruptRate = 1.0;
    EXPECT_EQ(Ask(std::string("A\0", 2)), Bytes({'A', 0, 'A' ^ 0x80}));
    simulator->Options().CorruptRate = 0;
    simulator->Options().DelayRate = 1.0;
    simulator->Options().DelayMs = 2000;
    EXPECT_EQ(Ask(std::string("A\0", 2)), "");
    EXPECT_EQ(Collect(1100), Bytes({'A', 0, 'A'}));
    simulator->Options().DelayRate = 0;
    simulator->Options().Silent = true;
    EXPECT_EQ(Ask(std::string("A\0", 2)), "");
}

TEST_F(SimFixture, SameSeedSameFaults) {
    auto run = [](std::uint32_t seed) {
        ManualClock clock;
        SimulatedLine line;
        sim::LineEndPort end(line.B());
        sim::SimulatorOptions options;
        options.DropRate = 0.5;
        options.Seed = seed;
        options.TurnaroundMs = 0;
        sim::PanelSimulator simulator(end, clock, options);
        line.A().Open("tool");
        std::string answered;
        for (int i = 0; i < 40; ++i) {
            const std::string frame = Bytes({1, 'A', 0, 'A'});
            line.A().Write(reinterpret_cast<const std::uint8_t*>(frame.data()), frame.size());
            simulator.Service();
            answered += line.A().BytesWaiting() ? '1' : '0';
            line.A().Purge(true, false);
        }
        return answered;
    };
    EXPECT_EQ(run(7), run(7));
    EXPECT_NE(run(7), run(8));
    EXPECT_NE(run(7).find('0'), std::string::npos);
    EXPECT_NE(run(7).find('1'), std::string::npos);
}

TEST(SimulatedPanelDevice, LinkConnectsThroughTheFactoryDevice) {
    ManualClock clock;
    PortPaths paths;
    sim::SimulatedPanelDevice device(clock);
    TPanelComms comms(device, clock, paths);
    comms.SetTimeOut(40);
    ASSERT_TRUE(comms.Open());
    for (int i = 0; i < 10 && !comms.HandshakeDone; ++i) {
        clock.Advance(100);
        comms.Port().PollTick();
    }
    EXPECT_TRUE(comms.HandshakeDone);
    EXPECT_EQ(comms.LinkMode, 1);
    EXPECT_EQ(device.Simulator().Statistics().Handshakes, 1);
}

}  // namespace
}  // namespace kelvane
