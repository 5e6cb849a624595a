#pragma once

#include "core/channels/channel_table.h"

#include <span>
#include <vector>

namespace kanalo {

// Slot algorithms behind Move, Swap, Delete and the two pastes. Every list keeps its 1999 slots:
// removing channels frees slots at the end, inserting consumes free slots from the end.
// Slot and row indices are 0-based; indices outside the list make a function do nothing.

// Moves the record in slot source so that it lands directly below the record that was in slot
// target; the records in between shift by one. Returns the slots whose records changed,
// ascending: empty when source equals target or target is the row just above source.
std::vector<int> moveChannel(ChannelList list, int source, int target);

// Exchanges two records. Returns both slots ascending, or nothing when a equals b.
std::vector<int> swapChannels(ChannelList list, int a, int b);

// Removes the selected slots and moves every later slot up, so the list ends with one freshly
// freed slot per removed one. Any order and duplicates are fine. Leaves `marked` clear everywhere.
void deleteWithCompaction(ChannelList list, std::span<const int> selectedSlots);

// Consecutive free slots at the end of the list.
int trailingFreeCount(ConstChannelList list);

// Consecutive free slots starting at position (0 for position 1999 or an occupied slot).
int freeRunAt(ConstChannelList list, int position);

// Where a paste after the selected row starts: the row below it, except that a free first row
// is filled itself. -1 for a row outside the list.
int insertionPosition(ConstChannelList list, int selectedRow);

enum class PasteOutcome { Done, NotEnoughRoom };

// Both pastes take the records as they come, with two exceptions that keep the list sound:
// `marked` is cleared, and the user list never grows past 999 channels; pasted channels beyond
// that arrive outside the user list and without EPG, the topmost ones keeping their flag.
// Pasting no records is Done and changes nothing.

// Inserts the records at position, moving the slots from there down; the slots pushed off the
// end must all be free. Refused, with the list untouched, when the trailing free slots or the
// room after position are fewer than the records.
PasteOutcome pasteInsert(ChannelList list, int position, std::span<const ChannelRecord> records);

// Writes the records into the run of free slots starting at position, moving nothing. Refused
// when that run is shorter than the records.
PasteOutcome pasteDirect(ChannelList list, int position, std::span<const ChannelRecord> records);

// Where Cut leaves the selection: the row above the first cut row when that row was at 2 or
// higher, else none (-1).
int rowSelectedAfterCut(int firstCutRow);

} // namespace kanalo
