#include "channel_builder.h"
#include "ops/channel_order.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <utility>

namespace kanalo {
namespace {

using test::Channel;
using test::freeSlot;

int sign(int value) {
    return (value > 0) - (value < 0);
}

int tv(ColumnKind key, const ChannelRecord& a, const ChannelRecord& b) {
    return sign(compareChannels(key, ListKind::Tv, a, b));
}

TEST(ChannelOrderName, FoldsAsciiCaseAndFallsBackToSatelliteFrequencyAndPid) {
    EXPECT_EQ(tv(ColumnKind::Name, Channel{.name = "Das Erste"}.record(),
                 Channel{.name = "DAS ERSTE"}.record()),
              0);
    EXPECT_LT(tv(ColumnKind::Name, Channel{.name = "zdf", .sat = 0}.record(),
                 Channel{.name = "ZDF", .sat = 1}.record()),
              0);
    EXPECT_LT(tv(ColumnKind::Name, Channel{.name = "ZDF", .sat = 1, .freq = 12000}.record(),
                 Channel{.name = "zdf", .sat = 1, .freq = 12001}.record()),
              0);
    EXPECT_GT(tv(ColumnKind::Name, Channel{.name = "zdf", .videoPid = 300}.record(),
                 Channel{.name = "ZDF", .videoPid = 200}.record()),
              0);
    // The name leads over every numeric key.
    EXPECT_LT(tv(ColumnKind::Name, Channel{.name = "Arte", .sat = 9}.record(),
                 Channel{.name = "bbc", .sat = 0}.record()),
              0);
}

TEST(ChannelOrderName, IgnoresEmphasisBytesAndComparesOtherBytesUnsigned) {
    EXPECT_EQ(tv(ColumnKind::Name, Channel{.name = "\x86ZDF\x87"}.record(),
                 Channel{.name = "ZDF"}.record()),
              0);
    EXPECT_LT(tv(ColumnKind::Name,
                 Channel{.name = "\x86"
                                 "B\x87"}
                     .record(),
                 Channel{.name = "C"}.record()),
              0);
    EXPECT_GT(
        tv(ColumnKind::Name, Channel{.name = "\xC4rger"}.record(), Channel{.name = "zzz"}.record()),
        0);
    EXPECT_GT(
        tv(ColumnKind::Name, Channel{.name = "\xFF"}.record(), Channel{.name = "\x80"}.record()),
        0);
    // Only A-Z fold: "[" (0x5B) stays below the folded letters, "_" too.
    EXPECT_LT(tv(ColumnKind::Name, Channel{.name = "[x"}.record(), Channel{.name = "A"}.record()),
              0);
    EXPECT_LT(tv(ColumnKind::Name, Channel{.name = "ab"}.record(), Channel{.name = "abc"}.record()),
              0);
    EXPECT_LT(tv(ColumnKind::Name, Channel{.name = ""}.record(), Channel{.name = "0"}.record()), 0);
}

TEST(ChannelOrderKeys, SatelliteFrequencyAndPolarisationLeadInTheirOrder) {
    const ChannelRecord sat0High = Channel{.name = "b", .sat = 0, .freq = 12600}.record();
    const ChannelRecord sat1Low = Channel{.name = "a", .sat = 1, .freq = 10700}.record();
    EXPECT_LT(tv(ColumnKind::SatNumber, sat0High, sat1Low), 0);
    EXPECT_LT(tv(ColumnKind::SatName, sat0High, sat1Low), 0);
    EXPECT_GT(tv(ColumnKind::Frequency, sat0High, sat1Low), 0);
    EXPECT_GT(tv(ColumnKind::Name, sat0High, sat1Low), 0);

    // Frequency ties go to the satellite, then the PID, then the name.
    EXPECT_LT(tv(ColumnKind::Frequency, Channel{.sat = 0, .videoPid = 900}.record(),
                 Channel{.sat = 1, .videoPid = 100}.record()),
              0);
    EXPECT_LT(tv(ColumnKind::Frequency, Channel{.name = "z", .videoPid = 100}.record(),
                 Channel{.name = "a", .videoPid = 900}.record()),
              0);
    EXPECT_LT(
        tv(ColumnKind::SatNumber, Channel{.name = "A"}.record(), Channel{.name = "b"}.record()), 0);

    // Horizontal before vertical whatever the rest; within one, satellite then frequency.
    EXPECT_LT(tv(ColumnKind::Polarisation, Channel{.sat = 31, .freq = 12700, .pol = 0}.record(),
                 Channel{.sat = 0, .freq = 10700, .pol = 1}.record()),
              0);
    EXPECT_LT(tv(ColumnKind::Polarisation, Channel{.sat = 0, .freq = 12700, .pol = 1}.record(),
                 Channel{.sat = 1, .freq = 10700, .pol = 1}.record()),
              0);
    EXPECT_LT(tv(ColumnKind::Polarisation, Channel{.freq = 10700, .videoPid = 900}.record(),
                 Channel{.freq = 10701, .videoPid = 100}.record()),
              0);
}

TEST(ChannelOrderKeys, PidIsTheVideoPidForTvAndTheAudioPidForRadio) {
    const ChannelRecord a = Channel{.name = "b", .videoPid = 100, .audioPid = 900}.record();
    const ChannelRecord b = Channel{.name = "a", .videoPid = 200, .audioPid = 800}.record();
    for (const ColumnKind key :
         {ColumnKind::SatNumber, ColumnKind::Frequency, ColumnKind::Polarisation}) {
        EXPECT_LT(compareChannels(key, ListKind::Tv, a, b), 0);
        EXPECT_GT(compareChannels(key, ListKind::Radio, a, b), 0);
    }
    // Radio channels equal in satellite and frequency: audio PID before the name.
    const ChannelRecord radioA = Channel{.name = "z", .videoPid = 0, .audioPid = 10}.record();
    const ChannelRecord radioB = Channel{.name = "a", .videoPid = 0, .audioPid = 20}.record();
    EXPECT_LT(compareChannels(ColumnKind::SatNumber, ListKind::Radio, radioA, radioB), 0);
}

TEST(ChannelOrderFree, FreeSlotsComeLastAndEqualEachOtherUnderEveryKey) {
    const ChannelRecord used =
        Channel{.name = "\xFF\xFF", .sat = 31, .freq = 16383, .pol = 3, .videoPid = 8191}.record();
    const ChannelRecord staleA = freeSlot(Channel{.name = "a", .sat = 0, .freq = 1}.record());
    const ChannelRecord staleB = freeSlot(Channel{.name = "z", .sat = 9, .freq = 9999}.record());
    for (const ColumnKind key : {ColumnKind::Name, ColumnKind::SatNumber, ColumnKind::SatName,
                                 ColumnKind::Frequency, ColumnKind::Polarisation}) {
        for (const ListKind list : {ListKind::Tv, ListKind::Radio}) {
            EXPECT_LT(compareChannels(key, list, used, staleA), 0);
            EXPECT_GT(compareChannels(key, list, staleA, used), 0);
            EXPECT_EQ(compareChannels(key, list, staleA, staleB), 0);
        }
    }
}

TEST(ChannelOrderKeys, ColumnsWithoutAChannelOrderLeaveTheListAsItIs) {
    EXPECT_FALSE(isChannelOrderKey(ColumnKind::Number));
    EXPECT_FALSE(isChannelOrderKey(ColumnKind::SymbolRate));
    EXPECT_TRUE(isChannelOrderKey(ColumnKind::SatName));
    EXPECT_EQ(tv(ColumnKind::SymbolRate, Channel{.symbolRate = 1}.record(),
                 Channel{.symbolRate = 2}.record()),
              0);

    ChannelTable table;
    table.clear();
    table.tv()[0] = Channel{.name = "b"}.record();
    table.tv()[1] = Channel{.name = "a"}.record();
    const std::vector<int> order = sortedSlotOrder(table.tv(), ListKind::Tv, ColumnKind::AudioPid);
    for (std::size_t i = 0; i < order.size(); ++i)
        ASSERT_EQ(order[i], static_cast<int>(i));
}

// A full list with many ties: few satellites, frequencies and names, stale free slots anywhere.
void fillRandomList(ChannelList list, std::mt19937& random) {
    static const char* const kNames[] = {"ARD",
                                         "ard",
                                         "\x86"
                                         "ARD\x87",
                                         "Arte",
                                         "",
                                         "\xC4rger",
                                         "zdf",
                                         "ZDF neo",
                                         "[x]"};
    std::uniform_int_distribution<int> pick(0, 1 << 20);
    for (ChannelRecord& slot : list) {
        const int r = pick(random);
        slot = Channel{.name = kNames[r % 9],
                       .sat = static_cast<unsigned>(r / 9 % 3),
                       .freq = static_cast<unsigned>(10700 + r / 27 % 4),
                       .pol = static_cast<unsigned>(r / 108 % 3),
                       .videoPid = static_cast<unsigned>(r / 324 % 3),
                       .audioPid = static_cast<unsigned>(r / 972 % 3)}
                   .record();
        slot.setFree(r % 7 == 0);
    }
}

TEST(SortedSlotOrder, IsAPermutationInChannelOrderForEveryKeyAndList) {
    std::mt19937 random(7);
    ChannelTable table;
    for (int round = 0; round < 3; ++round) {
        fillRandomList(table.tv(), random);
        for (const ListKind list : {ListKind::Tv, ListKind::Radio}) {
            for (const ColumnKind key : {ColumnKind::Name, ColumnKind::SatNumber,
                                         ColumnKind::Frequency, ColumnKind::Polarisation}) {
                const ConstChannelList channels = std::as_const(table).tv();
                std::vector<int> order = sortedSlotOrder(channels, list, key);
                for (std::size_t i = 1; i < order.size(); ++i)
                    ASSERT_LE(
                        compareChannels(key, list, channels[order[i - 1]], channels[order[i]]), 0)
                        << "key " << columnIndex(key) << " at " << i;
                std::sort(order.begin(), order.end());
                for (std::size_t i = 0; i < order.size(); ++i)
                    ASSERT_EQ(order[i], static_cast<int>(i));
            }
        }
    }
}

TEST(SortedSlotOrder, ComparisonIsAntisymmetricAndTransitiveOnSamples) {
    std::mt19937 random(11);
    ChannelTable table;
    fillRandomList(table.tv(), random);
    const ConstChannelList channels = std::as_const(table).tv();
    std::uniform_int_distribution<std::size_t> slot(0, channels.size() - 1);
    for (const ColumnKind key :
         {ColumnKind::Name, ColumnKind::Frequency, ColumnKind::Polarisation}) {
        for (int i = 0; i < 20000; ++i) {
            const ChannelRecord& a = channels[slot(random)];
            const ChannelRecord& b = channels[slot(random)];
            const ChannelRecord& c = channels[slot(random)];
            const int ab = tv(key, a, b);
            ASSERT_EQ(ab, -tv(key, b, a));
            if (ab <= 0 && tv(key, b, c) <= 0) {
                ASSERT_LE(tv(key, a, c), 0);
            }
        }
    }
}

TEST(RewriteInOrder, MovesRecordsInPlaceAndLeavesTheOtherListAlone) {
    ChannelTable table;
    table.clear();
    for (std::size_t i = 0; i < 5; ++i)
        table.tv()[i] = Channel{.name = std::string_view("abcde").substr(i, 1)}.record();
    table.radio()[0] = Channel{.name = "radio", .videoPid = 0}.record();
    const ChannelTable before = [&] {
        ChannelTable copy;
        std::copy(table.slots().begin(), table.slots().end(), copy.slots().begin());
        return copy;
    }();

    // A reversal of the first five slots: every record moves through a cycle.
    std::vector<int> order(kListCapacity);
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<int>(i < 5 ? 4 - i : i);
    rewriteInOrder(table.tv(), order);
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_EQ(table.tv()[i], before.tv()[4 - i]);
    EXPECT_TRUE(std::equal(table.tv().begin() + 5, table.tv().end(), before.tv().begin() + 5));
    EXPECT_TRUE(std::equal(table.radio().begin(), table.radio().end(), before.radio().begin()));

    rewriteInOrder(table.tv(), sortedSlotOrder(table.tv(), ListKind::Tv, ColumnKind::Name));
    EXPECT_EQ(table.tv()[0].name(), "a");
    EXPECT_EQ(table.tv()[4].name(), "e");
    EXPECT_TRUE(table.tv()[5].isFree());
}

TEST(OrderByNumberTexts, OrdersByNumberAndKeepsRowOrderOnTies) {
    const std::vector<int> numbers = {3, 1, 2, 1, -5, 3};
    EXPECT_EQ(orderByNumberTexts(numbers), (std::vector<int>{4, 1, 3, 2, 0, 5}));
    EXPECT_TRUE(orderByNumberTexts({}).empty());
}

} // namespace
} // namespace kanalo
