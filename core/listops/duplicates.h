#pragma once

#include "core/channels/channel_table.h"

#include <string>
#include <vector>

namespace kanalo {

// Find Duplicates: channels of one list with the same tuning and PID data. Compared are
// frequency, polarisation, satellite, audio PID, PCR PID, service ID, FEC code and, in the TV
// list only, the video PID; names, symbol rates, flags and bouquets are not.
bool sameChannelData(const ChannelRecord& a, const ChannelRecord& b, ListKind kind);

struct DuplicateLine {
    int slot = 0;
    bool head = false; // the first line of a group, marked with an asterisk
};

// Every occupied slot with later duplicates heads a group: its own line, then one line per
// later duplicate in slot order. Groups follow their heads' slots, so a channel found three
// times gives a group of three lines and then a group of two.
std::vector<DuplicateLine> findDuplicates(ConstChannelList list, ListKind kind);

// "%c\t%03d\t%s\t%s\t%02d\t%05d": marker, number, "TV" or "Radio", the name without trailing
// blanks (stored bytes, emphasis codes included), satellite number and frequency.
std::string duplicateLineText(const ChannelRecord& record, int slot, ListKind kind, bool head);

} // namespace kanalo
