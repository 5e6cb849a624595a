#include "core/listops/clipboard_block.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

namespace kanalo {
namespace {

using Bytes = std::vector<std::uint8_t>;

ChannelRecord sample(unsigned serviceId) {
    ChannelRecord record;
    record.setVideoPid(0x1FFF);
    record.setInUserList(true);
    record.setAudioPid(0x0102);
    record.setPcrPid(0x0304);
    record.setEpg(true);
    record.setServiceId(serviceId);
    record.setFrequency(11954);
    record.setPolarisation(1);
    record.setSymbolRate(27500);
    record.setFecCode(5);
    record.setSatelliteIndex(31);
    record.setName("\x86Sport\x87 1");
    record.setBouquetName("Bouquet");
    record.setBouquetNumber(0xBEEF);
    return record;
}

Bytes header(std::size_t count) {
    return {static_cast<std::uint8_t>(count >> 8), static_cast<std::uint8_t>(count & 0xFF)};
}

TEST(ClipboardBlock, LayoutIsABigEndianCountThenLittleEndianImages) {
    const std::vector<ChannelRecord> records(300, sample(0x1234));
    Bytes block = encodeClipboardBlock(records);
    ASSERT_EQ(block.size(), 2u + 80u * 300u);
    EXPECT_EQ(block[0], 0x01);
    EXPECT_EQ(block[1], 0x2C);
    const std::uint8_t* image = block.data() + 2 + 80;
    EXPECT_EQ(image[0], 0xFF); // video PID 8191 with the user-list flag, not free
    EXPECT_EQ(image[1], 0x5F);
    EXPECT_EQ(image[6], 0x34); // service ID, low byte first
    EXPECT_EQ(image[7], 0x12);
    EXPECT_EQ(image[12], 5); // FEC code, then satellite index
    EXPECT_EQ(image[13], 31);
    EXPECT_EQ(image[14], 0x86);
    EXPECT_EQ(image[78], 0xEF);
    EXPECT_EQ(image[79], 0xBE);
}

TEST(ClipboardBlock, RoundTripKeepsEveryFieldAndTheOrder) {
    std::vector<ChannelRecord> records;
    for (unsigned i = 0; i < 1999; ++i)
        records.push_back(sample(i));
    records[7].setFree(true); // a selected free slot travels as free
    const auto decoded = decodeClipboardBlock(encodeClipboardBlock(records));
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(*decoded, records);
}

TEST(ClipboardBlock, EncodingRefusesCountsNoReaderAccepts) {
    EXPECT_TRUE(encodeClipboardBlock({}).empty());
    EXPECT_TRUE(encodeClipboardBlock(std::vector<ChannelRecord>(2000)).empty());
}

TEST(ClipboardBlock, MalformedBlocksAreRejected) {
    EXPECT_FALSE(decodeClipboardBlock({}).has_value());
    EXPECT_FALSE(decodeClipboardBlock(Bytes{0x00}).has_value());
    EXPECT_FALSE(decodeClipboardBlock(header(0)).has_value());
    Bytes tooMany = header(2000);
    tooMany.resize(2 + 80 * 2000);
    EXPECT_FALSE(decodeClipboardBlock(tooMany).has_value());
    Bytes truncated = header(3);
    truncated.resize(2 + 80 * 3 - 1);
    EXPECT_FALSE(decodeClipboardBlock(truncated).has_value());
    // A count read little-endian would fit this block; big-endian it does not.
    Bytes swapped = {0x01, 0x00};
    swapped.resize(2 + 80);
    EXPECT_FALSE(decodeClipboardBlock(swapped).has_value());
}

TEST(ClipboardBlock, TrailingBytesAreIgnoredAndStrayBitsMadeSafe) {
    Bytes block = header(2);
    block.resize(2 + 80 * 2 + 13, 0xFF); // both images all ones, plus rounding slack
    const auto decoded = decodeClipboardBlock(block);
    ASSERT_TRUE(decoded.has_value());
    ASSERT_EQ(decoded->size(), 2u);
    const ChannelRecord& record = decoded->back();
    EXPECT_FALSE(record.marked());
    EXPECT_TRUE(record.isFree());
    EXPECT_EQ(record.satelliteIndex(), 31);
    EXPECT_EQ(record.name().size(), 31u); // an unterminated name is cut to 31 bytes
    EXPECT_EQ(record.bouquetNumber(), 0xFFFF);
}

} // namespace
} // namespace kanalo
