#include <gtest/gtest.h>

#include <string>

#include "file/Document.h"
#include "file/EditHistory.h"
#include "model/Data.h"

namespace kelvane {
namespace {

class EditHistoryTest : public ::testing::Test {
protected:
    TData data;
    Document document;
    EditHistory history{data, document};
};

TEST_F(EditHistoryTest, EachKindOfStepIsUndoneAndRedoneInTurnWithItsName) {
    data.Loop.Device(17).DeviceType = 3;
    document.Changed("Change Device 17 Type");
    data.ZoneList.Zones[4].AreaEquation[1] = 2;
    document.Changed("Edit Zone 4 Area Equation");
    data.SiteConfig.ClientName = "Rowan House";
    document.Changed("Edit Clients Name");
    const std::string customName = data.CustomNames.Item(2).Name;
    data.CustomNames.Item(2).Name = "Snug";
    document.Changed("Rename Custom Place Name 3");
    data.Comments = {"Ward B"};
    document.Changed("Edit Comments");

    EXPECT_EQ(history.UndoStep(), "Edit Comments");
    // The handshake with a controller is no edit: no step, and undoing keeps its version.
    data.SiteConfig.MainVersion = "08B14";
    history.Record("Load from Controller");
    EXPECT_EQ(history.UndoStep(), "Edit Comments");
    ASSERT_TRUE(history.Undo());
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(data.Comments, std::vector<std::string>{kCommentsTemplate});
    EXPECT_EQ(data.CustomNames.Item(2).Name, customName);
    EXPECT_TRUE(document.CustomNamesChanged);
    EXPECT_EQ(data.SiteConfig.ClientName, "Rowan House");
    EXPECT_EQ(history.UndoStep(), "Edit Clients Name");
    EXPECT_EQ(history.RedoStep(), "Rename Custom Place Name 3");
    ASSERT_TRUE(history.Undo());
    ASSERT_TRUE(history.Undo());
    ASSERT_TRUE(history.Undo());
    EXPECT_FALSE(history.Undo());
    EXPECT_EQ(data.SiteConfig.MainVersion, "08B14");
    EXPECT_EQ(data.Loop.Device(17).DeviceType, 0);
    EXPECT_EQ(data.ZoneList.Zones[4].AreaEquation, FilledEquation(kAreaEmpty));

    ASSERT_TRUE(history.Redo());
    ASSERT_TRUE(history.Redo());
    EXPECT_EQ(data.Loop.Device(17).DeviceType, 3);
    EXPECT_EQ(data.ZoneList.Zones[4].AreaEquation[1], 2);
    EXPECT_EQ(data.SiteConfig.ClientName, "");
    // A new step drops what was undone after it.
    data.Loop.Device(20).Enabled = 1;
    document.Changed("Change Device 20 Enabled");
    EXPECT_FALSE(history.CanRedo());
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(data.Loop.Device(20).Enabled, 0);
    EXPECT_EQ(data.ZoneList.Zones[4].AreaEquation[1], 2);
}

TEST_F(EditHistoryTest, UndoingBackToTheSavedStateClearsTheModifiedMarkAndLeavingItSetsIt) {
    data.SiteConfig.CallCode = "UUDD";
    document.Changed("Edit Call Reset Code");
    document.SetModified(false);
    history.Saved();
    data.SiteConfig.AccTimeout = 5;
    document.Changed("Edit Call Accept Timeout");
    ASSERT_TRUE(document.Modified());

    history.Undo();
    EXPECT_FALSE(document.Modified());
    history.Undo();
    EXPECT_TRUE(document.Modified());
    history.Redo();
    EXPECT_FALSE(document.Modified());
    // Typing on in the box that was saved is a step of its own, so the
    // saved state stays one undo away.
    data.SiteConfig.CallCode = "UUDA";
    document.Changed("Edit Call Reset Code");
    data.SiteConfig.CallCode = "UUAA";
    document.Changed("Edit Call Reset Code");
    history.Undo();
    EXPECT_EQ(data.SiteConfig.CallCode, "UUDD");
    EXPECT_FALSE(document.Modified());
    // A step recorded over an undone saved state leaves no way back to it.
    history.Undo();
    data.Comments = {"other"};
    document.Changed("Edit Comments");
    while (history.Undo()) EXPECT_TRUE(document.Modified());
}

TEST_F(EditHistoryTest, GroupedChangesTypingAndChangesThatChangeNothingMakeOneStepOrNone) {
    {
        Document::StepGroup group(document, "Change Devices Type");
        for (int n = 2; n <= 21; ++n) {
            data.Loop.Device(n).DeviceType = 3;
            document.Changed(DeviceStepName(n, "Type"));
        }
        group.Rename("Change 20 Devices Type");
    }
    EXPECT_EQ(history.UndoStep(), "Change 20 Devices Type");
    document.Changed("Change Device 5 Type");  // nothing changed
    for (const char* typed : {"R", "Ro", "Row"}) {
        data.SiteConfig.ClientName = typed;
        document.Changed("Edit Clients Name");
    }
    history.Undo();
    EXPECT_EQ(data.SiteConfig.ClientName, "");
    EXPECT_EQ(history.UndoStep(), "Change 20 Devices Type");
    history.Undo();
    EXPECT_EQ(data.Loop.Device(21).DeviceType, 0);
    EXPECT_FALSE(history.CanUndo());
}

TEST_F(EditHistoryTest, WhileHeldNothingIsRecordedOrUndoneAndTheOldestStepsGoPastTheDepth) {
    data.Comments = {"mine"};
    document.Changed("Edit Comments");
    history.SetHeld(true);
    EXPECT_FALSE(history.Undo());
    data.Loop.Device(9).DeviceType = 2;
    document.Changed("Change Device 9 Type");
    data.Loop.Device(10).DeviceType = 2;
    history.SetHeld(false);
    history.Record("Load from Controller");
    EXPECT_EQ(history.UndoStep(), "Load from Controller");
    history.Undo();
    EXPECT_EQ(data.Loop.Device(9).DeviceType, 0);
    EXPECT_EQ(data.Loop.Device(10).DeviceType, 0);
    EXPECT_EQ(data.Comments, std::vector<std::string>{"mine"});

    for (int n = 1; n <= 600; ++n) {
        data.SiteConfig.AccTimeout = n;
        document.Changed(n % 2 ? "Odd" : "Even");
    }
    int undone = 0;
    while (history.Undo()) ++undone;
    EXPECT_EQ(undone, static_cast<int>(EditHistory::kDepth));
    EXPECT_EQ(data.SiteConfig.AccTimeout, 100);
}

}  // namespace
}  // namespace kelvane
