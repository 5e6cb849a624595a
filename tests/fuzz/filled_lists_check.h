// Checks shared by the import fuzzers: each list holds exactly the channels the import counted,
// from its first slot without gaps, the first 999 in the user list, and every channel passes the
// import's own record check.
#pragma once

#include "core/channels/channel_table.h"

#include <algorithm>
#include <cstdlib>

namespace kanalo {

template <typename RecordCheck>
void checkFilledLists(const ChannelTable& table, std::size_t tv, std::size_t radio,
                      RecordCheck recordIsSound) {
    for (const ListKind kind : {ListKind::Tv, ListKind::Radio}) {
        const ConstChannelList list = table.list(kind);
        const std::size_t filled = kind == ListKind::Tv ? tv : radio;
        if (filled > kListCapacity || list.occupiedCount() != filled ||
            list.userListCount() != std::min(filled, kUserListCapacity))
            std::abort();
        for (std::size_t slot = 0; slot < list.size(); ++slot) {
            const ChannelRecord& record = list[slot];
            if (record.isFree() != (slot >= filled))
                std::abort();
            if (!record.isFree() && !recordIsSound(record, kind))
                std::abort();
        }
    }
}

} // namespace kanalo
