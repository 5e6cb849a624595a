#pragma once

#include "core/channels/channel_record.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace kanalo {

// Clipboard format names, one per list, so TV channels never land in the Radio list.
inline constexpr const char* kClipboardFormatTv = "SorrelpadTV";
inline constexpr const char* kClipboardFormatRadio = "SorrelpadRadio";

// A block is the channel count (big-endian, 1..1999) followed by that many 80-byte images.
inline constexpr std::size_t kClipboardHeaderSize = 2;
inline constexpr std::size_t kClipboardMaxCount = 1999;

inline constexpr std::size_t clipboardBlockSize(std::size_t count) {
    return kClipboardHeaderSize + ChannelRecord::kImageSize * count;
}

// 2 + 80n bytes; `marked` is written as 0. Empty for no records or more than 1999, which no
// reader accepts.
std::vector<std::uint8_t> encodeClipboardBlock(std::span<const ChannelRecord> records);

// The records of a block, or nullopt when it is shorter than 2 bytes or than its count says, or
// the count is 0 or above 1999; nothing past the block's end is read. Bytes after the last image
// are ignored (clipboard memory may come rounded up). Records come as they were copied, free
// slots included, except that `marked` is cleared and a satellite index above 31 becomes 31,
// the index that stands for every unknown satellite.
std::optional<std::vector<ChannelRecord>> decodeClipboardBlock(std::span<const std::uint8_t> block);

} // namespace kanalo
