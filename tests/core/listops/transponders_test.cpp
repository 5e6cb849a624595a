#include "core/listops/transponders.h"
#include "tests/support/channel_builder.h"

#include <gtest/gtest.h>

namespace kanalo {
namespace {

using test::Channel;

TEST(Transponders, BothHalvesTvFirstWithoutSymbolRate) {
    ChannelTable table;
    const Channel base{.sat = 0, .freq = 12000, .pol = 1};
    table.radio()[3] = base.record();
    table.tv()[40] = Channel{.sat = 0, .freq = 12000, .pol = 1, .symbolRate = 22000}.record();
    table.tv()[7] = base.record();
    table.radio()[1] = Channel{.sat = 0, .freq = 12000, .pol = 1, .videoPid = 0}.record();
    table.tv()[8] = Channel{.sat = 0, .freq = 12000, .pol = 0}.record();
    table.tv()[9] = Channel{.sat = 1, .freq = 12000, .pol = 1}.record();
    table.tv()[10] = Channel{.sat = 0, .freq = 12001, .pol = 1}.record();
    table.tv()[11] = Channel{.sat = 0, .freq = 12000, .pol = 1, .free = true}.record();

    std::vector<std::pair<ListKind, int>> found;
    for (const TransponderLine& line : transponderChannels(table, table.tv()[7]))
        found.emplace_back(line.half, line.slot);
    const std::vector<std::pair<ListKind, int>> expected = {
        {ListKind::Tv, 7}, {ListKind::Tv, 40}, {ListKind::Radio, 1}, {ListKind::Radio, 3}};
    EXPECT_EQ(found, expected);
}

TEST(Transponders, TitleAndLineTexts) {
    EXPECT_EQ(transponderTitle(Channel{.sat = 0, .freq = 12000, .pol = 1}.record()),
              "Transponder Astra 19.2\xB0 O 12000 V");
    EXPECT_EQ(transponderTitle(Channel{.sat = 40, .freq = 3000, .pol = 0}.record()),
              "Transponder  3000 H");
    EXPECT_EQ(transponderLineText(Channel{.name = "\x86Sport\x87 1"}.record(), ListKind::Radio),
              "Radio\t[Sport] 1");
    EXPECT_EQ(transponderLineText(Channel{.name = "Eins"}.record(), ListKind::Tv), "TV\tEins");
}

} // namespace
} // namespace kanalo
