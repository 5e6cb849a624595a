#pragma once

#include "core/channels/channel_table.h"
#include "core/listops/order_reference.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>

namespace kanalo {

// What happens to the channels the reference does not name.
enum class UnmatchedChannels { PlaceAfter, Remove };

struct ListOrderSummary {
    std::size_t referenceEntries = 0; // none: the list was left as it was
    std::size_t channels = 0;         // occupied slots before
    std::size_t matched = 0;
    UnmatchedChannels unmatched = UnmatchedChannels::PlaceAfter;

    std::size_t notFound() const { return channels - matched; }
};

// Brings the list into the order of the reference. Each entry, in reference order, takes one
// channel: first by identity (channelIdentity), then, among the channels and entries still
// unmatched, by name (channelNameKey). Channels sharing a key are taken in slot order. A
// channel whose identity the reference names is matched by that identity only: a surplus copy
// of it is a duplicate, not a renamed channel, and stays unmatched; this also makes a second
// application of the same reference change nothing.
// The matched channels come first in reference order, then the unmatched ones in their order
// or, with Remove, free slots in their place; the free slots come last. Every record keeps all
// its fields. An empty reference leaves the list untouched.
ListOrderSummary applyReferenceOrder(ChannelList list, std::span<const ReferenceEntry> reference,
                                     UnmatchedChannels unmatched);

enum class OrderedLists { Both, Tv, Radio };

// Per list; nothing for a list not ordered.
struct ApplyOrderSummary {
    std::optional<ListOrderSummary> tv;
    std::optional<ListOrderSummary> radio;
};

// Applies each chosen list's part of the reference to that list.
ApplyOrderSummary applyReferenceOrder(ChannelTable& table, const OrderReference& reference,
                                      OrderedLists lists, UnmatchedChannels unmatched);

// The English summary, a sentence per list ordered:
// "TV: %1 of %2 channels ordered by the reference, %3 not found placed after them." (with
// Remove: "..., %3 not found removed."), or "TV: no channels in the reference, list unchanged."
// and the same for "Radio: ", joined by a blank.
std::string applyOrderSummaryText(const ApplyOrderSummary& summary);

} // namespace kanalo
