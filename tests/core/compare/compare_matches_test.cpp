#include "core/compare/compare_matches.h"
#include "tests/support/channel_builder.h"

#include <gtest/gtest.h>
#include <string>

namespace kanalo {
namespace {

using test::Channel;

TEST(NamesMatchIgnoringCase, Cases) {
    struct Case {
        std::string a, b;
        bool match;
    };
    const Case cases[] = {
        {"Das Erste", "DAS ERSTE", true},
        {"Das Erste", "Das Erste ", false}, // a trailing blank is a character
        {"ARD", "ARD1", false},
        {"", "", true},
        {"\xC4rzte TV", "\xE4RZTE tv", true},           // Ä / ä
        {"\xD7", "\xF7", false},                        // × and ÷ are no letter pair
        {"\x8A\x8C\x8E\x9F", "\x9A\x9C\x9E\xFF", true}, // Š Œ Ž Ÿ
        {"\xDF", "\xDF", true},
        {"ARD[1]", "ard{1}", false}, // only letters fold
    };
    for (const Case& c : cases) {
        EXPECT_EQ(namesMatchIgnoringCase(c.a, c.b), c.match) << c.a << " / " << c.b;
        EXPECT_EQ(namesMatchIgnoringCase(c.b, c.a), c.match) << c.b << " / " << c.a;
    }
    // Only the first 31 characters count.
    const std::string stem(31, 'x');
    EXPECT_TRUE(namesMatchIgnoringCase(stem + "abc", stem + "XYZ"));
    EXPECT_FALSE(namesMatchIgnoringCase(stem.substr(1) + "a", stem.substr(1) + "b"));
}

class CompareMatchesTest : public ::testing::Test {
protected:
    ChannelTable table;
    ChannelList main = table.tv();

    void put(std::size_t slot, const Channel& channel) { main[slot] = channel.record(); }
    std::vector<int> matches(const Channel& update, CompareMode mode) {
        return compareMatches(main, update.record(), mode);
    }
};

TEST_F(CompareMatchesTest, ByNameFindsOtherLetterCaseInAscendingOrder) {
    put(40, {.name = "pro7"});
    put(3, {.name = "PRO7", .freq = 10000});
    put(7, {.name = "Pro7 HD"});
    put(9, {.name = "Pro7", .free = true}); // stale data of a free slot
    EXPECT_EQ(matches({.name = "Pro7"}, CompareMode::ByName), (std::vector<int>{3, 40}));
}

TEST_F(CompareMatchesTest, ByFrequencyWindowSatelliteAndPolarisation) {
    for (unsigned freq = 12468; freq <= 12492; ++freq)
        put(freq - 12468, {.name = "Any", .sat = 1, .freq = freq, .pol = 1});
    put(100, {.sat = 2, .freq = 12480, .pol = 1}); // other satellite
    put(101, {.sat = 1, .freq = 12480, .pol = 0}); // other polarisation
    put(102, {.sat = 1, .freq = 12480, .pol = 1, .free = true});
    const std::vector<int> found =
        matches({.name = "Other", .sat = 1, .freq = 12480, .pol = 1}, CompareMode::ByFrequency);
    ASSERT_EQ(found.size(), 19u);
    EXPECT_EQ(main[static_cast<std::size_t>(found.front())].frequency(), 12471);
    EXPECT_EQ(main[static_cast<std::size_t>(found.back())].frequency(), 12489);
}

TEST_F(CompareMatchesTest, AtMostAThousandMatches) {
    for (std::size_t slot = 0; slot < kListCapacity; ++slot)
        put(slot, {.name = "Same"});
    const std::vector<int> found = matches({.name = "same"}, CompareMode::ByName);
    ASSERT_EQ(found.size(), kMaxCompareMatches);
    EXPECT_EQ(found.front(), 0);
    EXPECT_EQ(found.back(), 999);
}

TEST_F(CompareMatchesTest, FreeUpdateSlotMatchesNothing) {
    put(0, {.name = "Stale"});
    EXPECT_TRUE(matches({.name = "Stale", .free = true}, CompareMode::ByName).empty());
    EXPECT_TRUE(matches({.name = "Stale", .free = true}, CompareMode::ByFrequency).empty());
}

TEST_F(CompareMatchesTest, CopyTakesEveryFieldAndFlagOrKeepsTheName) {
    put(5, {.name = "Main name", .freq = 11000});
    ChannelRecord update = Channel{.name = "Update name",
                                   .sat = 4,
                                   .freq = 12345,
                                   .pol = 1,
                                   .videoPid = 1,
                                   .audioPid = 2,
                                   .pcrPid = 3,
                                   .serviceId = 4,
                                   .symbolRate = 22000,
                                   .fec = 5}
                               .record();
    update.setInUserList(true);
    update.setEpg(true);
    update.setMarked(true);
    update.setBouquetName("Bouquet");
    update.setBouquetNumber(77);

    EXPECT_TRUE(copyUpdateChannel(main, 5, update, false));
    EXPECT_EQ(main[5], update);

    put(6, {.name = "Kept"});
    EXPECT_TRUE(copyUpdateChannel(main, 6, update, true));
    EXPECT_EQ(main[6].name(), "Kept");
    ChannelRecord expected = update;
    expected.setName("Kept");
    EXPECT_EQ(main[6], expected);
}

TEST_F(CompareMatchesTest, CopyKeepsTheUserListLimit) {
    for (std::size_t slot = 0; slot < kUserListCapacity; ++slot) {
        put(slot, {});
        main[slot].setInUserList(true);
    }
    put(1500, {.name = "Outside"});
    ChannelRecord update = Channel{.name = "Update"}.record();
    update.setInUserList(true);
    update.setEpg(true);

    // A 1000th channel would pass the limit: the copy stays outside the user list.
    EXPECT_FALSE(copyUpdateChannel(main, 1500, update, false));
    EXPECT_FALSE(main[1500].inUserList());
    EXPECT_FALSE(main[1500].epg());
    EXPECT_EQ(main[1500].name(), "Update");
    EXPECT_EQ(ConstChannelList(main).userListCount(), kUserListCapacity);

    // Over a channel already in it, the count does not grow.
    EXPECT_TRUE(copyUpdateChannel(main, 10, update, false));
    EXPECT_TRUE(main[10].inUserList());
    EXPECT_TRUE(main[10].epg());
}

} // namespace
} // namespace kanalo
