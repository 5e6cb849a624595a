#pragma once

#include "core/channels/channel_table.h"

#include <string>
#include <string_view>

namespace kanalo {

// Appends the bytes as a JSON string in which each byte b stands as the character U+00bb,
// so the text can be turned back into exactly the stored bytes.
void appendJsonByteString(std::string& out, std::string_view bytes);

// One JSON object per occupied slot, TV list first, each on its own line.
std::string dumpChannelTable(const ChannelTable& table);

} // namespace kanalo
