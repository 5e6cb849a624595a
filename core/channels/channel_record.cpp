#include "core/channels/channel_record.h"

#include <algorithm>
#include <cstring>

namespace kanalo {

namespace {

constexpr std::size_t kNameOffset = 14;
constexpr std::size_t kBouquetNameOffset = kNameOffset + ChannelRecord::kTextCapacity;
constexpr std::size_t kBouquetNumberOffset = kBouquetNameOffset + ChannelRecord::kTextCapacity;
static_assert(kBouquetNumberOffset + 2 == ChannelRecord::kImageSize);

void putWord(ChannelRecord::Image& image, std::size_t offset, std::uint16_t value) {
    image[offset] = static_cast<std::uint8_t>(value & 0xFF);
    image[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

std::uint16_t getWord(std::span<const std::uint8_t, ChannelRecord::kImageSize> image,
                      std::size_t offset) {
    return static_cast<std::uint16_t>(image[offset] | (image[offset + 1] << 8));
}

} // namespace

std::string_view ChannelRecord::text(const Text& bytes) {
    const auto end = std::find(bytes.begin(), bytes.end(), '\0');
    return {bytes.data(), static_cast<std::size_t>(end - bytes.begin())};
}

void ChannelRecord::setText(Text& bytes, std::string_view value) {
    // A zero byte inside the value ends the text, as it would for every reader of the record.
    value = value.substr(0, std::min(value.find('\0'), kMaxTextLength));
    bytes.fill('\0');
    std::memcpy(bytes.data(), value.data(), value.size());
}

ChannelRecord::Image ChannelRecord::toImage() const {
    Image image{};
    for (std::size_t i = 0; i < kWordCount; ++i)
        putWord(image, 2 * i, words_[i]);
    std::memcpy(image.data() + kNameOffset, name_.data(), kTextCapacity);
    std::memcpy(image.data() + kBouquetNameOffset, bouquetName_.data(), kTextCapacity);
    putWord(image, kBouquetNumberOffset, bouquetNumber_);
    return image;
}

ChannelRecord ChannelRecord::fromImage(std::span<const std::uint8_t, kImageSize> image) {
    ChannelRecord record;
    for (std::size_t i = 0; i < kWordCount; ++i)
        record.words_[i] = getWord(image, 2 * i);
    std::memcpy(record.name_.data(), image.data() + kNameOffset, kTextCapacity);
    std::memcpy(record.bouquetName_.data(), image.data() + kBouquetNameOffset, kTextCapacity);
    // An image from elsewhere may lack the terminator; the record always keeps one.
    record.name_.back() = '\0';
    record.bouquetName_.back() = '\0';
    record.bouquetNumber_ = getWord(image, kBouquetNumberOffset);
    return record;
}

std::string_view fecRateText(std::uint8_t fecCode) {
    switch (fecCode) {
    case 0:
        return "1/2";
    case 1:
        return "2/3";
    case 2:
        return "3/4";
    case 3:
        return "5/6";
    case 5:
        return "7/8";
    default:
        return ChannelRecord::kNoFecRate;
    }
}

} // namespace kanalo
