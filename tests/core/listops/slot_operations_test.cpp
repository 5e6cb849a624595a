#include "core/listops/slot_operations.h"
#include "tests/core/listops/slot_list_fixture.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace kanalo {
namespace {

using Slots = std::vector<int>;

class MoveAndSwap : public test::SlotListTest {
protected:
    void SetUp() override { fill(10); }
};

TEST_F(MoveAndSwap, MovingUpLandsBelowTheTargetAndPushesTheOthersDown) {
    EXPECT_EQ(moveChannel(list, 5, 2), (Slots{3, 4, 5}));
    EXPECT_EQ(tags(0, 7), (Slots{0, 1, 2, 5, 3, 4, 6}));
}

TEST_F(MoveAndSwap, MovingDownLandsOnTheTargetAndPullsTheOthersUp) {
    EXPECT_EQ(moveChannel(list, 2, 5), (Slots{2, 3, 4, 5}));
    EXPECT_EQ(tags(0, 7), (Slots{0, 1, 3, 4, 5, 2, 6}));
}

TEST_F(MoveAndSwap, MovesThatChangeNothingReportNothing) {
    EXPECT_TRUE(moveChannel(list, 4, 4).empty());
    EXPECT_TRUE(moveChannel(list, 4, 3).empty()); // onto the row just above
    EXPECT_TRUE(moveChannel(list, 4, -1).empty());
    EXPECT_TRUE(moveChannel(list, 1999, 3).empty());
    EXPECT_TRUE(swapChannels(list, 6, 6).empty());
    EXPECT_TRUE(swapChannels(list, 6, 1999).empty());
    EXPECT_EQ(tags(0, 10), (Slots{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST_F(MoveAndSwap, MovesAtTheEndsOfTheList) {
    EXPECT_EQ(moveChannel(list, 0, 1998).size(), 1999u);
    EXPECT_EQ(tags(0, 2), (Slots{1, 2}));
    EXPECT_EQ(tag(1998), 0);
    // The first slot can only be target, so the channel comes back below it.
    const Slots changed = moveChannel(list, 1998, 0);
    EXPECT_EQ(changed.size(), 1998u);
    EXPECT_EQ(changed.front(), 1);
    EXPECT_EQ(tags(0, 3), (Slots{1, 0, 2}));
    EXPECT_EQ(tag(1998), -1);
}

TEST_F(MoveAndSwap, AFreeSlotMovesLikeAChannel) {
    release({3});
    moveChannel(list, 3, 7);
    EXPECT_EQ(tags(0, 9), (Slots{0, 1, 2, 4, 5, 6, 7, -1, 8}));
}

TEST_F(MoveAndSwap, SwapWithAFreeSlotLeavesTheGapWhereTheChannelWas) {
    EXPECT_EQ(swapChannels(list, 15, 4), (Slots{4, 15}));
    EXPECT_EQ(tag(15), 4);
    EXPECT_EQ(tag(4), -1);
    EXPECT_EQ(tags(3, 3), (Slots{3, -1, 5}));
}

class Compaction : public test::SlotListTest {};

TEST_F(Compaction, RemovingAContiguousBlockPullsTheRestUpAndFreesTheEnd) {
    fill(kSlots);
    deleteWithCompaction(list, Slots{5, 6, 7});
    EXPECT_EQ(tags(3, 4), (Slots{3, 4, 8, 9}));
    EXPECT_EQ(tag(1995), 1998);
    EXPECT_EQ(tags(1996, 3), (Slots{-1, -1, -1}));
    EXPECT_EQ(trailingFreeCount(list), 3);
}

TEST_F(Compaction, RemovingNonAdjacentRowsKeepsTheOrderOfTheRest) {
    fill(10);
    deleteWithCompaction(list, Slots{4, 2});
    EXPECT_EQ(tags(0, 9), (Slots{0, 1, 3, 5, 6, 7, 8, 9, -1}));
}

TEST_F(Compaction, AStrayMarkRemovesNothingAndNoMarkSurvives) {
    fill(10);
    at(8).setMarked(true);
    deleteWithCompaction(list, Slots{0, 9999, -3});
    EXPECT_EQ(tags(0, 9), (Slots{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_TRUE(std::none_of(list.begin(), list.end(), [](auto& r) { return r.marked(); }));
}

// The walk as the command describes it: each marked slot pulls every later slot up by one.
void compactByShifting(ChannelList list, const Slots& selected) {
    for (const int slot : selected)
        list[static_cast<std::size_t>(slot)].setMarked(true);
    const std::size_t last = kListCapacity - 1;
    for (std::size_t j = 0; j < last;) {
        if (!list[j].marked()) {
            ++j;
            continue;
        }
        for (std::size_t k = j; k < last; ++k)
            list[k] = list[k + 1];
        list[last].setFree(true);
        list[last].setMarked(false);
    }
    if (list[last].marked()) {
        list[last].setMarked(false);
        list[last].setFree(true);
    }
}

TEST_F(Compaction, OnePassMatchesTheShiftingWalkOnRandomSelections) {
    std::mt19937 random(7);
    ChannelTable reference;
    for (int round = 0; round < 40; ++round) {
        fill(kSlots);
        std::bernoulli_distribution freeSlot(0.1), selected(round % 2 ? 0.05 : 0.6);
        Slots selection;
        for (int slot = 0; slot < kSlots; ++slot) {
            if (freeSlot(random))
                at(slot).setFree(true);
            if (selected(random))
                selection.push_back(slot);
        }
        std::shuffle(selection.begin(), selection.end(), random);
        std::copy(list.begin(), list.end(), reference.tv().begin());
        compactByShifting(reference.tv(), selection);
        deleteWithCompaction(list, selection);
        const int kept = kSlots - static_cast<int>(selection.size());
        for (int slot = 0; slot < kSlots; ++slot) {
            const ChannelRecord& expected = reference.tv()[static_cast<std::size_t>(slot)];
            SCOPED_TRACE(slot);
            // Vacated slots only have to be free and unmarked; their stale bytes may differ.
            if (slot < kept)
                ASSERT_EQ(at(slot), expected);
            else
                ASSERT_TRUE(at(slot).isFree() && expected.isFree() && !at(slot).marked());
        }
    }
}

class Paste : public test::SlotListTest {
protected:
    std::vector<ChannelRecord> clip(int count, unsigned firstTag = 5000) {
        std::vector<ChannelRecord> records;
        for (int i = 0; i < count; ++i)
            records.push_back(channel(firstTag + static_cast<unsigned>(i)));
        return records;
    }
};

TEST_F(Paste, FreeRunsAndInsertionPosition) {
    fill(kSlots - 2);
    release({11, 12});
    EXPECT_EQ(trailingFreeCount(list), 2);
    EXPECT_EQ(freeRunAt(list, 11), 2);
    EXPECT_EQ(freeRunAt(list, 10), 0);
    EXPECT_EQ(freeRunAt(list, 1997), 2);
    EXPECT_EQ(freeRunAt(list, kSlots), 0);
    EXPECT_EQ(insertionPosition(list, 10), 11);
    EXPECT_EQ(insertionPosition(list, 0), 1);
    EXPECT_EQ(insertionPosition(list, 1998), 1999);
    EXPECT_EQ(insertionPosition(list, 1999), -1);
    release({0});
    EXPECT_EQ(insertionPosition(list, 0), 0);
    EXPECT_EQ(insertionPosition(list, 10), 11); // only the first row fills itself
    fill(kSlots);
    EXPECT_EQ(trailingFreeCount(list), 0);
    table.clear();
    EXPECT_EQ(trailingFreeCount(list), kSlots);
}

TEST_F(Paste, InsertUsesExactlyTheTrailingFreeSlots) {
    fill(kSlots - 2);
    ASSERT_EQ(pasteInsert(list, insertionPosition(list, 10), clip(2)), PasteOutcome::Done);
    EXPECT_EQ(tags(9, 5), (Slots{9, 10, 5000, 5001, 11}));
    EXPECT_EQ(tag(1998), 1996);
    EXPECT_EQ(trailingFreeCount(list), 0);
}

TEST_F(Paste, InsertWithTooFewTrailingFreeSlotsChangesNothing) {
    fill(kSlots - 1);
    release({20, 21, 22}); // free slots elsewhere do not help
    EXPECT_EQ(pasteInsert(list, 11, clip(2)), PasteOutcome::NotEnoughRoom);
    EXPECT_EQ(tags(10, 3), (Slots{10, 11, 12}));
    EXPECT_EQ(tag(1997), 1997);
}

TEST_F(Paste, NothingFitsAfterTheLastRowEvenWhenItIsFree) {
    fill(10);
    const int position = insertionPosition(list, 1998);
    EXPECT_EQ(pasteInsert(list, position, clip(1)), PasteOutcome::NotEnoughRoom);
    EXPECT_EQ(pasteDirect(list, position, clip(1)), PasteOutcome::NotEnoughRoom);
    EXPECT_EQ(trailingFreeCount(list), kSlots - 10);
}

TEST_F(Paste, BothPastesIntoAnEmptyListStartAtTheFirstSlot) {
    const int position = insertionPosition(list, 0);
    ASSERT_EQ(position, 0);
    ASSERT_EQ(pasteInsert(list, position, clip(3)), PasteOutcome::Done);
    EXPECT_EQ(tags(0, 4), (Slots{5000, 5001, 5002, -1}));
    table.clear();
    ASSERT_EQ(pasteDirect(list, position, clip(3)), PasteOutcome::Done);
    EXPECT_EQ(tags(0, 4), (Slots{5000, 5001, 5002, -1}));
}

TEST_F(Paste, DirectFillsOnlyTheFreeRunAndMovesNothing) {
    fill(30);
    release({11, 12});
    EXPECT_EQ(pasteDirect(list, 11, clip(3)), PasteOutcome::NotEnoughRoom);
    EXPECT_EQ(tags(10, 4), (Slots{10, -1, -1, 13}));
    ASSERT_EQ(pasteDirect(list, 11, clip(2)), PasteOutcome::Done);
    EXPECT_EQ(tags(10, 4), (Slots{10, 5000, 5001, 13}));
    EXPECT_EQ(trailingFreeCount(list), kSlots - 30);
}

TEST_F(Paste, PastedChannelsKeepTheirFlagsButNeverOverfillTheUserList) {
    fill(1000);
    for (int slot = 0; slot < 998; ++slot)
        at(slot).setInUserList(true);
    std::vector<ChannelRecord> records = {channel(1, true), channel(2, true), channel(3)};
    records[1].setEpg(true);
    records[0].setMarked(true);
    ChannelRecord freeSlot = channel(4, true);
    freeSlot.setFree(true);
    records.insert(records.begin(), freeSlot);
    ASSERT_EQ(pasteInsert(list, 1000, records), PasteOutcome::Done);
    EXPECT_TRUE(at(1000).isFree()); // travels as a free slot, not counted
    EXPECT_TRUE(at(1001).inUserList());
    EXPECT_FALSE(at(1001).marked());
    EXPECT_FALSE(at(1002).inUserList());
    EXPECT_FALSE(at(1002).epg());
    EXPECT_EQ(list.userListCount(), 999u);
}

TEST(SlotRows, CutSelectsTheRowAboveOnlyFromRowTwoOn) {
    EXPECT_EQ(rowSelectedAfterCut(5), 4);
    EXPECT_EQ(rowSelectedAfterCut(2), 1);
    EXPECT_EQ(rowSelectedAfterCut(1), -1);
    EXPECT_EQ(rowSelectedAfterCut(0), -1);
}

} // namespace
} // namespace kanalo
