#pragma once

#include "core/channels/channel_table.h"

#include <cstddef>
#include <span>
#include <vector>

namespace kanalo {

// "Change selected channels", the two flag toggles and the new-channel defaults. The set
// functions visit the selected slots from the top down (any order and duplicates are fine,
// slots outside the list are ignored) and return the slots whose records changed, ascending.
// Apart from freeSlots they leave free slots alone.

// On: adds channels while the user list holds fewer than 999, top first; channels already in it
// do not count again. Off: clears the user-list flag and EPG.
std::vector<int> setUserList(ChannelList list, std::span<const int> selected, bool on);
// On only for channels in the user list; off for every channel.
std::vector<int> setEpg(ChannelList list, std::span<const int> selected, bool on);
// Polarisation above 1 (only horizontal and vertical are offered) and satellite above 31 change
// nothing. Frequency and symbol rate are stored cut to their fields, as the channel dialog
// stores them.
std::vector<int> setPolarisation(ChannelList list, std::span<const int> selected, unsigned value);
std::vector<int> setFrequency(ChannelList list, std::span<const int> selected, unsigned mhz);
std::vector<int> setSymbolRate(ChannelList list, std::span<const int> selected, unsigned rate);
std::vector<int> setSatellite(ChannelList list, std::span<const int> selected, unsigned index);
// Frees every selected slot in place; nothing moves.
std::vector<int> freeSlots(ChannelList list, std::span<const int> selected);

// Inverts `inUserList` unless that would pass 999; EPG is left as it is. True when changed.
// Both toggles do nothing on a free slot.
bool toggleUserList(ChannelList list, int slot);
// Inverts `epg` when it is set or the channel is in the user list. True when changed.
bool toggleEpg(ChannelList list, int slot);

// Turns the record into a new channel of the given list, keeping `pcrPid` and the reserved bits.
// userListCount is the list's count with the record still in place: a channel in the user list
// that is being replaced frees its own place for the new one.
void writeNewChannelDefaults(ChannelRecord& record, ListKind kind, std::size_t userListCount);

// What the symbol rate dialog starts with: the first selected record's rate, or 27500 when that
// is below 1000.
unsigned initialSymbolRate(const ChannelRecord& first);

} // namespace kanalo
