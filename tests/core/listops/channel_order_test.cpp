#include "core/listops/channel_order.h"
#include "tests/support/channel_builder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <utility>

namespace kanalo {
namespace {

using test::Channel;

int order(ColumnKind key, const Channel& a, const Channel& b, ListKind list = ListKind::Tv) {
    const int result = compareChannels(key, list, a.record(), b.record());
    return (result > 0) - (result < 0);
}

TEST(ChannelOrder, NameKeyFoldsAsciiCaseDropsEmphasisAndComparesBytesUnsigned) {
    constexpr auto kName = ColumnKind::Name;
    EXPECT_EQ(order(kName, {.name = "Das Erste"}, {.name = "DAS ERSTE"}), 0);
    EXPECT_EQ(order(kName, {.name = "\x86ZDF\x87"}, {.name = "zdf"}), 0);
    EXPECT_EQ(order(kName,
                    {.name = "\x86"
                             "B\x87"},
                    {.name = "C"}),
              -1);
    EXPECT_EQ(order(kName, {.name = "\xC4rger"}, {.name = "zzz"}), 1);
    EXPECT_EQ(order(kName, {.name = "\xFF"}, {.name = "\x80"}), 1);
    EXPECT_EQ(order(kName, {.name = "[x"}, {.name = "a"}), -1); // only A-Z fold
    EXPECT_EQ(order(kName, {.name = "ab"}, {.name = "ABC"}), -1);
    EXPECT_EQ(order(kName, {.name = ""}, {.name = "0"}), -1);
    // The name leads; equal names fall back to satellite, frequency and PID.
    EXPECT_EQ(order(kName, {.name = "Arte", .sat = 9}, {.name = "bbc", .sat = 0}), -1);
    EXPECT_EQ(order(kName, {.name = "zdf", .sat = 1}, {.name = "ZDF", .sat = 0}), 1);
    EXPECT_EQ(order(kName, {.name = "zdf", .freq = 12000}, {.name = "ZDF", .freq = 12001}), -1);
    EXPECT_EQ(order(kName, {.name = "zdf", .videoPid = 300}, {.name = "ZDF", .videoPid = 200}), 1);
}

TEST(ChannelOrder, EachKeyLeadsWithItsFieldThenTheCommonTieBreaks) {
    const Channel sat0High{.name = "b", .sat = 0, .freq = 12600};
    const Channel sat1Low{.name = "a", .sat = 1, .freq = 10700};
    EXPECT_EQ(order(ColumnKind::SatNumber, sat0High, sat1Low), -1);
    EXPECT_EQ(order(ColumnKind::SatName, sat0High, sat1Low), -1);
    EXPECT_EQ(order(ColumnKind::Frequency, sat0High, sat1Low), 1);
    EXPECT_EQ(order(ColumnKind::Frequency, {.sat = 0, .videoPid = 9}, {.sat = 1, .videoPid = 1}),
              -1);
    EXPECT_EQ(order(ColumnKind::SatNumber, {.name = "z", .videoPid = 1}, {.name = "A"}), -1);
    EXPECT_EQ(order(ColumnKind::SatNumber, {.name = "A"}, {.name = "b"}), -1);
    // Horizontal before vertical whatever the rest, then satellite, frequency and PID.
    EXPECT_EQ(
        order(ColumnKind::Polarisation, {.sat = 31, .freq = 12700}, {.freq = 10700, .pol = 1}), -1);
    EXPECT_EQ(order(ColumnKind::Polarisation, {.sat = 0, .freq = 12700}, {.sat = 1, .freq = 10700}),
              -1);
    EXPECT_EQ(order(ColumnKind::Polarisation, {.freq = 10700, .videoPid = 9},
                    {.freq = 10701, .videoPid = 1}),
              -1);
    // PID is the video PID in the TV list and the audio PID in the Radio list.
    const Channel a{.name = "b", .videoPid = 100, .audioPid = 900};
    const Channel b{.name = "a", .videoPid = 200, .audioPid = 800};
    for (const ColumnKind key :
         {ColumnKind::SatNumber, ColumnKind::Frequency, ColumnKind::Polarisation}) {
        EXPECT_EQ(order(key, a, b, ListKind::Tv), -1);
        EXPECT_EQ(order(key, a, b, ListKind::Radio), 1);
    }
    EXPECT_EQ(order(ColumnKind::SymbolRate, {.symbolRate = 1}, {.symbolRate = 2}), 0);
}

TEST(ChannelOrder, FreeSlotsComeLastAndEqualEachOtherUnderEveryKey) {
    const Channel last{.name = "\xFF", .sat = 31, .freq = 16383, .pol = 3, .videoPid = 8191};
    const Channel staleA{.name = "a", .freq = 1, .free = true};
    const Channel staleB{.name = "z", .sat = 9, .freq = 9999, .free = true};
    for (const ColumnKind key :
         {ColumnKind::Name, ColumnKind::SatName, ColumnKind::Frequency, ColumnKind::Polarisation}) {
        for (const ListKind list : {ListKind::Tv, ListKind::Radio}) {
            EXPECT_EQ(order(key, last, staleA, list), -1);
            EXPECT_EQ(order(key, staleA, last, list), 1);
            EXPECT_EQ(order(key, staleA, staleB, list), 0);
        }
    }
}

TEST(SortedSlotOrder, IsAPermutationInChannelOrderOnAListFullOfTies) {
    static const char* const kNames[] = {"ARD",
                                         "ard",
                                         "\x86"
                                         "ARD\x87",
                                         "Arte",
                                         "",
                                         "\xC4rger",
                                         "zdf",
                                         "[x]"};
    std::mt19937 random(7);
    std::uniform_int_distribution<unsigned> small(0, 2);
    ChannelTable table;
    for (ChannelRecord& slot : table.tv())
        slot = Channel{.name = kNames[random() % 8],
                       .sat = small(random),
                       .freq = 10700 + small(random),
                       .pol = small(random),
                       .videoPid = small(random),
                       .audioPid = small(random),
                       .free = random() % 7 == 0}
                   .record();
    const ConstChannelList channels = std::as_const(table).tv();
    for (const ListKind list : {ListKind::Tv, ListKind::Radio}) {
        for (const ColumnKind key : {ColumnKind::Name, ColumnKind::SatNumber, ColumnKind::Frequency,
                                     ColumnKind::Polarisation}) {
            std::vector<int> slots = sortedSlotOrder(channels, list, key);
            for (std::size_t i = 1; i < slots.size(); ++i)
                ASSERT_LE(compareChannels(key, list, channels[slots[i - 1]], channels[slots[i]]),
                          0);
            std::sort(slots.begin(), slots.end());
            ASSERT_EQ(std::adjacent_find(slots.begin(), slots.end()), slots.end());
        }
    }
    const std::vector<int> unsorted = sortedSlotOrder(channels, ListKind::Tv, ColumnKind::Number);
    EXPECT_TRUE(std::is_sorted(unsorted.begin(), unsorted.end()));
}

TEST(RewriteInOrder, MovesRecordsThroughCyclesAndLeavesTheOtherListAlone) {
    ChannelTable table;
    table.clear();
    for (std::size_t i = 0; i < 5; ++i)
        table.tv()[i] = Channel{.name = std::string_view("edcba").substr(i, 1)}.record();
    table.radio()[0] = Channel{.name = "radio", .videoPid = 0}.record();
    const ChannelRecord radio = table.radio()[0];
    rewriteInOrder(table.tv(), sortedSlotOrder(table.tv(), ListKind::Tv, ColumnKind::Name));
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_EQ(table.tv()[i].name(), std::string_view("abcde").substr(i, 1));
    EXPECT_TRUE(table.tv()[5].isFree());
    EXPECT_EQ(table.radio()[0], radio);
}

TEST(OrderByNumberTexts, OrdersByNumberAndKeepsRowOrderOnTies) {
    EXPECT_EQ(orderByNumberTexts(std::vector<int>{3, 1, 2, 1, -5, 3}),
              (std::vector<int>{4, 1, 3, 2, 0, 5}));
    // Enough rows that an unstable sort would reorder the ties.
    std::vector<int> numbers(1999);
    for (std::size_t i = 0; i < numbers.size(); ++i)
        numbers[i] = static_cast<int>(i * 7 % 5);
    const std::vector<int> rows = orderByNumberTexts(numbers);
    for (std::size_t i = 1; i < rows.size(); ++i)
        ASSERT_TRUE(numbers[rows[i - 1]] < numbers[rows[i]] || rows[i - 1] < rows[i]);
}

} // namespace
} // namespace kanalo
