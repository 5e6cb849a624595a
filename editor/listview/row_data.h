#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace kanalo {

// Colour flags of one row; the list control picks the text colour from them.
enum RowColourFlag : std::uint8_t { NotInUserList = 1, Deleted = 2, EpgMark = 4 };

inline constexpr int kRowTextCount = 12;

// The data block behind one list row. The owner of the list fills it; the list itself knows
// nothing of what the rows show. Texts are stored ready to draw so painting formats nothing.
struct RowData {
    std::int16_t slot = 0;
    std::uint8_t reserved = 0;
    std::uint8_t colourFlags = 0;
    std::array<QString, kRowTextCount> texts; // one per display position
};

} // namespace kanalo
