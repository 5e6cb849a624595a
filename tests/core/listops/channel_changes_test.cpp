#include "core/listops/channel_changes.h"
#include "tests/core/listops/slot_list_fixture.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kanalo {
namespace {

using Slots = std::vector<int>;

class ChannelChanges : public test::SlotListTest {
protected:
    void SetUp() override { fill(1200); }
    // Puts the first count channels, from slot 100 on, into the user list.
    void joinUserList(int count) {
        for (int slot = 100; slot < 100 + count; ++slot)
            at(slot).setInUserList(true);
        ASSERT_EQ(list.userListCount(), static_cast<std::size_t>(count));
    }
};

TEST_F(ChannelChanges, UserListOnStopsAtTheLimitTopFirst) {
    joinUserList(997);
    release({2});
    EXPECT_EQ(setUserList(list, Slots{9, 5, 2, 7, 5}, true), (Slots{5, 7}));
    EXPECT_FALSE(at(9).inUserList());
    EXPECT_EQ(list.userListCount(), 999u);
    EXPECT_TRUE(setUserList(list, Slots{9, 10}, true).empty());
}

TEST_F(ChannelChanges, ChannelsAlreadyInTheUserListDoNotCountAgain) {
    joinUserList(997);
    at(10).setInUserList(true);
    ASSERT_EQ(list.userListCount(), 998u);
    EXPECT_EQ(setUserList(list, Slots{10, 11}, true), (Slots{11}));
}

TEST_F(ChannelChanges, UserListOffClearsEpgToo) {
    joinUserList(3);
    at(100).setEpg(true);
    at(5).setEpg(true); // a stale EPG flag outside the user list
    EXPECT_EQ(setUserList(list, Slots{100, 101, 5, 6}, false), (Slots{5, 100, 101}));
    EXPECT_FALSE(at(100).epg());
    EXPECT_FALSE(at(5).epg());
}

TEST_F(ChannelChanges, EpgOnOnlyInsideTheUserListOffEverywhere) {
    joinUserList(2);
    EXPECT_EQ(setEpg(list, Slots{5, 100, 101}, true), (Slots{100, 101}));
    at(5).setEpg(true);
    EXPECT_EQ(setEpg(list, Slots{5, 100}, false), (Slots{5, 100}));
}

TEST_F(ChannelChanges, FieldChangesSkipFreeSlotsAndKeepTheNeighbouringBits) {
    release({4});
    at(3).setPolarisation(1);
    at(3).setFecCode(5);
    at(4).setFrequency(10000);
    EXPECT_EQ(setFrequency(list, Slots{3, 4}, 12345), (Slots{3}));
    EXPECT_EQ(at(3).frequency(), 12345);
    EXPECT_EQ(at(3).polarisation(), 1);
    EXPECT_EQ(at(4).frequency(), 10000);
    EXPECT_EQ(setSatellite(list, Slots{3}, 19), (Slots{3}));
    EXPECT_EQ(at(3).satelliteIndex(), 19);
    EXPECT_EQ(at(3).fecCode(), 5);
    EXPECT_EQ(setPolarisation(list, Slots{3, 6}, 0), (Slots{3})); // 6 is horizontal already
    EXPECT_EQ(at(3).polarisation(), 0);
    EXPECT_EQ(at(3).frequency(), 12345);
}

TEST_F(ChannelChanges, ValuesTheFieldCannotHoldChangeNothingOrAreCutToIt) {
    const ChannelRecord before = at(3);
    EXPECT_TRUE(setSatellite(list, Slots{3}, 32).empty());
    EXPECT_TRUE(setPolarisation(list, Slots{3}, 2).empty());
    EXPECT_EQ(at(3), before);
    // Frequency and symbol rate keep their low 14 and 16 bits, the neighbouring bits stay.
    at(3).setPolarisation(1);
    EXPECT_EQ(setFrequency(list, Slots{3}, 20000), (Slots{3}));
    EXPECT_EQ(at(3).frequency(), 20000 & 0x3FFF);
    EXPECT_EQ(at(3).polarisation(), 1);
    EXPECT_EQ(setSymbolRate(list, Slots{3}, 65536 + 27500), (Slots{3}));
    EXPECT_EQ(at(3).symbolRate(), 27500);
}

TEST_F(ChannelChanges, FreeSlotsLeavesGapsInPlace) {
    release({6});
    EXPECT_EQ(freeSlots(list, Slots{7, 5, 6, 1999, -1}), (Slots{5, 7}));
    EXPECT_EQ(tags(4, 5), (Slots{4, -1, -1, -1, 8}));
    EXPECT_EQ(at(5).serviceId(), 5); // the bytes stay
}

TEST_F(ChannelChanges, ToggleUserListRespectsTheLimitOnlyWhenAdding) {
    joinUserList(999);
    EXPECT_FALSE(toggleUserList(list, 5));
    EXPECT_FALSE(at(5).inUserList());
    at(100).setEpg(true);
    EXPECT_TRUE(toggleUserList(list, 100));
    EXPECT_FALSE(at(100).inUserList());
    EXPECT_FALSE(at(100).epg()); // meaningless outside the user list: cleared with it
    EXPECT_TRUE(toggleUserList(list, 5));
    EXPECT_TRUE(at(5).inUserList());
    release({6});
    EXPECT_FALSE(toggleUserList(list, 6));
}

TEST_F(ChannelChanges, ToggleEpgNeedsTheUserListOrAnEpgToClear) {
    EXPECT_FALSE(toggleEpg(list, 5));
    at(5).setEpg(true);
    EXPECT_TRUE(toggleEpg(list, 5));
    EXPECT_FALSE(at(5).epg());
    at(5).setInUserList(true);
    EXPECT_TRUE(toggleEpg(list, 5));
    EXPECT_TRUE(at(5).epg());
    EXPECT_FALSE(toggleEpg(list, 1999));
}

TEST(NewChannel, DefaultsKeepOnlyThePcrPidAndTheReservedBits) {
    ChannelRecord record;
    record.setName("Old");
    record.setBouquetName("Bouquet");
    record.setBouquetNumber(7);
    record.setPcrPid(321);
    record.setEpg(true);
    record.setFree(true);
    record.setVideoPid(55);
    record.setAudioPid(66);
    record.setServiceId(77);
    record.setSatelliteIndex(9);
    writeNewChannelDefaults(record, ListKind::Tv, 0);
    EXPECT_EQ(record.name(), std::string(30, ' '));
    EXPECT_EQ(record.bouquetName(), "");
    EXPECT_EQ(record.bouquetNumber(), 0);
    EXPECT_EQ(record.pcrPid(), 321);
    EXPECT_FALSE(record.epg());
    EXPECT_FALSE(record.isFree());
    EXPECT_TRUE(record.inUserList());
    EXPECT_EQ(record.videoPid(), 1);
    EXPECT_EQ(record.audioPid(), 0);
    EXPECT_EQ(record.serviceId(), 1);
    EXPECT_EQ(record.satelliteIndex(), 0);
    EXPECT_EQ(record.fecCode(), 2);
    EXPECT_EQ(record.frequency(), 12000);
    EXPECT_EQ(record.polarisation(), 0);
    EXPECT_EQ(record.symbolRate(), 27500);
    writeNewChannelDefaults(record, ListKind::Radio, 998);
    EXPECT_EQ(record.videoPid(), 0);
}

TEST(NewChannel, UserListFlagFollowsTheCountWithoutTheReplacedChannel) {
    ChannelRecord outside;
    outside.setFree(false);
    writeNewChannelDefaults(outside, ListKind::Tv, 999);
    EXPECT_FALSE(outside.inUserList());
    // Replacing a channel of a full user list keeps its place.
    ChannelRecord member;
    member.setInUserList(true);
    writeNewChannelDefaults(member, ListKind::Tv, 999);
    EXPECT_TRUE(member.inUserList());
    // A free slot's stale flag holds no place.
    ChannelRecord stale;
    stale.setFree(true);
    stale.setInUserList(true);
    writeNewChannelDefaults(stale, ListKind::Tv, 999);
    EXPECT_FALSE(stale.inUserList());
}

TEST(SymbolRateDialog, StartsWith27500BelowOneThousand) {
    ChannelRecord record;
    EXPECT_EQ(initialSymbolRate(record), 27500u);
    record.setSymbolRate(999);
    EXPECT_EQ(initialSymbolRate(record), 27500u);
    record.setSymbolRate(1000);
    EXPECT_EQ(initialSymbolRate(record), 1000u);
}

} // namespace
} // namespace kanalo
