#pragma once

#include "core/channels/channel_table.h"

#include <memory>

namespace kanalo::bench {

// 1999 TV and 1999 Radio channels with 31-character names, spread values and every third one
// in the user list with EPG: the largest list a receiver holds.
std::unique_ptr<ChannelTable> fullTable();

} // namespace kanalo::bench
