#pragma once

#include "core/channels/channel_table.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kanalo {

// What names one channel across scans: satellite index, frequency in MHz, polarisation (h or
// v) and service ID, packed into one number. The PIDs and the name may change between scans.
using ChannelIdentity = std::uint64_t;
ChannelIdentity channelIdentity(const ChannelRecord& record);

// A channel name as names are compared: blanks (also tab and no-break space) trimmed and each
// run of them made one blank, letters case-folded, Windows-1252 ones included, and the
// emphasis codes 0x86 and 0x87 read as the "[" and "]" they are shown and typed as. Takes and
// gives Windows-1252 bytes; a name of blanks only gives an empty key.
std::string channelNameKey(std::string_view name);
// The same appended to out, for keys of many names in one buffer.
void appendChannelNameKey(std::string& out, std::string_view name);

// One channel of a reference order. A name list gives names only.
struct ReferenceEntry {
    std::optional<ChannelIdentity> identity;
    std::string nameKey; // empty: matches by name nothing (no name, or none a channel can carry)

    static ReferenceEntry of(const ChannelRecord& record) {
        return {channelIdentity(record), channelNameKey(record.name())};
    }
};

enum class ReferenceKind { ChannelList, VdrChannels, NameList };

// The order to apply to each list: the channels of a reference list in their order.
struct OrderReference {
    using List = std::vector<ReferenceEntry>;

    ReferenceKind kind = ReferenceKind::NameList;
    List tv;
    List radio;

    const List& list(ListKind which) const { return which == ListKind::Tv ? tv : radio; }
};

} // namespace kanalo
