#include "core/listops/list_history.h"

#include <algorithm>

namespace kanalo {

namespace {

template <typename T> std::size_t heapBytes(const std::vector<T>& values) {
    return values.capacity() * sizeof(T);
}

std::size_t heapBytes(const ViewState& view) {
    return heapBytes(view.selection) + (view.numbers ? heapBytes(view.numbers->numbers) : 0);
}

void write(ChannelList list, std::span<const std::uint16_t> slots,
           const std::vector<ChannelRecord>& records) {
    for (std::size_t i = 0; i < slots.size(); ++i)
        list[slots[i]] = records[i];
}

} // namespace

RowNumbers RowNumbers::of(std::span<const int> rowNumbers, bool unsorted) {
    RowNumbers result{unsorted, {}};
    for (std::size_t row = 0; row < rowNumbers.size(); ++row) {
        if (rowNumbers[row] != static_cast<int>(row) + 1) {
            result.numbers.assign(rowNumbers.begin(), rowNumbers.end());
            break;
        }
    }
    return result;
}

ListStep::ListStep(EditKind kind, ListKind list, const ListSnapshot& before, ConstChannelList after)
    : kind_(kind), list_(list) {
    const std::size_t count = before.records_.size();
    std::size_t changed = 0;
    for (std::size_t i = 0; i < count; ++i)
        changed += before.records_[i] == after[i] ? 0 : 1;
    slots_.reserve(changed);
    before_.reserve(changed);
    after_.reserve(changed);
    for (std::size_t i = 0; i < count; ++i) {
        const ChannelRecord& now = after[i];
        if (before.records_[i] == now)
            continue;
        slots_.push_back(static_cast<std::uint16_t>(i));
        before_.push_back(before.records_[i]);
        after_.push_back(now);
    }
}

bool ListStep::changesNothing() const {
    return slots_.empty() && viewBefore.numbers == viewAfter.numbers;
}

const ViewState& ListStep::undo(ChannelTable& table) const {
    write(table.list(list_), slots_, before_);
    return viewBefore;
}

const ViewState& ListStep::redo(ChannelTable& table) const {
    write(table.list(list_), slots_, after_);
    return viewAfter;
}

std::size_t ListStep::memoryBytes() const {
    return sizeof(ListStep) + heapBytes(slots_) + heapBytes(before_) + heapBytes(after_) +
           heapBytes(viewBefore) + heapBytes(viewAfter);
}

void ListHistory::push(ListStep step) {
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(index_), steps_.end());
    if (clean_ && *clean_ > index_)
        clean_.reset(); // the saved state lay among the steps just dropped
    steps_.push_back(std::move(step));
    ++index_;
    while (steps_.size() > limit_) {
        steps_.pop_front();
        --index_;
        if (clean_)
            clean_ = *clean_ == 0 ? std::nullopt : std::optional(*clean_ - 1);
    }
}

const ListStep* ListHistory::nextUndo() const {
    return index_ > 0 ? &steps_[index_ - 1] : nullptr;
}

const ListStep* ListHistory::nextRedo() const {
    return index_ < steps_.size() ? &steps_[index_] : nullptr;
}

const ListStep* ListHistory::undo(ChannelTable& table) {
    const ListStep* step = nextUndo();
    if (step) {
        step->undo(table);
        --index_;
    }
    return step;
}

const ListStep* ListHistory::redo(ChannelTable& table) {
    const ListStep* step = nextRedo();
    if (step) {
        step->redo(table);
        ++index_;
    }
    return step;
}

void ListHistory::clear(bool clean) {
    steps_.clear();
    index_ = 0;
    clean_ = clean ? std::optional<std::size_t>(0) : std::nullopt;
}

std::size_t ListHistory::memoryBytes() const {
    std::size_t bytes = sizeof(ListHistory);
    for (const ListStep& step : steps_)
        bytes += step.memoryBytes();
    return bytes;
}

} // namespace kanalo
