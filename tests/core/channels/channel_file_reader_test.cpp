#include "core/channels/channel_file_reader.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace kanalo {
namespace {

// A short-form line as the editor writes it, with the fields that tests vary.
std::string tvLine(int videoPid, int userList = 1, std::string_view name = "Example") {
    return "ASTRA 8192 11954000 h 27500   2 28006   255   256 " + std::to_string(videoPid) + " " +
           std::to_string(userList) + " \"" + std::string(name) + "\"\r\n";
}

class Reader : public ::testing::Test {
protected:
    const ChannelRecord& tv(std::size_t slot) const { return table->tv()[slot]; }
    const ChannelRecord& radio(std::size_t slot) const { return table->radio()[slot]; }
    void read(std::string_view text) { readChannelText(text, *table); }

    std::unique_ptr<ChannelTable> table = std::make_unique<ChannelTable>();
};

TEST_F(Reader, ReadsEveryFieldOfTheExampleLine) {
    read("ASTRA 8192 11954000 h 27500   2 28006   255   256   255 1 \"Example\"\r\n");
    ASSERT_EQ(table->tv().occupiedCount(), 1u);
    const ChannelRecord& r = tv(0);
    EXPECT_EQ(r.satelliteIndex(), 0);
    EXPECT_EQ(r.frequency(), 11954);
    EXPECT_EQ(r.polarisation(), 0);
    EXPECT_EQ(r.symbolRate(), 27500);
    EXPECT_EQ(r.fecCode(), 2);
    EXPECT_EQ(r.serviceId(), 28006);
    EXPECT_EQ(r.pcrPid(), 255);
    EXPECT_EQ(r.audioPid(), 256);
    EXPECT_EQ(r.videoPid(), 255);
    EXPECT_TRUE(r.inUserList());
    EXPECT_FALSE(r.epg());
    EXPECT_FALSE(r.marked());
    EXPECT_EQ(r.name(), "Example");
    EXPECT_EQ(r.bouquetNumber(), 0);
    EXPECT_EQ(r.bouquetName(), "");
}

TEST_F(Reader, RoutesByVideoPidAndCapsEachListAt1999) {
    std::string text;
    for (int i = 0; i < 2500; ++i)
        text += tvLine(100 + i % 50, 0, "tv" + std::to_string(i));
    for (int i = 0; i < 10; ++i)
        text += tvLine(0, 0, "radio" + std::to_string(i));
    read(text);
    EXPECT_EQ(table->tv().occupiedCount(), 1999u);
    EXPECT_EQ(tv(1998).name(), "tv1998");
    EXPECT_EQ(table->radio().occupiedCount(), 10u);
    EXPECT_EQ(radio(9).name(), "radio9");
    for (const auto& r : table->radio()) {
        if (!r.isFree()) {
            EXPECT_EQ(r.videoPid(), 0);
        }
    }
}

TEST_F(Reader, RoutesOnTheValueAsReadBeforeMasking) {
    read(tvLine(8192) + tvLine(-8192 + 1));
    ASSERT_EQ(table->tv().occupiedCount(), 2u);
    EXPECT_EQ(tv(0).videoPid(), 0) << "8192 is a TV line even though its PID masks to 0";
    EXPECT_EQ(tv(1).videoPid(), static_cast<unsigned>(-8191) & 0x1FFF);
}

TEST_F(Reader, StopsSettingUserListAfter999PerList) {
    std::string text;
    for (int i = 0; i < 1200; ++i)
        text += "ASTRA 8192 11954000 h 27500 2 1 2 3 4 1 1 \"n\" 0 \"\"\n";
    text += "ASTRA 8192 11954000 h 27500 2 1 2 3 0 1 1 \"radio\" 0 \"\"\n";
    read(text);
    EXPECT_EQ(table->tv().userListCount(), 999u);
    EXPECT_TRUE(tv(998).inUserList());
    EXPECT_TRUE(tv(998).epg());
    EXPECT_FALSE(tv(999).inUserList());
    EXPECT_FALSE(tv(999).epg()) << "EPG is cleared with the user-list flag";
    EXPECT_TRUE(radio(0).inUserList()) << "the Radio list counts separately";
}

TEST_F(Reader, TellsShortAndLongFormsByItemCount) {
    read("ASTRA 8192 11954000 v 27500 2 1 2 3 4 1 0 \"Long\" 77 \"Bouquet\"\n"
         "ASTRA 8192 11954000 v 27500 2 1 2 3 4 1 1 \"Epg\" 1 \"B\"\n"
         "ASTRA 8192 11954000 v 27500 2 1 2 3 4 1 2 \"Odd\" 5 \"Lost\"\n"
         "ASTRA 8192 11954000 v 27500 2 1 2 3 4 1 \"Short\" 5 \"Ignored\"\n"
         "ASTRA 8192 11954000 v 27500 2 1 2 3 4 \"TenItems\"\n");
    ASSERT_EQ(table->tv().occupiedCount(), 4u);
    EXPECT_EQ(tv(0).bouquetNumber(), 77);
    EXPECT_EQ(tv(0).bouquetName(), "Bouquet");
    EXPECT_FALSE(tv(0).epg());
    EXPECT_TRUE(tv(1).epg());
    EXPECT_EQ(tv(2).name(), "Odd") << "field 12 of 2 reads like the short form, name included";
    EXPECT_EQ(tv(2).bouquetNumber(), 0);
    EXPECT_EQ(tv(2).bouquetName(), "");
    EXPECT_FALSE(tv(2).epg());
    EXPECT_EQ(tv(3).name(), "Short");
    EXPECT_EQ(tv(3).bouquetName(), "") << "the short form has no bouquet";
    EXPECT_EQ(tv(3).polarisation(), 1);
}

TEST_F(Reader, ParsesBouquetFieldsAfterTheNameWithFallbacks) {
    read("ASTRA 8192 1 h 1 1 1 1 1 1 0 0 \"NoNumber\" \"B\"\n"
         "ASTRA 8192 1 h 1 1 1 1 1 1 0 0 \"NoQuote\" 12\n"
         "ASTRA 8192 1 h 1 1 1 1 1 1 0 0 \"Open\" 12 \"Unclosed bouquet\n"
         "ASTRA 8192 1 h 1 1 1 1 1 1 0 0 \"Unclosed name 12 \"x\"\n"
         "ASTRA 8192 1 h 1 1 1 1 1 1 0 0 \"Space\"   -1 \"Wrap\"\n");
    EXPECT_EQ(tv(0).bouquetNumber(), 0);
    EXPECT_EQ(tv(0).bouquetName(), "");
    EXPECT_EQ(tv(1).bouquetNumber(), 12);
    EXPECT_EQ(tv(1).bouquetName(), "");
    EXPECT_EQ(tv(2).bouquetName(), "Unclosed bouquet\n");
    EXPECT_EQ(tv(3).name(), "Unclosed name 12 ");
    EXPECT_EQ(tv(3).bouquetNumber(), 0) << "no number right after the closing quote";
    EXPECT_EQ(tv(4).bouquetNumber(), 65535);
    EXPECT_EQ(tv(4).bouquetName(), "Wrap");
}

TEST_F(Reader, TakesNamesBetweenTheFirstQuotesCutTo31) {
    read("ASTRA 8192 1 h 1 1 1 1 1 1 0\n"
         "ASTRA 8192 1 h 1 1 1 1 1 1 0 \"" +
         std::string(40, 'n') +
         "\"\n"
         "ASTRA 8192 1 h 1 1 1 1 1 1 0 \"open end\r\n"
         "ASTRA 8192 1 h 1 1 1 1 1 1 0 \"  padded  \xE4\x86\x87\"\n");
    ASSERT_EQ(table->tv().occupiedCount(), 4u);
    EXPECT_EQ(tv(0).name(), "") << "no quote at all";
    EXPECT_EQ(tv(1).name(), std::string(31, 'n'));
    EXPECT_EQ(tv(2).name(), "open end\r\n") << "an unclosed name keeps the line end";
    EXPECT_EQ(tv(3).name(), "  padded  \xE4\x86\x87");
}

TEST_F(Reader, LooksUpSatellitesByIdOrByShortName) {
    read("User-3 ffffffff 1 h 1 1 1 1 1 1 0 \"a\"\n"
         "ASTRA ffffffff 1 h 1 1 1 1 1 1 0 \"b\"\n"
         "ASTRA 1234 1 h 1 1 1 1 1 1 0 \"c\"\n"
         "EutelSat -1 1 h 1 1 1 1 1 1 0 \"d\"\n"
         "Whatever 8282 1 h 1 1 1 1 1 1 0 \"e\"\n"
         "User15 ffffffff 1 h 1 1 1 1 1 1 0 \"f\"\n"
         "ASTRA 0x8192 1 h 1 1 1 1 1 1 0 \"g\"\n"
         "Nobody ffffffff 1 h 1 1 1 1 1 1 0 \"h\"\n"
         "ASTRA 80008192 1 h 1 1 1 1 1 1 0 \"i\"\n"
         "T\xFCrksat ffffffff 1 h 1 1 1 1 1 1 0 \"j\"\n" +
         std::string(60, 'U') + " ffffffff 1 h 1 1 1 1 1 1 0 \"k\"\n");
    const int expected[] = {19, 0, 31, 1, 5, 31, 0, 31, 31, 7, 31};
    for (std::size_t i = 0; i < std::size(expected); ++i)
        EXPECT_EQ(tv(i).satelliteIndex(), expected[i]) << "line " << i;
}

TEST_F(Reader, ConvertsAndMasksNumbers) {
    read("ASTRA 8192 11954500 V 70000 300 70001 8193 16385 8194 5 \"a\"\n"
         "ASTRA 8192 12000 vertical 1 1 1 1 1 1 0 \"b\"\n"
         "ASTRA 8192 99999999999999999999 h 1 1 1 1 1 1 0 \"c\"\n"
         "ASTRA 8192 -5000 h -1 -1 -1 -1 -1 -1 0 \"d\"\n");
    ASSERT_EQ(table->tv().occupiedCount(), 4u);
    EXPECT_EQ(tv(0).frequency(), 11954);
    EXPECT_EQ(tv(0).polarisation(), 0) << "upper-case V is horizontal";
    EXPECT_EQ(tv(0).symbolRate(), 70000 - 65536);
    EXPECT_EQ(tv(0).fecCode(), 300 - 256);
    EXPECT_EQ(tv(0).serviceId(), 70001 - 65536);
    EXPECT_EQ(tv(0).pcrPid(), 1);
    EXPECT_EQ(tv(0).audioPid(), 1);
    EXPECT_EQ(tv(0).videoPid(), 2);
    EXPECT_TRUE(tv(0).inUserList()) << "any non-zero value";
    EXPECT_EQ(tv(1).frequency(), 12);
    EXPECT_EQ(tv(1).polarisation(), 1);
    EXPECT_LT(tv(2).frequency(), 16384) << "overflowing digits wrap, never undefined";
    EXPECT_EQ(tv(3).frequency(), (0u - 5u) & 0x3FFF);
    EXPECT_EQ(tv(3).symbolRate(), 65535);
    EXPECT_EQ(tv(3).audioPid(), 0x1FFF);
}

TEST_F(Reader, FollowsFormattedInputConventions) {
    // Items need no blank between them where a number ends; any white space separates.
    read("ASTRA\t8192\v11954000h 27500 2 1 2 3 4 0\f\"tight\"\n"
         "ASTRA 8192 1 h 1 1 1 1 1 +7 0 \"plus\"\n"
         "   \r\n"
         "ASTRA 8192 1 h 1 1 1 1 1 x 0 \"bad number\"\n"
         "ASTRA zz 1 h 1 1 1 1 1 1 0 \"bad id\"\n"
         "ASTRA 8192 1 h 1 1 1 1 1 - 0 \"lone sign\"\n");
    ASSERT_EQ(table->tv().occupiedCount(), 2u);
    EXPECT_EQ(tv(0).name(), "tight");
    EXPECT_EQ(tv(0).polarisation(), 0);
    EXPECT_EQ(tv(0).videoPid(), 4);
    EXPECT_EQ(tv(1).videoPid(), 7);
}

TEST_F(Reader, CutsLinesAt200Characters) {
    // 250 characters without a line feed read as a line of 200 and one of 50.
    const std::string second = "ASTRA 8192 1 h 1 1 1 1 1 9 0 \"second\"";
    std::string first = "ASTRA 8192 1 h 1 1 1 1 1 1 0 \"first\"";
    first.append(200 - first.size(), ' ');
    std::string text = first + second;
    text.append(250 - text.size(), ' ');
    ASSERT_EQ(text.size(), 250u);
    read(text);
    ASSERT_EQ(table->tv().occupiedCount(), 2u);
    EXPECT_EQ(tv(0).name(), "first");
    EXPECT_EQ(tv(1).name(), "second");
    EXPECT_EQ(tv(1).videoPid(), 9);
}

TEST_F(Reader, LineOfExactly200WithItsLineFeedIsCut) {
    // The line feed is the 201st character, so it starts a line of its own.
    std::string line = "ASTRA 8192 1 h 1 1 1 1 1 1 0 \"x\"";
    line.append(200 - line.size(), ' ');
    read(line + "\n" + tvLine(5));
    EXPECT_EQ(table->tv().occupiedCount(), 2u);
}

TEST_F(Reader, HandlesZeroBytesAndAMissingFinalLineFeed) {
    using namespace std::string_literals;
    read("ASTRA 8192 1 h 1 1 1 1 1 1 0 \"cut\0ignored\" rest\n"s +
         "ASTRA 8192 1 h 1 1 1 1 1 2 0 \"\0\"\n"s + // a zero inside the quotes empties the name
         "ASTRA 8192 1 h 1 1 1 1 1 3 0 \"last\""s);
    ASSERT_EQ(table->tv().occupiedCount(), 3u);
    EXPECT_EQ(tv(0).name(), "cut");
    EXPECT_EQ(tv(1).name(), "");
    EXPECT_EQ(tv(2).name(), "last");

    read(tvLine(1) + "\0"s + tvLine(2));
    EXPECT_EQ(table->tv().occupiedCount(), 1u) << "a zero at the start of a line ends the text";
}

TEST_F(Reader, ClearsTheTableAndAcceptsEmptyText) {
    read(tvLine(1) + tvLine(0));
    read("");
    EXPECT_EQ(table->tv().occupiedCount(), 0u);
    EXPECT_EQ(table->radio().occupiedCount(), 0u);
}

TEST_F(Reader, SurvivesArbitraryBytes) {
    std::string noise;
    std::uint32_t state = 12345;
    for (int i = 0; i < 200000; ++i) {
        state = state * 1103515245u + 12345u;
        const char alphabet[] = "0123456789abcdefx \t\r\n\"-+vhVH\x86\xff";
        noise += alphabet[(state >> 16) % (sizeof alphabet - 1)];
    }
    read(noise);
    for (const auto& r : table->slots()) {
        if (!r.isFree()) {
            EXPECT_FALSE(r.marked());
            EXPECT_LE(r.name().size(), 31u);
            EXPECT_LT(r.satelliteIndex(), 32);
        }
    }
}

} // namespace
} // namespace kanalo
