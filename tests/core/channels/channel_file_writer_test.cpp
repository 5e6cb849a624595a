#include "core/channels/channel_file_reader.h"
#include "core/channels/channel_file_writer.h"

#include <gtest/gtest.h>
#include <memory>
#include <random>

namespace kanalo {
namespace {

ChannelRecord exampleRecord() {
    ChannelRecord r;
    r.setSatelliteIndex(0);
    r.setFrequency(11954);
    r.setSymbolRate(27500);
    r.setFecCode(2);
    r.setServiceId(28006);
    r.setPcrPid(255);
    r.setAudioPid(256);
    r.setVideoPid(255);
    r.setInUserList(true);
    r.setName("Example");
    return r;
}

std::string lineOf(const ChannelRecord& record, FileForm form) {
    std::string out;
    appendChannelLine(out, record, form);
    return out;
}

TEST(WriterLine, ShortFormMatchesTheReferenceLine) {
    EXPECT_EQ(lineOf(exampleRecord(), FileForm::Short),
              "ASTRA 8192 11954000 h 27500   2 28006   255   256   255 1 \"Example\"\r\n");
}

TEST(WriterLine, LongFormAddsEpgAndBouquet) {
    ChannelRecord r = exampleRecord();
    r.setEpg(true);
    r.setBouquetNumber(65535);
    r.setBouquetName("Sky");
    EXPECT_EQ(lineOf(r, FileForm::Long),
              "ASTRA 8192 11954000 h 27500   2 28006   255   256   255 1 1 \"Example\" 65535 "
              "\"Sky\"\r\n");
    r.setInUserList(false);
    EXPECT_EQ(lineOf(r, FileForm::Long),
              "ASTRA 8192 11954000 h 27500   2 28006   255   256   255 0 0 \"Example\" 65535 "
              "\"Sky\"\r\n")
        << "EPG is written only for channels in the user list";
}

TEST(WriterLine, PadsNumbersAndWritesUserSatellites) {
    ChannelRecord r;
    r.setSatelliteIndex(26);
    r.setFrequency(3900);
    r.setPolarisation(2);
    r.setName(std::string(31, '\x86'));
    EXPECT_EQ(lineOf(r, FileForm::Short), "User10 ffffffff  3900000 v     0   0     0     0     0"
                                          "     0 0 \"" +
                                              std::string(31, '\x86') + "\"\r\n");
    r.setFrequency(0);
    r.setPolarisation(3);
    r.setSatelliteIndex(250); // out of the table: written as the unknown satellite
    EXPECT_EQ(lineOf(r, FileForm::Short).substr(0, 33), "User15 ffffffff     0000 v     0 ");
    r.setSatelliteIndex(10);
    EXPECT_EQ(lineOf(r, FileForm::Short).substr(0, 17), "Thor/Intelsat 10 ");
}

TEST(WriterLine, LongestLineStaysWithinTheReadersLimit) {
    ChannelRecord r;
    r.setSatelliteIndex(10); // the longest short name
    r.setFrequency(16383);
    r.setSymbolRate(65535);
    r.setFecCode(255);
    r.setServiceId(65535);
    r.setPcrPid(8191);
    r.setAudioPid(8191);
    r.setVideoPid(8191);
    r.setInUserList(true);
    r.setEpg(true);
    r.setName(std::string(31, 'n'));
    r.setBouquetName(std::string(31, 'b'));
    r.setBouquetNumber(65535);
    const std::string line = lineOf(r, FileForm::Long);
    EXPECT_LE(line.size() - 2, 145u);
}

TEST(WriterText, SkipsFreeSlotsTvFirst) {
    auto table = std::make_unique<ChannelTable>();
    ChannelRecord radio = exampleRecord();
    radio.setVideoPid(0);
    radio.setName("Radio");
    table->radio()[7] = radio;
    table->tv()[3] = exampleRecord();
    table->tv()[3].setName("Tv");
    const std::string text = writeChannelText(*table, FileForm::Short);
    EXPECT_LT(text.find("Tv"), text.find("Radio"));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2);

    // Gaps close up after a write and a new read.
    auto reread = std::make_unique<ChannelTable>();
    readChannelText(text, *reread);
    EXPECT_EQ(reread->tv()[0].name(), "Tv");
    EXPECT_EQ(reread->radio()[0].name(), "Radio");
}

// Random records whose every field survives a long-form round trip.
ChannelRecord randomRecord(std::mt19937& random, bool radio) {
    auto next = [&](unsigned limit) { return static_cast<unsigned>(random() % limit); };
    ChannelRecord r;
    r.setVideoPid(radio ? 0 : 1 + next(8191));
    r.setAudioPid(next(8192));
    r.setPcrPid(next(8192));
    r.setServiceId(next(65536));
    r.setFrequency(next(16384));
    r.setPolarisation(next(2));
    r.setSymbolRate(next(65536));
    r.setFecCode(next(256));
    r.setSatelliteIndex(next(32));
    r.setInUserList(next(2));
    r.setEpg(r.inUserList() && next(2));
    r.setBouquetNumber(next(65536));
    std::string name, bouquet;
    for (unsigned i = next(32); i > 0; --i)
        name += static_cast<char>(0x20 + next(0xE0)); // any byte but controls
    for (unsigned i = next(32); i > 0; --i)
        bouquet += static_cast<char>(0x20 + next(0xE0));
    std::erase(name, '"');
    std::erase(bouquet, '"');
    r.setName(name);
    r.setBouquetName(bouquet);
    return r;
}

TEST(WriterRoundTrip, LongFormKeepsEveryFieldOfAFullTable) {
    std::mt19937 random(7);
    auto table = std::make_unique<ChannelTable>();
    for (auto& r : table->tv())
        r = randomRecord(random, false);
    for (auto& r : table->radio())
        r = randomRecord(random, true);
    // Keep within the user-list cap so the reader keeps every flag.
    for (ListKind kind : {ListKind::Tv, ListKind::Radio}) {
        std::size_t inList = 0;
        for (auto& r : table->list(kind))
            if (r.inUserList() && ++inList > kUserListCapacity) {
                r.setInUserList(false);
                r.setEpg(false);
            }
    }
    const std::string text = writeChannelText(*table, FileForm::Long);
    auto reread = std::make_unique<ChannelTable>();
    readChannelText(text, *reread);
    for (std::size_t i = 0; i < kTableCapacity; ++i)
        ASSERT_EQ(reread->slots()[i], table->slots()[i]) << "slot " << i;
    EXPECT_EQ(writeChannelText(*reread, FileForm::Long), text);
}

TEST(WriterRoundTrip, ShortFormDropsEpgAndBouquet) {
    auto table = std::make_unique<ChannelTable>();
    ChannelRecord r = exampleRecord();
    r.setEpg(true);
    r.setBouquetNumber(9);
    r.setBouquetName("B");
    table->tv()[0] = r;
    auto reread = std::make_unique<ChannelTable>();
    readChannelText(writeChannelText(*table, FileForm::Short), *reread);
    const ChannelRecord& back = reread->tv()[0];
    EXPECT_FALSE(back.epg());
    EXPECT_EQ(back.bouquetNumber(), 0);
    EXPECT_EQ(back.bouquetName(), "");
    EXPECT_EQ(back.name(), "Example");
    EXPECT_TRUE(back.inUserList());
}

} // namespace
} // namespace kanalo
