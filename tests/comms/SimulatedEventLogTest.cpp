#include <gtest/gtest.h>

#include <algorithm>

#include "comms/PanelComms.h"
#include "comms/SimulatedLine.h"
#include "core/ManualClock.h"
#include "log/LogConverter.h"
#include "log/LogFields.h"
#include "model/DeviceCatalogue.h"
#include "sim/ConfigurationPrintout.h"
#include "sim/DemoSite.h"
#include "sim/EventLogTalker.h"
#include "sim/PanelSimulator.h"

namespace kelvane {
namespace {

using Lines = std::vector<std::string>;

// The simulated controller with its log output on the demo site, spoken to
// in link mode 1 from the tool's end of the line.
struct SimulatedLogTest : ::testing::Test {
    SimulatedLogTest() {
        sim::BuildDemoSite(site);
        simulator.SetEventLog(&talker);
        line.A().Open("tool");
    }

    void Send(char command) {
        const std::string packet{command, '\0'};
        const std::string frame = "\x01" + packet + static_cast<char>(PacketChecksum(packet));
        line.A().Write(reinterpret_cast<const std::uint8_t*>(frame.data()), frame.size());
    }
    // Runs `ms`, sending the event log keep-alive every 2 s when `listening`;
    // returns what the controller sent.
    std::string Run(std::uint64_t ms, bool listening = true) {
        std::string received;
        for (std::uint64_t t = 0; t < ms; t += 10) {
            if (listening && t % 2000 == 0) Send('V');
            simulator.Service();
            clock.Advance(10);
            for (const LineByte& b : line.A().ReadMarked()) received += static_cast<char>(b.Value);
        }
        return received;
    }
    static Lines SplitLines(const std::string& text) {
        Lines lines;
        std::size_t start = 0;
        for (std::size_t end; (end = text.find("\n\r", start)) != std::string::npos; start = end + 2)
            lines.push_back(text.substr(start, end - start));
        EXPECT_EQ(start, text.size()) << "a line without its LF CR ending";
        return lines;
    }

