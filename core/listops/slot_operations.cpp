#include "core/listops/slot_operations.h"

#include <algorithm>
#include <cstddef>

namespace kanalo {

namespace {

constexpr int kSlots = static_cast<int>(kListCapacity);

bool inList(int slot) {
    return slot >= 0 && slot < kSlots;
}

std::vector<int> slotRange(int first, int last) {
    std::vector<int> slots;
    slots.reserve(static_cast<std::size_t>(last - first + 1));
    for (int slot = first; slot <= last; ++slot)
        slots.push_back(slot);
    return slots;
}

// Copies records into slots position.. and keeps the user list within its limit.
void writePasted(ChannelList list, int position, std::span<const ChannelRecord> records,
                 std::size_t userListCount) {
    for (std::size_t i = 0; i < records.size(); ++i) {
        ChannelRecord record = records[i];
        record.setMarked(false);
        if (!record.isFree() && record.inUserList()) {
            if (userListCount < kUserListCapacity) {
                ++userListCount;
            } else {
                record.setInUserList(false);
                record.setEpg(false);
            }
        }
        list[static_cast<std::size_t>(position) + i] = record;
    }
}

} // namespace

std::vector<int> moveChannel(ChannelList list, int source, int target) {
    if (!inList(source) || !inList(target) || source == target || target == source - 1)
        return {};
    const auto slots = list.slots();
    const ChannelRecord moved = slots[static_cast<std::size_t>(source)];
    if (target < source) {
        std::move_backward(slots.begin() + target + 1, slots.begin() + source,
                           slots.begin() + source + 1);
        slots[static_cast<std::size_t>(target) + 1] = moved;
        return slotRange(target + 1, source);
    }
    std::move(slots.begin() + source + 1, slots.begin() + target + 1, slots.begin() + source);
    slots[static_cast<std::size_t>(target)] = moved;
    return slotRange(source, target);
}

std::vector<int> swapChannels(ChannelList list, int a, int b) {
    if (!inList(a) || !inList(b) || a == b)
        return {};
    std::swap(list[static_cast<std::size_t>(a)], list[static_cast<std::size_t>(b)]);
    return {std::min(a, b), std::max(a, b)};
}

void deleteWithCompaction(ChannelList list, std::span<const int> selectedSlots) {
    // A stray mark left by anything else must not remove a channel nobody selected.
    for (ChannelRecord& record : list)
        record.setMarked(false);
    for (const int slot : selectedSlots)
        if (inList(slot))
            list[static_cast<std::size_t>(slot)].setMarked(true);
    // One pass: every kept slot moves up past the marked ones before it, in order.
    std::size_t kept = 0;
    for (std::size_t read = 0; read < kListCapacity; ++read) {
        if (list[read].marked())
            continue;
        if (kept != read)
            list[kept] = list[read];
        ++kept;
    }
    // The vacated slots keep stale contents; only the flags make them free.
    for (std::size_t slot = kept; slot < kListCapacity; ++slot) {
        list[slot].setMarked(false);
        list[slot].setFree(true);
    }
}

int trailingFreeCount(ConstChannelList list) {
    int count = 0;
    for (int slot = kSlots - 1; slot >= 0 && list[static_cast<std::size_t>(slot)].isFree(); --slot)
        ++count;
    return count;
}

int freeRunAt(ConstChannelList list, int position) {
    if (position < 0)
        return 0;
    int count = 0;
    for (int slot = position; slot < kSlots && list[static_cast<std::size_t>(slot)].isFree();
         ++slot)
        ++count;
    return count;
}

int insertionPosition(ConstChannelList list, int selectedRow) {
    if (!inList(selectedRow))
        return -1;
    if (selectedRow == 0 && list[0].isFree())
        return 0;
    return selectedRow + 1;
}

PasteOutcome pasteInsert(ChannelList list, int position, std::span<const ChannelRecord> records) {
    if (position < 0 || position > kSlots)
        return PasteOutcome::NotEnoughRoom;
    if (records.empty())
        return PasteOutcome::Done;
    const auto count = static_cast<int>(std::min(records.size(), kListCapacity + 1));
    if (count > trailingFreeCount(list) || count > kSlots - position)
        return PasteOutcome::NotEnoughRoom;
    const std::size_t userListCount = list.userListCount();
    const auto slots = list.slots();
    // The last count slots are free, so nothing but free slots falls off the end.
    std::move_backward(slots.begin() + position, slots.end() - count, slots.end());
    writePasted(list, position, records, userListCount);
    return PasteOutcome::Done;
}

PasteOutcome pasteDirect(ChannelList list, int position, std::span<const ChannelRecord> records) {
    if (position < 0 || position > kSlots)
        return PasteOutcome::NotEnoughRoom;
    if (records.empty())
        return PasteOutcome::Done;
    const auto count = static_cast<int>(std::min(records.size(), kListCapacity + 1));
    if (count > freeRunAt(list, position) || count > kSlots - position)
        return PasteOutcome::NotEnoughRoom;
    writePasted(list, position, records, list.userListCount());
    return PasteOutcome::Done;
}

int rowSelectedAfterCut(int firstCutRow) {
    return firstCutRow >= 2 ? firstCutRow - 1 : -1;
}

} // namespace kanalo
