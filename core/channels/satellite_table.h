#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kanalo {

struct SatelliteEntry {
    std::int32_t id;              // key in the list file; -1 for the user satellites
    std::string_view displayName; // Windows-1252 bytes, as the receiver's character set has them
    std::string_view displayText; // the same name as UTF-8, for the user interface
    std::string_view shortName;   // one word, Windows-1252 bytes, as written to the list file
};

// The fixed table of 32 satellites. Index 31 ("User 15") also stands for every unknown satellite.
class SatelliteTable {
public:
    static constexpr std::size_t kCount = 32;
    static constexpr std::uint8_t kUnknownIndex = 31;
    static constexpr std::int32_t kUserSatelliteId = -1;

    static const std::array<SatelliteEntry, kCount>& entries();

    // The first entry with this id; kUnknownIndex when none has it.
    static std::uint8_t indexById(std::int32_t id);
    // The first entry whose short name equals the word exactly; kUnknownIndex when none does.
    static std::uint8_t indexByShortName(std::string_view word);

    // The entry for writing a file: indexes beyond the table count as the unknown satellite.
    static const SatelliteEntry& entryForFile(std::uint8_t index);

    // Display name as UTF-8; empty for an index of 32 or more.
    static std::string_view displayText(std::uint8_t index);
    // The number the user sees: index + 1.
    static int number(std::uint8_t index) { return index + 1; }
    // "%d %s" with the number and the display name, as the satellite choice lists show it.
    static std::string choiceText(std::uint8_t index);
};

// The frequency band settings in MHz. Only CLowMin and HighMax bound what the channel dialog
// accepts; the others are read and kept.
struct FrequencyBands {
    unsigned lowMin = 10700;
    unsigned lowMax = 11900;
    unsigned highMin = 11550;
    unsigned highMax = 12750;
    unsigned cLowMin = 3000;
    unsigned cLowMax = 4200;
    unsigned cHighMin = 3000;
    unsigned cHighMax = 4200;

    bool accepts(unsigned frequencyMhz, bool noLimits) const {
        return noLimits || (cLowMin <= frequencyMhz && frequencyMhz <= highMax);
    }
};

} // namespace kanalo
