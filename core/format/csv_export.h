#pragma once

#include "core/channels/channel_table.h"

#include <string>

namespace kanalo {

// Both lists for a spreadsheet: UTF-8 with a byte order mark (so spreadsheet programs take the
// text as UTF-8), a header row and one row per occupied slot, TV first, lines ending in CR LF.
// Cells show what the list view shows, PIDs in decimal, padding blanks trimmed; RFC 4180
// quoting.
std::string writeCsvText(const ChannelTable& table);

} // namespace kanalo
