#include "core/listops/clipboard_block.h"

#include <algorithm>

namespace kanalo {

namespace {

constexpr unsigned kUnknownSatellite = 31;

} // namespace

std::vector<std::uint8_t> encodeClipboardBlock(std::span<const ChannelRecord> records) {
    if (records.empty() || records.size() > kClipboardMaxCount)
        return {};
    std::vector<std::uint8_t> block;
    block.reserve(clipboardBlockSize(records.size()));
    block.push_back(static_cast<std::uint8_t>(records.size() >> 8));
    block.push_back(static_cast<std::uint8_t>(records.size() & 0xFF));
    for (ChannelRecord record : records) {
        record.setMarked(false);
        const ChannelRecord::Image image = record.toImage();
        block.insert(block.end(), image.begin(), image.end());
    }
    return block;
}

std::optional<std::vector<ChannelRecord>>
decodeClipboardBlock(std::span<const std::uint8_t> block) {
    if (block.size() < kClipboardHeaderSize)
        return std::nullopt;
    const std::size_t count = (std::size_t{block[0]} << 8) | block[1];
    if (count == 0 || count > kClipboardMaxCount || block.size() < clipboardBlockSize(count))
        return std::nullopt;
    std::vector<ChannelRecord> records;
    records.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const auto image = block.subspan(kClipboardHeaderSize + i * ChannelRecord::kImageSize)
                               .first<ChannelRecord::kImageSize>();
        ChannelRecord record = ChannelRecord::fromImage(image);
        record.setMarked(false);
        record.setSatelliteIndex(std::min<unsigned>(record.satelliteIndex(), kUnknownSatellite));
        records.push_back(record);
    }
    return records;
}

} // namespace kanalo
