#include "core/format/csv_export.h"
#include "core/listops/vdr_channels.h"
#include "tests/support/channel_builder.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <vector>

namespace kanalo {
namespace {

// Every occupied record of a list, in slot order.
std::vector<ChannelRecord> channels(const ChannelTable& table, ListKind kind) {
    std::vector<ChannelRecord> out;
    for (const auto& record : table.list(kind))
        if (!record.isFree())
            out.push_back(record);
    return out;
}

ChannelRecord expected(test::Channel channel, std::string_view bouquet, unsigned group) {
    ChannelRecord record = channel.record();
    record.setBouquetName(bouquet);
    record.setBouquetNumber(group);
    record.setInUserList(true);
    return record;
}

TEST(VdrImport, MapsEachFieldAndCountsWhatItSkips) {
    const std::string text =
        "\xEF\xBB\xBF# comment\n\n"
        "Before,B;Prov A:11954:HC34M2S0:S19.2E:27500:255+256=2:257=deu@3,258;259=deu@106:0:0:"
        "28006:1:1001:0\r\n"
        ":@5 Gruppe Eins\n"
        "Kanal|Zwei Süd 日本 Extra Langer Name;Anbieter \"X\":12188000:VC78S0:S13.0E:22000:511=2:"
        ";600=deu@106:0:0:1:0:0:0\n"
        "Radio;R:10744:LC12:S5.0W:22000:0:801=deu:0:0:17:0:0:0\n"
        "Unknown Sat:11000:RC910:S99.9E:27500:300:301:0:0:2:0:0:0\n"
        "HD;P:11494:HC23M5O35S1:S19.2E:22000:5101=27:5102=deu@3:0:0:28106:1:1011:0\n"
        "Kabel:346000:M256:C:6900:101:102:0:0:1:0:0:0\n"
        "Short:1:2:3\n"
        "Bad:x:H:S19.2E:1:1:1:0:0:1:0:0:0\n"
        "Bad2:1:H:S19.2X:1:1:1:0:0:1:0:0:0\n"
        ":Radio\n"
        "Thor;;x:11216:VM2:S1W:24500:0+99:0;0:0:0:3:0:0:0";
    auto table = std::make_unique<ChannelTable>();
    const VdrImportCounts counts = importVdrText(text, *table);
    const std::string cutName = std::string("Kanal:Zwei S\xFC"
                                            "d ?? Extra Langer Name")
                                    .substr(0, 31);
    EXPECT_EQ(channels(*table, ListKind::Tv),
              (std::vector{
                  expected({"Before", 0, 11954, 0, 255, 257, 256, 28006, 27500, 2}, "Prov A", 0),
                  expected({cutName, 1, 12188, 1, 511, 600, 511, 1, 22000, 5}, "Anbieter  X ", 1),
                  expected({"Unknown Sat", 31, 11000, 1, 300, 301, 300, 2, 27500, 4}, "", 1)}));
    EXPECT_EQ(channels(*table, ListKind::Radio),
              (std::vector{expected({"Radio", 12, 10744, 0, 0, 801, 801, 17, 22000, 0}, "R", 1),
                           expected({"Thor", 10, 11216, 1, 0, 0, 99, 3, 24500, 4}, ";x", 2)}));
    EXPECT_EQ(vdrImportSummary(counts), "3 TV and 2 Radio channels imported; 5 skipped (DVB-S2: 1, "
                                        "not satellite: 1, unreadable: 3, lists full: 0).");
}

TEST(VdrImport, ListsStopAt1999WithTheUserListAt999) {
    std::string text;
    for (int i = 0; i < 2100; ++i)
        text += "TV " + std::to_string(i) + ":11954:H:S19.2E:27500:255:256:0:0:1:0:0:0\n";
    text += ":Radio\nR:11954:H:S19.2E:27500:0:256:0:0:1:0:0:0\n";
    auto table = std::make_unique<ChannelTable>();
    const VdrImportCounts counts = importVdrText(text, *table);
    const ConstChannelList tv = std::as_const(*table).tv();
    EXPECT_EQ(tv.occupiedCount(), kListCapacity);
    EXPECT_EQ(tv.userListCount(), kUserListCapacity);
    EXPECT_TRUE(tv[998].inUserList() && !tv[999].inUserList());
    EXPECT_EQ(tv[1998].name(), "TV 1998");
    EXPECT_EQ(table->radio()[0].bouquetNumber(), 1);
    EXPECT_EQ(vdrImportSummary(counts), "1999 TV and 1 Radio channels imported; 101 skipped "
                                        "(DVB-S2: 0, not satellite: 0, unreadable: 0, lists "
                                        "full: 101).");
}

TEST(VdrReadFile, RefusesAFileWithoutASatelliteChannelLine) {
    const test::TempDir dir;
    std::string text = "untouched";
    EXPECT_EQ(readVdrFile(dir / "missing.conf", text), DvbReadStatus::CannotOpen);
    for (const std::string_view content :
         {"", "# only a comment\n:Group\n",
          "ASTRA 8192 11954000 h 27500   2 28006   255   256   255 1 \"Example\"\r\n"}) {
        test::writeFile(dir / "wrong.conf", content);
        EXPECT_EQ(readVdrFile(dir / "wrong.conf", text), DvbReadStatus::WrongVersion) << content;
    }
    EXPECT_EQ(text, "untouched");
    // DVB-S2 or cable only: a channels.conf, though nothing in it can be imported.
    for (const std::string_view content : {"HD:11494:HS1:S19.2E:22000:5101:5102:0:0:1:0:0:0\n",
                                           "Kabel:346000:M256:C:6900:101:102:0:0:1:0:0:0\n"}) {
        test::writeFile(dir / "none.conf", content);
        EXPECT_EQ(readVdrFile(dir / "none.conf", text), DvbReadStatus::Ok);
        EXPECT_EQ(text, content);
    }
}

// Random lists of every field the format carries: names and bouquet names of any byte but
// the format's separators, the quote and the emphasis codes; satellites with and without a
// position; free slots between the channels.
std::unique_ptr<ChannelTable> randomTable(std::mt19937& random) {
    const auto pick = [&random](unsigned limit) { return random() % limit; };
    const auto text = [&] {
        std::string out;
        for (unsigned length = pick(32); out.size() < length;)
            if (const char c = static_cast<char>(1 + pick(255));
                std::string_view(",;|\"\r\n\x86\x87").find(c) == std::string_view::npos &&
                (c != '#' || !out.empty()))
                out += c;
        return out;
    };
    auto table = std::make_unique<ChannelTable>();
    table->clear();
    for (const ListKind kind : {ListKind::Tv, ListKind::Radio}) {
        const unsigned count = pick(kListCapacity + 1);
        for (unsigned slot = 0; slot < count; ++slot) {
            if (pick(8) == 0)
                continue;
            ChannelRecord& r = table->list(kind)[slot];
            r = ChannelRecord();
            r.setName(text());
            r.setBouquetName(text());
            r.setSatelliteIndex(pick(10) == 0 ? 17 + pick(15) : pick(17));
            r.setFrequency(pick(1u << 14));
            r.setPolarisation(pick(4));
            r.setSymbolRate(pick(1u << 16));
            r.setFecCode(pick(8));
            r.setVideoPid(kind == ListKind::Tv ? 1 + pick(8191) : 0);
            r.setAudioPid(pick(8192));
            r.setPcrPid(pick(4) == 0 ? r.audioPid() : pick(8192));
            r.setServiceId(pick(1u << 16));
            r.setInUserList(pick(2));
            r.setEpg(pick(2));
        }
    }
    return table;
}

TEST(VdrRoundTrip, ImportOfAnExportGivesBackEveryCarriedField) {
    std::mt19937 random(20240516);
    auto back = std::make_unique<ChannelTable>();
    for (int round = 0; round < 12; ++round) {
        const auto table = randomTable(random);
        const VdrExport exported = writeVdrText(*table);
        const VdrImportCounts counts = importVdrText(exported.text, *back);
        std::size_t withoutPosition = 0;
        for (const ListKind kind : {ListKind::Tv, ListKind::Radio}) {
            std::vector<ChannelRecord> want;
            for (ChannelRecord r : channels(*table, kind)) {
                if (r.satelliteIndex() >= 17) {
                    ++withoutPosition;
                    continue;
                }
                r.setPolarisation(r.polarisation() == 0 ? 0 : 1);
                r.setFecCode(fecRateText(r.fecCode()) == ChannelRecord::kNoFecRate ? 4
                                                                                   : r.fecCode());
                r.setInUserList(want.size() < kUserListCapacity);
                r.setEpg(false);
                r.setBouquetNumber(kind == ListKind::Tv ? 1 : 2);
                want.push_back(r);
            }
            ASSERT_EQ(channels(*back, kind), want) << "round " << round;
        }
        EXPECT_EQ(exported.skipped, withoutPosition);
        EXPECT_EQ(counts.skipped(), 0u);
    }
}

TEST(CsvExport, QuotesAsRfc4180AndShowsCellsAsTheListDoes) {
    auto table = std::make_unique<ChannelTable>();
    table->clear();
    ChannelRecord tv = test::Channel{"Say \"Hi\", S\xFC\x64  ", 7}.record();
    tv.setInUserList(true);
    tv.setEpg(true);
    tv.setBouquetNumber(3);
    tv.setBouquetName("Line\nbreak");
    table->tv()[1] = tv;
    table->radio()[0] =
        test::Channel{"\x86Welle\x87", 31, 12000, 1, 0, 80, 81, 5, 22000, 6}.record();
    EXPECT_EQ(writeCsvText(*table),
              "\xEF\xBB\xBFList,No.,Name,Sat,Sat name,Frequency,Pol,SR,FEC,PCR,VPID,APID,SID,"
              "User list,EPG,Bouquet number,Bouquet name\r\n"
              "TV,2,\"Say \"\"Hi\"\", Süd\",8,Türksat 31.3° O,11954,H,27500,3/4,255,255,256,28006,"
              "1,1,3,\"Line\nbreak\"\r\n"
              "Radio,1,[Welle],32,User 15,12000,V,22000,---,81,,80,5,0,0,0,\r\n");

    // Texts a spreadsheet would evaluate stay texts; numbers are left alone.
    table->clear();
    const std::string_view formulas[][2] = {
        {"=1+1", "'=1+1"}, {"@SUM(A1)", "'@SUM(A1)"}, {"+cmd|x", "'+cmd|x"}, {"-2+3", "'-2+3"}};
    for (std::size_t i = 0; i < std::size(formulas); ++i) {
        ChannelRecord r = test::Channel{formulas[i][0]}.record();
        r.setBouquetName(formulas[i][0]);
        table->tv()[i] = r;
    }
    const std::string csv = writeCsvText(*table);
    for (const auto& [formula, guarded] : formulas) {
        EXPECT_NE(csv.find("," + std::string(guarded) + ",1,Astra"), std::string::npos);
        EXPECT_NE(csv.find("," + std::string(guarded) + "\r\n"), std::string::npos);
    }
    EXPECT_EQ(csv.find(",=1+1"), std::string::npos);
}

} // namespace
} // namespace kanalo
