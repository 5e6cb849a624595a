#include "core/channels/channel_record.h"
#include "core/channels/channel_table.h"

#include <gtest/gtest.h>

namespace kanalo {
namespace {

ChannelRecord fullRecord() {
    ChannelRecord r;
    r.setVideoPid(0x1ABC);
    r.setInUserList(true);
    r.setAudioPid(0x0123);
    r.setPcrPid(0x1FFF);
    r.setEpg(true);
    r.setServiceId(0xBEEF);
    r.setFrequency(11954);
    r.setPolarisation(1);
    r.setSymbolRate(27500);
    r.setFecCode(5);
    r.setSatelliteIndex(17);
    r.setName("Name");
    r.setBouquetName("Bouquet");
    r.setBouquetNumber(0x1234);
    return r;
}

TEST(ChannelRecordFields, SettersKeepTheOtherBitsOfTheirWord) {
    ChannelRecord r = fullRecord();
    r.setVideoPid(0);
    EXPECT_TRUE(r.inUserList());
    EXPECT_FALSE(r.isFree());
    r.setFree(true);
    r.setMarked(true);
    EXPECT_EQ(r.videoPid(), 0);
    EXPECT_TRUE(r.inUserList());
    EXPECT_EQ(r.word(0), 0x2000 | 0x4000 | 0x8000);

    r.setEpg(false);
    EXPECT_EQ(r.pcrPid(), 0x1FFF);
    r.setPcrPid(5);
    EXPECT_EQ(r.word(2), 5);

    r.setPolarisation(3);
    EXPECT_EQ(r.frequency(), 11954);
    r.setFrequency(0);
    EXPECT_EQ(r.polarisation(), 3);
    EXPECT_EQ(r.word(4), 0xC000);

    r.setSatelliteIndex(0xFF);
    EXPECT_EQ(r.fecCode(), 5);
    r.setFecCode(0);
    EXPECT_EQ(r.word(6), 0xFF00);
}

TEST(ChannelRecordFields, ValuesAreCutToTheFieldWidth) {
    ChannelRecord r;
    r.setVideoPid(8192 + 7);
    EXPECT_EQ(r.videoPid(), 7);
    EXPECT_FALSE(r.isFree()) << "a too large PID must not spill into the flags";
    r.setAudioPid(0xFFFF);
    EXPECT_EQ(r.audioPid(), 0x1FFF);
    EXPECT_EQ(r.word(1), 0x1FFF) << "reserved bits stay 0";
    r.setPcrPid(0xFFFF);
    EXPECT_FALSE(r.epg());
    r.setFrequency(16384 + 12);
    EXPECT_EQ(r.frequency(), 12);
    EXPECT_EQ(r.polarisation(), 0);
    r.setPolarisation(5);
    EXPECT_EQ(r.polarisation(), 1);
    r.setSymbolRate(65536 + 3);
    EXPECT_EQ(r.symbolRate(), 3);
    r.setFecCode(0x1FF);
    EXPECT_EQ(r.fecCode(), 0xFF);
    EXPECT_EQ(r.satelliteIndex(), 0);
    r.setBouquetNumber(70000);
    EXPECT_EQ(r.bouquetNumber(), 70000 - 65536);
}

TEST(ChannelRecordTexts, KeepAtMost31BytesAndAZero) {
    ChannelRecord r;
    const std::string exact(31, 'x');
    r.setName(exact);
    EXPECT_EQ(r.name(), exact);
    r.setName(exact + "y");
    EXPECT_EQ(r.name(), exact);
    r.setName("ab");
    EXPECT_EQ(r.name(), "ab") << "a shorter name must not keep the tail of a longer one";
    r.setBouquetName(std::string("\x86Gold\x87", 6));
    EXPECT_EQ(r.bouquetName(), "\x86Gold\x87");
    r.setName(std::string_view("a\0b", 3));
    EXPECT_EQ(r.name(), "a");
}

TEST(ChannelRecordImage, HasTheDocumentedLittleEndianLayout) {
    const ChannelRecord r = fullRecord();
    const ChannelRecord::Image image = r.toImage();
    ASSERT_EQ(image.size(), 80u);
    EXPECT_EQ(image[0], 0xBC); // word A: video PID 0x1ABC with the user-list bit
    EXPECT_EQ(image[1], 0x1A | 0x40);
    EXPECT_EQ(image[2], 0x23);
    EXPECT_EQ(image[3], 0x01);
    EXPECT_EQ(image[4], 0xFF); // word C: PCR 0x1FFF with EPG
    EXPECT_EQ(image[5], 0x3F);
    EXPECT_EQ(image[6], 0xEF);
    EXPECT_EQ(image[7], 0xBE);
    EXPECT_EQ(image[8] | image[9] << 8, 11954 | 0x4000);
    EXPECT_EQ(image[10] | image[11] << 8, 27500);
    EXPECT_EQ(image[12], 5);  // FEC code
    EXPECT_EQ(image[13], 17); // satellite index
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&image[14])), "Name");
    EXPECT_EQ(image[14 + 31], 0);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&image[46])), "Bouquet");
    EXPECT_EQ(image[78], 0x34);
    EXPECT_EQ(image[79], 0x12);
}

TEST(ChannelRecordImage, RoundTripsAndForcesTerminators) {
    const ChannelRecord r = fullRecord();
    const auto image = r.toImage();
    EXPECT_EQ(ChannelRecord::fromImage(image), r);

    ChannelRecord::Image foreign;
    foreign.fill('A');
    const ChannelRecord fromForeign = ChannelRecord::fromImage(foreign);
    EXPECT_EQ(fromForeign.name(), std::string(31, 'A'));
    EXPECT_EQ(fromForeign.bouquetName(), std::string(31, 'A'));
}

TEST(FecRate, NamesOnlyTheKnownCodes) {
    EXPECT_EQ(fecRateText(0), "1/2");
    EXPECT_EQ(fecRateText(3), "5/6");
    EXPECT_EQ(fecRateText(4), "---");
    EXPECT_EQ(fecRateText(5), "7/8");
    EXPECT_EQ(fecRateText(6), "---");
}

TEST(ChannelTable, HalvesAreTheTwoListsAndCountOccupiedSlots) {
    ChannelTable table;
    EXPECT_EQ(table.tv().occupiedCount(), 0u);
    table.radio()[0].setFree(false);
    EXPECT_TRUE(table.slots()[kListCapacity].isFree() == false);
    table.tv()[kListCapacity - 1].setFree(false);
    table.tv()[kListCapacity - 1].setInUserList(true);
    table.tv()[5].setInUserList(true); // free slots never count
    EXPECT_EQ(table.tv().occupiedCount(), 1u);
    EXPECT_EQ(table.tv().userListCount(), 1u);
    EXPECT_EQ(table.radio().userListCount(), 0u);
    EXPECT_EQ(slotKind(table.tv()[5], ListKind::Tv), SlotKind::Free);
    EXPECT_EQ(slotKind(table.radio()[0], ListKind::Radio), SlotKind::Radio);
    table.clear();
    EXPECT_EQ(table.radio().occupiedCount(), 0u);
}

} // namespace
} // namespace kanalo
