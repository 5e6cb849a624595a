#pragma once

#include "core/channels/channel_record.h"

#include <cstddef>
#include <memory>
#include <span>

namespace kanalo {

inline constexpr std::size_t kListCapacity = 1999;
inline constexpr std::size_t kTableCapacity = 2 * kListCapacity;
inline constexpr std::size_t kUserListCapacity = 999;

// The two halves of a table.
enum class ListKind { Tv, Radio };

// How the view and print classify one slot of the shown list.
enum class SlotKind { Free = 0, Tv = 1, Radio = 2 };

// A view of the 1999 slots of one list. A channel's number is its slot index + 1.
template <typename Record> class BasicChannelList {
public:
    explicit BasicChannelList(std::span<Record, kListCapacity> slots) : slots_(slots) {}
    template <typename Other>
    BasicChannelList(BasicChannelList<Other> other) : slots_(other.slots()) {}

    static constexpr std::size_t size() { return kListCapacity; }
    Record& operator[](std::size_t index) const { return slots_[index]; }
    std::span<Record, kListCapacity> slots() const { return slots_; }
    auto begin() const { return slots_.begin(); }
    auto end() const { return slots_.end(); }

    std::size_t occupiedCount() const {
        std::size_t count = 0;
        for (const auto& record : slots_)
            count += record.isFree() ? 0 : 1;
        return count;
    }
    // Occupied slots with the user-list flag; at most 999 may carry it per list.
    std::size_t userListCount() const {
        std::size_t count = 0;
        for (const auto& record : slots_)
            count += (!record.isFree() && record.inUserList()) ? 1 : 0;
        return count;
    }

private:
    std::span<Record, kListCapacity> slots_;
};

using ChannelList = BasicChannelList<ChannelRecord>;
using ConstChannelList = BasicChannelList<const ChannelRecord>;

// 3998 slots, the TV list then the Radio list. Allocated once and reused for every load.
class ChannelTable {
public:
    ChannelTable();
    // Copies hold their own slots.
    ChannelTable(const ChannelTable& other);
    ChannelTable& operator=(const ChannelTable& other);
    ChannelTable(ChannelTable&&) noexcept = default;
    ChannelTable& operator=(ChannelTable&&) noexcept = default;

    ChannelList list(ListKind kind) { return ChannelList(half(kind)); }
    ConstChannelList list(ListKind kind) const { return ConstChannelList(half(kind)); }
    ChannelList tv() { return list(ListKind::Tv); }
    ChannelList radio() { return list(ListKind::Radio); }
    ConstChannelList tv() const { return list(ListKind::Tv); }
    ConstChannelList radio() const { return list(ListKind::Radio); }

    std::span<ChannelRecord, kTableCapacity> slots() {
        return std::span<ChannelRecord, kTableCapacity>(slots_.get(), kTableCapacity);
    }
    std::span<const ChannelRecord, kTableCapacity> slots() const {
        return std::span<const ChannelRecord, kTableCapacity>(slots_.get(), kTableCapacity);
    }

    // Marks every slot free; the stale contents stay and are ignored by every reader.
    void clear();

private:
    std::span<ChannelRecord, kListCapacity> half(ListKind kind) const {
        return std::span<ChannelRecord, kListCapacity>(
            slots_.get() + (kind == ListKind::Tv ? 0 : kListCapacity), kListCapacity);
    }

    std::unique_ptr<ChannelRecord[]> slots_;
};

SlotKind slotKind(const ChannelRecord& record, ListKind shown);

// True when both tables hold the same channels in the same order in each list, whatever free
// slots lie between them: what a channel list file of either would hold.
bool holdSameChannels(const ChannelTable& a, const ChannelTable& b);

} // namespace kanalo
