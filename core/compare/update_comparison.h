#pragma once

#include "core/channels/channel_table.h"

#include <vector>

namespace kanalo {

// 0 when the two records are the same channel, -1 otherwise. The caller folds the IgnoreNames
// setting into ignoreName. The user-list and EPG flags and the bouquet fields play no part.
int channelsDiffer(const ChannelRecord& a, const ChannelRecord& b, bool ignoreName);

// The used Update-List slots, ascending, that are the same channel as no slot of the main list.
std::vector<int> markUpdateDifferences(ConstChannelList main, ConstChannelList update,
                                       bool ignoreNames);

// Whether a main-list record is missing from the Update-List: a used slot that is the same
// channel, names ignored, as no slot of the update list. Without an Update-List the caller does
// not ask.
bool isDeletedFromUpdate(const ChannelRecord& record, ConstChannelList update);

// isDeletedFromUpdate for every slot of the main list at once.
std::vector<bool> deletedFromUpdate(ConstChannelList main, ConstChannelList update);

} // namespace kanalo
