#include "core/channels/satellite_table.h"

namespace kanalo {

namespace {

// Display names carry the degree sign and u-umlaut as single Windows-1252 bytes (0xB0, 0xFC).
constexpr std::array<SatelliteEntry, SatelliteTable::kCount> kEntries{{
    {0x8192, "Astra 19.2\xB0 O", "Astra 19.2° O", "ASTRA"},
    {0x8130, "Eutelsat 13\xB0 O", "Eutelsat 13° O", "EutelSat"},
    {0x8100, "Eutelsat 10\xB0 O", "Eutelsat 10° O", "EutelSat"},
    {0x8160, "Eutelsat 16\xB0 O", "Eutelsat 16° O", "EutelSat"},
    {0x8235, "Kopernikus 23.5\xB0 O", "Kopernikus 23.5° O", "Kopernikus"},
    {0x8282, "Astra 28.2\xB0 O", "Astra 28.2° O", "ASTRA"},
    {0x8050, "Sirius 5\xB0 O", "Sirius 5° O", "Sirius"},
    {0x8313, "T\xFCrksat 31.3\xB0 O", "Türksat 31.3° O", "T\xFCrksat"},
    {0x8420, "T\xFCrksat 42\xB0O", "Türksat 42°O", "T\xFCrksat"},
    {0x8360, "Eutelsat 36\xB0 O", "Eutelsat 36° O", "EutelSat"},
    {0x0010, "Thor/Intelsat 1\xB0 W", "Thor/Intelsat 1° W", "Thor/Intelsat"},
    {0x0040, "Amos 4\xB0 W", "Amos 4° W", "Amos"},
    {0x0050, "Telecom 5\xB0 W", "Telecom 5° W", "Telecom"},
    {0x0070, "Nilesat 7\xB0 W", "Nilesat 7° W", "Nilesat"},
    {0x0300, "Hispasat 30\xB0 W", "Hispasat 30° W", "Hispasat"},
    {0x0375, "Orion 37.5\xB0 W", "Orion 37.5° W", "ORION"},
    {0x0430, "PanamSat 43\xB0 W", "PanamSat 43° W", "PanamSat"},
    {-1, "User 1", "User 1", "User-1"},
    {-1, "User 2", "User 2", "User-2"},
    {-1, "User 3", "User 3", "User-3"},
    {-1, "User 4", "User 4", "User-4"},
    {-1, "User 5", "User 5", "User-5"},
    {-1, "User 6", "User 6", "User-6"},
    {-1, "User 7", "User 7", "User-7"},
    {-1, "User 8", "User 8", "User-8"},
    {-1, "User 9", "User 9", "User-9"},
    {-1, "User 10", "User 10", "User10"},
    {-1, "User 11", "User 11", "User11"},
    {-1, "User 12", "User 12", "User12"},
    {-1, "User 13", "User 13", "User13"},
    {-1, "User 14", "User 14", "User14"},
    {-1, "User 15", "User 15", "User15"},
}};

} // namespace

const std::array<SatelliteEntry, SatelliteTable::kCount>& SatelliteTable::entries() {
    return kEntries;
}

std::uint8_t SatelliteTable::indexById(std::int32_t id) {
    for (std::size_t i = 0; i < kCount; ++i)
        if (kEntries[i].id == id)
            return static_cast<std::uint8_t>(i);
    return kUnknownIndex;
}

std::uint8_t SatelliteTable::indexByShortName(std::string_view word) {
    for (std::size_t i = 0; i < kCount; ++i)
        if (kEntries[i].shortName == word)
            return static_cast<std::uint8_t>(i);
    return kUnknownIndex;
}

const SatelliteEntry& SatelliteTable::entryForFile(std::uint8_t index) {
    return kEntries[index < kCount ? index : kUnknownIndex];
}

std::string_view SatelliteTable::displayText(std::uint8_t index) {
    return index < kCount ? kEntries[index].displayText : std::string_view{};
}

std::string SatelliteTable::choiceText(std::uint8_t index) {
    return std::to_string(number(index)) + " " + std::string(displayText(index));
}

} // namespace kanalo
