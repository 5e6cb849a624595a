#pragma once

#include "core/channels/channel_table.h"

#include <string_view>

namespace kanalo {

// Longest line the reader takes at once; a longer physical line is cut and read as several.
inline constexpr std::size_t kMaxReadLine = 200;

// Parses the text of a channel list file into the table. Every slot is freed first; the
// channels fill each list from its first slot in file order. Lines that do not parse, and lines
// beyond a full list, are skipped. Any byte sequence is accepted; a zero byte at the start of a
// line ends the text.
void readChannelText(std::string_view text, ChannelTable& table);

// True when the text reads as a channel list file rather than some other text: its channel
// lines outnumber the lines that are neither blank nor channel lines. A stray line of the
// channel shape in a text of other lines does not make it one, nor does a damaged line spoil
// a list.
bool isChannelListText(std::string_view text);

} // namespace kanalo
