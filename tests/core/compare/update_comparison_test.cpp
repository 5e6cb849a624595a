#include "core/compare/update_comparison.h"
#include "tests/support/channel_builder.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <utility>

namespace kanalo {
namespace {

using test::Channel;

int differ(const Channel& a, const Channel& b, bool ignoreName = false) {
    return channelsDiffer(a.record(), b.record(), ignoreName);
}

TEST(ChannelsDiffer, EachComparedFieldAloneMakesADifference) {
    const std::vector<std::pair<const char*, std::function<void(ChannelRecord&)>>> changes = {
        {"symbol rate", [](ChannelRecord& r) { r.setSymbolRate(22000); }},
        {"polarisation", [](ChannelRecord& r) { r.setPolarisation(1); }},
        {"satellite", [](ChannelRecord& r) { r.setSatelliteIndex(31); }},
        {"free", [](ChannelRecord& r) { r.setFree(true); }},
        {"PCR PID", [](ChannelRecord& r) { r.setPcrPid(1); }},
        {"service id", [](ChannelRecord& r) { r.setServiceId(1); }},
        {"video PID", [](ChannelRecord& r) { r.setVideoPid(1); }},
        {"audio PID", [](ChannelRecord& r) { r.setAudioPid(1); }},
        {"FEC", [](ChannelRecord& r) { r.setFecCode(5); }},
    };
    const ChannelRecord base = Channel{}.record();
    for (const auto& [what, change] : changes) {
        ChannelRecord other = base;
        change(other);
        EXPECT_EQ(channelsDiffer(base, other, true), -1) << what;
        EXPECT_EQ(channelsDiffer(other, base, true), -1) << what;
    }
}

TEST(ChannelsDiffer, FrequencyToleranceNamesAndIgnoredFields) {
    EXPECT_EQ(differ({.freq = 12480}, {.freq = 12481}), 0);
    EXPECT_EQ(differ({.freq = 12481}, {.freq = 12480}), 0);
    EXPECT_EQ(differ({.freq = 12480}, {.freq = 12482}), -1);
    EXPECT_EQ(differ({.freq = 12482}, {.freq = 12480}), -1);

    EXPECT_EQ(differ({.name = "das erste"}, {.name = "Das Erste"}), -1);
    EXPECT_EQ(differ({.name = "das erste"}, {.name = "Das Erste"}, true), 0);
    EXPECT_EQ(differ({.name = "ARD"}, {.name = "ARD "}), -1);

    ChannelRecord flagged = Channel{}.record();
    flagged.setInUserList(true);
    flagged.setEpg(true);
    flagged.setBouquetName("Other");
    flagged.setBouquetNumber(7);
    EXPECT_EQ(channelsDiffer(flagged, Channel{}.record(), false), 0);
    EXPECT_EQ(differ({.free = true}, {.free = true}), 0);
}

// The definitions, one pair of slots at a time.
std::vector<int> plainDifferences(ConstChannelList main, ConstChannelList update, bool ignore) {
    std::vector<int> marked;
    for (std::size_t i = 0; i < update.size(); ++i)
        if (!update[i].isFree() && std::none_of(main.begin(), main.end(), [&](const auto& m) {
                return channelsDiffer(m, update[i], ignore) == 0;
            }))
            marked.push_back(static_cast<int>(i));
    return marked;
}

// Few distinct values, frequencies at the field's ends, and update channels that are near
// copies of main ones, so every boundary of the comparison is crossed both ways.
TEST(UpdateComparisonIndex, AgreesWithThePairwiseDefinitionOnRandomLists) {
    std::mt19937 random(2024);
    std::uniform_int_distribution<unsigned> small(0, 2);
    static const char* const kNames[] = {"ARD", "ard", ""};
    const auto randomChannel = [&] {
        const unsigned f = small(random) == 0 ? 16383 * (random() % 2) : random() % 16384;
        return Channel{.name = kNames[small(random)],
                       .sat = small(random),
                       .freq = f,
                       .pol = small(random),
                       .videoPid = small(random),
                       .audioPid = small(random),
                       .pcrPid = small(random),
                       .serviceId = small(random),
                       .symbolRate = small(random),
                       .fec = small(random),
                       .free = random() % 6 == 0}
            .record();
    };
    const auto nearCopy = [&](ChannelRecord r) {
        switch (random() % 8) {
        case 0:
            r.setFrequency(r.frequency() + 1);
            break;
        case 1:
            r.setFrequency(r.frequency() - 1);
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
        default:
            break;
        }
        return r;
    };
    auto main = std::make_unique<ChannelTable>();
    auto update = std::make_unique<ChannelTable>();
    for (int round = 0; round < 4; ++round) {
        for (ChannelRecord& slot : main->tv())
            slot = randomChannel();
        for (ChannelRecord& slot : update->tv())
            slot = random() % 6 == 0 ? randomChannel()
                                     : nearCopy(main->tv()[random() % kListCapacity]);
        const ConstChannelList mainTv = std::as_const(*main).tv();
        const ConstChannelList updateTv = std::as_const(*update).tv();
        for (const bool ignore : {false, true}) {
            const std::vector<int> expected = plainDifferences(mainTv, updateTv, ignore);
            ASSERT_GT(expected.size(), 50u); // both outcomes must occur for this to mean much
            ASSERT_LT(expected.size(), 1500u);
            EXPECT_EQ(markUpdateDifferences(mainTv, updateTv, ignore), expected);
        }
        const std::vector<bool> deleted = deletedFromUpdate(mainTv, updateTv);
        const std::vector<int> missing = plainDifferences(updateTv, mainTv, true);
        for (std::size_t j = 0; j < kListCapacity; ++j) {
            ASSERT_EQ(deleted[j], std::binary_search(missing.begin(), missing.end(), int(j)));
            ASSERT_EQ(deleted[j], isDeletedFromUpdate(mainTv[j], updateTv)) << "slot " << j;
        }
    }
}

TEST(UpdateComparison, FreeSlotsNeitherMatchNorGetMarked) {
    ChannelTable main, update;
    main.clear();
    update.clear();
    main.tv()[0] = Channel{.name = "ZDF"}.record();
    main.tv()[1] = Channel{.name = "Stale", .serviceId = 1, .free = true}.record();
    main.tv()[2] = Channel{.serviceId = 9}.record();
    update.tv()[0] = Channel{.name = "Stale", .serviceId = 1}.record();
    update.tv()[1] = Channel{.name = "Gone", .free = true}.record();
    update.tv()[2] = Channel{.name = "zdf"}.record();
    update.tv()[3] = Channel{.name = "ZDF", .freq = 11955}.record();
    update.tv()[4] = Channel{.serviceId = 9, .free = true}.record();

    EXPECT_EQ(markUpdateDifferences(main.tv(), update.tv(), false), (std::vector<int>{0, 2}));
    EXPECT_EQ(markUpdateDifferences(main.tv(), update.tv(), true), (std::vector<int>{0}));
    EXPECT_TRUE(markUpdateDifferences(main.radio(), update.radio(), false).empty());

    // Main 0 matches "zdf" with names ignored; main 1 is free; main 2 only has a free match.
    const std::vector<bool> deleted = deletedFromUpdate(main.tv(), update.tv());
    EXPECT_EQ(std::count(deleted.begin(), deleted.end(), true), 1);
    EXPECT_TRUE(deleted[2]);
    EXPECT_FALSE(isDeletedFromUpdate(main.tv()[1], update.tv()));
}

} // namespace
} // namespace kanalo
