#include "core/channels/channel_file_writer.h"
#include "core/listops/apply_order.h"
#include "core/listops/order_reference_reader.h"
#include "tests/support/channel_builder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace kanalo {
namespace {

using test::Channel;

// Fills the list from its first slot; a channel marked free leaves its slot free.
void put(ChannelList list, const std::vector<Channel>& channels) {
    for (std::size_t slot = 0; slot < channels.size(); ++slot)
        list[slot] = channels[slot].record();
}

std::vector<std::string> names(ConstChannelList list) {
    std::vector<std::string> out;
    for (const ChannelRecord& record : list)
        if (!record.isFree())
            out.emplace_back(record.name());
    return out;
}

using Names = std::vector<std::string>;

TEST(ApplyOrderGolden, ChannelListReferenceByIdentityThenName) {
    auto reference = std::make_unique<ChannelTable>();
    put(reference->tv(), {{"Das Erste", 0, 11836, 0, 101, 102, 101, 28106},
                          {"ZDF", 0, 11953, 0, 110, 120, 110, 28006},
                          {"arte", 1, 10744, 1, 401, 402, 401, 28724},
                          {"Gone", 0, 12000, 1, 7, 8, 7, 9}});
    put(reference->radio(), {{"Bayern 3", 0, 11836, 0, 0, 3031, 3031, 28402}});
    // A damaged line does not keep a list file from being one.
    const auto order = readOrderReferenceText(writeChannelText(*reference, FileForm::Long) +
                                              "ASTRA 8192 11954000 h\r\n");
    ASSERT_TRUE(order);
    EXPECT_EQ(order->kind, ReferenceKind::ChannelList);

    auto table = std::make_unique<ChannelTable>();
    put(table->tv(), {{"Sky"},
                      {"ZDF HD", 0, 11953, 0, 610, 620, 610, 28006}, // renamed: identity
                      {"ZDF", 0, 11953, 1, 110, 120, 110, 28006},    // other polarisation
                      {.free = true},                                //
                      {" das  ERSTE ", 0, 11837, 0, 1, 2, 1, 28106}, // moved: name
                      {"arte", 1, 10744, 1, 401, 402, 401, 28724},   // identity
                      {"Sky 2", 0, 11954, 0, 5, 6, 5, 28006}});
    put(table->radio(), {{"Bayern 3", 0, 11836, 0, 0, 3031, 3031, 28402}, {"Radio X"}});
    table->tv()[5].setInUserList(true);
    const ChannelRecord arte = table->tv()[5];

    const ApplyOrderSummary summary =
        applyReferenceOrder(*table, *order, OrderedLists::Both, UnmatchedChannels::PlaceAfter);
    // The second ZDF takes the name entry only after identities: the first ZDF holds its entry.
    EXPECT_EQ(names(table->tv()), (Names{" das  ERSTE ", "ZDF HD", "arte", "Sky", "ZDF", "Sky 2"}));
    EXPECT_EQ(table->tv()[2], arte);
    EXPECT_TRUE(table->tv()[6].isFree());
    EXPECT_EQ(names(table->radio()), (Names{"Bayern 3", "Radio X"}));
    EXPECT_EQ(applyOrderSummaryText(summary),
              "TV: 3 of 6 channels ordered by the reference, 3 not found placed after them. "
              "Radio: 1 of 2 channels ordered by the reference, 1 not found placed after them.");
}

TEST(ApplyOrderGolden, VdrReferenceTakesDvbS2AndIgnoresGroupsAndCable) {
    const auto order = readOrderReferenceText(
        "\xEF\xBB\xBF:TV\n"
        "Das Erste HD;ARD:11494:HC23M5O35S1:S19.2E:22000:5101=27:5102=deu@3:0:0:10301:1:1019:0\n"
        "Kabel Eins;X:346000:M256:C:6900:101:102:0:0:1:0:0:0\n"
        "S\xC3\x9C"
        "DWEST Fernsehen;ARD:11836:HC34M2S0:S19.2E:27500:3101:3102:0:0:28113:1:1:0\n"
        ":Radio\n"
        "Bayern 3;BR:11836:HC34M2S0:S19.2E:27500:0:3031=deu:0:0:28402:1:1101:0\r\n"
        "ZDF;ZDFvision:11953:HC34M2S0:S19.2E:27500:110=2:120=deu@3:0:0:28006:1:1079:0\n");
    ASSERT_TRUE(order);
    EXPECT_EQ(order->kind, ReferenceKind::VdrChannels);

    auto table = std::make_unique<ChannelTable>();
    put(table->tv(), {{"ZDF", 0, 11953, 0, 110, 120, 110, 28006},
                      {"s\xFC"
                       "dwest fernsehen",
                       0, 12000, 0, 3101, 3102, 3101, 99},
                      {"Das Erste HD", 0, 11494, 0, 5101, 5102, 5101, 10301},
                      {"Kabel Eins"}});
    put(table->radio(), {{"Radio X"}, {"Bayern 3", 0, 11836, 0, 0, 3031, 3031, 28402}});
    const ApplyOrderSummary summary =
        applyReferenceOrder(*table, *order, OrderedLists::Both, UnmatchedChannels::Remove);
    EXPECT_EQ(names(table->tv()), (Names{"Das Erste HD",
                                         "s\xFC"
                                         "dwest fernsehen",
                                         "ZDF"}));
    EXPECT_EQ(names(table->radio()), (Names{"Bayern 3"}));
    EXPECT_EQ(applyOrderSummaryText(summary),
              "TV: 3 of 4 channels ordered by the reference, 1 not found removed. "
              "Radio: 1 of 2 channels ordered by the reference, 1 not found removed.");
}

TEST(ApplyOrderGolden, NameListOrdersBothListsAndRefusesWhatIsNoReference) {
    const auto order = readOrderReferenceText("# my order\r\n"
                                              "\r\n"
                                              "  ARD  das erste \r\n"
                                              "\xC3\x84RA 1\n"             // ÄRA 1
                                              "\xE6\x97\xA5\xE6\x9C\xAC\n" // no Windows-1252
                                              "[news]\n"
                                              "ASTRA 8192 11954000 h 27500 2 1 2 3 4 1 \"X\"\n"
                                              "ard das erste\n"
                                              "radio eins");
    ASSERT_TRUE(order);
    EXPECT_EQ(order->kind, ReferenceKind::NameList);
    EXPECT_EQ(order->tv.size(), 7u); // a stray line of the list shape is a name

    auto table = std::make_unique<ChannelTable>();
    put(table->tv(), {{"Other"},
                      {"\x86News\x87"},
                      {"\xE4ra 1"},
                      {"ARD Das Erste"},
                      {"ARD\tDAS ERSTE"},
                      {"ARD Das Erste"}});
    put(table->radio(), {{"Radio Zwei"}, {"RADIO  EINS"}});
    ApplyOrderSummary summary =
        applyReferenceOrder(*table, *order, OrderedLists::Tv, UnmatchedChannels::PlaceAfter);
    EXPECT_EQ(names(table->tv()), (Names{"ARD Das Erste", "\xE4ra 1", "\x86News\x87",
                                         "ARD\tDAS ERSTE", "Other", "ARD Das Erste"}));
    EXPECT_EQ(names(table->radio()), (Names{"Radio Zwei", "RADIO  EINS"}));
    EXPECT_EQ(applyOrderSummaryText(summary),
              "TV: 4 of 6 channels ordered by the reference, 2 not found placed after them.");
    summary = applyReferenceOrder(*table, *order, OrderedLists::Radio, UnmatchedChannels::Remove);
    EXPECT_EQ(names(table->radio()), (Names{"RADIO  EINS"}));

    // An empty reference for a list leaves it whole, even when told to remove.
    OrderReference tvOnly;
    tvOnly.tv.push_back(ReferenceEntry::of(Channel{"Other"}.record()));
    summary = applyReferenceOrder(*table, tvOnly, OrderedLists::Both, UnmatchedChannels::Remove);
    EXPECT_EQ(names(table->radio()), (Names{"RADIO  EINS"}));
    EXPECT_EQ(applyOrderSummaryText(summary),
              "TV: 1 of 6 channels ordered by the reference, 5 not found removed. "
              "Radio: no channels in the reference, list unchanged.");

    for (const std::string_view refused :
         {std::string_view(""), std::string_view("# only a comment\n\n"),
          std::string_view("ARD\0ZDF\n", 8), std::string_view("Das Erste\n\xE4ra 1\n"),
          std::string_view("\xFF\xFE"
                           "A\0R\0D\0",
                           8),
          std::string_view("Kabel:346000:M256:C:6900:101:102:0:0:1:0:0:0\n")})
        EXPECT_FALSE(readOrderReferenceText(refused)) << refused;
}

// Random lists against random references built from a few values, so that identities and
// names collide often: the four properties every application keeps.
TEST(ApplyOrderProperty, PermutesMatchedInReferenceOrderKeepsTheRestAndSettles) {
    const std::vector<std::string_view> pool = {"ARD", "ard ", "ZDF", "z df", "Arte", "", "3sat"};
    for (const unsigned seed : {1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u}) {
        std::mt19937 random(seed);
        const auto pick = [&random](unsigned count) {
            return static_cast<unsigned>(random() % count);
        };
        const auto randomChannel = [&] {
            return Channel{pool[pick(7)], pick(2), 11000 + pick(2), pick(2), 1, 2, 3, pick(3)}
                .record();
        };
        for (int round = 0; round < 60; ++round) {
            auto table = std::make_unique<ChannelTable>();
            const ChannelList list = table->tv();
            for (unsigned slot = 0, slots = 1 + pick(60); slot < slots; ++slot) {
                list[slot] = randomChannel();
                list[slot].setBouquetNumber(slot); // tells equal-looking channels apart
                list[slot].setInUserList(pick(2) == 0);
                list[slot].setFree(pick(5) == 0);
            }
            OrderReference reference;
            for (unsigned entry = pick(40); entry > 0; --entry) {
                reference.tv.push_back(ReferenceEntry::of(randomChannel()));
                if (pick(3) == 0)
                    reference.tv.back().identity.reset();
            }
            const auto unmatched =
                pick(2) ? UnmatchedChannels::Remove : UnmatchedChannels::PlaceAfter;
            const auto before = std::make_unique<ChannelTable>(*table);
            const ListOrderSummary summary = applyReferenceOrder(list, reference.tv, unmatched);
            SCOPED_TRACE(testing::Message() << "seed " << seed << " round " << round);
            if (reference.tv.empty()) {
                ASSERT_TRUE(std::equal(list.begin(), list.end(), before->tv().begin()));
                continue;
            }

            // Occupied slots first, each an unchanged record of the input, none twice.
            std::vector<const ChannelRecord*> result;
            for (const ChannelRecord& record : list)
                if (!record.isFree())
                    result.push_back(&record);
            ASSERT_TRUE(std::all_of(list.begin() + static_cast<long>(result.size()), list.end(),
                                    [](const ChannelRecord& r) { return r.isFree(); }));
            std::vector<bool> seen(kListCapacity, false);
            for (const ChannelRecord* record : result) {
                const ChannelRecord& original = before->tv()[record->bouquetNumber()];
                ASSERT_TRUE(!original.isFree() && original == *record &&
                            !seen[record->bouquetNumber()]);
                seen[record->bouquetNumber()] = true;
            }
            ASSERT_EQ(result.size(),
                      unmatched == UnmatchedChannels::Remove ? summary.matched : summary.channels);
            ASSERT_EQ(summary.channels, before->tv().occupiedCount());

            // The matched ones take entries in reference order, each by identity or by name.
            std::size_t entry = 0;
            for (std::size_t i = 0; i < summary.matched; ++i) {
                const auto matches = [&](const ReferenceEntry& e) {
                    return e.identity == channelIdentity(*result[i]) ||
                           (!e.nameKey.empty() && e.nameKey == channelNameKey(result[i]->name()));
                };
                while (entry < reference.tv.size() && !matches(reference.tv[entry]))
                    ++entry;
                ASSERT_LT(entry++, reference.tv.size()) << "channel " << i;
            }
            // The rest in their former order.
            for (std::size_t i = summary.matched + 1; i < result.size(); ++i)
                ASSERT_LT(result[i - 1]->bouquetNumber(), result[i]->bouquetNumber());

            // Once applied, the same reference changes nothing.
            const auto once = std::make_unique<ChannelTable>(*table);
            const ListOrderSummary again = applyReferenceOrder(list, reference.tv, unmatched);
            ASSERT_TRUE(std::equal(list.begin(), list.end(), once->tv().begin()));
            ASSERT_EQ(again.matched, summary.matched);
        }
    }
}

} // namespace
} // namespace kanalo
