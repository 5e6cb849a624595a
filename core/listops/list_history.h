#pragma once

#include "core/channels/channel_table.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <vector>

namespace kanalo {

// Undo and redo of list edits. Every command that changes a list becomes one step: the records
// of the slots it changed as they were before and after, and what the view showed around it.
// A history holds the steps of one table (both halves); the editor keeps one for the main list
// and one for the Update-List.

// The command that made a step; the editor names the step after it ("Undo Paste").
enum class EditKind {
    EditChannel,
    NewChannel,
    ToggleUserList,
    ToggleEpg,
    DeleteChannel, // frees one slot in place: context menu, duplicates and transponder windows
    ChangeUserList,
    ChangeEpg,
    ChangeFrequency,
    ChangePolarisation,
    ChangeSymbolRate,
    ChangeSatellite,
    ChangeDelete, // frees the selected slots in place
    Move,
    Swap,
    Drag,
    Delete, // removes the selected slots and compacts the list
    Cut,
    Paste,
    PasteDirect,
    Sort,
    Renumber,
    CopyFromUpdate,
    CopyKeepingName,
    ApplyOrder, // brings whole lists into the order of a reference
};

// The number column. A header sort carries the rows' number texts along with the rows, so they
// can stand out of order; no slot holds them, so the steps that change them keep them here.
struct RowNumbers {
    bool unsorted = false; // numbersUnsorted
    // Row i shows numbers[i]; empty while every row shows its position + 1.
    std::vector<std::uint16_t> numbers;

    // Each row's number, empty when they are all in order.
    static RowNumbers of(std::span<const int> rowNumbers, bool unsorted);
    int at(int row) const {
        return numbers.empty() ? row + 1 : numbers[static_cast<std::size_t>(row)];
    }
    friend bool operator==(const RowNumbers&, const RowNumbers&) = default;
};

// What the view restores with the records.
struct ViewState {
    std::vector<int> selection;        // selected rows, top first
    std::optional<RowNumbers> numbers; // set only by the commands that change the number column
};

// The slots of one list before a command: the whole list, or the range the command is known to
// stay within (one slot for the channel dialog).
class ListSnapshot {
public:
    explicit ListSnapshot(ConstChannelList list) : records_(list.begin(), list.end()) {}

private:
    friend class ListStep;
    std::vector<ChannelRecord> records_;
};

class ListStep {
public:
    // Keeps the slots of the snapshot that the command changed. Records are kept whole as held
    // in memory (80 bytes, every bit, stale bytes of free slots included), so undo and redo give
    // back the list byte for byte.
    ListStep(EditKind kind, ListKind list, const ListSnapshot& before, ConstChannelList after);

    EditKind kind() const { return kind_; }
    ListKind list() const { return list_; }
    // Changed slots, ascending.
    std::span<const std::uint16_t> changedSlots() const { return slots_; }
    // True when neither a record nor the number column changed.
    bool changesNothing() const;

    // The editor fills these in when it records the step.
    ViewState viewBefore;
    ViewState viewAfter;

    // Write the records of the changed slots as they were before / after the command into the
    // step's list and return the view to show with them.
    const ViewState& undo(ChannelTable& table) const;
    const ViewState& redo(ChannelTable& table) const;

    std::size_t memoryBytes() const;

private:
    EditKind kind_;
    ListKind list_;
    std::vector<std::uint16_t> slots_;
    std::vector<ChannelRecord> before_;
    std::vector<ChannelRecord> after_;
};

// The steps of one table, oldest first, with the position between the steps done and the steps
// undone, and the position of the saved state that the modified flag follows.
class ListHistory {
public:
    // 100 steps that each rewrite a whole list, with every row selected and the number column
    // kept, take 35 MB.
    static constexpr std::size_t kStepLimit = 100;

    explicit ListHistory(std::size_t stepLimit = kStepLimit) : limit_(stepLimit) {}

    // Adds a step whose command has already run. The undone steps are dropped, and the oldest
    // step once there are more than the limit.
    void push(ListStep step);

    // The step the next undo / redo applies, or null.
    const ListStep* nextUndo() const;
    const ListStep* nextRedo() const;
    // Apply that step to the table and return it (null when there is none).
    const ListStep* undo(ChannelTable& table);
    const ListStep* redo(ChannelTable& table);

    std::size_t count() const { return steps_.size(); }
    // Steps done: 0 .. count().
    std::size_t index() const { return index_; }

    // The current state is the saved one.
    void setClean() { clean_ = index_; }
    bool isClean() const { return clean_ == index_; }
    // Where the saved state is, or nothing once no sequence of undo and redo leads back to it:
    // its steps were dropped past the limit, or a new step replaced the undone steps after it.
    std::optional<std::size_t> cleanIndex() const { return clean_; }

    // A fresh history for a list that was loaded; clean unless the load itself changed it.
    void clear(bool clean = true);

    std::size_t memoryBytes() const;

private:
    std::size_t limit_;
    std::deque<ListStep> steps_;
    std::size_t index_ = 0;
    std::optional<std::size_t> clean_ = 0;
};

} // namespace kanalo
