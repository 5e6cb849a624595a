#include "channels/channel_table.h"

namespace kanalo {

ChannelTable::ChannelTable() : slots_(std::make_unique<ChannelRecord[]>(kTableCapacity)) {
    clear();
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