    TData site;
    ManualClock clock;
    SimulatedLine line;
    sim::LineEndPort end{line.B()};
    sim::PanelSimulator simulator{end, clock};
    sim::EventLogTalker talker{site, clock};
};

TEST_F(SimulatedLogTest, EventsComeOnlyWhileTheToolListens) {
    EXPECT_EQ(Run(60000, false), "");
    const Lines events = SplitLines(Run(60000));
    ASSERT_GE(events.size(), 5u);
    ASSERT_LE(events.size(), 25u);
    for (const std::string& event : events) {
        EXPECT_EQ(GetRecordNumber(event), kNoRecordNumber) << event;  // never read as a record
        EXPECT_EQ(event.find('|'), std::string::npos) << event;
        EXPECT_EQ(event.substr(0, 18), "12:00:00 07/12/26 ") << event;
    }
    std::string all;
    for (const std::string& event : events) all += event + "\n";
    EXPECT_NE(all.find("CALL"), std::string::npos);
    EXPECT_NE(all.find("ACCEPT"), std::string::npos);
    EXPECT_NE(all.find("Bedroom"), std::string::npos);

    // Any other frame (a transfer, the ordinary keep-alive) means the tool
    // has left its log page: nothing more is printed into its packets.
    Send('A');
    EXPECT_EQ(Run(60000, false), std::string("A\0A", 3));
}

TEST_F(SimulatedLogTest, ThePrintoutWaitsForTheToolAndHoldsTheEventsBack) {
    talker.RequestPrintout();
    EXPECT_EQ(Run(10000, false), "");
    const Lines printed = SplitLines(Run(30000));
    const Lines expected = sim::ConfigurationPrintout(site, clock.LocalTime());
    ASSERT_GT(printed.size(), expected.size());
    // The printout comes whole and first, after a blank line; events follow
    // it, never inside it.
    ASSERT_EQ(printed[0], "");
    EXPECT_EQ(Lines(printed.begin() + 1, printed.begin() + 1 + static_cast<long>(expected.size())), expected);
    EXPECT_FALSE(talker.PrintoutWaiting());
}

TEST(ConfigurationPrintout, TheLayoutConvertReads) {
    TData site;
    sim::BuildDemoSite(site);
    const Lines lines = sim::ConfigurationPrintout(site, std::tm{});
    auto find = [&](const std::string& start) {
        for (const std::string& line : lines)
            if (line.rfind(start, 0) == 0) return line;
        return std::string();
    };
    EXPECT_EQ(find("   1|"), "   1|*| |  1|   |Display    |1");
    EXPECT_EQ(find("   2|"), "   2|D| |  1|   |Display    |1");
    EXPECT_EQ(find("   6|"), "   6|R|A|   |   |Reception  |");  // the radio receiver has no letter
    EXPECT_EQ(find("  1|"), "  1|A,!,!,!,!,!,!,!|A,B,C,!,!,!,!,!| 2,  ,  ,  ,  ,  ,  ,  ");
    EXPECT_EQ(find("END OF PRINTOUT"), "END OF PRINTOUT");
    EXPECT_EQ(std::count(lines.begin(), lines.end(), std::string("999|END OF GROUPS")), 1);
}

// Converting the printout of a site into a new document gives back the
// site's devices, groups and zones (the radio receiver, which has no type
// letter, comes back not fitted; every converted device is enabled).
void ExpectPrintoutConvertsBack(const TData& site) {
    TData converted;
    converted.ResetToDefaults();
    const ConvertResult result = ConvertLog(sim::ConfigurationPrintout(site, std::tm{}), converted, true);
    ASSERT_EQ(result.Outcome, ConvertOutcome::Converted) << result.Message;
    for (int n = 1; n <= kLoopDeviceCount; ++n) {
        const TKDeviceType& sent = site.Loop.Device(n);
        const TKDeviceType& got = converted.Loop.Device(n);
        ASSERT_EQ(got.DeviceType, sent.DeviceType == dtRadioReceiver ? dtNotFitted : sent.DeviceType) << n;
        if (sent.DeviceType == dtNotFitted) continue;
        if (DeviceAllocationClass(sent.DeviceType) != AllocationClass::None &&
            sent.DeviceType != dtRadioReceiver) {
            ASSERT_EQ(got.Allocation, sent.Allocation) << n;
        }
        ASSERT_EQ(converted.DevicePlaceName(n), site.DevicePlaceName(n)) << n;
        ASSERT_EQ(got.Suffix, sent.Suffix) << n;
        ASSERT_EQ(got.Enabled, 1) << n;
    }
    // A number outside its range (a stored -1 prints as 0) converts back empty.
    auto sameEntries = [](const Equation& got, const Equation& sent, int empty) {
        for (int k = 1; k <= kEquationTerms; ++k) {
            const int a = got[static_cast<std::size_t>(k)];
            const int b = sent[static_cast<std::size_t>(k)];
            if (a != b && !(a >= empty && (b >= empty || b < 0))) return false;
        }
        return true;
    };
    for (int g = 1; g <= kGroupCount; ++g) {
        const TKGroup& sent = site.GroupList.Groups[static_cast<std::size_t>(g)];
        const TKGroup& got = converted.GroupList.Groups[static_cast<std::size_t>(g)];
        EXPECT_TRUE(sameEntries(got.PrimaryAreaEquation, sent.PrimaryAreaEquation, kAreaEmpty)) << g;
        EXPECT_TRUE(sameEntries(got.NightAreaEquation, sent.NightAreaEquation, kAreaEmpty)) << g;
        EXPECT_TRUE(sameEntries(got.DivertEquation, sent.DivertEquation, kGroupEmpty)) << g;
    }
    for (int z = 1; z <= site.SiteConfig.ZoneLimit(); ++z) {
        const TKZone& sent = site.ZoneList.Zones[static_cast<std::size_t>(z)];
        const TKZone& got = converted.ZoneList.Zones[static_cast<std::size_t>(z)];
        EXPECT_TRUE(sameEntries(got.AreaEquation, sent.AreaEquation, kAreaEmpty)) << z;
        EXPECT_TRUE(sameEntries(got.DeviceEquation, sent.DeviceEquation, kDeviceEmpty)) << z;
    }
}

TEST(ConfigurationPrintout, ConvertsBackIntoTheDemoSite) {
    TData site;
    sim::BuildDemoSite(site);
    ExpectPrintoutConvertsBack(site);
}

TEST(ConfigurationPrintout, ConvertsBackWithTheEdgesOfEveryField) {
    TData site;
    site.ResetToDefaults();
    site.SiteConfig.MainVersion = "07B12";  // 32 zones
    site.CustomNames.Item(44).Name = "Chapel";
    auto set = [&](int n, int type, int allocation, int place, const char* suffix) {
        TKDeviceType& device = site.Loop.Device(n);
        device = TKDeviceType{type, allocation, place, suffix, 0};
    };
    set(2, dtCallpoint, -1, 40, "");       // no area; "Zone", the last standard name
    set(3, dtCallpoint, 25, 85, " 4 ");    // area Z; the 45th custom name; blanks kept
    set(4, dtOverDoorLight, 63, 1, "x");   // zone 64
    set(5, dtOverDoorLight, 0, 2, "");     // zone 1
    set(6, dtCorridorDisplay, 31, 3, "");  // group 32
    set(7, dtAudioCallpoint, 0, 4, "A1");
    set(8, dtUnknown, 0, 0, "");  // unnamed
    set(256, dtMonitoringPoint, 3, 39, "256");
    TKGroup& group = site.GroupList.Groups[32];
    group.PrimaryAreaEquation = {0, 0, 25, -1, 26, 26, 26, 26, 26};
    group.DivertEquation = {0, 0, 31, -1, 32, 32, 32, 32, 32};
    TKZone& zone = site.ZoneList.Zones[32];
    zone.AreaEquation = {26, 25, 24, 23, 22, 21, 20, 19, 18};
    zone.DeviceEquation = {256, 0, 255, 127, -1, 256, 256, 256, 256};
    ExpectPrintoutConvertsBack(site);

    // An older controller prints its 32 zones only.
    const Lines lines = sim::ConfigurationPrintout(site, std::tm{});
    EXPECT_NE(std::find(lines.begin(), lines.end(), " 32|Z,Y,X,W,V,U,T,S|  1,256,128,  0,   ,   ,   ,   "),
              lines.end());
    EXPECT_EQ(std::find_if(lines.begin(), lines.end(),
                           [](const std::string& l) { return l.rfind(" 33|", 0) == 0; }),
              lines.end());
}

}  // namespace
}  // namespace kelvane
