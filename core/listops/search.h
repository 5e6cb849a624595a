#pragma once

#include "core/channels/channel_table.h"
#include "core/format/channel_fields.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace kanalo {

// Find name, Find frequency and Find next over the slots of one list.

enum class SearchMode { Name, Frequency };

// One search for the whole run: Find name and Find frequency start it at slot 0, Find next
// moves it on, and a search that finds nothing ends it (position -1).
struct SearchState {
    int position = -1; // slot where the next step starts; -1: no search active
    SearchMode mode = SearchMode::Name;
    std::string text; // Windows-1252 bytes; upper case unless matchCase
    bool matchCase = false;
    std::uint16_t frequency = 0;
    int satelliteFilter = -1; // the satelliteIndex a frequency match must have; -1: any

    bool active() const { return position >= 0; }
};

// Both search modes accept this range in the find dialog.
inline constexpr unsigned kSearchFrequencyMin = 3000;
inline constexpr unsigned kSearchFrequencyMax = 12750;
inline constexpr unsigned kInitialSearchFrequency = 12000;
inline constexpr std::size_t kMaxSearchTextLength = 17;

// Windows-1252 upper case: a-z and the accented small letters, including the ones at 0x9A,
// 0x9C, 0x9E and 0xFF whose capitals live at 0x8A, 0x8C, 0x8E and 0x9F. Letters without a
// capital in the set (sharp s, micro sign) stay as they are.
unsigned char upperWindows1252(unsigned char byte);
std::string upperWindows1252(std::string_view bytes);

// The typed search text as Windows-1252 bytes. A character the set has no byte for becomes a
// zero byte, which no stored name contains, so such a search honestly finds nothing.
std::string searchTextBytes(std::u32string_view text);

// The number field of the find dialog: a whole integer within 3000..12750.
FieldValue readSearchFrequency(std::string_view text);

// A name search from the text the user typed (Windows-1252 bytes): starts at slot 0.
SearchState startNameSearch(std::string_view text, bool matchCase);
// A frequency search: starts at slot 0; satellite -1 for any satellite.
SearchState startFrequencySearch(unsigned mhz, int satelliteFilter);

// Whether an occupied or free slot matches; a free slot never does.
bool matchesSearch(const ChannelRecord& record, const SearchState& search);

struct FindStep {
    int match = -1;        // the slot found, or -1
    int nextPosition = -1; // where the following Find next starts; -1 after a miss
};

// One Find next: from the search position to the end of the list, then once more over the
// whole list from slot 0. A match moves the position to the slot after it (0 after the last).
// An inactive search finds nothing.
FindStep findNext(ConstChannelList list, const SearchState& search);

} // namespace kanalo
