#include "core/listops/duplicates.h"
#include "tests/support/channel_builder.h"

#include <gtest/gtest.h>
#include <random>

namespace kanalo {
namespace {

using test::Channel;

class DuplicatesTest : public ::testing::Test {
protected:
    ChannelTable table;

    void put(ListKind kind, int slot, const Channel& channel) {
        table.list(kind)[static_cast<std::size_t>(slot)] = channel.record();
    }
    // "slot" for a plain line, "slot*" for a group head.
    std::vector<std::string> lines(ListKind kind) {
        std::vector<std::string> out;
        for (const DuplicateLine& line : findDuplicates(table.list(kind), kind))
            out.push_back(std::to_string(line.slot) + (line.head ? "*" : ""));
        return out;
    }
};

using Lines = std::vector<std::string>;

TEST_F(DuplicatesTest, NamesSymbolRatesAndFlagsAreNotCompared) {
    put(ListKind::Tv, 2, {.name = "One", .symbolRate = 27500});
    Channel other{.name = "Two", .symbolRate = 22000};
    ChannelRecord record = other.record();
    record.setInUserList(true);
    record.setEpg(true);
    record.setBouquetName("Paket");
    record.setBouquetNumber(4);
    table.tv()[6] = record;
    EXPECT_EQ(lines(ListKind::Tv), (Lines{"2*", "6"}));
}

TEST_F(DuplicatesTest, EveryComparedFieldSeparatesChannels) {
    const std::vector<Channel> variants = {
        {.freq = 12001},  {.pol = 1},     {.sat = 3},        {.videoPid = 99},
        {.audioPid = 99}, {.pcrPid = 99}, {.serviceId = 99}, {.fec = 3},
    };
    for (const Channel& variant : variants) {
        table.clear();
        put(ListKind::Tv, 0, {});
        put(ListKind::Tv, 1, variant);
        EXPECT_EQ(lines(ListKind::Tv), Lines{}) << "variant " << &variant - variants.data();
    }
}

TEST_F(DuplicatesTest, ThreeEqualChannelsGiveTwoGroups) {
    for (const int slot : {4, 9, 17})
        put(ListKind::Tv, slot, {});
    EXPECT_EQ(lines(ListKind::Tv), (Lines{"4*", "9", "17", "9*", "17"}));
}

TEST_F(DuplicatesTest, GroupsFollowTheirHeadsAndFreeSlotsDoNotCount) {
    put(ListKind::Tv, 1, {.freq = 11000});
    put(ListKind::Tv, 2, {.freq = 12000});
    put(ListKind::Tv, 3, {.freq = 12000});
    put(ListKind::Tv, 5, {.freq = 11000});
    put(ListKind::Tv, 8, {.freq = 12000, .free = true}); // stale data of a freed slot
    EXPECT_EQ(lines(ListKind::Tv), (Lines{"1*", "5", "2*", "3"}));
}

TEST_F(DuplicatesTest, TheRadioListIgnoresTheVideoPid) {
    for (const ListKind kind : {ListKind::Tv, ListKind::Radio}) {
        put(kind, 0, {.videoPid = 0});
        put(kind, 1, {.videoPid = 17});
    }
    EXPECT_EQ(lines(ListKind::Tv), Lines{});
    EXPECT_EQ(lines(ListKind::Radio), (Lines{"0*", "1"}));
}

TEST_F(DuplicatesTest, LineTextShowsTheStoredNameWithoutTrailingBlanks) {
    Channel channel{.name = "\x86Nord\x87 W\xFCrz    ", .sat = 4, .freq = 3000};
    EXPECT_EQ(duplicateLineText(channel.record(), 4, ListKind::Tv, true),
              "*\t005\tTV\t\x86Nord\x87 W\xFCrz\t05\t03000");
    channel.name = "   ";
    channel.sat = 31;
    channel.freq = 12750;
    EXPECT_EQ(duplicateLineText(channel.record(), 1998, ListKind::Radio, false),
              " \t1999\tRadio\t\t32\t12750");
}

// The pairwise comparison, as plainly as it can be written.
std::vector<DuplicateLine> referenceDuplicates(ConstChannelList list, ListKind kind) {
    std::vector<DuplicateLine> out;
    for (std::size_t i = 0; i + 1 < list.size(); ++i) {
        if (list[i].isFree())
            continue;
        bool headed = false;
        for (std::size_t j = i + 1; j < list.size(); ++j) {
            if (list[j].isFree() || !sameChannelData(list[i], list[j], kind))
                continue;
            if (!headed)
                out.push_back({static_cast<int>(i), true});
            headed = true;
            out.push_back({static_cast<int>(j), false});
        }
    }
    return out;
}

TEST_F(DuplicatesTest, AgreesWithThePairwiseComparisonOnRandomLists) {
    std::mt19937 random(20240611);
    auto pick = [&random](unsigned n) {
        return std::uniform_int_distribution<unsigned>(0, n)(random);
    };
    for (int round = 0; round < 8; ++round) {
        for (ChannelRecord& record : table.slots()) {
            // Few values per field, so groups of every size turn up.
            record = Channel{.sat = pick(1),
                             .freq = 11000 + pick(2),
                             .pol = pick(1),
                             .videoPid = pick(1),
                             .audioPid = pick(2),
                             .pcrPid = 5,
                             .serviceId = pick(1),
                             .fec = 2,
                             .free = pick(3) == 0}
                         .record();
        }
        for (const ListKind kind : {ListKind::Tv, ListKind::Radio}) {
            const auto found = findDuplicates(table.list(kind), kind);
            const auto expected = referenceDuplicates(table.list(kind), kind);
            ASSERT_EQ(found.size(), expected.size());
            for (std::size_t i = 0; i < found.size(); ++i) {
                ASSERT_EQ(found[i].slot, expected[i].slot) << "line " << i;
                ASSERT_EQ(found[i].head, expected[i].head) << "line " << i;
            }
        }
    }
}

} // namespace
} // namespace kanalo
