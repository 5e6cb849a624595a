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

SlotKind slotKind(const ChannelRecord& record, ListKind shown) {
    if (record.isFree())
        return SlotKind::Free;
    return shown == ListKind::Tv ? SlotKind::Tv : SlotKind::Radio;
}

} // namespace kanalo
