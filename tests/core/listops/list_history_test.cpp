#include "core/listops/channel_changes.h"
#include "core/listops/channel_order.h"
#include "core/listops/clipboard_block.h"
#include "core/listops/list_history.h"
#include "core/listops/slot_operations.h"

#include <algorithm>
#include <array>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <string_view>
#include <vector>

namespace kanalo {
namespace {

constexpr int kSlots = static_cast<int>(kListCapacity);

// Both halves of a table filled with random bytes (reserved bits and stale text bytes too), the
// number column each half would show, and the real list commands run on them as the editor does.
class ListHistoryTest : public ::testing::Test {
protected:
    std::mt19937 random{15};
    ChannelTable table;
    std::array<RowNumbers, 2> numbers;

    void SetUp() override {
        for (ChannelRecord& record : table.slots()) {
            ChannelRecord::Image image;
            for (auto& byte : image)
                byte = static_cast<std::uint8_t>(pick(256));
            record = ChannelRecord::fromImage(image);
            record.setMarked(false);
            record.setFree(pick(20) == 0);
        }
    }

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }
    std::vector<int> selection(int largeOneIn = 5) {
        std::vector<int> rows(
            static_cast<std::size_t>(1 + pick(pick(largeOneIn) == 0 ? 1200 : 12)));
        for (int& row : rows)
            row = pick(kSlots);
        std::sort(rows.begin(), rows.end());
        rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
        return rows;
    }
    std::size_t fingerprint() const {
        const auto bytes = std::as_bytes(table.slots());
        std::size_t hash = std::hash<std::string_view>()(
            {reinterpret_cast<const char*>(bytes.data()), bytes.size()});
        for (const RowNumbers& rows : numbers)
            for (int row = 0; row < kSlots; ++row)
                hash = hash * 31 + static_cast<std::size_t>(rows.at(row) + (rows.unsorted << 12));
        return hash;
    }

    // One random command on a random half, recorded as a step; nothing when it changed nothing.
    std::optional<ListStep> command() {
        const ListKind half = pick(2) ? ListKind::Tv : ListKind::Radio;
        ChannelList list = table.list(half);
        RowNumbers& rows = numbers[static_cast<std::size_t>(half)];
        const ListSnapshot before(list);
        const RowNumbers rowsBefore = rows;
        const std::vector<int> selected = selection();
        const int row = pick(kSlots);
        std::vector<ChannelRecord> copied;
        for (const int slot : selection(2)) // channels, as a user would copy them
            if (!list[static_cast<std::size_t>(slot)].isFree() || copied.empty())
                copied.push_back(list[static_cast<std::size_t>(slot)]);
        const auto pasted = decodeClipboardBlock(encodeClipboardBlock(copied)).value();
        const std::function<void()> commands[] = {
            [&] { moveChannel(list, row, pick(kSlots)); },
            [&] { swapChannels(list, row, pick(kSlots)); },
            [&] { deleteWithCompaction(list, selection(10)); },
            [&] {
                (pick(4) ? pasteInsert : pasteDirect)(list, insertionPosition(list, row), pasted);
            },
            [&] { setUserList(list, selected, pick(2)), setEpg(list, selection(), pick(2)); },
            [&] {
                setFrequency(list, selected, 10700 + pick(2000)),
                    setSatellite(list, selected, pick(32));
            },
            [&] {
                setPolarisation(list, selected, pick(2)),
                    setSymbolRate(list, selected, pick(45000));
            },
            [&] {
                freeSlots(list, {&row, 1}), toggleUserList(list, row), toggleEpg(list, row);
            },
            [&] {
                writeNewChannelDefaults(list[static_cast<std::size_t>(row)], half,
                                        list.userListCount());
            },
        };
        EditKind kind = EditKind::ChangeFrequency;
        if (const int which = pick(11); which < 9) {
            commands[which]();
        } else { // header sorts carry the number texts with the rows; Renumber resets them
            const auto key = static_cast<ColumnKind>(pick(6));
            const bool renumberOnly = pick(5) == 0, renumber = renumberOnly || pick(3) == 0;
            std::vector<int> texts(kListCapacity), order(kListCapacity);
            for (std::size_t r = 0; r < kListCapacity; ++r)
                texts[r] = rows.at(static_cast<int>(r)), order[r] = static_cast<int>(r);
            if (!renumberOnly)
                order = key == ColumnKind::Number ? orderByNumberTexts(texts)
                                                  : sortedSlotOrder(list, half, key);
            rewriteInOrder(list, order);
            for (std::size_t r = 0; r < kListCapacity; ++r)
                texts[r] = renumber ? static_cast<int>(r) + 1 : rowsBefore.at(order[r]);
            rows = RowNumbers::of(texts, !renumber && key != ColumnKind::Number);
            kind = renumberOnly ? EditKind::Renumber : EditKind::Sort;
        }
        ListStep step(kind, half, before, list);
        if (rows != rowsBefore)
            step.viewBefore.numbers = rowsBefore, step.viewAfter.numbers = rows;
        return step.changesNothing() ? std::nullopt : std::optional(std::move(step));
    }

