#include "core/channels/satellite_table.h"

#include <gtest/gtest.h>

namespace kanalo {
namespace {

TEST(SatelliteLookup, FirstMatchWinsAndUnknownIsTheLastEntry) {
    EXPECT_EQ(SatelliteTable::indexByShortName("EutelSat"), 1);
    EXPECT_EQ(SatelliteTable::indexByShortName("ASTRA"), 0);
    EXPECT_EQ(SatelliteTable::indexByShortName("T\xFC"
                                               "rksat"),
              7);
    EXPECT_EQ(SatelliteTable::indexByShortName("User-3"), 19);
    EXPECT_EQ(SatelliteTable::indexByShortName("User15"), 31);
    EXPECT_EQ(SatelliteTable::indexByShortName("astra"), 31) << "case-sensitive";
    EXPECT_EQ(SatelliteTable::indexByShortName("ASTRA2"), 31) << "whole word";
    EXPECT_EQ(SatelliteTable::indexById(0x8282), 5);
    EXPECT_EQ(SatelliteTable::indexById(0x0430), 16);
    EXPECT_EQ(SatelliteTable::indexById(0x1234), 31);
}

TEST(SatelliteTable, EntriesForFileAndDisplay) {
    EXPECT_EQ(SatelliteTable::entryForFile(31).id, -1);
    EXPECT_EQ(SatelliteTable::entryForFile(31).shortName, "User15");
    EXPECT_EQ(SatelliteTable::entryForFile(200).shortName, "User15") << "out of range";
    EXPECT_EQ(SatelliteTable::entries()[8].displayName, "T\xFC"
                                                        "rksat 42\xB0O");
    EXPECT_EQ(SatelliteTable::displayText(8), "Türksat 42°O");
    EXPECT_EQ(SatelliteTable::displayText(32), "");
    EXPECT_EQ(SatelliteTable::choiceText(0), "1 Astra 19.2° O");
    EXPECT_EQ(SatelliteTable::choiceText(31), "32 User 15");
    for (const auto& entry : SatelliteTable::entries())
        EXPECT_EQ(entry.shortName.find(' '), std::string_view::npos) << "short names are words";
}

TEST(FrequencyBands, AcceptTheCBandToHighBandRange) {
    const FrequencyBands bands;
    EXPECT_FALSE(bands.accepts(2999, false));
    EXPECT_TRUE(bands.accepts(3000, false));
    EXPECT_TRUE(bands.accepts(12750, false));
    EXPECT_FALSE(bands.accepts(12751, false));
    EXPECT_TRUE(bands.accepts(0, true));
    EXPECT_TRUE(bands.accepts(65535, true));
}

} // namespace
} // namespace kanalo
