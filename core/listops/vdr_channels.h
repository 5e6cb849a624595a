#pragma once

#include "core/channels/channel_table.h"
#include "core/listops/dvb_import.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kanalo {

// VDR channels.conf: one channel per line,
// "Name,Short;Provider:Frequency:Parameters:Source:SymbolRate:VPID:APID:TPID:CAID:SID:NID:TID:RID"
// in UTF-8; a line starting with ":" starts a group, "#" starts a comment.
inline constexpr std::size_t kVdrFieldCount = 13;

// The code rate after "C" for each FEC code; codes without a rate have none.
inline constexpr std::array<std::string_view, 6> kVdrFecRates{"12", "23", "34", "56", "", "78"};

struct VdrImportCounts {
    std::size_t tv = 0;
    std::size_t radio = 0;
    std::size_t dvbS2 = 0;        // the receiver tunes DVB-S only
    std::size_t notSatellite = 0; // cable, terrestrial, analogue, ...
    std::size_t unreadable = 0;
    std::size_t listsFull = 0; // beyond 1999 channels of a list

    std::size_t skipped() const { return dvbS2 + notSatellite + unreadable + listsFull; }
    // A file that brings no channel is refused before anything is replaced.
    std::size_t imported() const { return tv + radio; }
};

// The satellite id of an orbital position in tenths of a degree: three decimal digits, one per
// hexadecimal digit, and bit 15 for east. Nothing for positions of 100 degrees and more.
std::optional<std::int32_t> satelliteIdOfPosition(unsigned tenths, bool east);

// True when some line is a channel line: at least 13 fields and a source such as "S19.2E" or
// "C" (cable), imported or not. Also how Open Update tells a channels.conf from a channel list
// file.
bool isVdrChannelText(std::string_view text);

// The satellite channels of the text in file order, DVB-S2 ones included, each mapped as the
// import maps it (without group number and user-list flag): for reading a channels.conf as the
// order of channels the receiver already has, where its tuning system does not matter.
std::vector<ChannelRecord> vdrSatelliteChannels(std::string_view text);

// Reads the whole file; WrongVersion when it holds no channel line. On failure the text is
// left untouched.
DvbReadStatus readVdrFile(const std::filesystem::path& path, std::string& text);

// Replaces the whole table with the DVB-S channels of the text in file order: video PID 0 to the
// Radio list, others to the TV list, each up to 1999, the first 999 of each in the user list.
// A channel's bouquet number is the number of its group (0 before the first group line).
VdrImportCounts importVdrText(std::string_view text, ChannelTable& table);

// The English summary: "%1 TV and %2 Radio channels imported." or, when anything was skipped,
// the same with the skip counts by reason.
std::string vdrImportSummary(const VdrImportCounts& counts);

struct VdrExport {
    std::string text;
    std::size_t skipped = 0; // channels on a satellite without a position
};

// A group line ":TV" and the occupied TV slots in order, then ":Radio" and the Radio slots.
VdrExport writeVdrText(const ChannelTable& table);

} // namespace kanalo
