#include <gtest/gtest.h>

#include <filesystem>

#include "EndToEndRig.h"
#include "core/ManualClock.h"
#include "file/ConfigFile.h"
#include "sim/SiteStore.h"
#include "support/FileTestSupport.h"

namespace kelvane::sim {
namespace {

TEST(SiteStore, StartsFromTheDemoSiteOrAFile) {
    ManualClock clock;
    test::TempDir dir;
    std::string error;
    SiteStore demo(clock);
    ASSERT_TRUE(demo.Load("", error));
    EXPECT_EQ(demo.Site().SiteConfig.ClientName, "Rowan House Care Home");

    TData site;
    site.ResetToDefaults();
    site.SiteConfig.MainVersion = "07B12";
    site.Loop.Device(9).Suffix = "B9";
    Document document;
    ASSERT_TRUE(WriteConfigFile(dir.File("site.KCF"), site, document).saved);
    SiteStore fromFile(clock);
    ASSERT_TRUE(fromFile.Load(dir.File("site.KCF"), error));
    EXPECT_EQ(fromFile.Site().Loop.Device(9).Suffix, "B9");
    EXPECT_EQ(fromFile.Records().ZoneCount(), 32);

    SiteStore missing(clock);
    EXPECT_FALSE(missing.Load(dir.File("missing.KCF"), error));
    EXPECT_FALSE(error.empty());
}

TEST(SiteStore, WritesWhatWasSavedOnceSavingHasSettled) {
    test::TempDir dir;
    TData controllerUnused;
    controllerUnused.ResetToDefaults();
    testing::EndToEndRig rig(controllerUnused, {});
    SiteStore store(rig.clock);
    std::string error;
    ASSERT_TRUE(store.Load("", error));
    store.SetStoreFile(dir.File("store.KCF"));
    rig.device.Simulator().SetRecordHandler(&store);

    rig.tool.Loop.Device(200).Suffix = "X1";
    rig.session.SaveAll();
    while (!store.Unwritten()) rig.session.Step();
    ASSERT_TRUE(store.WriteIfSettled(error));
    EXPECT_FALSE(std::filesystem::exists(dir.File("store.KCF")));  // still saving
    ASSERT_EQ(rig.session.RunDriven(testing::EndToEndRig::kLimitMs), TransferSession::Outcome::Completed);
    ASSERT_TRUE(store.WriteIfSettled(error));
    EXPECT_FALSE(std::filesystem::exists(dir.File("store.KCF")));
    rig.clock.Advance(SiteStore::kSettleMs);
    ASSERT_TRUE(store.WriteIfSettled(error)) << error;
    EXPECT_FALSE(store.Unwritten());

    TData written;
    Document document;
    const ConfigOpenResult opened = OpenConfigFile(dir.File("store.KCF"), written, document);
    ASSERT_TRUE(opened.Read()) << opened.message;
    EXPECT_EQ(written.Loop.Device(200).Suffix, "X1");
    EXPECT_EQ(written.SiteConfig.ClientName, "Rowan House Care Home");  // never sent: the controller's own
}

}  // namespace
}  // namespace kelvane::sim
