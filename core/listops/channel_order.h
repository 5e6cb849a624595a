#pragma once

#include "core/channels/channel_table.h"
#include "core/format/column_set.h"

#include <span>
#include <vector>

namespace kanalo {

// Keys 1..5 (Name, SatNumber, SatName, Frequency, Polarisation) define a channel order; the
// number column sorts by its texts instead and the other columns cannot be sorted.
bool isChannelOrderKey(ColumnKind key);

// The channel order under a column key: negative, 0 or positive. PID means the video PID in the
// TV list and the audio PID in the Radio list. Free slots come after every occupied slot and
// compare equal to each other. Keys without a channel order compare everything equal.
int compareChannels(ColumnKind key, ListKind list, const ChannelRecord& a, const ChannelRecord& b);

// The slot indices of the list in channel order. Records equal in every key may come in any
// order. Keys without a channel order give the slots as they are.
std::vector<int> sortedSlotOrder(ConstChannelList list, ListKind kind, ColumnKind key);

// Slot j receives the record that was in slot order[j]; order must be a permutation of the
// 1999 slot indices.
void rewriteInOrder(ChannelList list, std::span<const int> order);

// Row indices ordered by the rows' numbers; rows with equal numbers keep their order. The view
// parses its number texts and sorts with this for the number column.
std::vector<int> orderByNumberTexts(std::span<const int> numbers);

} // namespace kanalo
