#pragma once

#include "core/channels/channel_table.h"

#include <string>
#include <vector>

namespace kanalo {

// The transponder list: every TV and Radio channel of a table on the satellite, frequency and
// polarisation of one chosen channel (the symbol rate is not compared).

struct TransponderLine {
    ListKind half = ListKind::Tv;
    int slot = 0;
};

bool sameTransponder(const ChannelRecord& a, const ChannelRecord& b);

// TV channels first, each half in slot order; the chosen channel is among them.
std::vector<TransponderLine> transponderChannels(const ChannelTable& table,
                                                 const ChannelRecord& chosen);

// "Transponder %s %u %c": the satellite's display name (empty beyond the table), the frequency
// and H or V. Windows-1252 bytes.
std::string transponderTitle(const ChannelRecord& chosen);

// "%s\t%s": "TV" or "Radio" and the name with its emphasis codes shown as brackets.
std::string transponderLineText(const ChannelRecord& record, ListKind half);

} // namespace kanalo
