#include "core/channels/channel_table.h"

#include <algorithm>

namespace kanalo {

ChannelTable::ChannelTable() : slots_(std::make_unique<ChannelRecord[]>(kTableCapacity)) {
    clear();
}

ChannelTable::ChannelTable(const ChannelTable& other)
    : slots_(std::make_unique<ChannelRecord[]>(kTableCapacity)) {
    std::copy(other.slots().begin(), other.slots().end(), slots().begin());
}

ChannelTable& ChannelTable::operator=(const ChannelTable& other) {
    if (this != &other)
        std::copy(other.slots().begin(), other.slots().end(), slots().begin());
    return *this;
}

void ChannelTable::clear() {
    for (auto& record : slots())
        record.setFree(true);
}

bool holdSameChannels(const ChannelTable& a, const ChannelTable& b) {
    const auto nextChannel = [](auto from, auto end) {
        return std::find_if(from, end,
                            [](const ChannelRecord& record) { return !record.isFree(); });
    };
    for (const ListKind kind : {ListKind::Tv, ListKind::Radio}) {
        const ConstChannelList first = a.list(kind);
        const ConstChannelList second = b.list(kind);
        auto i = nextChannel(first.begin(), first.end());
        auto j = nextChannel(second.begin(), second.end());
        while (i != first.end() && j != second.end()) {
            if (!(*i == *j))
                return false;
            i = nextChannel(i + 1, first.end());
            j = nextChannel(j + 1, second.end());
        }
        if (i != first.end() || j != second.end())
            return false;
    }
    return true;
}

SlotKind slotKind(const ChannelRecord& record, ListKind shown) {
    if (record.isFree())
        return SlotKind::Free;
    return shown == ListKind::Tv ? SlotKind::Tv : SlotKind::Radio;
}

} // namespace kanalo
