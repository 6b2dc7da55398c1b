#include <gtest/gtest.h>

#include "model/Data.h"
#include "model/EquationSlots.h"
#include "model/EquationText.h"

namespace kelvane {
namespace {

TEST(EquationRules, MembersStopAtEachKindsMarker) {
    EXPECT_TRUE(IsMember(EquationKind::Area, 0));
    EXPECT_TRUE(IsMember(EquationKind::Area, 25));
    EXPECT_FALSE(IsMember(EquationKind::Area, 26));
    EXPECT_TRUE(IsMember(EquationKind::Device, 255));
    EXPECT_FALSE(IsMember(EquationKind::Device, 256));
    EXPECT_TRUE(IsMember(EquationKind::Group, 31));
    // Every divert value from 32 up is empty, the 33 of a cleared slot too.
    EXPECT_FALSE(IsMember(EquationKind::Group, 32));
    EXPECT_FALSE(IsMember(EquationKind::Group, 33));
    EXPECT_FALSE(IsMember(EquationKind::Group, 256));
    // A negative entry from a hand-edited file is empty, as the controller gets it.
    EXPECT_FALSE(IsMember(EquationKind::Area, -1));
    EXPECT_FALSE(IsMember(EquationKind::Device, -4));

    EXPECT_EQ(ClearedValue(EquationKind::Area), 26);
    EXPECT_EQ(ClearedValue(EquationKind::Device), 256);
    EXPECT_EQ(ClearedValue(EquationKind::Group), 33);
}

TEST(EquationRules, TheHighestSlotHoldingAMemberIsFound) {
    const Equation areas{2, 2, 26, 2, 27, 26, 26, 26, 26};
    EXPECT_EQ(SlotHolding(EquationKind::Area, areas, 2), 3);  // entry 0 is not a slot
    EXPECT_EQ(SlotHolding(EquationKind::Area, areas, 5), 0);
    // Empty slots hold nothing, whatever their value.
    EXPECT_EQ(SlotHolding(EquationKind::Area, areas, 26), 0);
    EXPECT_EQ(SlotHolding(EquationKind::Area, areas, 27), 0);
    const Equation diverts{0, 33, 32, 4, 33, 32, 32, 32, 4};
    EXPECT_EQ(SlotHolding(EquationKind::Group, diverts, 4), 8);
    EXPECT_EQ(SlotHolding(EquationKind::Group, diverts, 33), 0);
}

TEST(EquationRules, SortingOrdersSlotsOneToEightAndLeavesEntryZero) {
    Equation areas{99, 26, 2, 26, 0, 1, 26, 26, 3};
    SortTerms(areas);
    EXPECT_EQ(areas, (Equation{99, 0, 1, 2, 3, 26, 26, 26, 26}));

    // Stored values decide: the cleared 33 goes after the 32 of a new site.
    Equation diverts{-7, 33, 5, 32, 4, 33, 32, 32, 32};
    SortTerms(diverts);
    EXPECT_EQ(diverts, (Equation{-7, 4, 5, 32, 32, 32, 32, 33, 33}));

    // Members only in slots 7 and 8 (as a file may hold them) come to 1 and 2.
    Equation devices{256, 256, 256, 256, 256, 256, 256, 119, 4};
    SortTerms(devices);
    EXPECT_EQ(devices, (Equation{256, 4, 119, 256, 256, 256, 256, 256, 256}));
}

TEST(EquationText, EachKindWritesItsMembersAndSkipsEmptySlots) {
    EXPECT_EQ(AreaEquationText({26, 0, 26, 2, 26, 26, 26, 26, 26}), "A  C  ");
    EXPECT_EQ(DeviceEquationText({256, 4, 119, 256, 256, 256, 256, 256, 256}), "  5  120  ");
    EXPECT_EQ(DivertEquationText({32, 1, 33, 14, 32, 32, 32, 32, 32}), " 2 15 ");
    EXPECT_EQ(DeviceEquationText({0, 255, 0, 256, 300, 256, 256, 256, 256}), "256    1  ");
    // Stored order, duplicates as they are.
    EXPECT_EQ(AreaEquationText({0, 25, 1, 25, 26, 26, 26, 26, 26}), "Z  B  Z  ");
    // No members, and entry 0 is never shown.
    EXPECT_EQ(AreaEquationText({3, 26, 26, 26, 26, 26, 26, 26, 26}), "");
    EXPECT_EQ(DivertEquationText(FilledEquation(0)), " 1  1  1  1  1  1  1  1 ");
    EXPECT_EQ(AreaEquationText({26, -1, 26, 26, 26, 26, 26, 26, 26}), "");
    // Every slot filled with the widest member.
    EXPECT_EQ(DeviceEquationText(FilledEquation(255)).size(), 40u);
}

TEST(EquationText, ANewSiteShowsGroupsOneToEightOnAreasAToH) {
    TData data;
    data.ResetToDefaults();
    EXPECT_EQ(AreaEquationText(data.GroupList.Groups[1].PrimaryAreaEquation), "A  ");
    EXPECT_EQ(AreaEquationText(data.GroupList.Groups[8].PrimaryAreaEquation), "H  ");
    EXPECT_EQ(AreaEquationText(data.GroupList.Groups[9].PrimaryAreaEquation), "");
    EXPECT_EQ(DivertEquationText(data.GroupList.Groups[1].DivertEquation), "");
    EXPECT_EQ(DeviceEquationText(data.ZoneList.Zones[64].DeviceEquation), "");
}

TEST(EquationText, SlotTextsReadBackAsTheirMembers) {
    for (EquationKind kind : {EquationKind::Area, EquationKind::Device, EquationKind::Group}) {
        for (int member = 0; member < EmptyMarker(kind); ++member) {
            ASSERT_EQ(ReadMember(kind, SlotText(kind, member)), member);
        }
        EXPECT_EQ(SlotText(kind, ClearedValue(kind)), "---");
        EXPECT_EQ(SlotText(kind, -1), "---");
    }
    EXPECT_EQ(SlotText(EquationKind::Device, 119), "120");
    EXPECT_EQ(SlotText(EquationKind::Area, 2), "C");
    EXPECT_EQ(ReadMember(EquationKind::Device, "abc"), kDeviceEmpty);
    EXPECT_EQ(ReadMember(EquationKind::Group, ""), kGroupEmpty);
    EXPECT_EQ(ReadMember(EquationKind::Area, ""), kAreaEmpty);
}

TEST(EquationSlots, PicksFillTheCurrentSlotAndAcceptingSortsThem) {
    EquationSlots slots(EquationKind::Area);
    slots.Load({7, 26, 26, 26, 26, 26, 26, 26, 26});
    EXPECT_EQ(slots.Current(), 1);
    for (int member : {2, 0, 1}) EXPECT_EQ(slots.PickMember(member).duplicate, 0);
    EXPECT_EQ(slots.Entries(), (Equation{7, 2, 0, 1, 26, 26, 26, 26, 26}));
    EXPECT_EQ(slots.Current(), 4);
    slots.Sort();
    EXPECT_EQ(slots.Entries(), (Equation{7, 0, 1, 2, 26, 26, 26, 26, 26}));
}

TEST(EquationSlots, TheNinthPickWrapsToSlotOne) {
    EquationSlots slots(EquationKind::Device);
    slots.Load(FilledEquation(kDeviceEmpty));
    for (int member = 10; member < 18; ++member) ASSERT_EQ(slots.PickMember(member).filled, member - 9);
    EXPECT_EQ(slots.Current(), 1);
    const EquationSlots::Pick ninth = slots.PickMember(200);
    EXPECT_EQ(ninth.filled, 1);
    EXPECT_EQ(slots.Value(1), 200);
    EXPECT_EQ(slots.Value(8), 17);
    EXPECT_EQ(slots.Current(), 2);
}

TEST(EquationSlots, ADuplicateNamesItsHighestSlotAndChangesNothing) {
    EquationSlots slots(EquationKind::Group);
    // As a file may hold it: group 5 twice.
    slots.Load({0, 4, 32, 4, 32, 32, 32, 32, 32});
    slots.SetCurrent(2);
    const Equation before = slots.Entries();
    const EquationSlots::Pick pick = slots.PickMember(4);
    EXPECT_EQ(pick.duplicate, 3);
    EXPECT_EQ(pick.filled, 0);
    EXPECT_EQ(slots.Entries(), before);
    EXPECT_EQ(slots.Current(), 2);
    // Not a member: nothing happens at all.
    EXPECT_EQ(slots.PickMember(32).filled, 0);
    EXPECT_EQ(slots.PickMember(-1).duplicate, 0);
    EXPECT_EQ(slots.Entries(), before);
}

TEST(EquationSlots, ClearingWritesTheKindsClearedValue) {
    EquationSlots groups(EquationKind::Group);
    groups.Load({0, 1, 2, 32, 32, 32, 32, 32, 32});
    groups.SetCurrent(2);
    groups.ClearCurrent();
    EXPECT_EQ(groups.Value(2), 33);
    EXPECT_EQ(groups.Current(), 2);
    groups.SetCurrent(9);  // outside 1..8: ignored
    EXPECT_EQ(groups.Current(), 2);
    groups.Sort();
    EXPECT_EQ(groups.Entries(), (Equation{0, 1, 32, 32, 32, 32, 32, 32, 33}));
    EXPECT_EQ(DivertEquationText(groups.Entries()), " 2 ");

    EquationSlots areas(EquationKind::Area);
    areas.Load({0, 1, 2, 26, 26, 26, 26, 26, 26});
    areas.ClearCurrent();
    EXPECT_EQ(areas.Value(1), 26);
}

TEST(EquationSlots, LeavingASlotWarnsOnlyWhenAnotherSlotIsTheHighestHolder) {
    EquationSlots slots(EquationKind::Area);
    slots.Load({0, 0, 26, 0, 26, 26, 26, 26, 26});
    EXPECT_EQ(slots.DuplicateOnLeaving(1, "A"), 3);
    EXPECT_EQ(slots.DuplicateOnLeaving(3, "A"), 0);
    EXPECT_EQ(slots.DuplicateOnLeaving(2, "---"), 0);
    EXPECT_EQ(slots.DuplicateOnLeaving(1, "B"), 0);
}

}  // namespace
}  // namespace kelvane
