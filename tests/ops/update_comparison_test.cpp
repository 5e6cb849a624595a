#include "channel_builder.h"
#include "shell/update_comparison.h"

#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <utility>

namespace kanalo {
namespace {

using test::Channel;
using test::freeSlot;

TEST(ChannelsDiffer, EachComparedFieldAloneMakesADifference) {
    const ChannelRecord base = Channel{}.record();
    EXPECT_EQ(channelsDiffer(base, base, false), 0);
    const std::vector<std::pair<const char*, std::function<void(ChannelRecord&)>>> changes = {
        {"symbol rate", [](ChannelRecord& r) { r.setSymbolRate(22000); }},
        {"frequency +2", [](ChannelRecord& r) { r.setFrequency(r.frequency() + 2); }},
        {"frequency -2", [](ChannelRecord& r) { r.setFrequency(r.frequency() - 2); }},
        {"polarisation", [](ChannelRecord& r) { r.setPolarisation(1); }},
        {"satellite", [](ChannelRecord& r) { r.setSatelliteIndex(31); }},
        {"free", [](ChannelRecord& r) { r.setFree(true); }},
        {"PCR PID", [](ChannelRecord& r) { r.setPcrPid(1); }},
        {"service id", [](ChannelRecord& r) { r.setServiceId(1); }},
        {"video PID", [](ChannelRecord& r) { r.setVideoPid(1); }},
        {"audio PID", [](ChannelRecord& r) { r.setAudioPid(1); }},
        {"FEC", [](ChannelRecord& r) { r.setFecCode(5); }},
    };
    for (const auto& [what, change] : changes) {
        ChannelRecord other = base;
        change(other);
        EXPECT_EQ(channelsDiffer(base, other, true), -1) << what;
        EXPECT_EQ(channelsDiffer(other, base, true), -1) << what;
    }
}

TEST(ChannelsDiffer, FrequenciesOneMegahertzApartAreTheSameChannel) {
    const ChannelRecord at12480 = Channel{.freq = 12480}.record();
    EXPECT_EQ(channelsDiffer(at12480, Channel{.freq = 12481}.record(), false), 0);
    EXPECT_EQ(channelsDiffer(Channel{.freq = 12481}.record(), at12480, false), 0);
    EXPECT_EQ(channelsDiffer(at12480, Channel{.freq = 12479}.record(), false), 0);
    EXPECT_EQ(channelsDiffer(at12480, Channel{.freq = 12482}.record(), false), -1);
    EXPECT_EQ(channelsDiffer(Channel{.freq = 12482}.record(), at12480, false), -1);
    EXPECT_EQ(channelsDiffer(Channel{.freq = 0}.record(), Channel{.freq = 16383}.record(), true),
              -1);
}

TEST(ChannelsDiffer, NamesCountCaseSensitivelyUnlessIgnored) {
    const ChannelRecord lower = Channel{.name = "das erste"}.record();
    const ChannelRecord upper = Channel{.name = "Das Erste"}.record();
    EXPECT_EQ(channelsDiffer(lower, upper, false), -1);
    EXPECT_EQ(channelsDiffer(lower, upper, true), 0);
    EXPECT_EQ(
        channelsDiffer(Channel{.name = "ARD"}.record(), Channel{.name = "ARD "}.record(), false),
        -1);
}

TEST(ChannelsDiffer, FlagsBouquetsAndStaleFreeSlotsPlayNoPart) {
    ChannelRecord a = Channel{}.record();
    ChannelRecord b = a;
    a.setInUserList(true);
    a.setEpg(true);
    b.setBouquetName("Other");
    b.setBouquetNumber(7);
    EXPECT_EQ(channelsDiffer(a, b, false), 0);
    EXPECT_EQ(channelsDiffer(freeSlot(), freeSlot(), false), 0);
}

// Fills both lists of a pair: main has mostly distinct channels, update copies them with small
// changes that land on both sides of every boundary the comparison has.
struct ListPair {
    ChannelTable main;
    ChannelTable update;
};

ChannelRecord randomChannel(std::mt19937& random) {
    std::uniform_int_distribution<unsigned> small(0, 2);
    std::uniform_int_distribution<unsigned> freq(0, 16383);
    static const char* const kNames[] = {"ARD", "ard", "Arte", ""};
    unsigned f = freq(random);
    if (small(random) == 0)
        f = small(random) == 0 ? 0 : 16383;
    return Channel{.name = kNames[small(random)],
                   .sat = small(random),
                   .freq = f,
                   .pol = small(random),
                   .videoPid = small(random),
                   .audioPid = small(random),
                   .pcrPid = small(random),
                   .serviceId = small(random),
                   .symbolRate = 27500 + small(random),
                   .fec = small(random)}
        .record();
}

ChannelRecord nearCopy(ChannelRecord r, std::mt19937& random) {
    std::uniform_int_distribution<int> what(0, 9);
    switch (what(random)) {
    case 0:
        r.setFrequency(r.frequency() + 1);
        break;
    case 1:
        r.setFrequency(r.frequency() == 0 ? 0 : r.frequency() - 1);
        break;
    case 2:
        r.setFrequency(r.frequency() + 2);
        break;
    case 3:
        r.setName(r.name() == "ARD" ? "ard" : "ARD");
        break;
    case 4:
        r.setFree(!r.isFree());
        break;
    case 5:
        r.setServiceId(r.serviceId() + 1);
        break;
    case 6:
        r.setInUserList(true);
        break;
    default:
        break;
    }
    return r;
}

void fillPair(ListPair& pair, std::mt19937& random) {
    std::uniform_int_distribution<int> coin(0, 5);
    std::uniform_int_distribution<std::size_t> anySlot(0, kListCapacity - 1);
    for (const ListKind kind : {ListKind::Tv, ListKind::Radio}) {
        ChannelList main = pair.main.list(kind);
        ChannelList update = pair.update.list(kind);
        for (std::size_t i = 0; i < kListCapacity; ++i) {
            main[i] = randomChannel(random);
            main[i].setFree(coin(random) == 0);
        }
        for (std::size_t i = 0; i < kListCapacity; ++i)
            update[i] =
                coin(random) == 0 ? randomChannel(random) : nearCopy(main[anySlot(random)], random);
    }
}

// The definitions, one pair of slots at a time.
std::vector<int> plainDifferences(ConstChannelList main, ConstChannelList update, bool ignore) {
    std::vector<int> marked;
    for (std::size_t i = 0; i < update.size(); ++i) {
        if (update[i].isFree())
            continue;
        bool found = false;
        for (const ChannelRecord& m : main)
            found = found || channelsDiffer(m, update[i], ignore) == 0;
        if (!found)
            marked.push_back(static_cast<int>(i));
    }
    return marked;
}

TEST(UpdateComparisonIndex, AgreesWithThePairwiseDefinitionOnRandomLists) {
    std::mt19937 random(2024);
    auto pair = std::make_unique<ListPair>();
    for (int round = 0; round < 4; ++round) {
        fillPair(*pair, random);
        for (const ListKind kind : {ListKind::Tv, ListKind::Radio}) {
            const ConstChannelList main = std::as_const(pair->main).list(kind);
            const ConstChannelList update = std::as_const(pair->update).list(kind);
            for (const bool ignore : {false, true}) {
                const std::vector<int> expected = plainDifferences(main, update, ignore);
                // The lists must exercise both outcomes for the check to mean something.
                ASSERT_GT(expected.size(), 50u);
                ASSERT_LT(expected.size(), 1500u);
                EXPECT_EQ(markUpdateDifferences(main, update, ignore), expected);
            }
            const std::vector<bool> deleted = deletedFromUpdate(main, update);
            ASSERT_EQ(deleted.size(), kListCapacity);
            for (std::size_t j = 0; j < kListCapacity; ++j)
                ASSERT_EQ(deleted[j], isDeletedFromUpdate(main[j], update)) << "slot " << j;
            const std::vector<int> reverse = plainDifferences(update, main, true);
            for (std::size_t j = 0; j < kListCapacity; ++j)
                ASSERT_EQ(deleted[j],
                          std::binary_search(reverse.begin(), reverse.end(), static_cast<int>(j)));
        }
    }
}

class UpdateLists : public ::testing::Test {
protected:
    UpdateLists() {
        main.clear();
        update.clear();
    }
    ChannelTable main;
    ChannelTable update;
};

TEST_F(UpdateLists, MarkingSkipsFreeUpdateSlotsAndFoldsInIgnoreNames) {
    main.tv()[0] = Channel{.name = "ZDF"}.record();
    main.tv()[1] = freeSlot(Channel{.name = "Stale", .serviceId = 1}.record());
    update.tv()[0] = Channel{.name = "Stale", .serviceId = 1}.record();
    update.tv()[1] = freeSlot(Channel{.name = "Gone"}.record());
    update.tv()[2] = Channel{.name = "zdf"}.record();
    update.tv()[3] = Channel{.name = "ZDF", .freq = 11955}.record();

    // The first channel matches only a free main slot's stale data.
    EXPECT_EQ(markUpdateDifferences(main.tv(), update.tv(), false), (std::vector<int>{0, 2}));
    EXPECT_EQ(markUpdateDifferences(main.tv(), update.tv(), true), (std::vector<int>{0}));
    // The other half is compared on its own.
    EXPECT_TRUE(markUpdateDifferences(main.radio(), update.radio(), false).empty());
}

TEST_F(UpdateLists, DeletedNeverMarksFreeSlotsAndAlwaysIgnoresNames) {
    main.tv()[0] = Channel{.name = "Das Erste"}.record();
    main.tv()[1] = freeSlot(Channel{.serviceId = 9}.record());
    main.tv()[2] = Channel{.serviceId = 9}.record();
    update.tv()[0] = Channel{.name = "DAS ERSTE (neu)", .freq = 11955}.record();
    update.tv()[5] = freeSlot(Channel{.serviceId = 9}.record());

    EXPECT_FALSE(isDeletedFromUpdate(main.tv()[0], update.tv()));
    EXPECT_FALSE(isDeletedFromUpdate(main.tv()[1], update.tv()));
    EXPECT_TRUE(isDeletedFromUpdate(main.tv()[2], update.tv()));
    const std::vector<bool> deleted = deletedFromUpdate(main.tv(), update.tv());
    EXPECT_EQ(std::count(deleted.begin(), deleted.end(), true), 1);
    EXPECT_TRUE(deleted[2]);
}

} // namespace
} // namespace kanalo
