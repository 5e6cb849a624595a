#pragma once

#include "core/channels/channel_table.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace kanalo {

// How the Compare Channels dialog looks for main-list counterparts of an Update-List channel.
enum class CompareMode { ByName, ByFrequency };

// The dialog offers no more than this many matches.
inline constexpr std::size_t kMaxCompareMatches = 1000;

// Names equal in their first 31 characters, letter case ignored (ASCII and the letters of
// Windows-1252).
bool namesMatchIgnoringCase(std::string_view a, std::string_view b);

// Same satellite, same polarisation and frequencies less than 10 MHz apart.
bool frequenciesMatch(const ChannelRecord& a, const ChannelRecord& b);

// The used main-list slots, ascending, that match the Update-List channel; at most
// kMaxCompareMatches. A free Update-List slot is no channel and matches nothing.
std::vector<int> compareMatches(ConstChannelList main, const ChannelRecord& update,
                                CompareMode mode);

// Copies the Update-List channel over a main-list record, every field and flag, or all but
// the name. The user list of the main list keeps its limit: when the copy would put one
// channel too many into it, the copy leaves the user list (and so its EPG flag). Returns
// false in that case.
bool copyUpdateChannel(ChannelList main, std::size_t slot, const ChannelRecord& update,
                       bool keepName);

} // namespace kanalo