    void undo(ListHistory& history) {
        if (const ListStep* step = history.undo(table); step && step->viewBefore.numbers)
            numbers[static_cast<std::size_t>(step->list())] = *step->viewBefore.numbers;
    }
    void redo(ListHistory& history) {
        if (const ListStep* step = history.redo(table); step && step->viewAfter.numbers)
            numbers[static_cast<std::size_t>(step->list())] = *step->viewAfter.numbers;
    }

    // Random commands, bursts of undo and redo, and saves. Whatever the history did, the table
    // and numbers must be the state its index stands for, and it is clean only in the saved one.
    std::size_t run(ListHistory& history, int operations) {
        std::size_t longest = 0;
        std::vector<std::size_t> states{fingerprint()}; // states[i]: after the first i steps
        std::size_t saved = states[0];
        for (int n = 0; n < operations; ++n) {
            const int what = pick(40);
            for (int burst = pick(12); what < 2 && burst >= 0; --burst)
                what == 0 ? undo(history) : redo(history);
            if (what == 2)
                history.setClean(), saved = fingerprint();
            if (auto step = what > 2 ? command() : std::nullopt) {
                states.resize(history.index() + 1);
                history.push(std::move(*step));
                states.push_back(fingerprint());
                if (states.size() > history.count() + 1)
                    states.erase(states.begin());
            }
            longest = std::max(longest, history.count());
            EXPECT_EQ(states.size(), history.count() + 1);
            EXPECT_EQ(fingerprint(), states[history.index()]) << "operation " << n;
            EXPECT_TRUE(!history.isClean() || fingerprint() == saved);
            EXPECT_TRUE(!history.cleanIndex() || states[*history.cleanIndex()] == saved);
            if (HasFailure())
                break;
        }
        return longest;
    }
};

TEST_F(ListHistoryTest, UndoingEveryStepGivesBackTheTableByteForByteAndRedoingTheFinalOne) {
    const ChannelTable loaded = table;
    ListHistory history(1000);
    run(history, 400);
    while (history.redo(table))
        ;
    const ChannelTable edited = table;
    while (history.undo(table))
        ;
    EXPECT_TRUE(std::ranges::equal(table.slots(), loaded.slots()));
    while (history.redo(table))
        ;
    EXPECT_TRUE(std::ranges::equal(table.slots(), edited.slots()));
    EXPECT_GT(history.count(), 150u);
}

TEST_F(ListHistoryTest, LongSequencesKeepTheLastHundredStepsAndFollowTheSavedState) {
    ListHistory history;
    EXPECT_EQ(run(history, 2500), ListHistory::kStepLimit);
}

TEST_F(ListHistoryTest, SavedStateIsLostOnlyWithItsSteps) {
    ListHistory history(3);
    const auto push = [&] {
        history.push(ListStep(EditKind::Move, ListKind::Tv, ListSnapshot(table.tv()), table.tv()));
    };
    push();
    history.setClean();
    push(), push(), push(); // the oldest step goes, the saved state stays
    EXPECT_EQ(history.cleanIndex(), 0u);
    push(); // now the saved state's step goes too
    EXPECT_EQ(history.cleanIndex(), std::nullopt);
    history.setClean();
    history.undo(table);
    push(); // a new step replaces the saved state
    EXPECT_EQ(history.cleanIndex(), std::nullopt);
    history.clear(false);
    EXPECT_FALSE(history.isClean());
}

} // namespace
} // namespace kanalo
