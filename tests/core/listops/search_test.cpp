#include "core/listops/search.h"
#include "tests/support/channel_builder.h"

#include <gtest/gtest.h>

namespace kanalo {
namespace {

using test::Channel;

class SearchTest : public ::testing::Test {
protected:
    ChannelTable table;
    ChannelList list = table.tv();

    void put(int slot, const Channel& channel) {
        list[static_cast<std::size_t>(slot)] = channel.record();
    }
    FindStep find(const SearchState& search, int from) {
        SearchState at = search;
        at.position = from;
        return findNext(list, at);
    }
};

TEST(SearchCaseFolding, FollowsTheWindows1252Letters) {
    struct Case {
        unsigned char in, out;
    };
    const Case cases[] = {
        {'a', 'A'},   {'z', 'Z'},   {'A', 'A'},   {'0', '0'},   {'[', '['},
        {0xE9, 0xC9}, {0xE0, 0xC0}, {0xFE, 0xDE}, {0xF6, 0xD6}, // é à þ ö
        {0x9A, 0x8A}, {0x9C, 0x8C}, {0x9E, 0x8E}, {0xFF, 0x9F}, // š œ ž ÿ
        {0xF7, 0xF7}, {0xDF, 0xDF}, {0xB5, 0xB5}, {0xC9, 0xC9}, // ÷ ß µ É stay
        {0x86, 0x86}, {0x87, 0x87},                             // emphasis codes
    };
    for (const Case& c : cases)
        EXPECT_EQ(upperWindows1252(c.in), c.out) << "byte " << int{c.in};
    // Every capital stays a capital: folding twice changes nothing.
    for (int byte = 0; byte < 256; ++byte) {
        const unsigned char once = upperWindows1252(static_cast<unsigned char>(byte));
        EXPECT_EQ(upperWindows1252(once), once) << "byte " << byte;
    }
}

TEST_F(SearchTest, NameSearchFoldsCaseUnlessMatchCaseIsOn) {
    put(3, {.name = "Das ERSTE HD"});
    put(7, {.name = "Kanal \xC9T\xC9"}); // ÉTÉ
    EXPECT_EQ(findNext(list, startNameSearch("erste", false)).match, 3);
    EXPECT_EQ(findNext(list, startNameSearch("erste", true)).match, -1);
    EXPECT_EQ(findNext(list, startNameSearch("ERSTE", true)).match, 3);
    EXPECT_EQ(findNext(list, startNameSearch("\xE9t\xE9", false)).match, 7); // été
    EXPECT_EQ(findNext(list, startNameSearch("\xE9t\xE9", true)).match, -1);
}

TEST_F(SearchTest, NameSearchLooksAtTheStoredBytes) {
    put(2, {.name = "Sport \x86Live\x87"});
    EXPECT_EQ(findNext(list, startNameSearch("[live]", false)).match, -1);
    EXPECT_EQ(findNext(list, startNameSearch("\x86live", false)).match, 2);
    // A character without a byte in the set can match nothing, not even an empty name.
    const std::string impossible = searchTextBytes(U"\u03A9");
    EXPECT_EQ(impossible, std::string(1, '\0'));
    EXPECT_EQ(findNext(list, startNameSearch(impossible, false)).match, -1);
    EXPECT_EQ(searchTextBytes(U"\u00E9\u20AC"), "\xE9\x80");
}

TEST_F(SearchTest, EmptyTextFindsTheNextOccupiedSlot) {
    put(10, {});
    put(40, {});
    const SearchState search = startNameSearch("", false);
    EXPECT_EQ(find(search, 0).match, 10);
    EXPECT_EQ(find(search, 10).match, 10);
    EXPECT_EQ(find(search, 11).match, 40);
}

TEST_F(SearchTest, FindNextWrapsAroundOnce) {
    put(20, {.name = "Target"});
    const SearchState search = startNameSearch("TARGET", false);
    const FindStep wrapped = find(search, 500);
    EXPECT_EQ(wrapped.match, 20);
    EXPECT_EQ(wrapped.nextPosition, 21);
    // Going on from 21 comes round to the same channel again.
    EXPECT_EQ(find(search, wrapped.nextPosition).match, 20);

    put(1998, {.name = "Target"});
    const FindStep last = find(search, 21);
    EXPECT_EQ(last.match, 1998);
    EXPECT_EQ(last.nextPosition, 0);
}

TEST_F(SearchTest, AMissEndsTheSearch) {
    put(5, {.name = "Alpha"});
    const FindStep miss = find(startNameSearch("BETA", false), 700);
    EXPECT_EQ(miss.match, -1);
    EXPECT_EQ(miss.nextPosition, -1);
    SearchState ended = startNameSearch("ALPHA", false);
    ended.position = -1;
    EXPECT_EQ(findNext(list, ended).match, -1);
}

TEST_F(SearchTest, FrequencySearchIgnoresPolarisationAndFiltersBySatellite) {
    put(1, {.sat = 0, .freq = 12000, .pol = 0});
    put(2, {.sat = 0, .freq = 12000, .pol = 1});
    put(3, {.sat = 5, .freq = 12000, .pol = 0});
    put(4, {.sat = 5, .freq = 12001, .pol = 0});
    put(5, {.freq = 12000, .free = true});
    auto matches = [this](const SearchState& start) {
        std::vector<int> found;
        SearchState search = start;
        for (int i = 0; i < 10; ++i) {
            const FindStep step = findNext(list, search);
            if (step.match < 0 || (!found.empty() && step.match == found.front()))
                break;
            found.push_back(step.match);
            search.position = step.nextPosition;
        }
        return found;
    };
    EXPECT_EQ(matches(startFrequencySearch(12000, -1)), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(matches(startFrequencySearch(12000, 5)), (std::vector<int>{3}));
    EXPECT_EQ(matches(startFrequencySearch(12000, 7)), (std::vector<int>{}));
}

TEST(SearchFrequencyField, AcceptsWholeIntegersFrom3000To12750) {
    struct Case {
        const char* text;
        FieldStatus status;
    };
    const Case cases[] = {
        {"3000", FieldStatus::Ok},          {"12750", FieldStatus::Ok},
        {"2999", FieldStatus::OutOfRange},  {"12751", FieldStatus::OutOfRange},
        {"0", FieldStatus::OutOfRange},     {"99999999999", FieldStatus::OutOfRange},
        {"", FieldStatus::NotANumber},      {"12a", FieldStatus::NotANumber},
        {"-3000", FieldStatus::OutOfRange},
    };
    for (const Case& c : cases)
        EXPECT_EQ(readSearchFrequency(c.text).status, c.status) << c.text;
    EXPECT_EQ(readSearchFrequency("11954").value, 11954u);
}

} // namespace
} // namespace kanalo
